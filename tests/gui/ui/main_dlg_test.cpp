// CMainDlg: rows, selection, the commands and their buttons, the keyboard, tooltips, About.
#include "gui/ui/main_dlg.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <vector>

#include "catalogue_builder.h"
#include "framework/test_support.h"
#include "gui/ui/algorithm_list_box.h"

namespace lunda {
namespace {

using test::AddAlgorithm;
using test::ShowActive;

// A main window over a catalogue, recording what its commands and help were asked to do.
struct Window {
  AlgorithmCatalogue catalogue;
  std::vector<CAlgorithm*> edited;
  std::vector<CAlgorithm*> written;
  std::vector<std::uint32_t> helpTopics;
  std::function<void(CAlgorithm&)> editAction;  // what the parameter sheet changes
  std::unique_ptr<CMainDlg> dialog;

  CMainDlg& Open() {
    MainWindowCommands commands{
        .editParameters =
            [this](CAlgorithm& algorithm, QWidget*) {
              edited.push_back(&algorithm);
              if (editAction) editAction(algorithm);
            },
        .write = [this](CAlgorithm& algorithm, QWidget*) { written.push_back(&algorithm); },
    };
    dialog =
        std::make_unique<CMainDlg>(catalogue, std::move(commands),
                                   [this](std::uint32_t topic) { helpTopics.push_back(topic); });
    dialog->Create();
    return *dialog;
  }
  CAlgorithmListBox& List() const { return *dialog->Control<CAlgorithmListBox>(kIdAlgorithmList); }
  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < List().count(); ++i) rows << List().item(i)->text();
    return rows;
  }
  QString Description() const { return dialog->GetDlgItemText(kIdDescription); }
  bool DefaultsEnabled() const { return dialog->GetDlgItem(kIdDefaults)->isEnabled(); }
};

// Plain text of the tooltip now shown, with its wrapping undone.
QString ShownTip() {
  QTextDocument document;
  document.setHtml(QToolTip::text());
  return document.toPlainText()
      .replace(QChar(0x2028), QLatin1Char(' '))
      .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

class MainDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void RowsFollowTheCatalogueWithTheChangeMarker() {
    Window w;
    AddAlgorithm(w.catalogue, "2", "a.bin");
    AddAlgorithm(w.catalogue, "10", "b.bin", {}, true);
    AddAlgorithm(w.catalogue, "5 Пожар", "c.bin");
    w.Open();
    QCOMPARE(w.Rows(), (QStringList{"2 {a.bin}", "* 10 {b.bin}", "5 Пожар {c.bin}"}));
    QCOMPARE(w.List().currentRow(), 0);
    QCOMPARE(w.dialog->windowTitle(), QStringLiteral("Программатор ЛУНДА"));
    QVERIFY(!w.dialog->windowIcon().isNull());
  }

  void SelectionShowsTheDescriptionAndTheDefaultsState() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin", "Первая строка\r\nвторая");
    AddAlgorithm(w.catalogue, "2", "b.bin", {}, true);
    w.Open();
    QCOMPARE(w.Description(), QStringLiteral("Первая строка\nвторая"));
    QVERIFY(!w.DefaultsEnabled());
    w.List().setCurrentRow(1);
    QCOMPARE(w.Description(), QString());
    QVERIFY(w.DefaultsEnabled());
    w.List().clearSelection();
    QCOMPARE(w.dialog->GetSelectedAlgorithm(), nullptr);
    QVERIFY(!w.DefaultsEnabled());
  }

  void DefaultsRestoresTheRowAndDisablesItself() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin");
    CAlgorithm& changed = AddAlgorithm(w.catalogue, "2", "b.bin", "описание", true);
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    w.List().setCurrentRow(1);
    QTest::mouseClick(w.dialog->Control<QPushButton>(kIdDefaults), Qt::LeftButton);
    QVERIFY(!ParamsDiffer(changed.current, changed.defaults));
    QCOMPARE(w.Rows()[1], QStringLiteral("2 {b.bin}"));
    QVERIFY(!w.DefaultsEnabled());
    QCOMPARE(QApplication::focusWidget(), &w.List());
    QCOMPARE(w.List().currentRow(), 1);
    QCOMPARE(w.Description(), QStringLiteral("описание"));
  }

  void ParametersRefreshTheSelectedRowWithoutMovingTheFocus() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin");
    AddAlgorithm(w.catalogue, "2", "b.bin");
    w.editAction = [](CAlgorithm& algorithm) { algorithm.current.sensorCurrent = 1; };
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    w.List().setCurrentRow(1);
    // Ctrl+click and Ctrl+Space keep the row selected, and the refresh rewrites the row the sheet
    // worked on, wherever the current row stands.
    const QRect row = w.List().visualItemRect(w.List().item(1));
    QTest::mouseClick(w.List().viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
    QCOMPARE(w.dialog->GetSelectedAlgorithm(), w.catalogue[1].get());
    QTest::keyClick(&w.List(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(w.dialog->GetSelectedAlgorithm(), w.catalogue[1].get());
    w.List().selectionModel()->setCurrentIndex(w.List().model()->index(0, 0),
                                               QItemSelectionModel::NoUpdate);
    auto* button = w.dialog->Control<QPushButton>(kIdParameters);
    button->setFocus();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
    QCOMPARE(w.Rows(), (QStringList{"1 {a.bin}", "* 2 {b.bin}"}));
    QVERIFY(w.DefaultsEnabled());
    QCOMPARE(QApplication::focusWidget(), button);
    // A sheet that puts the defaults back by hand takes the marker away as well.
    w.editAction = [](CAlgorithm& algorithm) { algorithm.current = algorithm.defaults; };
    // The frame around the list and the description must not take their clicks.
    QWidget* viewport = w.List().viewport();
    QCOMPARE(w.dialog->childAt(viewport->mapTo(w.dialog.get(), row.center())), viewport);
    QTest::mouseClick(w.List().viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(w.List().viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(w.edited.size(), std::size_t{2});
    QCOMPARE(w.Rows()[1], QStringLiteral("2 {b.bin}"));
    QVERIFY(!w.DefaultsEnabled());
  }

  void TabFollowsTheTemplateOrder() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin", {}, true);  // so that "По умолчанию" takes the focus
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    std::vector<int> visited;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.push_back(w.dialog->ControlId(QApplication::focusWidget()));
    }
    QCOMPARE(visited, (std::vector<int>{kIdOk, kIdParameters, kIdDefaults, kIdDescription,
                                        kIdHelpButton, kIdAlgorithmList}));
  }

  void EnterOnTheListWritesTheSelectedAlgorithmAndKeepsTheWindow() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin");
    AddAlgorithm(w.catalogue, "2", "b.bin");
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    QCOMPARE(QApplication::focusWidget(), &w.List());
    QTest::keyClick(&w.List(), Qt::Key_Down);
    QTest::keyClick(&w.List(), Qt::Key_Return);
    QCOMPARE(w.written, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
    QVERIFY(w.dialog->isVisible());
    QTest::mouseClick(w.dialog->Control<QPushButton>(kIdOk), Qt::LeftButton);
    QCOMPARE(w.written.size(), std::size_t{2});
  }

  // Rows with equal texts once acted on the first of them: a write could program the wrong image.
  void EqualRowTextsActOnTheirOwnAlgorithms() {
    Window w;
    AddAlgorithm(w.catalogue, "7", "same.bin", "первый");
    AddAlgorithm(w.catalogue, "7", "same.bin", "второй");
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    QCOMPARE(w.Rows()[0], w.Rows()[1]);
    w.List().setCurrentRow(1);
    QCOMPARE(w.Description(), QStringLiteral("второй"));
    QTest::keyClick(&w.List(), Qt::Key_Return);
    QTest::mouseClick(w.dialog->Control<QPushButton>(kIdParameters), Qt::LeftButton);
    QCOMPARE(w.written, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
    QCOMPARE(w.edited, (std::vector<CAlgorithm*>{w.catalogue[1].get()}));
  }

  void AnEmptyCatalogueDisablesTheCommands() {
    Window w;
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    for (const int id : {kIdOk, kIdParameters, kIdDefaults}) {
      QVERIFY(!w.dialog->GetDlgItem(id)->isEnabled());
    }
    // Help stays available, and opens the main window's topic.
    QTest::mouseClick(w.dialog->Control<QPushButton>(kIdHelpButton), Qt::LeftButton);
    QCOMPARE(w.helpTopics, std::vector<std::uint32_t>{0x20000});
    w.List().setFocus();
    QTest::keyClick(&w.List(), Qt::Key_Return);
    QVERIFY(w.written.empty());
    QVERIFY(w.dialog->isVisible());
  }

  void EveryControlShowsItsTip_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tip");
    QTest::newRow("list") << kIdAlgorithmList
                          << QStringLiteral(
                                 "Список доступных алгоритмов в формате <номер "
                                 "алгоритма>{<бинарный файл>}");
    QTest::newRow("description") << kIdDescription
                                 << QStringLiteral("Описание выбранного алгоритма");
    QTest::newRow("write") << kIdOk
                           << QStringLiteral("Кнопка для записи выбранного алгоритма в прибор");
    QTest::newRow("parameters") << kIdParameters
                                << QStringLiteral(
                                       "Кнопка для открытия окна параметров выбранного алгоритма");
    QTest::newRow("defaults") << kIdDefaults
                              << QStringLiteral(
                                     "Кнопка для установки параметров выбранного "
                                     "алгоритма в значения \"по умолчанию\"");
    QTest::newRow("help") << kIdHelpButton << QStringLiteral("Открытие файла помощи");
  }
  void EveryControlShowsItsTip() {
    QFETCH(int, id);
    QFETCH(QString, tip);
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin", {}, true);
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    QWidget* control = w.dialog->GetDlgItem(id);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) control = area->viewport();
    QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), control->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(control, &hover);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(ShownTip(), tip);
    QToolTip::hideText();
  }

  void TheWindowMenuEndsWithAboutWhichOpensTheAboutBox() {
    Window w;
    AddAlgorithm(w.catalogue, "1", "a.bin");
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            w.dialog->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(w.dialog.get(), &click);
    QMenu* menu = w.dialog->SystemMenu();
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
    const QList<QAction*> actions = menu->actions();
    QVERIFY(actions.size() >= 2);
    QVERIFY(actions[actions.size() - 2]->isSeparator());
    QCOMPARE(actions.back()->text(), QStringLiteral("&О программе..."));
    QString aboutTitle;
    QTimer::singleShot(0, [&aboutTitle] {
      QWidget* about = QApplication::activeModalWidget();
      aboutTitle = about->windowTitle();
      QTest::keyClick(about, Qt::Key_Return);
    });
    actions.back()->trigger();
    QCOMPARE(aboutTitle, QStringLiteral("О программе"));
    QVERIFY(w.dialog->isVisible());
  }

  // Hundreds of rows, an ampersand, a 300-character name and a 100 KB description.
  void BadInputLeavesAWorkingScrollingWindow() {
    Window w;
    for (int i = 0; i < 500; ++i) AddAlgorithm(w.catalogue, std::to_string(i), "x.bin");
    AddAlgorithm(w.catalogue, "R&D", "r.bin");
    AddAlgorithm(w.catalogue, std::string(300, 'N'), "long.bin");
    const std::string line = "Строка описания алгоритма, довольно длинная.\r\n";
    std::string huge;
    for (std::size_t bytes = 0; bytes < 100 * 1024; bytes += Utf8ToCp1251(line).size()) {
      huge += line;
    }
    AddAlgorithm(w.catalogue, "big", "big.bin", huge);
    w.Open();
    QVERIFY(ShowActive(w.dialog.get()));
    QCOMPARE(w.List().count(), 503);
    QCOMPARE(w.Rows()[500], QStringLiteral("R&D {r.bin}"));
    QVERIFY(w.List().verticalScrollBar()->maximum() > 0);
    QVERIFY(!w.List().horizontalScrollBar()->isVisible());
    QTest::keyClick(&w.List(), Qt::Key_End);
    QCOMPARE(w.dialog->GetSelectedAlgorithm(), w.catalogue[502].get());
    QVERIFY(w.List().verticalScrollBar()->value() > 0);
    auto* description = w.dialog->Control<QPlainTextEdit>(kIdDescription);
    QVERIFY(description->isReadOnly());
    QVERIFY(description->verticalScrollBar()->maximum() > 0);
    QCOMPARE(description->toPlainText().size(),
             QString::fromStdString(huge).replace("\r\n", "\n").size());
    QTest::keyClick(&w.List(), Qt::Key_Up);
    QTest::keyClick(&w.List(), Qt::Key_Up);
    QTest::keyClick(&w.List(), Qt::Key_Return);
    QCOMPARE(w.written, (std::vector<CAlgorithm*>{w.catalogue[500].get()}));
  }
};

}  // namespace
}  // namespace lunda

int RunMainDlgTests(int argc, char** argv) {
  lunda::MainDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_dlg_test.moc"
