#include "record/ReferenceDiagram.h"

#include <gtest/gtest.h>

#include <string>

namespace moyo {
namespace {

TEST(ReferenceDiagramTest, MovesBelowTheStartNumberAreNotKept) {
  EXPECT_EQ(EncodeDiagram("1]PT[2];B[aa];W[bb];B[cc]C[see]"), "ACACCCDD\\!\\!see");
}

TEST(ReferenceDiagramTest, LabelsAreWrittenWithTheirLetterCode) {
  EXPECT_EQ(EncodeDiagram("]PT[0];B[cd];L[cdb];L[aaz]"), "AAABDE\\!ACDEXDBBYB\\!");
}

TEST(ReferenceDiagramTest, WalkStopsKeepingWhatWasGathered) {
  // Line break between nodes: the walk stops after the first move.
  EXPECT_EQ(EncodeDiagram("]PT[0];B[aa]\n;W[bb]"), "AAABBB\\!\\!");
  // A point that is not two letters stops before anything else is kept.
  EXPECT_EQ(EncodeDiagram("]PT[0];B[aa];W[b]C[x]"), "AAABBB\\!\\!");
  // A diagram without a start tag keeps nothing.
  EXPECT_EQ(EncodeDiagram("]XX[1];B[aa]"), "");
  EXPECT_EQ(EncodeDiagram("]PT[];B[aa]"), "");
  EXPECT_EQ(EncodeDiagram("]PT[99999999999];B[aa]"), "");
  EXPECT_EQ(EncodeDiagram(""), "");
}

TEST(ReferenceDiagramTest, OnlyLabelsOrNoKeptMovesGiveTheEmptyText) {
  EXPECT_EQ(EncodeDiagram("]PT[0];L[aab]C[n]"), "");
  EXPECT_EQ(EncodeDiagram("]PT[5];B[aa];W[bb]"), "");
}

TEST(ReferenceDiagramTest, LabelWithoutALetterIsDropped) {
  EXPECT_EQ(EncodeDiagram("]PT[0];B[aa];L[bb];L[ccd]"), "AAABBB\\!ABDDXF\\!");
}

TEST(ReferenceDiagramTest, SurplusMovesAndLabelsAreDropped) {
  std::string value = "]PT[0]";
  for (int i = 0; i < 450; ++i) value += ";B[aa];L[bbc]";
  value += "C[end]";
  const std::string text = EncodeDiagram(value);
  // 400 moves and 400 labels: "PK" is 400 in the two-letter code.
  ASSERT_EQ(text.size(), 4u + 800u + 2u + 2u + 1600u + 2u + 3u);
  EXPECT_EQ(text.substr(0, 4), "AAPK");
  EXPECT_EQ(text.substr(806, 2), "PK");
  EXPECT_EQ(text.substr(text.size() - 3), "end");
}

}  // namespace
}  // namespace moyo
