// CAlgorithmListBox: the colours, the mnemonic and the rows past the catalogue, read from pixels.
#include "gui/ui/algorithm_list_box.h"

#include <QImage>
#include <QTest>

#include "catalogue_builder.h"
#include "framework/test_support.h"

namespace lunda {
namespace {

using test::AddAlgorithm;

// Counts of the pixels of one row in each colour of interest.
struct RowInk {
  int highlight = 0;
  int base = 0;
  int changedText = 0;
  int other = 0;
  bool edgesAreFill = true;  // the row's outline has the fill colour: no focus rectangle
  int left = -1;             // leftmost and rightmost column that is not fill
  int right = -1;
};

class ListFixture {
 public:
  ListFixture() {
    list.resize(260, 160);
    QFont font = list.font();
    // Plain pixels, so that every text pixel has the text colour exactly.
    font.setStyleStrategy(QFont::NoAntialias);
    list.setFont(font);
    list.SetCatalogue(&catalogue);
  }
  // One row per entry, and extraRows more past the catalogue's end.
  void Fill(int extraRows = 0) {
    for (int i = 0; i < static_cast<int>(catalogue.size()) + extraRows; ++i) {
      list.addItem(QString::number(i));
    }
  }
  RowInk Read(int row, bool selected) {
    QColor fill =
        list.palette().color(QPalette::Active, selected ? QPalette::Highlight : QPalette::Base);
    const QImage image = list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect rect = list.visualItemRect(list.item(row));
    RowInk ink;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        const bool edge = y == rect.top() || y == rect.bottom() || x == rect.left();
        if (c == fill) {
          if (selected)
            ++ink.highlight;
          else
            ++ink.base;
          continue;
        }
        if (edge) ink.edgesAreFill = false;
        if (ink.left < 0 || x < ink.left) ink.left = x;
        ink.right = std::max(ink.right, x);
        if (c == kChangedRowText)
          ++ink.changedText;
        else
          ++ink.other;
      }
    }
    return ink;
  }

  AlgorithmCatalogue catalogue;
  CAlgorithmListBox list;
};

class AlgorithmListBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void RowsAreDrawnInTheirStateColours_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<bool>("selected");
    QTest::newRow("plain") << false << false;
    QTest::newRow("plain, selected") << false << true;
    QTest::newRow("changed") << true << false;
    QTest::newRow("changed, selected") << true << true;
  }
  void RowsAreDrawnInTheirStateColours() {
    QFETCH(bool, changed);
    QFETCH(bool, selected);
    ListFixture f;
    AddAlgorithm(f.catalogue, "0", "other.bin");
    AddAlgorithm(f.catalogue, "12", "a.bin", {}, changed);
    f.Fill();
    QVERIFY(test::ShowActive(&f.list));
    f.list.setFocus();
    f.list.setCurrentRow(selected ? 1 : 0);
    const RowInk ink = f.Read(1, selected);
    QCOMPARE(ink.highlight > 0, selected);
    QCOMPARE(ink.base > 0, !selected);
    QVERIFY(ink.edgesAreFill);
    if (changed) {
      QVERIFY(ink.changedText > 0);
      QCOMPARE(ink.other, 0);
    } else {
      QCOMPARE(ink.changedText, 0);
      QVERIFY(ink.other > 0);
    }
  }

  void AnAmpersandUnderlinesInsteadOfShowing() {
    ListFixture f;
    AddAlgorithm(f.catalogue, "W", "a.bin");
    AddAlgorithm(f.catalogue, "&W", "a.bin");
    f.Fill();
    QVERIFY(test::ShowActive(&f.list));
    f.list.clearSelection();
    f.list.setCurrentRow(-1);
    const RowInk plain = f.Read(0, false);
    const RowInk marked = f.Read(1, false);
    QCOMPARE(marked.left, plain.left);
    QCOMPARE(marked.right, plain.right);
    QVERIFY(marked.other > plain.other);
    QCOMPARE(f.list.item(1)->text(), QStringLiteral("1"));
  }

  void RowsPastTheCatalogueDrawNothing() {
    ListFixture f;
    AddAlgorithm(f.catalogue, "1", "a.bin");
    f.Fill(1);
    QVERIFY(test::ShowActive(&f.list));
    f.list.setCurrentRow(1);
    const RowInk ink = f.Read(1, false);
    QCOMPARE(ink.other + ink.changedText, 0);
    QCOMPARE(f.list.AlgorithmAt(1), nullptr);
    QCOMPARE(f.list.AlgorithmAt(-1), nullptr);
    QCOMPARE(f.list.AlgorithmAt(0), f.catalogue[0].get());
  }
};

}  // namespace
}  // namespace lunda

int RunAlgorithmListBoxTests(int argc, char** argv) {
  lunda::AlgorithmListBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "algorithm_list_box_test.moc"
