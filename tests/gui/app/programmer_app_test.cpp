// Start-up: the driver switches, the empty catalogue, the port and its failures, the main window,
// and exit code 1 on every path.
#include "gui/app/programmer_app.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "device/vcd_reader.h"

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace lunda {
namespace {

class RecordingReporter : public ErrorReporter {
 public:
  void ShowError(std::string_view text) override { errors.emplace_back(text); }
  void ShowInfo(std::string_view text) override { infos.emplace_back(text); }
  std::vector<std::string> errors;
  std::vector<std::string> infos;
};

class FakeDriver : public PortDriverActions {
 public:
  void Install() override { calls.push_back("install"); }
  void Remove() override { calls.push_back("remove"); }
  bool Load(Port& port) override {
    calls.push_back("load");
    if (loads) static_cast<void>(port.Read());
    return loads;
  }
  std::vector<std::string> calls;
  bool loads = true;
};

enum class Data { kNone, kEmpty, kExamples };

// One start-up in a fresh working directory, with the main window closed by Esc once it shows.
struct StartUp {
  explicit StartUp(Data data) {
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    if (data == Data::kNone) return;
    QDir().mkdir(QStringLiteral("data"));
    if (data == Data::kEmpty) return;
    const QDir examples(QStringLiteral(LUNDA_EXAMPLE_DATA));
    for (const QString& name : examples.entryList(QDir::Files)) {
      QFile::copy(examples.filePath(name), QStringLiteral("data/") + name);
    }
  }
  ~StartUp() { QDir::setCurrent(previous); }

  int Run(const std::vector<std::string>& args) {
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [this] {
      auto* window = qobject_cast<CMainDlg*>(QApplication::activeModalWidget());
      if (window == nullptr) return;
      windowRows = window->Control<QListWidget>(kIdAlgorithmList)->count();
      QTest::keyClick(window, Qt::Key_Escape);
    });
    watcher.start();
    CProgrammerApp app({
        .reporter = reporter,
        .driver = driver,
        .showHelp = nullptr,
        .makeCommands =
            [this](const WriteEnvironment& environment) {
              portLevelAtWindow = environment.port.Read();
              simulated = environment.simulator != nullptr;
              return MainWindowCommands{};
            },
    });
    return app.Run(ReadCommandLine(args));
  }

  QTemporaryDir folder;
  QString previous;
  RecordingReporter reporter;
  FakeDriver driver;
  int windowRows = -1;  // -1: no main window was shown
  int portLevelAtWindow = -1;
  bool simulated = false;
};

int ExampleCount() {
  return static_cast<int>(
      QDir(QStringLiteral(LUNDA_EXAMPLE_DATA)).entryList({QStringLiteral("*.cfg")}).size());
}

const std::string kNoAlgorithms =
    "Не найдено ни одного алгоритма.\nПроверьте их наличие в каталоге data";

class ProgrammerAppTest : public QObject {
  Q_OBJECT

 private slots:
  void DriverSwitchesNeitherScanNorOpenAWindow_data() {
    QTest::addColumn<std::vector<std::string>>("args");
    QTest::addColumn<QString>("call");
    QTest::newRow("/i") << std::vector<std::string>{"/i"} << QStringLiteral("install");
    QTest::newRow("/U") << std::vector<std::string>{"/U"} << QStringLiteral("remove");
  }
  void DriverSwitchesNeitherScanNorOpenAWindow() {
    QFETCH(std::vector<std::string>, args);
    QFETCH(QString, call);
    StartUp run(Data::kNone);
    QCOMPARE(run.Run(args), 1);
    QCOMPARE(run.driver.calls, (std::vector<std::string>{call.toStdString()}));
    QVERIFY(run.reporter.errors.empty());
    QCOMPARE(run.windowRows, -1);
  }

  // The box names the folder it searched, so that a user started from a menu knows where the
  // files belong.
  void OtherTailsStartNormallyAndFindNoAlgorithm_data() {
    QTest::addColumn<std::vector<std::string>>("args");
    QTest::addColumn<int>("data");
    QTest::addColumn<QString>("searched");  // under the working directory
    QTest::newRow("/i with a blank")
        << std::vector<std::string>{"/i "} << int(Data::kEmpty) << QStringLiteral("data");
    QTest::newRow("-i") << std::vector<std::string>{"-i"} << int(Data::kEmpty)
                        << QStringLiteral("data");
    QTest::newRow("no data folder")
        << std::vector<std::string>{} << int(Data::kNone) << QStringLiteral("data");
    QTest::newRow("--data elsewhere, ./data ignored")
        << std::vector<std::string>{"--data=./mine/"} << int(Data::kExamples)
        << QStringLiteral("mine/");
  }
  void OtherTailsStartNormallyAndFindNoAlgorithm() {
    QFETCH(std::vector<std::string>, args);
    QFETCH(int, data);
    QFETCH(QString, searched);
    StartUp run(static_cast<Data>(data));
    QCOMPARE(run.Run(args), 1);
    const QString folder = QDir::current().filePath(searched);
    QCOMPARE(run.reporter.errors,
             (std::vector<std::string>{kNoAlgorithms +
                                       ("\nПапка алгоритмов: " + folder).toStdString()}));
    QVERIFY(run.driver.calls.empty());
    QCOMPARE(run.windowRows, -1);
  }

  void ANormalRunRestsThePortAndShowsTheCatalogue() {
    StartUp run(Data::kExamples);
    QCOMPARE(run.Run({"--port=sim"}), 1);
    QCOMPARE(run.driver.calls, (std::vector<std::string>{"load"}));
    QVERIFY(run.reporter.errors.empty());
    QCOMPARE(run.windowRows, ExampleCount());
    QCOMPARE(run.portLevelAtWindow, int(kPortRestLevel));
    QVERIFY(run.simulated);
  }

  void TheDataOptionTakesTheAlgorithmsFromAnyFolder() {
    StartUp run(Data::kNone);
    QCOMPARE(run.Run({"--port=sim", "--data=" LUNDA_EXAMPLE_DATA}), 1);
    QCOMPARE(run.windowRows, ExampleCount());
  }

  void ADriverThatDoesNotLoadEndsBeforeTheWindow() {
    StartUp run(Data::kExamples);
    run.driver.loads = false;
    QCOMPARE(run.Run({"--port=sim"}), 1);
    QCOMPARE(run.driver.calls, (std::vector<std::string>{"load"}));
    QCOMPARE(run.windowRows, -1);
    QCOMPARE(run.portLevelAtWindow, -1);
  }

  // One language, the reason and the remedy once, on the second line.
  void APortThatCannotBeOpenedIsReportedWithItsReason() {
    StartUp run(Data::kExamples);
    QCOMPARE(run.Run({"--port=/nonexistent/parport9"}), 1);
    QCOMPARE(run.reporter.errors,
             std::vector<std::string>{"Не могу получить доступ к LPT-порту\nНет устройства "
                                      "/nonexistent/parport9: загрузите модуль ppdev (sudo "
                                      "modprobe ppdev) и проверьте номер порта."});
    QVERIFY(run.driver.calls.empty());
    QCOMPARE(run.windowRows, -1);
  }

  void BadOptionsAreNamedBeforeAnythingElse_data() {
    QTest::addColumn<std::vector<std::string>>("args");
    QTest::addColumn<QString>("named");
    QTest::newRow("bad port") << std::vector<std::string>{"--port=lpt1"} << QStringLiteral("lpt1");
    QTest::newRow("recording that cannot be created")
        << std::vector<std::string>{"--port=sim", "--vcd=/nonexistent/dir/x.vcd"}
        << QStringLiteral("/nonexistent/dir/x.vcd");
  }
  void BadOptionsAreNamedBeforeAnythingElse() {
    QFETCH(std::vector<std::string>, args);
    QFETCH(QString, named);
    StartUp run(Data::kExamples);
    QCOMPARE(run.Run(args), 1);
    QCOMPARE(run.reporter.errors.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(run.reporter.errors[0]).contains(named));
    QCOMPARE(run.windowRows, -1);
  }

  void ARecordingHoldsTheStartUpWrites() {
    StartUp run(Data::kExamples);
    QCOMPARE(run.Run({"--port=sim", "--vcd=run.vcd"}), 1);
    QCOMPARE(run.windowRows, ExampleCount());
    Waveform waveform;
    std::string error;
    QVERIFY2(ReadVcdFile("run.vcd", waveform, error), error.c_str());
    std::vector<int> values;
    for (const PortSample& sample : waveform.samples) values.push_back(sample.value);
    // The port test and the rest level follow each other within the file's time unit, so only
    // the level that lasts is certain to show.
    QVERIFY(!values.empty());
    QCOMPARE(values.back(), int(kPortRestLevel));
  }
};

}  // namespace
}  // namespace lunda

int RunProgrammerAppTests(int argc, char** argv) {
  lunda::ProgrammerAppTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "programmer_app_test.moc"
