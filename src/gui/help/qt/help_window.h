// HelpWindow: the help file's own window on Linux, with the contents, the index, back and
// forward beside the page.
#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

#include "gui/help/chm_file.h"

class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace lunda {

class HelpBrowser;
struct SitemapItem;

// A top-level window without an owner: it stays where the user puts it, and the program's
// dialogs neither carry nor block it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(std::filesystem::path path, std::unique_ptr<ChmFile> file);
  ~HelpWindow() override;

  [[nodiscard]] const std::filesystem::path& FilePath() const { return path_; }
  // Shows a page of the file ("/main-window.htm", an anchor may follow); false, with the page
  // left as it was, when the file has no such page.
  bool ShowTopic(const QString& pathInFile);
  // The topic of a context id, or the file's default topic when the id is not mapped.
  bool ShowContext(std::uint32_t contextId);
  // The page shown, as its path in the file, without an anchor.
  [[nodiscard]] QString CurrentTopic() const;

  [[nodiscard]] QTreeWidget* Contents() const { return contents_; }

 private:
  QWidget* BuildNavigation();
  void FillContents(const std::vector<SitemapItem>& items, QTreeWidgetItem* parent);
  void FillIndex(const std::vector<SitemapItem>& items, int depth);
  void FilterIndex(const QString& text);
  // Marks the contents entry of the page now shown, without navigating. The browser announces
  // the page before its source() follows, so the page comes from the announcement.
  void SelectContentsEntry(const QUrl& page);
  [[nodiscard]] std::vector<SitemapItem> ReadSitemap(const std::string& name) const;

  std::filesystem::path path_;
  std::unique_ptr<ChmFile> file_;
  HelpBrowser* browser_ = nullptr;
  QTreeWidget* contents_ = nullptr;
  QListWidget* index_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
};

}  // namespace lunda
