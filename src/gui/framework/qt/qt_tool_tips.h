// Tooltips on Qt: shown through QToolTip with the classic width and display time.
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace lunda {

// Breaks text at blanks into lines no wider than maxWidth pixels; a single word wider than that
// keeps a line of its own. Existing line breaks are kept.
[[nodiscard]] QStringList WrapToWidth(const QString& text, const QFontMetrics& metrics,
                                      int maxWidth);

// One tooltip per registered widget, shown when the pointer rests on it.
class QtToolTips : public QObject {
 public:
  explicit QtToolTips(QObject* parent) : QObject(parent) {}

  // The application's: a widget's tip goes with the widget.
  [[nodiscard]] static QtToolTips& Instance();

  // Registers (or re-registers) a widget with its tip text.
  void AddTool(QWidget* control, const QString& text);
  // The text registered for a widget, empty if none.
  [[nodiscard]] QString ToolText(const QWidget* control) const { return texts_.value(control); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<const QObject*, QString> texts_;
};

}  // namespace lunda
