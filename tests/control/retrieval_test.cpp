// Road choice, addresses, server settings and the question-and-answer folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "control/RecordRetrieval.h"
#include "tests/control/MemorySettings.h"

namespace moyo {
namespace {

TEST(RecordRoad, LevelTenAlwaysAsksTheRecordScript) {
  EXPECT_EQ(ChooseRecordRoad("1024", "10"), TRecordRoad::Numbered);
  EXPECT_EQ(ChooseRecordRoad("http://x/a.gib", "10"), TRecordRoad::Numbered);
  EXPECT_TRUE(ReadsNgf(TRecordRoad::Numbered));
}

TEST(RecordRoad, AddressesAndNamesAreToldApartCaseSensitively) {
  for (const char* level : {"", "0", "2", "100", "9"}) {
    EXPECT_EQ(ChooseRecordRoad("http://h/game.NGF", level), TRecordRoad::NgfAddress);
    EXPECT_EQ(ChooseRecordRoad("https://h/game.ngf", level), TRecordRoad::NgfAddress);
    EXPECT_EQ(ChooseRecordRoad("http://h/game.Ngf", level), TRecordRoad::TaggedAddress);
    EXPECT_EQ(ChooseRecordRoad("http://h/gamengf", level), TRecordRoad::NgfAddress);
    EXPECT_EQ(ChooseRecordRoad("http://h/game.gib", level), TRecordRoad::TaggedAddress);
    EXPECT_EQ(ChooseRecordRoad("HTTP://h/game.ngf", level), TRecordRoad::WebFolder);
    EXPECT_EQ(ChooseRecordRoad("game.ngf", level), TRecordRoad::WebFolder);
    EXPECT_EQ(ChooseRecordRoad("", level), TRecordRoad::WebFolder);
  }
  EXPECT_TRUE(ReadsNgf(TRecordRoad::NgfAddress));
  EXPECT_FALSE(ReadsNgf(TRecordRoad::TaggedAddress));
  EXPECT_FALSE(ReadsNgf(TRecordRoad::WebFolder));
}

TEST(RecordAddress, NumbersAndNamesAreAppendedEscapedAndAddressesKeptAsGiven) {
  const TRecordServers servers{"records.local:8000", "web.local"};
  EXPECT_EQ(RecordAddress(TRecordRoad::Numbered, "1024", servers),
            "http://records.local:8000/moyoscope/getgibo.php?snum=1024");
  EXPECT_EQ(RecordAddress(TRecordRoad::WebFolder, "2024/lee sedol.gib", servers),
            "http://web.local/dizuze/gibo/2024/lee%20sedol.gib");
  // A query or fragment must not be smuggled into the record server's script.
  EXPECT_EQ(RecordAddress(TRecordRoad::Numbered, "1&admin=1#x", servers),
            "http://records.local:8000/moyoscope/getgibo.php?snum=1%26admin%3D1%23x");
  // A full address keeps its query, fragment and escapes; only what no address
  // may hold is encoded.
  EXPECT_EQ(
      RecordAddress(TRecordRoad::TaggedAddress, "http://h/my game.gib?x=1&y=%41#top", servers),
      "http://h/my%20game.gib?x=1&y=%41#top");
  EXPECT_EQ(
      RecordAddress(TRecordRoad::TaggedAddress, "http://h/\xb1\xe2\xba\xb8 {1}|\"a\".gib", servers),
      "http://h/%B1%E2%BA%B8%20%7B1%7D%7C%22a%22.gib");
  EXPECT_EQ(RecordAddress(TRecordRoad::NgfAddress, "http://h/a.ngf", servers), "http://h/a.ngf");
}

TEST(RecordAddress, NamesNeverClimbOutOfTheRecordFolder) {
  const TRecordServers servers{"records.local", "web.local"};
  for (const char* name :
       {"../rec/x.gib", "..", "a/../../x.gib", "./x.gib", "a/.", "..\\x.gib", "a\\..\\..\\x.gib"}) {
    EXPECT_EQ(RecordAddress(TRecordRoad::WebFolder, name, servers), std::nullopt) << name;
  }
  // Dots inside a segment are part of a name.
  EXPECT_EQ(RecordAddress(TRecordRoad::WebFolder, "...gib", servers),
            "http://web.local/dizuze/gibo/...gib");
  EXPECT_EQ(RecordAddress(TRecordRoad::WebFolder, "a..b/.c", servers),
            "http://web.local/dizuze/gibo/a..b/.c");
}

TEST(RecordAddress, EscapesEveryByteThatCannotStandInAnAddress) {
  EXPECT_EQ(EscapeRecordName("a?b#c%d"), "a%3Fb%23c%25d");
  EXPECT_EQ(EscapeRecordName(std::string("\x01\x1f\x7f\r\n", 5)), "%01%1F%7F%0D%0A");
  EXPECT_EQ(EscapeRecordName("\xb1\xe2\xba\xb8.gib"), "%B1%E2%BA%B8.gib");  // 기보 in CP949
  EXPECT_EQ(EscapeRecordName("keep/these-_.~!$'()*,;:@&=+"), "keep/these-_.~!$'()*,;:@&=+");
  EXPECT_EQ(EscapeRecordName("<a b>\\{c}|^`\""), "%3Ca%20b%3E%5C%7Bc%7D%7C%5E%60%22");
  EXPECT_EQ(EscapeQueryValue("a/b+c"), "a%2Fb%2Bc");
  EXPECT_EQ(EscapeRecordName(""), "");
}

class ServerSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("MOYOSCOPE_RECORD_SERVER");
    unsetenv("MOYOSCOPE_WEB_SERVER");
  }
  void TearDown() override { SetUp(); }
  test::MemorySettings settings_;
};

TEST_F(ServerSettings, DefaultToTheLocalServer) {
  const TRecordServers servers = ReadRecordServers(settings_);
  EXPECT_EQ(servers.recordServer, "localhost:8949");
  EXPECT_EQ(servers.webServer, "localhost:8949");
}

TEST_F(ServerSettings, StoredValuesAreUsedAndTheEnvironmentWins) {
  settings_.values[{"Software\\NetMoyoscope", "Server Info", "recordserver"}] = "rec:1";
  settings_.values[{"Software\\NetMoyoscope", "Server Info", "webserver"}] = "web:2";
  TRecordServers servers = ReadRecordServers(settings_);
  EXPECT_EQ(servers.recordServer, "rec:1");
  EXPECT_EQ(servers.webServer, "web:2");

  setenv("MOYOSCOPE_WEB_SERVER", "127.0.0.1:9", 1);
  setenv("MOYOSCOPE_RECORD_SERVER", "", 1);  // an empty variable does not count
  servers = ReadRecordServers(settings_);
  EXPECT_EQ(servers.recordServer, "rec:1");
  EXPECT_EQ(servers.webServer, "127.0.0.1:9");
}

TEST(QnaFolder, MissingOrEmptyFolderBecomesTheDefaultAndIsStored) {
  const std::tuple<std::string, std::string, std::string> key{"\\Software\\Zel2000\\DirPath Info",
                                                              "", "zelpath"};
  test::MemorySettings settings;
  EXPECT_EQ(QnaFilePath(settings, "/home/kim"), "/home/kim/qna.NGF");
  EXPECT_EQ(settings.values[key], "/home/kim");

  settings.values[key] = "";
  EXPECT_EQ(QnaFilePath(settings, "/home/lee"), "/home/lee/qna.NGF");
  EXPECT_EQ(settings.values[key], "/home/lee");

  settings.values[key] = "/srv/\xb1\xe2\xba\xb8";  // a Korean folder name stored in CP949
  EXPECT_EQ(QnaFilePath(settings, "/home/lee"), "/srv/\xea\xb8\xb0\xeb\xb3\xb4/qna.NGF");

  test::MemorySettings readOnly;
  readOnly.writable = false;
  EXPECT_EQ(QnaFilePath(readOnly, "/home/park"), "/home/park/qna.NGF");
}

}  // namespace
}  // namespace moyo
