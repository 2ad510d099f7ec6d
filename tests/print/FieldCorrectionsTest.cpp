#include "print/FieldCorrections.h"

#include <gtest/gtest.h>

namespace moyo {
namespace {

TPageFields Checked(std::string top, std::string left, std::string grid,
                    std::string width = "4958") {
  TPageFields fields{std::move(top), std::move(left), std::move(grid)};
  CheckPageFields(fields, width);
  return fields;
}

TEST(PageFields, MarginsAreKeptInTheirRanges) {
  EXPECT_EQ(Checked("abc", "400", "185").topMargin, "500");
  EXPECT_EQ(Checked("100", "400", "185").topMargin, "200");
  EXPECT_EQ(Checked("900", "400", "185").topMargin, "500");
  EXPECT_EQ(Checked("300", "400", "185").topMargin, "300");
  EXPECT_EQ(Checked("500", "x", "185").leftMargin, "400");
  EXPECT_EQ(Checked("500", "-3", "185").leftMargin, "200");
  EXPECT_EQ(Checked("500", "401", "185").leftMargin, "400");
}

TEST(PageFields, TheGridIsAtLeast90AndFitsThePage) {
  EXPECT_EQ(Checked("500", "400", "").grid, "185");
  EXPECT_EQ(Checked("500", "400", "50").grid, "90");
  EXPECT_EQ(Checked("500", "400", "250", "4800").grid, "210");
  // The corrected left margin counts: 900 becomes 400 before the width check.
  EXPECT_EQ(Checked("500", "900", "250", "4800").grid, "210");
  EXPECT_EQ(Checked("500", "200", "230", "4800").grid, "230");  // 4770 fits
  EXPECT_EQ(Checked("500", "400", "99999999", "4800").grid, "210");
}

TEST(RangeFields, StartAndEndEndUpWithinTheRecord) {
  std::string start = "0";
  CorrectStartField(start, "120", 120);
  EXPECT_EQ(start, "1");
  std::string end = "300";
  CorrectEndField(end, "1", 120);
  EXPECT_EQ(end, "120");
  end = "0";
  CorrectEndField(end, "1", 120);
  EXPECT_EQ(end, "120");
  end = "x";
  CorrectEndField(end, "1", 120);
  EXPECT_EQ(end, "120");
  start = "90";
  CorrectStartField(start, "60", 120);
  EXPECT_EQ(start, "60");
  end = "60";
  CorrectEndField(end, "90", 120);
  EXPECT_EQ(end, "90");
  start = "abc";
  CorrectStartField(start, "60", 120);
  EXPECT_EQ(start, "1");
  // An end field still holding letters does not drag the start along.
  start = "30";
  CorrectStartField(start, "zz", 120);
  EXPECT_EQ(start, "30");
  // A record without moves keeps a start of 0.
  start = "abc";
  CorrectStartField(start, "0", 0);
  EXPECT_EQ(start, "0");
}

TEST(RangeFields, MovesPerDiagram) {
  std::string count = "0";
  CorrectMovesPerDiagramField(count, 120);
  EXPECT_EQ(count, "1");
  count = "500";
  CorrectMovesPerDiagramField(count, 120);
  EXPECT_EQ(count, "120");
  count = "many";
  CorrectMovesPerDiagramField(count, 120);
  EXPECT_EQ(count, "50");
  count = "30";
  CorrectMovesPerDiagramField(count, 120);
  EXPECT_EQ(count, "30");
}

}  // namespace
}  // namespace moyo
