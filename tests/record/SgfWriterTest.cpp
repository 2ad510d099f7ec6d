#include "record/SgfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "record/RecordDispatch.h"
#include "record/TaggedReader.h"
#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::Cp;
using test::NewRecord;

// The first field in which two records differ, for a readable failure.
std::string FirstDifference(const TGameRecord& a, const TGameRecord& b) {
  if (!(a.info == b.info)) return "header";
  if (a.boardSize != b.boardSize) return "board size";
  if (a.moveCount != b.moveCount || a.moves != b.moves) return "moves";
  if (a.setupCount != b.setupCount || a.setup != b.setup) return "setup";
  if (a.firstColour != b.firstColour) return "first colour";
  if (a.commentCount != b.commentCount) return "comment count";
  for (int i = 0; i < a.commentCount; ++i) {
    if (!(a.comments[i] == b.comments[i])) {
      return "comment " + std::to_string(i) + ": " + a.comments[i].text + " / " +
             b.comments[i].text;
    }
  }
  return "";
}

TEST(SgfRoundTripTest, EveryReadableFixtureAndSampleReadsBackAsTheSameRecord) {
  const char* root = std::getenv("MOYO_SOURCE_DIR");
  const std::filesystem::path source(root ? root : ".");
  int checked = 0;
  for (const auto& folder : {source / "tests/record/fixtures", source / "samples"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
      SCOPED_TRACE(entry.path().filename().string());
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string body{std::istreambuf_iterator<char>(in), {}};
      const TRecordFormat expected =
          entry.path().extension() == ".ngf" ? TRecordFormat::Ngf : TRecordFormat::Tagged;
      auto original = NewRecord();
      const TRecordRead read = ReadRecordBody(*original, body, {expected, "1", {}});
      if (read.result.failed || !read.result.show) continue;
      const std::string sgf = WriteSgf(*original);
      auto again = NewRecord();
      const TRecordRead reread = ReadRecordBody(*again, sgf, {TRecordFormat::Tagged, "1", {}});
      EXPECT_EQ(reread.format, TRecordFormat::Sgf);
      EXPECT_EQ(reread.encoding, "UTF-8");
      EXPECT_EQ(FirstDifference(*original, *again), "") << sgf;
      ++checked;
    }
  }
  EXPECT_GE(checked, 25);
}

TEST(SgfWriterTest, HandicapTimesDiagramsAndEscapesAreWrittenAsSgf) {
  auto record = NewRecord();
  ReadTaggedRecord(*record,
                   Cp("(;EV[명인전]PB[K\\im]PW[Lee]HD[2]TM[1시간30분]LT[30]LC[3]KO[0.5]"
                      ";W[qd]C[a]b\\c];B[dd]RN[1]PT[2];B[aa];W[cc];L[cda]C[see])"),
                   "1");
  const std::string sgf = WriteSgf(*record);
  EXPECT_EQ(sgf,
            "(;GM[1]FF[4]CA[UTF-8]SZ[19]GN[명인전]PB[K\\\\im]PW[Lee]KM[0.5]HA[2]TM[5400]"
            "OT[3x30 byo-yomi]AB[pd][dp]"
            "\n;W[qd]C[a]"
            // The diagram replaces move 2 and lists under move 2: it leaves after move 1.
            "\n(\n;B[dd])(;RF[2:0]B[cc]C[see]LB[cd:A]))\n")
      << sgf;
}

}  // namespace
}  // namespace moyo
