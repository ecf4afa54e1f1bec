#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/folders.h"
#include "support/test_hive.h"

namespace tw {
namespace {

using test::TestHive;
using Kind = TestHive::Kind;

// Paths below the hive's test root.
const std::string kProduct = "Orvane\\Tellwick";
const std::string kOtherProduct = "Orvane\\Elsewhere";

struct Write {
  std::string path;
  std::string section;
  std::string ident;
  std::string value;
};

struct StoreCase {
  std::string title{};
  std::vector<TestHive::Planted> planted{};  // by another program, before the store is used
  std::vector<Write> writes{};
  // The read that follows.
  std::string path{};
  std::string section{};
  std::string ident{};
  std::string defaultValue{};
  std::optional<std::string> expected{};  // nothing: the read fails with `error`
  std::string error{};
  std::vector<std::string> absentKeys{};  // keys the store must not have created
};

const std::string kFolder = "C:\\Program Files\\Tellwick\\";
const std::string kAwkward = "D:\\Büro \"neu\"\\Daten ☃\\";

const StoreCase kStoreCases[] = {
    {.title = "no key at all reads as the default and leaves the path behind",
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .expected = "",
     .absentKeys = {kProduct + "\\General"}},
    {.title = "a missing value reads as the default",
     .planted = {{kProduct + "\\General", "DataDirectory", Kind::String, "X:\\Data"}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .defaultValue = "fallback",
     .expected = "fallback"},
    {.title = "a missing subkey reads as the default",
     .planted = {{kProduct + "\\Other", "TellwickDirectory", Kind::String, kFolder}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .defaultValue = "fallback",
     .expected = "fallback",
     .absentKeys = {kProduct + "\\General"}},
    {.title = "a plain string",
     .planted = {{kProduct + "\\General", "TellwickDirectory", Kind::String, kFolder}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .expected = kFolder},
    {.title = "an empty string is a value, not a missing one",
     .planted = {{kProduct + "\\General", "TellwickDirectory", Kind::String, ""}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .defaultValue = "fallback",
     .expected = ""},
    {.title = "an expandable string reads as its text, unexpanded",
     .planted = {{kProduct + "\\General", "TellwickDirectory", Kind::ExpandString, "%ProgramFiles%\\Tellwick é 𝄞"}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .expected = "%ProgramFiles%\\Tellwick é 𝄞"},
    {.title = "a dword is the wrong type",
     .planted = {{kProduct + "\\General", "TellwickDirectory", Kind::Dword, "7"}},
     .path = kProduct,
     .section = "General",
     .ident = "TellwickDirectory",
     .expected = std::nullopt,
     .error = "Invalid data type for 'TellwickDirectory'"},
    {.title = "binary data is the wrong type, named as the caller spelt it",
     .planted = {{kProduct + "\\General", "DataDirectory", Kind::Binary, "C:\\"}},
     .path = kProduct,
     .section = "General",
     .ident = "datadirectory",
     .expected = std::nullopt,
     .error = "Invalid data type for 'datadirectory'"},
    {.title = "a section naming a nested subkey",
     .planted = {{kProduct + "\\General\\Paths", "Data", Kind::String, "E:\\Nested"}},
     .path = kProduct,
     .section = "General\\Paths",
     .ident = "Data",
     .expected = "E:\\Nested"},
    {.title = "key and value names in another letter case",
     .planted = {{kProduct + "\\GENERAL", "TELLWICKDIRECTORY", Kind::String, kFolder}},
     .path = "ORVANE\\tellwick",
     .section = "general",
     .ident = "TellwickDirectory",
     .expected = kFolder},
    {.title = "write then read, from nothing",
     .writes = {{kProduct, "General", "DataDirectory", kAwkward}},
     .path = kProduct,
     .section = "General",
     .ident = "DataDirectory",
     .expected = kAwkward},
    {.title = "a write replaces the earlier value, whatever its type",
     .planted = {{kProduct + "\\General", "DataDirectory", Kind::Dword, "12"}},
     .writes = {{kProduct, "General", "DataDirectory", "\\\\HOST\\TellwickData"},
                {kProduct, "General", "datadirectory", "\\\\HOST2\\TellwickData"}},
     .path = kProduct,
     .section = "General",
     .ident = "DataDirectory",
     .expected = "\\\\HOST2\\TellwickData"},
    {.title = "other values, subkeys and types are kept by a write",
     .planted = {{kProduct + "\\General", "TellwickDirectory", Kind::String, kFolder},
                 {kProduct + "\\General", "Runs", Kind::Dword, "4294967295"},
                 {kProduct + "\\General", "Options", Kind::ExpandString, "%TEMP%"},
                 {kProduct + "\\General\\Deep", "Blob", Kind::Binary, "\x01\x02\xff"},
                 {kProduct, "Top", Kind::String, "kept"}},
     .writes = {{kProduct, "General", "DataDirectory", "\\\\HOST\\TellwickData"}},
     .path = kProduct,
     .section = "General",
     .ident = "DataDirectory",
     .expected = "\\\\HOST\\TellwickData"},
    {.title = "the path assigned for the read is the one read",
     .writes = {{kProduct, "General", "DataDirectory", "written under the product"}},
     .path = kOtherProduct,
     .section = "General",
     .ident = "DataDirectory",
     .defaultValue = "fallback",
     .expected = "fallback"},
    {.title = "each write goes to the path assigned before it",
     .writes = {{kProduct, "General", "DataDirectory", "first"}, {kOtherProduct, "General", "DataDirectory", "second"}},
     .path = kProduct,
     .section = "General",
     .ident = "DataDirectory",
     .expected = "first"},
    {.title = "an empty section reads a value of the path itself",
     .planted = {{kProduct, "TellwickDirectory", Kind::String, kFolder}},
     .path = kProduct,
     .section = "",
     .ident = "TellwickDirectory",
     .expected = kFolder},
};

void PrintTo(const StoreCase& c, std::ostream* out) { *out << c.title; }

class StoreTable : public testing::TestWithParam<StoreCase> {};

TEST_P(StoreTable, ReadsAndWritesInRegistryMode) {
  const StoreCase& c = GetParam();
  TestHive hive;
  const auto ini = OpenIniFiles();
  SettingsStore store(hive.registry(), *ini);
  store.PathType = TPathType::ptRegistry;
  for (const auto& value : c.planted) hive.Plant(value);
  for (const Write& write : c.writes) {
    store.Path = hive.Below(write.path);
    store.WriteSetting(write.section, write.ident, write.value);
  }

  store.Path = hive.Below(c.path);
  if (c.expected) {
    EXPECT_EQ(store.ReadSetting(c.section, c.ident, c.defaultValue), *c.expected);
  } else {
    try {
      store.ReadSetting(c.section, c.ident, c.defaultValue);
      ADD_FAILURE() << "the read did not fail";
    } catch (const PlatformError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }

  EXPECT_TRUE(hive.KeyExists(c.path)) << "reading opens the path, creating it";
  for (const auto& key : c.absentKeys) EXPECT_FALSE(hive.KeyExists(key)) << key;
  for (const auto& value : c.planted) {
    const bool overwritten = std::ranges::any_of(
        c.writes, [&](const Write& w) { return value.key == w.path + "\\" + w.section && value.name == w.ident; });
    if (!overwritten) {
      EXPECT_TRUE(hive.Holds(value)) << value.key << " " << value.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Store, StoreTable, testing::ValuesIn(kStoreCases),
                         [](const testing::TestParamInfo<StoreCase>& info) {
                           std::string name;
                           for (const char c : info.param.title)
                             name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(SettingsStore, DefaultsToAnIniFileInTheCurrentUsersHive) {
  TestHive hive;
  const auto ini = OpenIniFiles();
  const SettingsStore store(hive.registry(), *ini);
  EXPECT_EQ(store.PathType, TPathType::ptIniFile);
  EXPECT_EQ(store.RegKey, TRegKey::hkeyCurrentUser);
  EXPECT_EQ(store.RegAccess, TRegAccess::keyAllAccess);
  EXPECT_EQ(store.Path, "");
}

// A value written as a string reads back as one, with the value's text intact.
TEST(SettingsStore, WritesPlainStrings) {
  TestHive hive;
  const auto ini = OpenIniFiles();
  SettingsStore store(hive.registry(), *ini);
  store.PathType = TPathType::ptRegistry;
  store.Path = hive.Below(kProduct);
  store.WriteSetting("General", "DataDirectory", kAwkward);
  EXPECT_TRUE(hive.Holds({kProduct + "\\General", "DataDirectory", Kind::String, kAwkward}));
}

TEST(SettingsStore, IniModeWritesAndReadsTheFileInPath) {
  test::ScratchFolder folder;
  TestHive hive;
  const auto ini = OpenIniFiles();
  SettingsStore store(hive.registry(), *ini);
  store.Path = folder.File("TELLWICK.INI");

  EXPECT_EQ(store.ReadSetting("Settings", "DataDirectory", "fallback"), "fallback");
  store.WriteSetting("Settings", "DataDirectory", "\\\\HOST\\TellwickData");
  EXPECT_EQ(store.ReadSetting("settings", "DATADIRECTORY", "fallback"), "\\\\HOST\\TellwickData");
  EXPECT_FALSE(hive.KeyExists("")) << "INI mode leaves the registry alone";
}

TEST(SettingsStore, IniModeReportsTheFileItCannotWrite) {
  test::ScratchFolder folder;
  TestHive hive;
  const auto ini = OpenIniFiles();
  SettingsStore store(hive.registry(), *ini);
  store.Path = WithTrailingSeparator(folder.File("missing")) + "TELLWICK.INI";
  try {
    store.WriteSetting("Settings", "DataDirectory", "\\\\HOST\\TellwickData");
    ADD_FAILURE() << "the write did not fail";
  } catch (const PlatformError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + store.Path);
  }
}

}  // namespace
}  // namespace tw
