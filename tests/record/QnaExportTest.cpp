#include "record/QnaExport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/record/RecordFixtures.h"

namespace moyo {
namespace {

using test::NewRecord;

std::unique_ptr<TGameRecord> SmallGame(std::uint16_t handicap) {
  auto record = NewRecord();
  record->info.whiteName = "Lee";
  record->info.whiteRank = "9d";
  record->info.blackName = "Kim";
  record->info.blackRank = "5d";
  record->info.handicap = handicap;
  record->AddMove({16, 4, kRecordBlack});
  record->AddMove({0, 0, kRecordWhite});
  record->AddMove({3, 17, kRecordBlack});
  return record;
}

TEST(QnaExportTest, WritesHeaderHandicapStonesAndShownMoves) {
  EXPECT_EQ(QnaText(*SmallGame(0), 2),
            "Lee\r\n9d\r\nKim\r\n5d\r\n0\r\n2\r\nPMAABQEAA\r\nPMAAWAAAA\r\n");
  EXPECT_EQ(QnaText(*SmallGame(9), 0),
            "Lee\r\n9d\r\nKim\r\n5d\r\n9\r\nPMAABQEAA\r\nPMAABEQAA\r\nPMAABEEAA\r\n"
            "PMAABQQAA\r\nPMAABKKAA\r\nPMAABEKAA\r\nPMAABQKAA\r\nPMAABKEAA\r\nPMAABKQAA\r\n0\r\n");
}

TEST(QnaExportTest, HandicapStoneSetsByCount) {
  auto stones = [](std::uint16_t handicap) {
    const std::string text = QnaText(*SmallGame(handicap), 0);
    return (std::count(text.begin(), text.end(), '\n') - 6);
  };
  const int expected[] = {0, 0, 2, 3, 4, 5, 6, 7, 8, 9, 12, 12};
  for (int h = 0; h <= 11; ++h) EXPECT_EQ(stones(h), expected[h]) << h;
  const std::string five = QnaText(*SmallGame(5), 0);
  EXPECT_NE(five.find("PMAABKKAA"), std::string::npos);
  EXPECT_EQ(QnaText(*SmallGame(6), 0).find("PMAABKKAA"), std::string::npos);
}

TEST(QnaExportTest, SetupStonesAreWrittenAsStoneLinesInsteadOfTheHandicap) {
  auto record = SmallGame(2);
  record->SetSetupStone({3, 3, kRecordBlack});
  record->SetSetupStone({4, 3, kRecordWhite});
  record->SetSetupStone({5, 5, kRecordBlack});
  const std::string text = QnaText(*record, 0);
  EXPECT_NE(text.find("\r\n2\r\nPMAABDDAA\r\nPMAABFFAA\r\nPMAAWEDAA\r\n0\r\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("PMAABQEAA"), std::string::npos);
}

TEST(QnaExportTest, ShownMovesAreKeptWithinTheRecord) {
  EXPECT_NE(QnaText(*SmallGame(0), 99).find("\r\n3\r\n"), std::string::npos);
  EXPECT_NE(QnaText(*SmallGame(0), -4).find("\r\n0\r\n"), std::string::npos);
}

class QnaFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("qna-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(QnaFileTest, CreatesAndOverwritesTheFile) {
  const std::string path = (dir_ / "qna.NGF").string();
  { std::ofstream(path) << std::string(500, 'x'); }
  EXPECT_EQ(ExportQnaRecord(*SmallGame(0), 3, path), "");
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), QnaText(*SmallGame(0), 3));
}

TEST_F(QnaFileTest, ReportsFilesThatCannotBeWrittenWithoutHanging) {
  EXPECT_NE(ExportQnaRecord(*SmallGame(0), 3, (dir_ / "missing" / "qna.NGF").string()), "");
  EXPECT_NE(ExportQnaRecord(*SmallGame(0), 3, dir_.string()), "");
  const std::string fifo = (dir_ / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_NE(ExportQnaRecord(*SmallGame(0), 3, fifo), "");  // no reader: must not block
}

}  // namespace
}  // namespace moyo
