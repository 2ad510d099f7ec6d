#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/RecordFile.h"
#include "app/RecordJson.h"

namespace moyo::app {
namespace {

std::string FixturePath(const std::string& name) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  return std::string(root ? root : ".") + "/tests/record/fixtures/" + name;
}

TEST(RecordToolsTest, FormatFollowsTheLastThreeBytesOfTheName) {
  EXPECT_EQ(FormatOfName("game.ngf"), RecordFormat::Ngf);
  EXPECT_EQ(FormatOfName("GAME.NGF"), RecordFormat::Ngf);
  EXPECT_EQ(FormatOfName("game.Ngf"), RecordFormat::Tagged);
  EXPECT_EQ(FormatOfName("gamengf"), RecordFormat::Ngf);
  EXPECT_EQ(FormatOfName("game.gib"), RecordFormat::Tagged);
  EXPECT_EQ(FormatOfName("gf"), RecordFormat::Tagged);
}

TEST(RecordToolsTest, LoadStartsFromAnEmptyRecordAndReportsUnreadableFiles) {
  auto record = std::make_unique<TGameRecord>();
  record->info.place = "old";
  record->AddComment(3, kCommentText, "old");
  TReadResult result = LoadRecordFile(FixturePath("stray-brackets.gib"), RecordFormat::Tagged,
                                      kFullMemberLevel, *record);
  EXPECT_FALSE(result.failed);
  EXPECT_EQ(record->info.place, "");
  EXPECT_EQ(record->commentCount, 2);

  result = LoadRecordFile(FixturePath("no-such-file"), RecordFormat::Tagged, "1", *record);
  EXPECT_TRUE(result.failed);
  EXPECT_FALSE(result.error.empty());
  result = LoadRecordFile(FixturePath(""), RecordFormat::Ngf, "1", *record);  // a folder
  EXPECT_TRUE(result.failed);
}

TEST(RecordToolsTest, JsonHasTheModelInUtf8WithInvalidBytesReplaced) {
  auto record = std::make_unique<TGameRecord>();
  const TReadResult result = LoadRecordFile(FixturePath("korean-texts.gib"), RecordFormat::Tagged,
                                            kFullMemberLevel, *record);
  record->info.result = "\xFF";
  const auto json = RecordToJson(*record, RecordFormat::Tagged, result.show);
  EXPECT_EQ(json["format"], "tagged");
  EXPECT_EQ(json["show"], true);
  EXPECT_EQ(json["info"]["blackName"], "이세돌");
  EXPECT_EQ(json["info"]["handicap"], 0);
  EXPECT_EQ(json["info"]["result"], "\xEF\xBF\xBD");
  EXPECT_EQ(json["moves"].dump(), "[[16,4,0],[4,16,1]]");
  ASSERT_EQ(json["comments"].size(), 3u);
  EXPECT_EQ(json["comments"][2]["kind"], 2);
  EXPECT_EQ(json["comments"][2]["moveNo"], 2);
  EXPECT_EQ(json["comments"][2]["text"], "ABADREEDDR\\!ABDEXD\\!참고도 설명");
  std::string keys;
  for (const auto& [key, value] : json.items()) keys += key + " ";
  EXPECT_EQ(keys, "format show boardSize info moves setup comments ");
}

}  // namespace
}  // namespace moyo::app
