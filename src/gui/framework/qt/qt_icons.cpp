// Icons read from the XPM artwork compiled into the program.
#include "gui/framework/qt/qt_icons.h"

#include <QPixmap>
#include <string>

#include "gui/framework/embedded_resources.h"

namespace lunda {

QIcon LoadQtIcon(int id) {
  const auto xpm = EmbeddedResource("icons/" + std::to_string(id) + ".xpm");
  QPixmap pixmap;
  if (!xpm || !pixmap.loadFromData(reinterpret_cast<const uchar*>(xpm->data()),
                                   static_cast<uint>(xpm->size()), "XPM")) {
    return {};
  }
  return QIcon(pixmap);
}

}  // namespace lunda
