// Tooltips for a window's controls: at most 256 pixels wide, shown for 10176 ms.
#pragma once

#include <QFontMetrics>
#include <QHash>
#include <QObject>
#include <QString>
#include <QWidget>

namespace lunda {

inline constexpr int kToolTipMaxWidth = 256;
inline constexpr int kToolTipDisplayMs = 10176;

// Breaks text at blanks into lines no wider than maxWidth pixels; a single word wider than that
// keeps a line of its own. Existing line breaks are kept.
[[nodiscard]] QStringList WrapToWidth(const QString& text, const QFontMetrics& metrics,
                                      int maxWidth);

// One tooltip per registered control, shown when the pointer rests on it.
class CToolTips : public QObject {
 public:
  explicit CToolTips(QObject* parent = nullptr) : QObject(parent) {}

  // Registers (or re-registers) a control with its tip text; a null control is ignored.
  void AddTool(QWidget* control, const QString& text);
  // The text registered for a control, empty if none.
  [[nodiscard]] QString ToolText(const QWidget* control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<const QObject*, QString> texts_;
};

}  // namespace lunda
