// The host's own loopback server for a player's files, and how the host tells
// a player's file from a record the control fetches itself.

#include <gtest/gtest.h>

#include <string>

#include "app/LocalRecordServer.h"
#include "app/ViewTarget.h"
#include "platform/curl/CurlHttpClient.h"
#include "tests/app/TempFolder.h"

namespace moyo {
namespace {

using app::FileUrlPath;
using app::LocalRecordServer;
using app::ResolveViewTarget;
using platform::CurlHttpClient;
using platform::HttpResult;

TEST(LocalRecordServer, AnswersPublishedFilesOnlyAndReadsThemAfresh) {
  test::TempFolder folder;
  folder.Write("my game.NGF", "first");
  folder.Write("other.sgf", "never published");
  LocalRecordServer server;
  EXPECT_EQ(server.Publish(folder.Path() / "my game.NGF"), "");  // not started yet
  ASSERT_TRUE(server.Start());
  const std::string address = server.Publish(folder.Path() / "my game.NGF");
  ASSERT_TRUE(address.starts_with("http://127.0.0.1:")) << address;
  // The control picks the NGF reader by the address's last three bytes.
  EXPECT_TRUE(address.ends_with("/my%20game.NGF")) << address;

  CurlHttpClient client;
  HttpResult served = client.Get(address);
  ASSERT_TRUE(served.ok) << served.error;
  EXPECT_EQ(served.body, "first");
  folder.Write("my game.NGF", "edited");
  EXPECT_EQ(client.Get(address).body, "edited");

  // Another file of the folder, a wrong secret, an unknown number: nothing.
  const std::string base = address.substr(0, address.find('/', 8));
  const std::string secretPath = address.substr(base.size(), address.rfind("/0/") - base.size());
  for (const std::string& path :
       {std::string("/other.sgf"), secretPath + "/1/other.sgf", secretPath + "/7/x",
        std::string("/00000000000000000000000000000000/0/my%20game.NGF"),
        secretPath + "/../other.sgf"}) {
    const HttpResult refused = client.Get(base + path);
    EXPECT_EQ(refused.status, 404) << path;
  }

  std::filesystem::remove(folder.Path() / "my game.NGF");
  EXPECT_EQ(client.Get(address).status, 404);
  server.Stop();
  EXPECT_FALSE(client.Get(address).ok);
}

TEST(LocalRecordServer, EachServerHasItsOwnSecret) {
  LocalRecordServer first;
  LocalRecordServer second;
  ASSERT_TRUE(first.Start());
  ASSERT_TRUE(second.Start());
  const std::string a = first.Publish("/x/game.sgf");
  const std::string b = second.Publish("/x/game.sgf");
  EXPECT_NE(a.substr(a.find('/', 8)), b.substr(b.find('/', 8)));
}

TEST(FileUrls, DecodeLocalPathsAndRefuseOtherMachines) {
  EXPECT_EQ(FileUrlPath("file:///home/me/game.sgf"), "/home/me/game.sgf");
  EXPECT_EQ(FileUrlPath("file://localhost/home/me/game.sgf"), "/home/me/game.sgf");
  EXPECT_EQ(FileUrlPath("file:/home/me/game.sgf"), "/home/me/game.sgf");
  EXPECT_EQ(FileUrlPath("file:///home/me/my%20game%ED%95%9C.sgf"),
            "/home/me/my game\xED\x95\x9C.sgf");
  EXPECT_EQ(FileUrlPath("file:///tmp/a.sgf?x=1#y"), "/tmp/a.sgf");
  for (const char* refused :
       {"file://server/share/game.sgf", "file://", "file:relative.sgf", "file:///a%2",
        "file:///a%zz", "file:///a%00b", "http://host/a.sgf", "/plain/path"}) {
    EXPECT_FALSE(FileUrlPath(refused).has_value()) << refused;
  }
}

TEST(ViewTargets, PlayersFilesAreServedByTheHostAndAllElseKeepsItsMeaning) {
  test::TempFolder folder;
  folder.Write("game.sgf", "(;GM[1])");
  const std::string path = (folder.Path() / "game.sgf").string();

  auto target = ResolveViewTarget(path, "1");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->file, folder.Path() / "game.sgf");
  target = ResolveViewTarget("file://" + path, "1");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->file, folder.Path() / "game.sgf");
  // A file URL of a missing file is still the player's: reading it fails later, with its name.
  target = ResolveViewTarget("file:///no/such/file.sgf", "1");
  ASSERT_TRUE(target);
  EXPECT_EQ(target->file, "/no/such/file.sgf");

  // Names, addresses, folders and record numbers go to the control unchanged.
  for (const std::string& record :
       {std::string("game-on-the-server.gib"), std::string("http://example.org/a.ngf"),
        folder.Path().string()}) {
    target = ResolveViewTarget(record, "1");
    ASSERT_TRUE(target) << record;
    EXPECT_TRUE(target->file.empty()) << record;
    EXPECT_EQ(target->record, record);
  }
  target = ResolveViewTarget(path, "10");
  ASSERT_TRUE(target);
  EXPECT_TRUE(target->file.empty());
  EXPECT_FALSE(ResolveViewTarget("file://elsewhere/game.sgf", "1"));
}

}  // namespace
}  // namespace moyo
