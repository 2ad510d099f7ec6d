#include "print/TZelStatus.h"

#include <gtest/gtest.h>

#include "print/IntText.h"
#include "tests/print/MemoryStore.h"

namespace moyo {
namespace {

using testing::MemoryStore;

const char* const kKey = "Software\\NetMoyoscope";

std::string Stored(const MemoryStore::Values& values, const std::string& section,
                   const std::string& name) {
  const auto found = values.find({kKey, section, name});
  return found == values.end() ? "<missing>" : found->second;
}

void StoreOption(MemoryStore::Values& values, const std::string& name, const std::string& text) {
  values[{kKey, "Print Option Info", name}] = text;
}

TEST(PrintSettings, FirstRunStoresTheVersionAndTheDefaults) {
  MemoryStore::Values values;
  TPrintOptions options{1, 2, 3, 4, 5, 6};
  TZelStatus status(std::make_unique<MemoryStore>(&values), options);
  EXPECT_EQ(options, TPrintOptions{});
  EXPECT_EQ(Stored(values, "Version Info", "version"), "0408A");
  const char* names[] = {"tmargin", "lmargin", "gogrid", "splitno", "perpage", "method"};
  const char* texts[] = {"500", "400", "185", "50", "2", "1"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Stored(values, "Print Option Info", names[i]), texts[i]);
  EXPECT_EQ(values.size(), 7u);
}

TEST(PrintSettings, TheRightVersionReadsTheStoredOptions) {
  MemoryStore::Values values;
  values[{kKey, "Version Info", "version"}] = "0408A";
  StoreOption(values, "tmargin", "300");
  StoreOption(values, "lmargin", "250");
  StoreOption(values, "gogrid", "150");
  StoreOption(values, "splitno", "20");
  StoreOption(values, "perpage", "0");
  StoreOption(values, "method", "3");
  TPrintOptions options;
  TZelStatus status(std::make_unique<MemoryStore>(&values), options);
  EXPECT_EQ(options, (TPrintOptions{300, 250, 150, 20, 0, 3}));
}

TEST(PrintSettings, AnotherVersionDiscardsTheStoredOptions) {
  MemoryStore::Values values;
  values[{kKey, "Version Info", "version"}] = "0407";
  StoreOption(values, "tmargin", "300");
  StoreOption(values, "method", "3");
  TPrintOptions options;
  TZelStatus status(std::make_unique<MemoryStore>(&values), options);
  EXPECT_EQ(options, TPrintOptions{});
  EXPECT_EQ(Stored(values, "Version Info", "version"), "0408A");
  EXPECT_EQ(Stored(values, "Print Option Info", "tmargin"), "500");
  EXPECT_EQ(Stored(values, "Print Option Info", "method"), "1");
  // The stamp is compared exactly.
  values[{kKey, "Version Info", "version"}] = "0408a";
  StoreOption(values, "gogrid", "120");
  TZelStatus again(std::make_unique<MemoryStore>(&values), options);
  EXPECT_EQ(Stored(values, "Print Option Info", "gogrid"), "185");
}

TEST(PrintSettings, BadOrMissingValuesReadAsDefaultsAndStayStored) {
  MemoryStore::Values values;
  values[{kKey, "Version Info", "version"}] = "0408A";
  StoreOption(values, "gogrid", "abc");
  StoreOption(values, "tmargin", "99999999999");
  StoreOption(values, "lmargin", " 250 ");
  StoreOption(values, "perpage", "-1");
  TPrintOptions options;
  TZelStatus status(std::make_unique<MemoryStore>(&values), options);
  EXPECT_EQ(options, (TPrintOptions{500, 250, 185, 50, -1, 1}));
  EXPECT_EQ(Stored(values, "Print Option Info", "gogrid"), "abc");
  EXPECT_EQ(Stored(values, "Print Option Info", "splitno"), "<missing>");
}

TEST(PrintSettings, SavingWritesOnlyThroughThePrintOptionSection) {
  MemoryStore::Values values;
  TPrintOptions options;
  TZelStatus status(std::make_unique<MemoryStore>(&values), options);
  options = {200, 200, 90, 7, 1, 2};
  status.TransferSection("Version Info", kTransferWrite, false);
  EXPECT_EQ(Stored(values, "Print Option Info", "gogrid"), "185");
  status.TransferSection("Print Option Info", kTransferWrite, false);
  EXPECT_EQ(Stored(values, "Print Option Info", "gogrid"), "90");
  EXPECT_EQ(Stored(values, "Print Option Info", "method"), "2");
  options = {};
  status.TransferPrintOptions(kTransferRead, false);
  EXPECT_EQ(options, (TPrintOptions{200, 200, 90, 7, 1, 2}));
}

TEST(PrintSettings, AStoreThatFailsOrIsMissingGivesTheDefaults) {
  MemoryStore::Values values;
  TPrintOptions options{1, 2, 3, 4, 5, 6};
  TZelStatus failing(std::make_unique<MemoryStore>(&values, true), options);
  EXPECT_EQ(options, TPrintOptions{});
  EXPECT_TRUE(values.empty());
  options.gogrid = 99;
  TZelStatus none(nullptr, options);
  EXPECT_EQ(options, TPrintOptions{});
  none.TransferPrintOptions(kTransferWrite, false);
}

TEST(IntegerTexts, DecimalInt32Only) {
  EXPECT_EQ(ParseInt32("185"), 185);
  EXPECT_EQ(ParseInt32("-12"), -12);
  EXPECT_EQ(ParseInt32("+7"), 7);
  EXPECT_EQ(ParseInt32(" 42 "), 42);
  EXPECT_EQ(ParseInt32("2147483647"), 2147483647);
  EXPECT_EQ(ParseInt32("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", " ", "abc", "12a", "1 2", "2147483648", "+", "-", "+-1", "0x10"}) {
    EXPECT_EQ(ParseInt32(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace moyo
