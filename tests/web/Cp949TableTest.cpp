// The web module's table conversions against glibc iconv, which the desktop uses.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/Text.h"
#include "web/Cp949Table.h"

namespace moyo::web {
namespace {

// glibc's decoder refuses A2 E8 after consuming both bytes, so the desktop writes
// one replacement for the pair; the table counts it as two stray bytes.
const std::string kGlibcQuirk = "\xA2\xE8";

TEST(Cp949TableTest, EveryOneAndTwoByteCodeDecodesAsIconvDoes) {
  EXPECT_EQ(TableCp949ToUtf8(kGlibcQuirk), "\xEF\xBF\xBD\xEF\xBF\xBD");
  for (int first = 0; first < 256; ++first) {
    const std::string single(1, static_cast<char>(first));
    ASSERT_EQ(TableCp949ToUtf8(single), platform::Cp949ToUtf8(single)) << first;
    for (int second = 0; second < 256; ++second) {
      const std::string pair{static_cast<char>(first), static_cast<char>(second)};
      if (pair == kGlibcQuirk) continue;
      ASSERT_EQ(TableCp949ToUtf8(pair), platform::Cp949ToUtf8(pair)) << first << " " << second;
    }
  }
}

TEST(Cp949TableTest, EveryDecodedCharacterEncodesBackAsIconvDoes) {
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x41; trail <= 0xFE; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      if (pair == kGlibcQuirk) continue;
      const std::string utf8 = platform::Cp949ToUtf8(pair);
      ASSERT_EQ(TableUtf8ToCp949(utf8), platform::Utf8ToCp949(utf8)) << lead << " " << trail;
    }
  }
}

// Mixed texts with truncated, stray and unmappable bytes: both sides write one
// replacement per character they cannot take and resynchronise after it.
TEST(Cp949TableTest, DamagedTextsConvertAsIconvConvertsThem) {
  std::mt19937 random(949);
  const std::string pieces[] = {
      "a",        "\xB0\xA1",         "\xB0",         "\x80",         "\xFF",
      "\xC9\xA1", "\xA1\xE2",         "\r\n",         "\xE2\x82\xAC", "\xED\x9F\xBF",
      "\xC3\x28", "\xF0\x9F\x98\x80", "\xE0\x80\xAF", "\xED\xA0\x80", "\xEA\xB0\x80",
      "\xC2"};
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int count = static_cast<int>(random() % 8);
    for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    ASSERT_EQ(TableCp949ToUtf8(text), platform::Cp949ToUtf8(text)) << round;
    ASSERT_EQ(TableUtf8ToCp949(text), platform::Utf8ToCp949(text)) << round;
  }
}

}  // namespace
}  // namespace moyo::web
