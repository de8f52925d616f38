// Templates: the JSON format, dialog units and the controls built from them.
#include "gui/framework/dialog_template.h"

#include <QPushButton>
#include <QTest>

#include "gui/framework/control_factory.h"
#include "gui/framework/dialog.h"
#include "gui/framework/dialog_units.h"

namespace lunda {
namespace {

class DialogTemplateTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsArePlacedInDialogUnits() {
    CDialog about(100);
    QVERIFY(about.Create());
    const DialogUnits& units = about.Units();
    QCOMPARE(about.size(), units.ToPixels(QSize(235, 66)));
    auto* ok = about.Control<QPushButton>(kIdOk);
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->geometry(), units.ToPixels(QRect(178, 45, 50, 14)));
    QCOMPARE(about.DefaultCommandId(), kIdOk);
  }

  void MalformedTemplatesAreRefusedWithAReason_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");
    const QByteArray head = R"({"id":1,"size":[10,10],"controls":[)";
    QTest::newRow("not json") << QByteArray("{") << "";
    QTest::newRow("no size") << QByteArray(R"({"id":1})") << "size";
    QTest::newRow("unknown kind") << head + R"({"id":5,"kind":"slider","rect":[0,0,1,1]}]})"
                                  << "slider";
    QTest::newRow("short rect") << head + R"({"id":5,"kind":"edit","rect":[0,0,1]}]})"
                                << "rect";
    QTest::newRow("negative rect") << head + R"({"id":5,"kind":"edit","rect":[0,-1,1,1]}]})"
                                   << "rect";
    QTest::newRow("unknown style")
        << head + R"({"id":5,"kind":"edit","rect":[0,0,1,1],"styles":["wantreturns"]}]})"
        << "wantreturns";
  }
  void MalformedTemplatesAreRefusedWithAReason() {
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!ParseDialogTemplate(json, &error).has_value());
    QVERIFY2(error.contains(reason), qPrintable(error));
  }

  void MissingTemplateFailsCreation() {
    CDialog dialog(4242);
    QTest::ignoreMessage(QtWarningMsg, "lunda: no dialog template 4242");
    QCOMPARE(dialog.DoModal(), -1);
  }

  void DialogUnitsScaleByTheFont_data() {
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // An average width of 6 and a height of 13 pixels: x * 6 / 4, y * 13 / 8, rounded.
    QTest::newRow("origin") << QRect(0, 0, 4, 8) << QRect(0, 0, 6, 13);
    QTest::newRow("rounding") << QRect(7, 165, 57, 14) << QRect(11, 268, 86, 23);
    QTest::newRow("about button") << QRect(178, 45, 50, 14) << QRect(267, 73, 75, 23);
  }
  void DialogUnitsScaleByTheFont() {
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE(DialogUnits(6, 13).ToPixels(units), pixels);
  }

  void MnemonicsAreStripped() {
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"}, {"&Label", "Label"}, {"A && B", "A & B"}, {"end&", "end"}};
    for (const auto& [text, shown] : cases) QCOMPARE(StripMnemonics(text), QString(shown));
  }
};

}  // namespace
}  // namespace lunda

int RunDialogTemplateTests(int argc, char** argv) {
  lunda::DialogTemplateTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialog_template_test.moc"
