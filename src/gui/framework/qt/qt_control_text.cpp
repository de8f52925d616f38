// Text access for the standard control widgets.
#include "gui/framework/qt/qt_control_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace lunda {

QString GetControlText(const QWidget* control) {
  if (auto* line = qobject_cast<const QLineEdit*>(control)) return line->text();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(control)) {
    return text->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
  }
  if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  return {};
}

void SetControlText(QWidget* control, const QString& text) {
  const QSignalBlocker blocker(control);
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    line->setText(text);
    // A classic edit shows the start of a text set into it; Qt would scroll to its end.
    line->setCursorPosition(0);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(control)) {
    edit->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
    group->setTitle(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    combo->setCurrentIndex(combo->findText(text));
  }
}

}  // namespace lunda
