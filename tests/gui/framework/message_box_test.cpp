// The message-box seam and the tooltip wrapping.
#include <QTest>
#include <QToolTip>

#include "gui/framework/tool_tips.h"
#include "test_support.h"

namespace lunda {
namespace {

using test::MessageBoxRecorder;

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void BoxesReachTheInstalledHandlerWithTheTitleAsDefaultCaption() {
    MessageBoxRecorder boxes;
    QWidget owner;
    QCOMPARE(MessageBox(&owner, QStringLiteral("Не могу"), MessageIcon::kError), kIdOk);
    MessageBox(nullptr, QStringLiteral("x"), MessageIcon::kInformation, QStringLiteral("Own"));
    QCOMPARE(boxes.boxes.size(), std::size_t{2});
    QCOMPARE(boxes.boxes[0].parent, &owner);
    QCOMPARE(boxes.boxes[0].text, QStringLiteral("Не могу"));
    QCOMPARE(boxes.boxes[0].icon, MessageIcon::kError);
    QCOMPARE(boxes.boxes[0].caption, QStringLiteral("gui_framework_tests"));
    QCOMPARE(boxes.boxes[1].caption, QStringLiteral("Own"));
  }

  void LongTipsWrapAt256Pixels() {
    const QFontMetrics metrics(QToolTip::font());
    const QString text = QStringLiteral(
        "Кнопка для установки параметров выбранного алгоритма в значения \"по умолчанию\"");
    const QStringList lines = WrapToWidth(text, metrics, kToolTipMaxWidth);
    QVERIFY(lines.size() > 1);
    for (const QString& line : lines) {
      QVERIFY(metrics.horizontalAdvance(line) <= kToolTipMaxWidth);
    }
    QCOMPARE(lines.join(QLatin1Char(' ')), text);
    const QString word(100, QLatin1Char('W'));  // too long for a line, kept whole
    QCOMPARE(WrapToWidth(word + " a", metrics, kToolTipMaxWidth), (QStringList{word, "a"}));
  }
};

}  // namespace
}  // namespace lunda

int RunMessageBoxTests(int argc, char** argv) {
  lunda::MessageBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "message_box_test.moc"
