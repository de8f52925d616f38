// The Qt backend's control adapters: one per template control, made with its widget from the
// control's kind, so that nothing later asks a widget what it is.
#pragma once

#include <QWidget>
#include <memory>

#include "gui/framework/backend/window.h"
#include "gui/framework/qt/qt_dialog_units.h"

namespace lunda {

class QtControl : public Control {
 public:
  QtControl(QWidget* widget, const ControlTemplate& control)
      : widget_(widget), id_(control.id), kind_(control.kind) {}

  [[nodiscard]] QWidget* Widget() const { return widget_; }
  [[nodiscard]] int Id() const { return id_; }
  [[nodiscard]] ControlKind Kind() const { return kind_; }
  // The widget that takes the pointer: a scrolling control's viewport.
  [[nodiscard]] virtual QWidget* PointerTarget() const { return widget_; }

  // Controls without a text of their own (lists, spins, bars, pickers) read as empty.
  [[nodiscard]] std::string Text() const override { return {}; }
  void SetText(std::string_view) override {}
  [[nodiscard]] bool IsEnabled() const override { return widget_->isEnabled(); }
  void Enable(bool enable) override { widget_->setEnabled(enable); }
  void Focus() override { widget_->setFocus(Qt::OtherFocusReason); }
  void SetToolTip(std::string_view text) override;

 private:
  QWidget* widget_;
  int id_;
  ControlKind kind_;
};

// A control's adapter that knows its widget's class.
template <typename QtWidget>
class QtTypedControl : public QtControl {
 public:
  QtTypedControl(QtWidget* widget, const ControlTemplate& control)
      : QtControl(widget, control), w(widget) {}

 protected:
  QtWidget* w;
};

// The widget for the template's control, placed in parent and set up from the template, with
// its adapter; what the user does with it is reported to host.
[[nodiscard]] std::unique_ptr<QtControl> MakeQtControl(const ControlTemplate& control,
                                                       QWidget& parent, WindowHost& host,
                                                       const DialogUnits& units);

// The text with classic mnemonic markers removed: "&&" becomes "&" and a single '&' vanishes.
[[nodiscard]] QString StripMnemonics(const QString& text);

[[nodiscard]] inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lunda
