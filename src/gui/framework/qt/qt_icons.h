// Icons from the embedded res/icons.
#pragma once

#include <QIcon>

namespace lunda {

// The icon resource with that id ("icons/<id>.xpm"), or a null icon when there is none.
[[nodiscard]] QIcon LoadQtIcon(int id);

}  // namespace lunda
