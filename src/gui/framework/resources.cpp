// Loads strings and icons from the resources compiled into the framework.
#include "gui/framework/resources.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

// Q_INIT_RESOURCE must be called outside any namespace.
static void InitLundaResources() { Q_INIT_RESOURCE(lunda); }

namespace lunda {
namespace {

QHash<int, QString> ReadStringTable() {
  QHash<int, QString> table;
  QFile file(QStringLiteral(":/strings.json"));
  if (!file.open(QIODevice::ReadOnly)) return table;
  const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
  for (auto it = o.begin(); it != o.end(); ++it) {
    bool ok = false;
    const int id = it.key().toInt(&ok);
    if (ok) table.insert(id, it.value().toString());
  }
  return table;
}

}  // namespace

void InitResources() {
  static const bool initialised = [] {
    InitLundaResources();
    return true;
  }();
  (void)initialised;
}

QString LoadString(int id) {
  InitResources();
  static const QHash<int, QString> table = ReadStringTable();
  return table.value(id);
}

QIcon LoadIcon(int id) {
  InitResources();
  const QString path = QStringLiteral(":/icons/%1.xpm").arg(id);
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

}  // namespace lunda
