// Icons from the embedded res/icons.
#pragma once

#include <QIcon>

namespace lunda {

// The size of an icon control's picture, as the classic icon resource has it.
inline constexpr int kQtIconPixels = 32;

// The icon resource with that id ("icons/<id>.xpm"), or a null icon when there is none.
[[nodiscard]] QIcon LoadQtIcon(int id);

}  // namespace lunda
