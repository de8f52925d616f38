// Building the help window from the file's contents and index, and keeping them in step with
// the page.
#include "gui/help/qt/help_window.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "algorithm/cp1251.h"
#include "gui/framework/resources.h"
#include "gui/help/chm_sitemap.h"
#include "gui/help/qt/help_browser.h"

namespace lunda {
namespace {

constexpr int kTopicRole = Qt::UserRole;
constexpr int kIndexIndent = 4;

// The window's own texts, from the program's string table.
QString Text(int id) { return QString::fromStdString(LoadString(id)); }

QString TopicPath(const std::string& local) {
  return HelpBrowser::UrlOf(QString::fromStdString(local)).path();
}

// The topic an entry leads to, with its anchor.
QString EntryTopic(const SitemapItem& item) {
  const QUrl url = HelpBrowser::UrlOf(QString::fromStdString(item.local));
  return url.toString(QUrl::RemoveScheme);
}

}  // namespace

HelpWindow::HelpWindow(std::filesystem::path path, std::unique_ptr<ChmFile> file)
    : QWidget(nullptr, Qt::Window), path_(std::move(path)), file_(std::move(file)) {
  setAttribute(Qt::WA_DeleteOnClose);
  const std::string title = Cp1251ToUtf8(file_->System().title);
  setWindowTitle(title.empty() ? Text(ids::strings::kHelpTitle) : QString::fromStdString(title));

  browser_ = new HelpBrowser(*file_, this);
  auto* toolBar = new QToolBar(this);
  QAction* back =
      toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), Text(ids::strings::kHelpBack),
                         browser_, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  QAction* forward =
      toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                         Text(ids::strings::kHelpForward), browser_, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectContentsEntry);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(BuildNavigation());
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(splitter);
  resize(900, 640);
}

HelpWindow::~HelpWindow() = default;

QWidget* HelpWindow::BuildNavigation() {
  auto* tabs = new QTabWidget(this);

  contents_ = new QTreeWidget(tabs);
  contents_->setHeaderHidden(true);
  FillContents(ReadSitemap(file_->System().contentsFile), nullptr);
  contents_->expandAll();
  // Moving through the tree with the keys shows each page, as a click does.
  connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) ShowTopic(item->data(0, kTopicRole).toString());
  });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowTopic(item->data(0, kTopicRole).toString()); });
  tabs->addTab(contents_, Text(ids::strings::kHelpContents));

  auto* indexPage = new QWidget(tabs);
  indexFilter_ = new QLineEdit(indexPage);
  indexFilter_->setPlaceholderText(Text(ids::strings::kHelpIndexPrompt));
  index_ = new QListWidget(indexPage);
  FillIndex(ReadSitemap(file_->System().indexFile), 0);
  connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
  connect(indexFilter_, &QLineEdit::returnPressed, this, [this] {
    if (QListWidgetItem* item = index_->currentItem(); item && !item->isHidden())
      ShowTopic(item->data(kTopicRole).toString());
  });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ShowTopic(item->data(kTopicRole).toString()); });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { ShowTopic(item->data(kTopicRole).toString()); });
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexLayout->setContentsMargins(2, 2, 2, 2);
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index_);
  tabs->addTab(indexPage, Text(ids::strings::kHelpIndex));
  return tabs;
}

std::vector<SitemapItem> HelpWindow::ReadSitemap(const std::string& name) const {
  if (name.empty()) return {};
  const std::optional<std::string> bytes = file_->Read('/' + name);
  return bytes ? ParseSitemap(Cp1251ToUtf8(*bytes)) : std::vector<SitemapItem>{};
}

void HelpWindow::FillContents(const std::vector<SitemapItem>& items, QTreeWidgetItem* parent) {
  for (const SitemapItem& entry : items) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
    item->setText(0, QString::fromStdString(entry.name));
    if (!entry.local.empty()) item->setData(0, kTopicRole, EntryTopic(entry));
    FillContents(entry.children, item);
  }
}

void HelpWindow::FillIndex(const std::vector<SitemapItem>& items, int depth) {
  for (const SitemapItem& entry : items) {
    auto* item = new QListWidgetItem(
        QString(depth * kIndexIndent, QLatin1Char(' ')) + QString::fromStdString(entry.name),
        index_);
    if (!entry.local.empty()) item->setData(kTopicRole, EntryTopic(entry));
    FillIndex(entry.children, depth + 1);
  }
}

void HelpWindow::FilterIndex(const QString& text) {
  QListWidgetItem* first = nullptr;
  for (int row = 0; row < index_->count(); ++row) {
    QListWidgetItem* item = index_->item(row);
    const bool match = item->text().trimmed().startsWith(text.trimmed(), Qt::CaseInsensitive);
    item->setHidden(!match);
    if (match && first == nullptr) first = item;
  }
  index_->setCurrentItem(first);
}

bool HelpWindow::ShowTopic(const QString& pathInFile) {
  if (pathInFile.isEmpty()) return false;
  const QUrl url = HelpBrowser::UrlOf(pathInFile);
  // The same page again would only add a step to the history.
  if (url == browser_->source()) return true;
  if (!file_->Read(url.path().toStdString())) return false;
  browser_->setSource(url);
  return true;
}

bool HelpWindow::ShowContext(std::uint32_t contextId) {
  const std::optional<std::string> topic = file_->TopicForContext(contextId);
  if (topic && ShowTopic(QString::fromStdString(*topic))) return true;
  return ShowTopic(TopicPath(file_->System().defaultTopic));
}

QString HelpWindow::CurrentTopic() const { return browser_->source().path(); }

void HelpWindow::SelectContentsEntry(const QUrl& page) {
  const auto leadsThere = [&page](const QTreeWidgetItem* item) {
    return item && QUrl(item->data(0, kTopicRole).toString()).path() == page.path();
  };
  // An entry for a section of the page (an anchor) stays marked when it led there.
  if (leadsThere(contents_->currentItem())) return;
  QTreeWidgetItem* match = nullptr;
  for (QTreeWidgetItemIterator it(contents_); *it && match == nullptr; ++it) {
    if (leadsThere(*it)) match = *it;
  }
  const QSignalBlocker blocker(contents_);
  contents_->setCurrentItem(match);
}

}  // namespace lunda
