// The driver switches against the whole tail, and our own options.
#include "gui/app/command_line.h"

#include <QTest>

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace lunda {
namespace {

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void OnlyTheWholeTailSelectsADriverAction_data() {
    QTest::addColumn<std::vector<std::string>>("args");
    QTest::addColumn<int>("action");
    const int none = int(DriverAction::kNone);
    const int install = int(DriverAction::kInstall);
    const int remove = int(DriverAction::kRemove);
    QTest::newRow("/i") << std::vector<std::string>{"/i"} << install;
    QTest::newRow("/I") << std::vector<std::string>{"/I"} << install;
    QTest::newRow("/u") << std::vector<std::string>{"/u"} << remove;
    QTest::newRow("/U") << std::vector<std::string>{"/U"} << remove;
    QTest::newRow("nothing") << std::vector<std::string>{} << none;
    QTest::newRow("/i with a blank inside the argument") << std::vector<std::string>{"/i "} << none;
    QTest::newRow("/i then an empty argument") << std::vector<std::string>{"/i", ""} << none;
    QTest::newRow("-i") << std::vector<std::string>{"-i"} << none;
    QTest::newRow("/ix") << std::vector<std::string>{"/ix"} << none;
    QTest::newRow("/i /u") << std::vector<std::string>{"/i", "/u"} << none;
    QTest::newRow("/i with an option") << std::vector<std::string>{"--port=sim", "/i"} << none;
  }
  void OnlyTheWholeTailSelectsADriverAction() {
    QFETCH(std::vector<std::string>, args);
    QFETCH(int, action);
    const CommandLine line = ReadCommandLine(args);
    QCOMPARE(int(line.driverAction), action);
    QVERIFY(line.error.empty());
  }

  void OptionsAreReadAndBadOnesNamed_data() {
    QTest::addColumn<std::vector<std::string>>("args");
    QTest::addColumn<QString>("error");  // a part of the message, empty for none
    QTest::newRow("defaults") << std::vector<std::string>{"-x", "/v"} << QString();
    QTest::newRow("sim and a recording")
        << std::vector<std::string>{"--port=sim", "--vcd=out.vcd"} << QString();
    QTest::newRow("bad port") << std::vector<std::string>{"--port=lpt1"}
                              << QStringLiteral("--port: «lpt1»");
    QTest::newRow("bad address") << std::vector<std::string>{"--port=io:0x10000"}
                                 << QStringLiteral("«io:0x10000»");
    QTest::newRow("recording without a file")
        << std::vector<std::string>{"--vcd="} << QStringLiteral("--vcd=");
    QTest::newRow("data folder") << std::vector<std::string>{"--data=/srv/алгоритмы"} << QString();
    QTest::newRow("data option without a folder")
        << std::vector<std::string>{"--data="} << QStringLiteral("--data=");
    QTest::newRow("data folder as a separate argument")
        << std::vector<std::string>{"--data", "/srv"} << QStringLiteral("«--data»");
    QTest::newRow("unknown option")
        << std::vector<std::string>{"--prot=sim"} << QStringLiteral("«--prot=sim»");
  }
  void OptionsAreReadAndBadOnesNamed() {
    QFETCH(std::vector<std::string>, args);
    QFETCH(QString, error);
    const CommandLine line = ReadCommandLine(args);
    QCOMPARE(QString::fromStdString(line.error).contains(error), true);
    QCOMPARE(line.error.empty(), error.isEmpty());
  }
};

}  // namespace
}  // namespace lunda

int RunCommandLineTests(int argc, char** argv) {
  lunda::CommandLineTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "command_line_test.moc"
