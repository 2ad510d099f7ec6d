// Which address getFile downloads in the page, and which reader reads it.

#include <gtest/gtest.h>

#include "platform/Text.h"
#include "resources/Messages.h"
#include "web/RecordRoad.h"

namespace moyo::web {
namespace {

TEST(RecordRoadTest, LevelTenAsksTheRecordScriptForTheNumber) {
  const RecordRoad road = ChooseRecordRoad("1001", "10", "records:8949", "www");
  EXPECT_EQ(road.url, "http://records:8949/moyoscope/getgibo.php?snum=1001");
  EXPECT_EQ(road.reader, RecordReader::Ngf);
  EXPECT_TRUE(road.numbered);
  // Even an address is only a number to the script at that level.
  EXPECT_EQ(ChooseRecordRoad("http://x/a.gib", "10", "r", "w").url,
            "http://r/moyoscope/getgibo.php?snum=http://x/a.gib");
}

TEST(RecordRoadTest, AddressesAreFetchedAsTheyAreAndOnlyNgfOrLowerNgfEndingsReadAsNgf) {
  struct Case {
    const char* name;
    RecordReader reader;
  };
  for (const Case& c :
       {Case{"http://h/game.NGF", RecordReader::Ngf}, Case{"http://h/game.ngf", RecordReader::Ngf},
        Case{"http://h/game.Ngf", RecordReader::Tagged},
        Case{"https://h/game.gib", RecordReader::Tagged}}) {
    for (const char* level : {"1", "100", "0"}) {
      const RecordRoad road = ChooseRecordRoad(c.name, level, "r", "w");
      EXPECT_EQ(road.url, c.name);
      EXPECT_EQ(road.reader, c.reader) << c.name;
      EXPECT_FALSE(road.numbered);
    }
  }
}

TEST(RecordRoadTest, NamesComeFromTheWebServersRecordFolderThroughTheTaggedReader) {
  for (const char* name : {"game.gib", "HTTP://h/game.gib", "game.ngf"}) {
    const RecordRoad road = ChooseRecordRoad(name, "100", "r", "www:80");
    EXPECT_EQ(road.url, std::string("http://www:80/dizuze/gibo/") + name);
    EXPECT_EQ(road.reader, RecordReader::Tagged);
  }
}

TEST(RecordRoadTest, TheScriptsNoRecordWordAnywhereInTheReplyMeansNoRecord) {
  EXPECT_TRUE(IsMissingRecordReply("<html>" + Message(6) + "</html>"));
  EXPECT_FALSE(IsMissingRecordReply("(;EV[" + platform::Utf8ToCp949("기보") + "])"));
  EXPECT_FALSE(IsMissingRecordReply(""));
}

}  // namespace
}  // namespace moyo::web
