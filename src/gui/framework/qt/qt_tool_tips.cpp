// Tooltips shown through QToolTip with the classic width and display time.
#include "gui/framework/qt/qt_tool_tips.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QToolTip>

#include "gui/framework/tool_tips.h"

namespace lunda {
namespace {

void WrapParagraph(const QString& paragraph, const QFontMetrics& metrics, int maxWidth,
                   QStringList& lines) {
  QString line;
  for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > maxWidth) {
      lines << line;
      line = word;
    } else {
      line = candidate;
    }
  }
  lines << line;
}

}  // namespace

QStringList WrapToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth) {
  QStringList lines;
  for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
    WrapParagraph(paragraph, metrics, maxWidth, lines);
  }
  return lines;
}

QtToolTips& QtToolTips::Instance() {
  static QPointer<QtToolTips> tips;
  if (tips == nullptr) tips = new QtToolTips(QCoreApplication::instance());
  return *tips;
}

void QtToolTips::AddTool(QWidget* control, const QString& text) {
  if (!control) return;
  if (!texts_.contains(control)) {
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { texts_.remove(gone); });
  }
  texts_.insert(control, text);
}

bool QtToolTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip || !texts_.contains(watched)) {
    return QObject::eventFilter(watched, event);
  }
  auto* control = static_cast<QWidget*>(watched);
  const QStringList lines =
      WrapToWidth(texts_.value(watched), QFontMetrics(QToolTip::font()), kToolTipMaxWidth);
  // Rich text with escaped lines keeps '<' in the texts literal and the breaks where we put them.
  QStringList escaped;
  for (const QString& line : lines) escaped << line.toHtmlEscaped();
  const QString html =
      QStringLiteral("<p style='white-space:pre'>%1</p>").arg(escaped.join(QLatin1String("<br/>")));
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), html, control, QRect(),
                     kToolTipDisplayMs);
  return true;
}

}  // namespace lunda
