// The Qt backend's adapters of the controls that hold items: list boxes, combo boxes and tab
// controls.
#pragma once

#include <memory>

#include "gui/framework/qt/qt_controls.h"

namespace lunda {

// The widget and adapter for a list box, combo box or tab control; null for another kind.
[[nodiscard]] std::unique_ptr<QtControl> MakeQtItemControl(const ControlTemplate& control,
                                                           QWidget& parent, WindowHost& host);

}  // namespace lunda
