#include "resources/Messages.h"

#include <gtest/gtest.h>

namespace moyo {
namespace {

// Expected bytes were produced with `iconv -f UTF-8 -t CP949` from the table's texts.
TEST(MessagesTest, TextsAreCp949BytesOfTheTable) {
  EXPECT_EQ(Message(2), "\xBE\xCB\xB8\xB2");  // 알림
  EXPECT_EQ(Message(13), "\xA2\xC6");         // ▒
  EXPECT_EQ(Message(8),
            "\xC1\xA4\xC8\xB8\xBF\xF8\xB8\xB8 \xC7\xD8\xBC\xB3\xC0\xBB \xBA\xBC\xBC\xF6 "
            "\xC0\xD6\xBD\xC0\xB4\xCF\xB4\xD9.");
  EXPECT_EQ(Message(69), "\xC3\xD6\xBD\xC5\xB4\xBA\xBD\xBA");  // 최신뉴스
}

TEST(MessagesTest, ButtonCaptionsKeepTheirInnerBlanks) {
  EXPECT_EQ(Message(60), "\xC0\xCE  \xBC\xE2");  // 인  쇄
  EXPECT_EQ(Message(61).substr(2, 2), "  ");
}

TEST(MessagesTest, SharedTextsAreEqualAndDistinctOnesDiffer) {
  EXPECT_EQ(Message(20), Message(36));
  EXPECT_EQ(Message(23), Message(40));
  EXPECT_NE(Message(21), Message(37));
}

TEST(MessagesTest, EveryTabledIdHasTextAndOthersAreEmpty) {
  for (int id = 1; id <= kMessageCount; ++id) EXPECT_FALSE(Message(id).empty()) << id;
  EXPECT_EQ(Message(0), "");
  EXPECT_EQ(Message(70), "");
  EXPECT_EQ(Message(-1), "");
}

TEST(MessagesTest, RepeatedLookupsReturnTheSameCachedText) {
  EXPECT_EQ(&Message(31), &Message(31));
}

}  // namespace
}  // namespace moyo
