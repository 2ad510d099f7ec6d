#include "record/TextEncoding.h"

#include <gtest/gtest.h>

#include "record/RecordDispatch.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::Fixture;
using test::NewRecord;

// The black player's name as the viewer holds it after reading the fixture.
std::string BlackName(const std::string& fixture, std::string_view encoding = {}) {
  auto record = NewRecord();
  const TRecordRead read =
      ReadRecordBody(*record, Fixture(fixture), {TRecordFormat::Tagged, "1", encoding});
  EXPECT_EQ(read.format, TRecordFormat::Sgf) << fixture;
  return record->info.blackName;
}

TEST(TextEncodingTest, DetectsByMarkThenDeclarationThenUtf8ThenCp949) {
  EXPECT_EQ(DetectEncoding(Fixture("sgf-utf8-bom.sgf")), "UTF-8");
  EXPECT_EQ(DetectEncoding("\xFF\xFE(\0;\0"), "UTF-16LE");
  EXPECT_EQ(DetectEncoding(Fixture("sgf-euc-kr.sgf")), "CP949");
  EXPECT_EQ(DetectEncoding(Fixture("sgf-gb2312.sgf")), "GB18030");
  EXPECT_EQ(DetectEncoding(Fixture("sgf-shift-jis.sgf")), "CP932");
  EXPECT_EQ(DetectEncoding(Fixture("sgf-utf8-undeclared.sgf")), "UTF-8");
  EXPECT_EQ(DetectEncoding(Fixture("korean-texts.gib")), "CP949");
  EXPECT_EQ(DetectEncoding("(;GM[1]PB[plain])"), "CP949");
  // A declaration nobody knows falls back to the content.
  EXPECT_EQ(DetectEncoding("(;CA[no-such-set]PB[\xEB\xB0\x95])"), "UTF-8");
}

TEST(TextEncodingTest, EveryEncodingEndsAsTheSameCp949Text) {
  EXPECT_EQ(BlackName("sgf-euc-kr.sgf"), Cp("이세돌"));
  EXPECT_EQ(BlackName("sgf-utf8-undeclared.sgf"), Cp("박정환"));
  EXPECT_EQ(BlackName("sgf-utf8-bom.sgf"), Cp("최정"));
  // Chinese and Japanese names keep the characters CP949 has (its hanja).
  EXPECT_EQ(BlackName("sgf-gb2312.sgf"), Cp("古力"));
  EXPECT_EQ(BlackName("sgf-shift-jis.sgf"), Cp("井山裕太"));
}

TEST(TextEncodingTest, LostCharactersCountOnceEachAndAChoiceOverridesDetection) {
  const TDecodedText decoded = DecodeRecordText(
      "a\xF0\x9F\x99\x82"
      "b\xE2\x98\x83",
      {});
  EXPECT_EQ(decoded.text, "a?b?");
  EXPECT_EQ(decoded.lostCharacters, 2);
  // Malformed UTF-8 read as UTF-8: one "?" per byte that starts nothing.
  const TDecodedText forced = DecodeRecordText("x\xB0\xA1y", "UTF-8");
  EXPECT_EQ(forced.text, "x??y");
  EXPECT_EQ(forced.lostCharacters, 2);
  // Reading the EUC-KR file as UTF-8 on the user's word loses its Korean.
  EXPECT_NE(BlackName("sgf-euc-kr.sgf", "UTF-8"), Cp("이세돌"));
  EXPECT_EQ(BlackName("sgf-utf8-undeclared.sgf", "utf8"), Cp("박정환"));
}

}  // namespace
}  // namespace moyo
