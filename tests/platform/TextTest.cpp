// Text crossing the program's edge: CP949 inside, UTF-8 outside.
#include <gtest/gtest.h>

#include "platform/Text.h"

namespace moyo::platform {
namespace {

TEST(Text, KoreanRoundTripsThroughCp949) {
  const std::string cp949 = Utf8ToCp949("흑 좋은 수, 참고도 35-2");
  EXPECT_EQ(cp949.substr(0, 2), "\xC8\xE6");  // 흑
  EXPECT_EQ(Cp949ToUtf8(cp949), "흑 좋은 수, 참고도 35-2");
  EXPECT_EQ(Utf8ToCp949(""), "");
}

TEST(Text, EachCharacterCp949LacksBecomesOneQuestionMark) {
  EXPECT_EQ(Utf8ToCp949("a☃b"), "a?b");                                     // three UTF-8 bytes
  EXPECT_EQ(Utf8ToCp949("바둑 \U0001F600!"), Utf8ToCp949("바둑 ") + "?!");  // four bytes
  EXPECT_EQ(Utf8ToCp949("\u0100\u0101"), "??");  // two bytes each, back to back
}

TEST(Text, EachMalformedUtf8SequenceBecomesOneQuestionMark) {
  EXPECT_EQ(Utf8ToCp949("a\x80\x80z"), "a??z");   // stray continuation bytes
  EXPECT_EQ(Utf8ToCp949("a\xE2\x98z"), "a?z");    // a character cut short
  EXPECT_EQ(Utf8ToCp949("a\xF0\x9F\x98"), "a?");  // cut short at the end
  EXPECT_EQ(Utf8ToCp949("\xFF\xFE"), "??");
}

TEST(Text, BytesThatStartNoCp949CharacterBecomeOneReplacementEach) {
  EXPECT_EQ(Cp949ToUtf8("a\xFF"
                        "b"),
            "a\uFFFD"
            "b");
  EXPECT_EQ(Cp949ToUtf8("\xB0"), "\uFFFD");  // a lead byte at the end
  // A pair glibc rejects after consuming it: one replacement, and nothing after it lost.
  EXPECT_EQ(Cp949ToUtf8("a\xA2\xE8"), "a\uFFFD");
  EXPECT_EQ(Cp949ToUtf8("a\xA2\xE8"
                        "bc"),
            "a\uFFFD"
            "bc");
}

}  // namespace
}  // namespace moyo::platform
