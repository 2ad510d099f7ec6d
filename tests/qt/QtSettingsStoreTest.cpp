#include "platform/qt/QtSettingsStore.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Text.h"

namespace moyo::platform {
namespace {

namespace fs = std::filesystem;

class QtSettingsStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "moyo-settings-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string FileText(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(QtSettingsStoreTest, KeysMapToIniFilesUnderTheConfigFolder) {
  QtSettingsStore store(folder_);
  EXPECT_EQ(store.FileForKey("Software\\NetMoyoscope"), folder_ / "NetMoyoscope.ini");
  EXPECT_EQ(store.FileForKey("\\Software\\Zel2000\\DirPath Info"),
            folder_ / "Zel2000" / "DirPath Info.ini");
  EXPECT_EQ(store.FileForKey(""), std::nullopt);
  EXPECT_EQ(store.FileForKey("Software"), std::nullopt);
  EXPECT_EQ(store.FileForKey("Software\\..\\etc"), std::nullopt);
  EXPECT_EQ(store.FileForKey("a/b"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, TextsRoundTripThroughAFreshStoreWithExactNames) {
  const std::string korean = Utf8ToCp949("젤 기보, 흑 : 백");
  {
    QtSettingsStore store(folder_);
    ASSERT_TRUE(store.WriteText("Software\\NetMoyoscope", "Print Option Info", "tmargin", "500"));
    ASSERT_TRUE(store.WriteText("Software\\NetMoyoscope", "Version Info", "version", "0408A"));
    ASSERT_TRUE(store.WriteText("\\Software\\Zel2000\\DirPath Info", "", "zelpath", korean));
  }
  QtSettingsStore store(folder_);
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "tmargin"), "500");
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Version Info", "version"), "0408A");
  EXPECT_EQ(store.ReadText("\\Software\\Zel2000\\DirPath Info", "", "zelpath"), korean);
  // Names are case-sensitive, and sections do not share values.
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "TMargin"), std::nullopt);
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Version Info", "tmargin"), std::nullopt);
  // The file holds UTF-8 text a person can read.
  EXPECT_NE(FileText(folder_ / "Zel2000" / "DirPath Info.ini").find("젤 기보"), std::string::npos);
}

TEST_F(QtSettingsStoreTest, OverwritingKeepsOtherValues) {
  QtSettingsStore store(folder_);
  ASSERT_TRUE(store.WriteText("Software\\NetMoyoscope", "Print Option Info", "gogrid", "185"));
  ASSERT_TRUE(store.WriteText("Software\\NetMoyoscope", "Print Option Info", "splitno", "50"));
  ASSERT_TRUE(store.WriteText("Software\\NetMoyoscope", "Print Option Info", "gogrid", "120"));
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "gogrid"), "120");
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "splitno"), "50");
}

TEST_F(QtSettingsStoreTest, MissingOrUnusableStoresYieldNothingAndFalse) {
  QtSettingsStore store(folder_);
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Version Info", "version"), std::nullopt);
  EXPECT_FALSE(store.WriteText("Software\\..", "s", "n", "v"));
  EXPECT_FALSE(store.WriteText("Software\\NetMoyoscope", "s", "a/b", "v"));
  EXPECT_FALSE(store.WriteText("Software\\NetMoyoscope", "s", "", "v"));

  // A configuration "folder" that is a plain file can be neither read nor written.
  const fs::path blocked = folder_ / "blocked";
  std::ofstream(blocked) << "not a folder";
  QtSettingsStore broken(blocked);
  EXPECT_FALSE(broken.WriteText("Software\\NetMoyoscope", "Version Info", "version", "0408A"));
  EXPECT_EQ(broken.ReadText("Software\\NetMoyoscope", "Version Info", "version"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, HandWrittenFilesAreReadAsText) {
  std::ofstream(folder_ / "NetMoyoscope.ini")
      << "[Print%20Option%20Info]\ngogrid=abc\nlmargin=1, 2\n";
  QtSettingsStore store(folder_);
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "gogrid"), "abc");
  EXPECT_EQ(store.ReadText("Software\\NetMoyoscope", "Print Option Info", "lmargin"), "1, 2");
}

}  // namespace
}  // namespace moyo::platform
