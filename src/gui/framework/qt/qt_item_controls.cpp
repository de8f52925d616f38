// The adapters of the controls that hold items: list boxes, combo boxes and tab controls.
#include "gui/framework/qt/qt_item_controls.h"

#include <QComboBox>
#include <QSignalBlocker>

#include "gui/framework/qt/qt_widgets.h"

namespace lunda {
namespace {

class ListBox final : public QtTypedControl<QListWidget>, public ItemControl {
 public:
  ListBox(QListWidget* list, const ControlTemplate& c, WindowHost& host) : QtTypedControl(list, c) {
    for (const std::string& item : c.items) list->addItem(FromUtf8(item));
    const int id = c.id;
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [&host, id] {
      host.Act({UserAction::Kind::kSelChange, id});
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [&host, id] {
      host.Act({UserAction::Kind::kDoubleClick, id});
    });
  }
  [[nodiscard]] QWidget* PointerTarget() const override { return w->viewport(); }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    const QListWidgetItem* item = w->item(index);
    return item ? item->text().toStdString() : std::string();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->insertItem(index < 0 ? w->count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w);
    delete w->takeItem(index);
  }
  [[nodiscard]] int Selection() const override {
    const QList<QListWidgetItem*> selected = w->selectedItems();
    return selected.isEmpty() ? -1 : w->row(selected.front());
  }
  void Select(int index) override {
    const QSignalBlocker blocker(w);
    w->setCurrentRow(index);
    if (index < 0) w->clearSelection();
  }
};

class ComboBox final : public QtTypedControl<QComboBox>, public ItemControl {
 public:
  ComboBox(QComboBox* combo, const ControlTemplate& c) : QtTypedControl(combo, c) {
    for (const std::string& item : c.items) combo->addItem(FromUtf8(item));
    combo->setCurrentIndex(-1);
  }
  [[nodiscard]] std::string Text() const override { return w->currentText().toStdString(); }
  void SetText(std::string_view text) override { Select(w->findText(FromUtf8(text))); }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    return w->itemText(index).toStdString();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w);
    w->insertItem(index < 0 ? w->count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w);
    w->removeItem(index);
  }
  [[nodiscard]] int Selection() const override { return w->currentIndex(); }
  void Select(int index) override {
    const QSignalBlocker blocker(w);
    w->setCurrentIndex(index);
  }
};

class TabControl final : public QtTypedControl<QtTabControl>, public ItemControl {
 public:
  TabControl(QtTabControl* tabs, const ControlTemplate& c, WindowHost& host)
      : QtTypedControl(tabs, c) {
    const int id = c.id;
    QObject::connect(&tabs->Tabs(), &QTabBar::currentChanged, tabs, [&host, id] {
      host.Act({UserAction::Kind::kSelChange, id});
    });
  }
  [[nodiscard]] ItemControl* Items() override { return this; }
  [[nodiscard]] int Count() const override { return w->Tabs().count(); }
  [[nodiscard]] std::string ItemText(int index) const override {
    return w->Tabs().tabText(index).toStdString();
  }
  void Insert(int index, std::string_view text) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().insertTab(index < 0 ? Count() : index, FromUtf8(text));
  }
  void Delete(int index) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().removeTab(index);
  }
  [[nodiscard]] int Selection() const override { return w->Tabs().currentIndex(); }
  void Select(int index) override {
    const QSignalBlocker blocker(w->Tabs());
    w->Tabs().setCurrentIndex(index);
  }
};

}  // namespace

std::unique_ptr<QtControl> MakeQtItemControl(const ControlTemplate& c, QWidget& parent,
                                             WindowHost& host) {
  switch (c.kind) {
    case ControlKind::kListBox:
      return std::make_unique<ListBox>(NewListBox(c, parent, host), c, host);
    case ControlKind::kComboBox:
      return std::make_unique<ComboBox>(new QComboBox(&parent), c);
    case ControlKind::kTabControl:
      return std::make_unique<TabControl>(new QtTabControl(&parent), c, host);
    default:
      return nullptr;
  }
}

}  // namespace lunda
