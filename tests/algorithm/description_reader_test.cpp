#include "algorithm/description_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace lunda {
namespace {

// The fields a line set on a fresh record, as "key=value"s.
std::string SetFields(const CAlgorithm& record) {
  std::string set = (record.number != 0 ? "number=" + std::to_string(record.number) : "") +
                    (record.name.empty() ? "" : "name=" + record.name) +
                    (record.file.empty() ? "" : "file=" + record.file);
  for (std::size_t i = 0; i < record.purposes.size(); ++i)
    if (!record.purposes[i].empty())
      set += "desc" + std::to_string(i + 1) + "=" + record.purposes[i];
  return set;
}

// Rows "line -> what it sets".
void ExpectEachLineSets(std::initializer_list<std::string_view> rows) {
  for (const std::string_view row : rows) {
    const std::size_t arrow = row.find(" -> ");
    CAlgorithm algorithm;
    ApplyDescriptionLine(row.substr(0, arrow), algorithm);
    EXPECT_EQ(SetFields(algorithm), row.substr(arrow + 4)) << row;
  }
}

TEST(DescriptionLineTest, SetsOnlyTheFieldItsKeyNames) {
  ExpectEachLineSets({"NAME=x -> name=x", "name = x -> ", "name= -> ", "name= x  -> name= x ",
                      "File=a=b -> file=a=b", "name -> ", "note=x -> ",
                      "\xCD\xC0\xC7\xC2\xC0\xCD\xC8\xC5=x -> "});  // НАЗВАНИЕ=x
  ExpectEachLineSets({"NUMBER=12abc -> number=12", "number=  -3 -> number=-3",
                      "number=+7 -> number=7", "number=abc -> ", "number= -> ",
                      "number=99999999999999999999 -> number=2147483647",
                      "number=-99999999999999999999 -> number=-2147483648"});
  ExpectEachLineSets({"DESC1=x -> desc1=x", "desc36=x -> desc36=x", "desc01=x -> ", "desc0=x -> ",
                      "desc37=x -> ", "desc=x -> "});
}

std::vector<std::string> Pieces(const std::string& text) {
  std::istringstream in(text);
  LinePieceReader reader(in);
  std::vector<std::string> pieces;
  for (std::string piece; reader.Next(piece);) pieces.push_back(piece);
  return pieces;
}

TEST(LinePieceReaderTest, SplitsAtLineEndsAndCutsLongLines) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Pieces("a\r\nb\nc\rd\r\n"), (V{"a", "b", "c\rd"}));
  EXPECT_EQ(Pieces(""), V{});
  EXPECT_EQ(Pieces(std::string("ab\0cd\nx", 7)), (V{"ab", "x"}));
  const std::string exact(kMaxLinePiece, 'q');
  EXPECT_EQ(Pieces(exact + "\r\nz"), (V{exact, "", "z"}));
  EXPECT_EQ(Pieces(exact + "rest"), (V{exact, "rest"}));
}

TEST(ReadDescriptionTest, LastOccurrenceWinsAndTheDescriptionExpandsAfterTheWholeFile) {
  testing::TempDir dir;
  const auto path = dir.Write("a.cfg",
                              "name=first\r\nnumber=5\r\ndescription=one\\\r\nnumber=abc\n"
                              "name=second\nDescription=one\\ntwo");
  CAlgorithm algorithm;
  ASSERT_TRUE(ReadDescription(path, algorithm));
  EXPECT_EQ(SetFields(algorithm) + " " + algorithm.description, "number=5name=second one\r\ntwo");
  // No overlap, no half sequence.
  EXPECT_EQ(ExpandLineBreaks("\\\\nx\\n\\n\\"), "\\\r\nx\r\n\r\n\\");
  std::filesystem::create_directory(dir.path() / "x.cfg");
  EXPECT_FALSE(ReadDescription(dir.path() / "x.cfg", algorithm));
}

}  // namespace
}  // namespace lunda
