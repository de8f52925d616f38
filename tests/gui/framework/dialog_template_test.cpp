// Templates: the JSON format, the About box template, dialog units and the built controls.
#include "gui/framework/dialog_template.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/framework/control_factory.h"
#include "gui/framework/dialog.h"
#include "gui/framework/dialog_units.h"
#include "gui/framework/resources.h"

namespace lunda {
namespace {

class DialogTemplateTest : public QObject {
  Q_OBJECT

 private slots:
  void AboutTemplateHoldsTheBox() {
    QString error;
    const std::optional<DialogTemplate> t = LoadDialogTemplate(100, &error);
    QVERIFY2(t.has_value(), qPrintable(error));
    QCOMPARE(t->caption, QStringLiteral("О программе"));
    QCOMPARE(t->size, QSize(235, 66));
    QVERIFY(t->styles.caption && t->styles.sysMenu && !t->styles.minimizeBox);
    QCOMPARE(t->controls.size(), std::size_t{4});
    QCOMPARE(t->controls[0].kind, ControlKind::kIcon);
    QCOMPARE(t->controls[0].text, QStringLiteral("128"));
    QVERIFY(t->controls[1].styles.noPrefix);
    QCOMPARE(t->controls[2].text, QStringLiteral("Версия 2.22"));
    QCOMPARE(t->controls[3].kind, ControlKind::kDefPushButton);
    QCOMPARE(t->controls[3].rect, QRect(178, 45, 50, 14));
  }

  void AboutDialogBuildsRealWidgets() {
    CDialog about(100);
    QVERIFY(about.Create());
    const DialogUnits& units = about.Units();
    QCOMPARE(about.size(), units.ToPixels(QSize(235, 66)));
    auto* ok = about.Control<QPushButton>(kIdOk);
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), units.ToPixels(QRect(178, 45, 50, 14)));
    QCOMPARE(about.DefaultCommandId(), kIdOk);
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 3);
    QVERIFY(!labels[0]->pixmap().isNull());
    QCOMPARE(labels[1]->text(), QStringLiteral("Программатор ЛУНДА"));
    QVERIFY(about.GetDlgItem(-1) == nullptr);
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
    QTest::newRow("unknown dialog style")
        << QByteArray(R"({"id":1,"size":[10,10],"styles":["resizable"]})") << "resizable";
  }
  void MalformedTemplatesAreRefusedWithAReason() {
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!ParseDialogTemplate(json, &error).has_value());
    QVERIFY2(error.contains(reason), qPrintable(error));
  }

  void MissingTemplateFailsCreation() {
    QString error;
    QVERIFY(!LoadDialogTemplate(4242, &error).has_value());
    QVERIFY(error.contains(QStringLiteral("4242")));
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

  void AverageWidthComesFromTheLatinLetters() {
    const QFont font = DialogFont(QStringLiteral("MS Sans Serif"), 8);
    QCOMPARE(font.pointSize(), 8);
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogUnits units(font);
    QCOMPARE(units.AverageWidth(), qRound(letters / 52.0));
    QCOMPARE(units.Height(), metrics.height());
  }

  void MnemonicsAreStripped_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none") << "plain"
                          << "plain";
    QTest::newRow("marker") << "&Label"
                            << "Label";
    QTest::newRow("double") << "A && B"
                            << "A & B";
    QTest::newRow("trailing") << "end&"
                              << "end";
  }
  void MnemonicsAreStripped() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(StripMnemonics(text), shown);
  }

  void StringTableHoldsTheTexts() {
    QCOMPARE(LoadString(101), QStringLiteral("&О программе..."));
    QCOMPARE(LoadString(9), QStringLiteral("Открытие файла помощи"));
    QCOMPARE(LoadString(4), QStringLiteral("Кнопка для установки параметров выбранного алгоритма "
                                           "в значения \"по умолчанию\""));
    QCOMPARE(LoadString(kIdsParseIntRange).arg(0).arg(63),
             QStringLiteral("Please enter an integer between 0 and 63."));
    QVERIFY(LoadString(110).contains(QLatin1Char('\n')));
    QVERIFY(LoadString(4242).isEmpty());
    QVERIFY(!LoadIcon(128).isNull());
  }
};

}  // namespace
}  // namespace lunda

int RunDialogTemplateTests(int argc, char** argv) {
  lunda::DialogTemplateTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialog_template_test.moc"
