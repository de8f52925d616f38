#include "algorithm/description_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace lunda {
namespace {

struct LineCase {
  std::string line;
  std::int32_t number;
  std::string name;
  std::string file;
  int purpose;  // index whose text must be "x", -1 for none
};

// The line in test names, with bytes outside printable ASCII as \xNN so ctest can list it.
void PrintTo(const LineCase& c, std::ostream* out) {
  for (const char ch : c.line) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7F) {
      *out << ch;
    } else {
      *out << "\\x"
           << "0123456789abcdef"[byte >> 4] << "0123456789abcdef"[byte & 15];
    }
  }
}

class DescriptionLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DescriptionLineTest, SetsOnlyTheFieldItsKeyNames) {
  const LineCase& c = GetParam();
  CAlgorithm algorithm;
  algorithm.number = 5;
  ApplyDescriptionLine(c.line, algorithm);
  EXPECT_EQ(algorithm.number, c.number);
  EXPECT_EQ(algorithm.name, c.name);
  EXPECT_EQ(algorithm.file, c.file);
  for (int i = 0; i < kDelayCount; ++i) {
    EXPECT_EQ(algorithm.purposes[static_cast<std::size_t>(i)], i == c.purpose ? "x" : "") << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    KeyRules, DescriptionLineTest,
    ::testing::Values(LineCase{"NAME=x", 5, "x", "", -1}, LineCase{"name = x", 5, "", "", -1},
                      LineCase{"name=", 5, "", "", -1}, LineCase{"name= x ", 5, " x ", "", -1},
                      LineCase{"file=a=b", 5, "", "a=b", -1},
                      LineCase{"number=12abc", 12, "", "", -1},
                      LineCase{"number=  -3", -3, "", "", -1}, LineCase{"number=+7", 7, "", "", -1},
                      LineCase{"number=abc", 5, "", "", -1}, LineCase{"number=", 5, "", "", -1},
                      LineCase{"number=99999999999999999999", 2147483647, "", "", -1},
                      LineCase{"number=-99999999999999999999", -2147483647 - 1, "", "", -1},
                      LineCase{"DESC1=x", 5, "", "", 0}, LineCase{"desc36=x", 5, "", "", 35},
                      LineCase{"desc01=x", 5, "", "", -1}, LineCase{"desc0=x", 5, "", "", -1},
                      LineCase{"desc37=x", 5, "", "", -1}, LineCase{"desc=x", 5, "", "", -1},
                      LineCase{"note=x", 5, "", "", -1}, LineCase{"name", 5, "", "", -1},
                      LineCase{"\xCD\xC0\xC7\xC2\xC0\xCD\xC8\xC5=x", 5, "", "", -1}));

std::vector<std::string> Pieces(const std::string& text) {
  std::istringstream in(text);
  LinePieceReader reader(in);
  std::vector<std::string> pieces;
  std::string piece;
  while (reader.Next(piece)) pieces.push_back(piece);
  return pieces;
}

TEST(LinePieceReaderTest, SplitsAtLineEndsAndCutsLongLines) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Pieces("a\r\nb\nc"), (V{"a", "b", "c"}));
  EXPECT_EQ(Pieces("a\rb\r\n"), (V{"a\rb"}));
  EXPECT_EQ(Pieces("\n\n"), (V{"", ""}));
  EXPECT_EQ(Pieces(""), V{});
  EXPECT_EQ(Pieces(std::string("ab\0cd\nx", 7)), (V{"ab", "x"}));
  const std::string exact(kMaxLinePiece, 'q');
  EXPECT_EQ(Pieces(exact + "\r\nz"), (V{exact, "", "z"}));
  EXPECT_EQ(Pieces(exact + "rest"), (V{exact, "rest"}));
}

TEST(ExpandLineBreaksTest, TurnsBackslashNIntoCrLfWithoutOverlap) {
  EXPECT_EQ(ExpandLineBreaks("one\\ntwo"), "one\r\ntwo");
  EXPECT_EQ(ExpandLineBreaks("\\\\nx\\"), "\\\r\nx\\");
  EXPECT_EQ(ExpandLineBreaks("\\n\\n"), "\r\n\r\n");
}

TEST(ReadDescriptionTest, LastOccurrenceWinsAndDescriptionExpandsAfterTheWholeFile) {
  testing::TempDir dir;
  const auto path = dir.Write("a.cfg",
                              "name=first\r\nnumber=5\r\ndescription=one\\\r\nnumber=abc\n"
                              "name=second\ndescription=one\\ntwo");
  CAlgorithm algorithm;
  ASSERT_TRUE(ReadDescription(path, algorithm));
  EXPECT_EQ(algorithm.name, "second");
  EXPECT_EQ(algorithm.number, 5);
  EXPECT_EQ(algorithm.description, "one\r\ntwo");
}

TEST(ReadDescriptionTest, LongLineIsReadInPiecesAndItsTailCanBeAKey) {
  testing::TempDir dir;
  const std::string line = "description=" + std::string(kMaxLinePiece - 12, 'd') + "name=tail";
  const auto path = dir.Write("a.cfg", line + "\n" + std::string(100000, 'x') + "\nfile=f\n");
  CAlgorithm algorithm;
  ASSERT_TRUE(ReadDescription(path, algorithm));
  EXPECT_EQ(algorithm.description.size(), kMaxLinePiece - 12);
  EXPECT_EQ(algorithm.name, "tail");
  EXPECT_EQ(algorithm.file, "f");
}

TEST(ReadDescriptionTest, RefusesMissingFilesAndFolders) {
  testing::TempDir dir;
  std::filesystem::create_directory(dir.path() / "x.cfg");
  CAlgorithm algorithm;
  EXPECT_FALSE(ReadDescription(dir.path() / "none.cfg", algorithm));
  EXPECT_FALSE(ReadDescription(dir.path() / "x.cfg", algorithm));
}

}  // namespace
}  // namespace lunda
