// The diagram command's JSON and the print commands' arguments.

#include <gtest/gtest.h>

#include "app/DiagramJson.h"
#include "app/PrintArgs.h"

namespace moyo::app {
namespace {

TEST(DiagramJson, BoardAndRetakeCellsAsPrinted) {
  // 1 B(2,1) 2 W(1,1) 3 B(1,2) takes; from move 3: 4 W(5,5), 5 B on the lettered point.
  TMoveList moves;
  for (const TMovePoint point : {TMovePoint{2, 1}, {1, 1}, {1, 2}, {5, 5}, {1, 1}}) {
    moves.Moves[moves.Count++] = point;
  }
  TDiagram diagram;
  BuildDiagram(28, 3, 5, {moves}, diagram);
  const nlohmann::json json = DiagramJson(diagram);
  ASSERT_EQ(json["board"].size(), 19u);
  ASSERT_EQ(json["board"][0].size(), 19u);
  EXPECT_EQ(json["board"][0][0],
            (nlohmann::json{{"state", "white"}, {"number", -1}, {"letter", "가"}}));
  EXPECT_EQ(json["board"][0][1],
            (nlohmann::json{{"state", "black"}, {"number", -1}, {"letter", nullptr}}));
  EXPECT_EQ(json["board"][4][4]["number"], 4);
  EXPECT_EQ(json["board"][9][9]["state"], "empty");
  ASSERT_EQ(json["retakes"].size(), 1u);
  const nlohmann::json& line = json["retakes"][0];
  ASSERT_EQ(line.size(), 4u);  // stone, dash, move, end of group
  EXPECT_EQ(line[0]["letter"], "가");
  EXPECT_EQ(line[1]["letter"], "-");
  EXPECT_EQ(line[2], (nlohmann::json{{"state", "black"}, {"number", 5}, {"letter", nullptr}}));
  EXPECT_EQ(line[3], (nlohmann::json{{"state", "empty"}, {"number", -1}, {"letter", nullptr}}));
}

TEST(PrintArgs, OneFileAndKnownOptionsWithValues) {
  std::string error;
  const auto parsed =
      ParseOptionArgs({"game.gib", "--from", "5", "-o", "x.pdf"}, {"--from", "-o"}, error);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->file, "game.gib");
  EXPECT_EQ(parsed->Value("--from"), "5");
  EXPECT_EQ(IntOption(*parsed, "--from", 1, 1, error), 5);
  EXPECT_EQ(IntOption(*parsed, "--to", 9, 1, error), 9);
  EXPECT_EQ(IntOption(*parsed, "--from", 1, 6, error), std::nullopt);
  EXPECT_NE(error.find("--from"), std::string::npos);

  for (const Args& bad : {Args{"a.gib", "--bogus", "1"}, Args{"a.gib", "--from"},
                          Args{"a.gib", "b.gib"}, Args{"--from", "3"}}) {
    error.clear();
    EXPECT_FALSE(ParseOptionArgs(bad, {"--from"}, error));
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace moyo::app
