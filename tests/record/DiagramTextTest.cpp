// Reading diagram texts: the parts and their separators, and damaged texts that
// must be refused without reading past their end.

#include <gtest/gtest.h>

#include <string>

#include "record/DiagramText.h"

namespace moyo {
namespace {

using Moves = std::vector<TDiagramMove>;
using Labels = std::vector<TDiagramLabel>;

TEST(DiagramText, ReadsMovesPassesLabelsAndComment) {
  // First 2, three moves (3,3), a pass and (16,16), two labels 'A' at (3,4) and 'd'
  // at (5,5), then the comment.
  const TDiagramText d = ReadDiagramText("ACADDDAAQQ\\!ACDEXCFFZD\\!See here");
  ASSERT_TRUE(d.MovesValid);
  EXPECT_EQ(d.First, 2);
  EXPECT_EQ(d.Moves, (Moves{{3, 3}, {0, 0}, {16, 16}}));
  ASSERT_TRUE(d.HasRest);
  ASSERT_TRUE(d.LabelsValid);
  EXPECT_EQ(d.Labels, (Labels{{3, 4, 600}, {5, 5, 653}}));
  EXPECT_EQ(d.Comment, "See here");
}

TEST(DiagramText, EmptyLabelPartMayBeCountedOrBare) {
  for (const std::string text : {"ACACDDQQ\\!\\!Note", "ACACDDQQ\\!AA\\!Note"}) {
    const TDiagramText d = ReadDiagramText(text);
    ASSERT_TRUE(d.MovesValid) << text;
    EXPECT_EQ(d.Moves, (Moves{{3, 3}, {16, 16}})) << text;
    EXPECT_TRUE(d.LabelsValid) << text;
    EXPECT_TRUE(d.Labels.empty()) << text;
    EXPECT_EQ(d.Comment, "Note") << text;
  }
}

TEST(DiagramText, CommentKeepsEveryByteAfterTheLabelPart) {
  // Separators, line breaks and Korean bytes in the comment are the comment's own.
  const std::string korean = "\xC8\xE6\xC0\xCC \xC1\xC1\xB4\xD9";  // "흑이 좋다"
  EXPECT_EQ(ReadDiagramText("ACABDD\\!\\!a\\!b\r\n" + korean).Comment, "a\\!b\r\n" + korean);
  EXPECT_EQ(ReadDiagramText("ACABDD\\!ABDEXD\\!x\\!y").Comment, "x\\!y");
  // A one-byte comment after a bare separator is still shown.
  const TDiagramText d = ReadDiagramText("ACABDD\\!\\!?");
  EXPECT_TRUE(d.HasRest);
  EXPECT_EQ(d.Comment, "?");
}

TEST(DiagramText, TextWithoutSeparatorHoldsOnlyAnEmptyMovePart) {
  const TDiagramText none = ReadDiagramText("ACAA");
  EXPECT_TRUE(none.MovesValid);
  EXPECT_TRUE(none.Moves.empty());
  EXPECT_FALSE(none.HasRest);
  // Moves without their separator do not count as the move part.
  EXPECT_FALSE(ReadDiagramText("ACACDDQQ").MovesValid);
  EXPECT_FALSE(ReadDiagramText("ACACDDQQ\\?\\?Note").MovesValid);
}

TEST(DiagramText, RefusesCountsThatDoNotMatch) {
  EXPECT_FALSE(ReadDiagramText("").MovesValid);
  EXPECT_FALSE(ReadDiagramText("ACA").MovesValid);
  EXPECT_FALSE(ReadDiagramText("ACADDDQQ\\!\\!").MovesValid);  // three counted, two given
  EXPECT_FALSE(ReadDiagramText("ACABDDQQ\\!\\!").MovesValid);  // one counted, two given
  EXPECT_FALSE(ReadDiagramText("ACZZDDQQ\\!\\!").MovesValid);  // 675 counted
  EXPECT_FALSE(ReadDiagramText("AC!!DD\\!\\!").MovesValid);    // a negative count
  const std::string beyondZZ = std::string("AC\xFF\xFF") + "DD\\!\\!";
  EXPECT_FALSE(ReadDiagramText(beyondZZ).MovesValid);
  // A label part that does not match its count shows no labels but keeps the comment.
  const TDiagramText d = ReadDiagramText("ACABDD\\!ACDEXD\\!Note");
  ASSERT_TRUE(d.MovesValid);
  EXPECT_FALSE(d.LabelsValid);
  EXPECT_TRUE(d.Labels.empty());
  EXPECT_EQ(d.Comment, "Note");
}

}  // namespace
}  // namespace moyo
