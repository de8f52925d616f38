// Widgets of the Qt backend that Qt lacks as such: the classic single-selection list with
// owner-drawn rows, the tab control, and the placing of any widget from its template.
#pragma once

#include <QListWidget>
#include <QTabBar>

#include "gui/framework/backend/window.h"
#include "gui/framework/qt/qt_dialog_units.h"

namespace lunda {

// A list box that, like a classic one, always keeps one row selected once it has one; with the
// owner-draw style host paints its rows.
[[nodiscard]] QListWidget* NewListBox(const ControlTemplate& control, QWidget& parent,
                                      WindowHost& host);

// A strip of tabs over a frame, as a classic tab control: the pages are laid over the frame.
class QtTabControl : public QWidget {
 public:
  explicit QtTabControl(QWidget* parent);
  [[nodiscard]] QTabBar& Tabs() const { return *tabs_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabBar* tabs_;
  QWidget* frame_;
};

// Places the widget at the template's rectangle, enables it and gives it the focus policy of
// its kind and tab-stop style.
void PlaceControl(QWidget& widget, const ControlTemplate& control, const DialogUnits& units);

}  // namespace lunda
