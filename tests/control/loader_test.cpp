// The road of getFile against a fake form and a scripted HTTP client.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "control/RecordLoader.h"
#include "record/ReadNotice.h"
#include "resources/Messages.h"
#include "tests/control/MemorySettings.h"

namespace moyo {
namespace {

class ScriptedHttp : public platform::HttpClient {
 public:
  std::map<std::string, std::string> bodies;  // address -> body; others fail
  std::vector<std::string> asked;

  platform::HttpResult Get(const std::string& url) override {
    asked.push_back(url);
    platform::HttpResult result;
    const auto found = bodies.find(url);
    if (found == bodies.end()) {
      result.status = 404;
      result.error = "404";
      return result;
    }
    result.ok = true;
    result.status = 200;
    result.body = found->second;
    return result;
  }
};

class FakeForm : public TRecordLoadTarget {
 public:
  std::string level;
  bool guessingHidden = false;
  int applied = 0;
  std::vector<std::string> notices;
  TGameRecord record;

  void SetLevel(const std::string& value) override { level = value; }
  void HideGuessingControls() override { guessingHidden = true; }
  TGameRecord& Record() override { return record; }
  void ApplyRecord() override { ++applied; }
  void ShowNotice(const std::string& text) override { notices.push_back(text); }
};

const TRecordServers kServers{"rec:1", "web:2"};
const std::string kTagged = "(;EV[Cup]PB[Kim];B[pd];W[dp]C[good])";
const std::string kOtherTagged = "(;GN[Other];B[aa]C[first]TC[summary]DT[2001])";
const std::string kNgf =
    "Title\r\n19\r\nLee 9d*\r\nKim 8d\r\nSeoul\r\n0\r\n30 3\r\n6\r\n2001-01-01\r\n90\r\n"
    "W+R>x\r\n2\r\nPMAABDDAA\r\nPMABWPPAA\r\n";

TEST(LoadRecord, NumberedRecordComesFromTheRecordScriptAsNgf) {
  ScriptedHttp http;
  http.bodies["http://rec:1/moyoscope/getgibo.php?snum=77"] = kNgf;
  FakeForm form;
  const TLoadResult result = LoadRecord(form, http, kServers, "77", "10");
  EXPECT_EQ(result.outcome, TLoadOutcome::Applied);
  EXPECT_FALSE(result.Failed());
  EXPECT_EQ(form.level, "10");
  EXPECT_TRUE(form.guessingHidden);
  EXPECT_EQ(form.applied, 1);
  EXPECT_EQ(form.record.info.title, "Title");
  EXPECT_EQ(form.record.moveCount, 2);
}

TEST(LoadRecord, UnknownNumberShowsTheNoticeAndKeepsTheRecord) {
  ScriptedHttp http;
  http.bodies["http://rec:1/moyoscope/getgibo.php?snum=5"] = "<p>" + Message(6) + "</p>";
  FakeForm form;
  form.record.info.title = "shown before";
  const TLoadResult result = LoadRecord(form, http, kServers, "5", "10");
  EXPECT_EQ(result.outcome, TLoadOutcome::NoSuchRecord);
  EXPECT_FALSE(result.Failed());
  ASSERT_EQ(form.notices.size(), 1u);
  EXPECT_EQ(form.notices[0], Message(7));
  EXPECT_EQ(form.applied, 0);
  EXPECT_EQ(form.record.info.title, "shown before");
}

TEST(LoadRecord, NoticeTextOnOtherRoadsIsJustRecordText) {
  ScriptedHttp http;
  http.bodies["http://web:2/dizuze/gibo/a.gib"] = "(;EV[" + Message(6) + "];B[aa])";
  FakeForm form;
  EXPECT_EQ(LoadRecord(form, http, kServers, "a.gib", "").outcome, TLoadOutcome::Applied);
  EXPECT_TRUE(form.notices.empty());
  EXPECT_FALSE(form.guessingHidden);
}

TEST(LoadRecord, SecondLoadKeepsNothingOfTheFirstRecord) {
  ScriptedHttp http;
  http.bodies["http://web:2/dizuze/gibo/first.gib"] = kOtherTagged;
  http.bodies["http://h/second.gib"] = kTagged;
  FakeForm form;
  ASSERT_EQ(LoadRecord(form, http, kServers, "first.gib", "").outcome, TLoadOutcome::Applied);
  ASSERT_EQ(form.record.info.summary, "summary");
  ASSERT_EQ(LoadRecord(form, http, kServers, "http://h/second.gib", "").outcome,
            TLoadOutcome::Applied);
  EXPECT_EQ(form.record.info.title, "Cup");
  EXPECT_EQ(form.record.info.summary, "");
  EXPECT_EQ(form.record.info.date, "");
  ASSERT_EQ(form.record.commentCount, 1);
  EXPECT_EQ(form.record.comments[0].text, "[2] good");
}

TEST(LoadRecord, FailedOrRefusedLoadsLeaveRecordAndScreenAlone) {
  ScriptedHttp http;
  http.bodies["http://web:2/dizuze/gibo/empty.gib"] = "";
  http.bodies["http://web:2/dizuze/gibo/stopped.gib"] = "(;EV[x]P1";
  http.bodies["http://h/bad.ngf"] = "T\r\n19\r\nW\r\nB\r\nP\r\nlots\r\n";
  FakeForm form;
  form.record.info.title = "shown before";
  form.record.moveCount = 3;

  const TLoadResult missing = LoadRecord(form, http, kServers, "missing.gib", "100");
  EXPECT_EQ(missing.outcome, TLoadOutcome::DownloadFailed);
  EXPECT_TRUE(missing.Failed());
  EXPECT_TRUE(form.guessingHidden);  // the level's effects come before the download
  EXPECT_EQ(form.level, "100");

  EXPECT_EQ(LoadRecord(form, http, kServers, "empty.gib", "").outcome, TLoadOutcome::ReadFailed);
  EXPECT_EQ(LoadRecord(form, http, kServers, "http://h/bad.ngf", "").outcome,
            TLoadOutcome::ReadFailed);
  EXPECT_EQ(LoadRecord(form, http, kServers, "stopped.gib", "").outcome, TLoadOutcome::NotApplied);
  EXPECT_EQ(form.applied, 0);
  EXPECT_EQ(form.record.info.title, "shown before");
  EXPECT_EQ(form.record.moveCount, 3);
}

TEST(LoadRecord, OtherFormatsGoToTheirReadersAndNoticesSayWhatWasLost) {
  ScriptedHttp http;
  // An SGF collection by name, and a GIB body at an address ending in "ngf".
  http.bodies["http://web:2/dizuze/gibo/two.sgf"] =
      "(;GM[1]SZ[9]PB[Kim];B[ee];W[cc])(;GM[1]PB[Lee];B[aa])";
  http.bodies["http://h/other.ngf"] = "\\HS\r\n\\[GAMEBLACKNAME=Park (5D)\\]\r\n";
  FakeForm form;
  EXPECT_EQ(LoadRecord(form, http, kServers, "two.sgf", "1").outcome, TLoadOutcome::Applied);
  EXPECT_EQ(form.record.boardSize, 9);
  EXPECT_EQ(form.record.info.blackName, "Kim");
  ASSERT_EQ(form.notices.size(), 1u);
  EXPECT_EQ(form.notices[0], NoticeText({TNoticeKind::Collection, 2}));

  EXPECT_EQ(LoadRecord(form, http, kServers, "http://h/other.ngf", "1").outcome,
            TLoadOutcome::Applied);
  EXPECT_EQ(form.record.info.blackName, "Park");
  ASSERT_EQ(form.notices.size(), 2u);
  EXPECT_EQ(form.notices[1], NoticeText({TNoticeKind::EndsEarly}));
  EXPECT_EQ(form.applied, 2);
}

TEST(LoadRecord, ATaggedTextThatStopsEarlySaysWhyAndChangesNothing) {
  ScriptedHttp http;
  http.bodies["http://web:2/dizuze/gibo/stopped.gib"] = "(;EV[x]P1";
  FakeForm form;
  EXPECT_EQ(LoadRecord(form, http, kServers, "stopped.gib", "").outcome, TLoadOutcome::NotApplied);
  EXPECT_EQ(form.notices, std::vector<std::string>{NoticeText({TNoticeKind::StoppedEarly})});
  EXPECT_EQ(form.applied, 0);
}

TEST(LoadRecord, TaggedReaderGetsTheMemberLevel) {
  ScriptedHttp http;
  http.bodies["http://web:2/dizuze/gibo/a.gib"] = "(;EV[x]TC[secret];B[aa])";
  FakeForm form;
  LoadRecord(form, http, kServers, "a.gib", "2");
  EXPECT_EQ(form.record.info.summary, "\r" + Message(8));
}

TEST(WriteQnaFile, WritesIntoTheStoredFolderOrTheDefaultOne) {
  char pattern[] = "/tmp/moyo-qna-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::filesystem::path folder = pattern;
  TGameRecord record;
  record.info.whiteName = "Lee";
  record.AddMove({4, 4, kRecordBlack});
  record.AddMove({16, 16, kRecordWhite});

  test::MemorySettings settings;
  EXPECT_TRUE(WriteQnaFile(settings, folder.string(), record, 1));
  EXPECT_TRUE(std::filesystem::exists(folder / "qna.NGF"));

  // A stored folder wins over the default.
  std::filesystem::create_directory(folder / "stored");
  settings.values[{"\\Software\\Zel2000\\DirPath Info", "", "zelpath"}] =
      (folder / "stored").string();
  EXPECT_TRUE(WriteQnaFile(settings, "/nonexistent", record, 2));
  EXPECT_TRUE(std::filesystem::exists(folder / "stored" / "qna.NGF"));

  // An old file in a folder that can no longer be written is not a "yes".
  ::chmod((folder / "stored").c_str(), 0555);
  ::chmod((folder / "stored" / "qna.NGF").c_str(), 0444);
  if (::access((folder / "stored" / "qna.NGF").c_str(), W_OK) != 0) {  // not when run as root
    EXPECT_FALSE(WriteQnaFile(settings, "/nonexistent", record, 2));
  }
  settings.values[{"\\Software\\Zel2000\\DirPath Info", "", "zelpath"}] = "/nonexistent/dir";
  EXPECT_FALSE(WriteQnaFile(settings, "/tmp", record, 2));

  ::chmod((folder / "stored").c_str(), 0755);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace moyo
