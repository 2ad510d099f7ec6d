#include "web/LayoutJson.h"

#include <utility>

#include "viewer/FormLayout.h"

namespace moyo::web {
namespace {

using namespace layout;

std::string Box(const TBox& box) {
  return "[" + std::to_string(box.left) + "," + std::to_string(box.top) + "," +
         std::to_string(box.width) + "," + std::to_string(box.height) + "]";
}

}  // namespace

std::string LayoutJson() {
  const std::pair<const char*, TBox> boxes[] = {
      {"matchNameL", kMatchNameL},
      {"PlayerPanel", kPlayerPanel},
      {"PlayerL", kPlayerL},
      {"RankL", kRankL},
      {"DiedSL", kDiedSL},
      {"Bevel1", kBevel1},
      {"eventNameL", kEventNameL},
      {"infoLine", kInfoLine},
      {"Bevel2", kBevel2},
      {"Label1", kLabel1},
      {"commentM", kCommentM},
      {"NewsL", kNewsL},
      {"newsBtn", kNewsBtn},
      {"WebNews", kWebNews},
      {"autoBtn", kAutoBtn},
      {"secondSE", kSecondSE},
      {"moveBtn", kMoveBtn},
      {"moveEd", kMoveEd},
      {"Bevel3", kBevel3},
      {"Label2", kLabel2},
      {"giboBtn", kGiboBtn},
      {"BBtn", kBBtn},
      {"WBtn", kWBtn},
      {"BWBtn", kBWBtn},
      {"StatusL", kStatusL},
      {"Bevel4", kBevel4},
      {"HintBtn", kHintBtn},
      {"Image1", kImage1},
      {"WordButton", kWordButton},
  };
  const std::pair<const char*, int> extents[] = {
      {"rightPWidth", kRightPWidth},
      {"rightTopPHeight", kRightTopPHeight},
      {"movesPHeight", kMovesPHeight},
      {"movesPHeightWithoutQuiz", kMovesPHeightWithoutQuiz},
      {"topPHeight", kTopPHeight},
      {"sidePWidth", kSidePWidth},
      {"buttonPHeight", kButtonPHeight},
      {"functionPHeight", kFunctionPHeight},
      {"functionPLeftFree", kFunctionPLeftFree},
      {"newsPOpen", kNewsPOpen},
      {"newsPFolded", kNewsPFolded},
      {"panPBevel", kPanPBevel},
      {"blackRowTop", kBlackRowTop},
      {"whiteRowTop", kWhiteRowTop},
      {"infoLineStep", kInfoLineStep},
      {"commentMBelow", kCommentMBelow},
      {"testBtnFromRight", kTestBtnFromRight},
      {"navTop", kNavTop},
      {"navHeight", kNavHeight},
      {"navOuterWidth", kNavOuterWidth},
      {"navInnerWidth", kNavInnerWidth},
      {"navSpreadAtCreation", kNavSpreadAtCreation},
      {"navSpreadOnResize", kNavSpreadOnResize},
  };
  std::string json = "{\"boxes\":{";
  for (const auto& [name, box] : boxes) json += std::string("\"") + name + "\":" + Box(box) + ",";
  json.back() = '}';
  for (const auto& [name, value] : extents) {
    json += std::string(",\"") + name + "\":" + std::to_string(value);
  }
  return json + "}";
}

}  // namespace moyo::web
