// HelpBrowser: the page pane of the help window, reading pages, pictures and style sheets from
// the help file.
#pragma once

#include <QTextBrowser>

namespace lunda {

class ChmFile;

// Pages are addressed as chm:/path inside the file, so that links resolve against the page
// that holds them; nothing is ever loaded from the disk or the network. The help is compiled for
// Russian, which viewers read as Windows-1251, so its texts are in that code page.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  // file must outlive the browser.
  HelpBrowser(const ChmFile& file, QWidget* parent);

  [[nodiscard]] static QUrl UrlOf(const QString& pathInFile);

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  const ChmFile& file_;
};

}  // namespace lunda
