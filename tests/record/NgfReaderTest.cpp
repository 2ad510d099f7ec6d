#include "record/NgfReader.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::Fixture;
using test::NewRecord;

// An NGF text with the given lines 1..12 (CR LF each) and move lines after them.
std::string Ngf(const std::string& line3, const std::string& line6, const std::string& line7,
                const std::string& line8, const std::string& line9, const std::string& line10,
                const std::string& moves = "0") {
  std::string out;
  for (const std::string& line :
       {std::string("Title"), std::string("19"), line3, std::string("Kim 5d"), std::string("Seoul"),
        line6, line7, line8, line9, line10, std::string("W+R>more"), moves}) {
    out += line + "\r\n";
  }
  return out;
}

TEST(NgfReaderTest, ReadLineTakesBytesBeforeCrAndDropsCrLf) {
  std::string_view text = "one\r\ntwo\rXthree";
  EXPECT_EQ(ReadNgfLine(text), "one");
  EXPECT_EQ(ReadNgfLine(text), "two");
  EXPECT_EQ(ReadNgfLine(text), "three");
  EXPECT_TRUE(text.empty());
  text = "end\r";
  EXPECT_EQ(ReadNgfLine(text), "end");
  EXPECT_TRUE(text.empty());
}

TEST(NgfReaderTest, HeaderLinesAreFormatted) {
  auto record = NewRecord();
  ASSERT_FALSE(ReadNgfRecord(*record, Ngf("Lee 9d*", "2", "30 3", "6", "2003-07-21", "90")).failed);
  const TGiboInfo& info = record->info;
  EXPECT_EQ(info.title, "Title");
  EXPECT_EQ(info.whiteName, "Lee");
  EXPECT_EQ(info.whiteRank, "9d");
  EXPECT_EQ(info.blackName, "Kim");
  EXPECT_EQ(info.blackRank, "5d");
  EXPECT_EQ(info.place, "Seoul");
  EXPECT_EQ(info.handicap, 2);
  EXPECT_EQ(info.byoyomiTime, "30");
  EXPECT_EQ(info.byoyomiCount, "3");
  EXPECT_EQ(info.komi, "6.5");
  EXPECT_EQ(info.date, "2003-07-21");
  EXPECT_EQ(info.mainTime, Cp("1시간30분"));
  EXPECT_EQ(info.result, "W+R");
  EXPECT_EQ(record->moveCount, 0);
}

TEST(NgfReaderTest, MainTimeKomiByoyomiAndDateVariants) {
  struct Case {
    std::string line10, expected;
  } cases[] = {
      {"60", "1시간"}, {"45", "45분"}, {"599", "무제한"}, {"0", "0분"}, {"125", "2시간5분"}};
  for (const Case& c : cases) {
    auto record = NewRecord();
    ReadNgfRecord(*record, Ngf("Lee 9d", "0", "0", "0", "ab2003-07", c.line10));
    EXPECT_EQ(record->info.mainTime, Cp(c.expected)) << c.line10;
    EXPECT_EQ(record->info.komi, Cp("없음"));
    EXPECT_EQ(record->info.byoyomiTime, "30");
    EXPECT_EQ(record->info.byoyomiCount, "3");
    EXPECT_EQ(record->info.date, "2003-07");  // first "-" is the 7th byte: drop two bytes
  }
  auto record = NewRecord();
  ReadNgfRecord(*record, Ngf("Lee", "0", "60", "", "", "1"));
  EXPECT_EQ(record->info.whiteName, "");  // no blank: the whole line is the rank
  EXPECT_EQ(record->info.whiteRank, "Lee");
  EXPECT_EQ(record->info.byoyomiTime, "");
  EXPECT_EQ(record->info.byoyomiCount, "60");
  EXPECT_EQ(record->info.komi, ".5");
}

TEST(NgfReaderTest, MovesCarryColourAndLetterCoordinatesWithPasses) {
  auto record = NewRecord();
  ReadNgfRecord(*record, Ngf("Lee 9d", "0", "0", "0", "", "1", "3") +
                             "PMABBDDAB\r\nPMACWAAAC\r\nPMADxTTAD\r\n");
  ASSERT_EQ(record->moveCount, 3);
  EXPECT_EQ(record->moves[0].x, 3);
  EXPECT_EQ(record->moves[0].y, 3);
  EXPECT_EQ(record->moves[0].colour, kRecordBlack);
  EXPECT_EQ(record->moves[1].x, 0);  // "A" is a pass
  EXPECT_EQ(record->moves[1].colour, kRecordWhite);
  EXPECT_EQ(record->moves[2].x, 19);
  EXPECT_EQ(record->moves[2].colour, kRecordWhite);  // anything but "B" is White
}

TEST(NgfReaderTest, ShortMoveLinesAreSkippedAndTheTextEndStopsTheReader) {
  auto record = NewRecord();
  EXPECT_FALSE(ReadNgfRecord(*record, Fixture("short-move-lines.ngf")).failed);
  EXPECT_EQ(record->info.whiteRank, "9d");
  ASSERT_EQ(record->moveCount, 3);
  EXPECT_EQ(record->moves[0].x, 3);
  EXPECT_EQ(record->moves[1].x, 15);
  EXPECT_EQ(record->moves[1].y, 16);
  EXPECT_EQ(record->moves[2].x, 16);  // the last line has no CR LF
  EXPECT_EQ(record->moves[2].colour, kRecordWhite);
}

TEST(NgfReaderTest, CountsOnlyTheMovesThatAreThere) {
  auto record = NewRecord();
  record->moveCount = 40;
  EXPECT_FALSE(ReadNgfRecord(*record, Fixture("oversize-move-count.ngf")).failed);
  EXPECT_EQ(record->moveCount, 2);
  EXPECT_EQ(record->info.mainTime, Cp("무제한"));

  record->moveCount = 40;
  record->info.result = "kept";
  EXPECT_FALSE(ReadNgfRecord(*record, Fixture("missing-lines.ngf")).failed);
  EXPECT_EQ(record->moveCount, 0);
  EXPECT_EQ(record->info.komi, "6.5");
  EXPECT_EQ(record->info.result, "kept");  // no line 11: the field keeps its value

  std::string many = Ngf("Lee 9d", "0", "0", "0", "", "1", "700");
  for (int i = 0; i < 700; ++i) many += "PMAABDD\r\n";
  ReadNgfRecord(*record, many);
  EXPECT_EQ(record->moveCount, kMaxRecordMoves);
}

TEST(NgfReaderTest, NumbersThatAreNotDecimalFailTheLoad) {
  auto record = NewRecord();
  EXPECT_TRUE(ReadNgfRecord(*record, "").failed);
  TReadResult result = ReadNgfRecord(*record, Fixture("bad-main-time.ngf"));
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(result.error.empty());
  EXPECT_EQ(record->info.title, "Bad time");  // fields read so far stay
  EXPECT_TRUE(ReadNgfRecord(*record, Ngf("L 1", "x", "0", "0", "", "1")).failed);
  EXPECT_TRUE(ReadNgfRecord(*record, Ngf("L 1", "0", "0", "0", "", "1", "")).failed);
  EXPECT_TRUE(ReadNgfRecord(*record, Ngf("L 1", "0", "0", "0", "", "1", "99999999999")).failed);
  EXPECT_FALSE(ReadNgfRecord(*record, Ngf("L 1", " 1", "0", "0", "", "-30", "-2")).failed);
  EXPECT_EQ(record->moveCount, 0);
}

}  // namespace
}  // namespace moyo
