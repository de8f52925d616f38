// Help without HTML Help: a CHM viewer from PATH.
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "gui/framework/help.h"

namespace lunda {

void ShowHelpTopic(std::uint32_t) {
  const QString file = QString::fromLatin1(kHelpFileName);
  if (!QFileInfo::exists(file)) return;
  for (const char* viewer : {"xchm", "kchmviewer"}) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
    if (!program.isEmpty()) {
      QProcess::startDetached(program, {file});
      return;
    }
  }
}

}  // namespace lunda
