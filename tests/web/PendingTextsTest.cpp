#include "web/PendingTexts.h"

#include <gtest/gtest.h>

namespace moyo::web {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

TEST(PendingTexts, KeepEachComponentsNewestTextInTheOrderFirstSet) {
  PendingTexts texts;
  // A record entered move by move: the counts change at every capture.
  texts.Set("wDiedSL", "0");
  texts.Set("bPlayerL", "흑");
  for (int captured = 1; captured <= 300; ++captured)
    texts.Set("wDiedSL", std::to_string(captured));
  EXPECT_EQ(texts.Take(), (Texts{{"wDiedSL", "300"}, {"bPlayerL", "흑"}}));
  EXPECT_TRUE(texts.Take().empty());
  // A text set again to what the page shows still reaches it: the page may
  // have been changed in between by its user (the move edit).
  texts.Set("moveEd", "");
  EXPECT_EQ(texts.Take(), (Texts{{"moveEd", ""}}));
}

}  // namespace
}  // namespace moyo::web
