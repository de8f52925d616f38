// Serving the browser's resources from the help file.
#include "gui/help/qt/help_browser.h"

#include <QTextDocument>

#include "algorithm/cp1251.h"
#include "gui/help/chm_file.h"

namespace lunda {
namespace {

constexpr char kScheme[] = "chm";

}  // namespace

HelpBrowser::HelpBrowser(const ChmFile& file, QWidget* parent) : QTextBrowser(parent), file_(file) {
  setOpenLinks(true);
  setOpenExternalLinks(false);
}

QUrl HelpBrowser::UrlOf(const QString& pathInFile) {
  QUrl url(pathInFile.startsWith('/') ? pathInFile : '/' + pathInFile);
  url.setScheme(QString::fromLatin1(kScheme));
  return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (name.scheme() != QLatin1String(kScheme)) return {};
  const std::optional<std::string> bytes = file_.Read(name.path().toStdString());
  if (!bytes) return {};
  if (type == QTextDocument::ImageResource) {
    return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
  }
  return QString::fromStdString(Cp1251ToUtf8(*bytes));
}

}  // namespace lunda
