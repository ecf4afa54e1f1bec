#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "file_limit_posix.h"
#include "platform/errors.h"
#include "platform/posix/reg_file.h"
#include "support/test_hive.h"

namespace tw {
namespace {

using test::ReadText;
using test::WriteText;
using Type = Registry::ValueType;

constexpr const char* kProduct = "Software\\Orvane\\Tellwick";
constexpr const char* kGeneral = "Software\\Orvane\\Tellwick\\General";

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::ranges::sort(names);
  return names;
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const PlatformError& error) {
    return error.what();
  }
  return "(no error)";
}

// --- The file we write is a registry export, and an export is read as one.

TEST(RegFile, WritesARegistryExport) {
  test::ScratchFolder folder;
  const std::string file = folder.File("tellwick/hkcu.reg");
  const auto registry = OpenRegistryFile(file);
  registry->CreateKey(kProduct);
  registry->SetString(kGeneral, "DataDirectory", "D:\\Büro \"neu\"\\☃\\");
  registry->SetString(kGeneral, "Notes", "two\nlines");
  registry->SetString(kProduct, "", "default value");

  EXPECT_EQ(ReadText(file),
            "Windows Registry Editor Version 5.00\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick]\n"
            "@=\"default value\"\n"
            "\n"
            "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General]\n"
            "\"DataDirectory\"=\"D:\\\\Büro \\\"neu\\\"\\\\☃\\\\\"\n"
            "\"Notes\"=hex(1):74,00,77,00,6f,00,0a,00,6c,00,69,00,6e,00,65,00,73,00,00,00\n");
  EXPECT_EQ(registry->QueryValue(kGeneral, "Notes")->text, "two\nlines");
  EXPECT_EQ(registry->QueryValue(kGeneral, "DataDirectory")->text, "D:\\Büro \"neu\"\\☃\\");
}

// As an editor on Windows would save it: byte order mark, CRLF, comments,
// continued byte lists, every kind of value.
const std::string kExport =
    "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
    "\r\n"
    "; exported for the office\r\n"
    "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General]\r\n"
    "@=\"the default\"\r\n"
    "\"TellwickDirectory\"=hex(2):43,00,3a,00,5c,00,50,00,72,00,6f,00,67,00,72,00,61,00,\\\r\n"
    "  6d,00,20,00,46,00,69,00,6c,00,65,00,73,00,5c,00,00,00\r\n"
    "\"Runs\"=dword:0000002a\r\n"
    "\"Blob\"=hex:de,ad,be,ef\r\n"
    "\"Servers\"=hex(7):41,00,00,00,42,00,00,00,00,00\r\n"
    "\"Plain\"=hex(1):c4,00,3d,d8,00,de,00,00\r\n"
    "\"Spaced\" = \"a \\\"quoted\\\" \\\\ text\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General\\Empty]\r\n";

struct ExportRead {
  std::string key;
  std::string name;
  std::optional<Registry::Value> expected;
};

TEST(RegFile, ReadsAnExport) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, kExport);
  const auto registry = OpenRegistryFile(file);
  const ExportRead reads[] = {
      {kGeneral, "", Registry::Value{Type::String, "the default"}},
      {kGeneral, "tellwickdirectory", Registry::Value{Type::ExpandString, "C:\\Program Files\\"}},
      {kGeneral, "Runs", Registry::Value{Type::Other, ""}},
      {kGeneral, "Blob", Registry::Value{Type::Other, ""}},
      {kGeneral, "Servers", Registry::Value{Type::Other, ""}},
      {kGeneral, "Plain", Registry::Value{Type::String, "Ä😀"}},
      {kGeneral, "Spaced", Registry::Value{Type::String, "a \"quoted\" \\ text"}},
      {kGeneral, "Missing", std::nullopt},
      {std::string(kGeneral) + "\\Empty", "Runs", std::nullopt},
      {"Software\\Orvane", "Runs", std::nullopt},
  };
  for (const ExportRead& read : reads) {
    const auto value = registry->QueryValue(read.key, read.name);
    ASSERT_EQ(value.has_value(), read.expected.has_value()) << read.key << " " << read.name;
    if (!value) continue;
    EXPECT_EQ(value->type, read.expected->type) << read.name;
    EXPECT_EQ(value->text, read.expected->text) << read.name;
  }
  EXPECT_EQ(ReadText(file), kExport) << "reading changes nothing";
}

TEST(RegFile, AWriteChangesOnlyItsOwnLine) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, kExport);
  const auto registry = OpenRegistryFile(file);

  registry->SetString(kGeneral, "TELLWICKDIRECTORY", "E:\\New");
  registry->SetString("software\\orvane\\tellwick\\general", "DataDirectory", "\\\\HOST\\TellwickData");
  registry->CreateKey("SOFTWARE\\Orvane\\Tellwick\\General\\Empty");  // there already
  registry->SetString("software\\ORVANE\\Tellwick\\Later", "A", "b");

  std::string expected = kExport;
  const size_t from = expected.find("\"TellwickDirectory\"");
  const size_t to = expected.find("\"Runs\"");
  expected.replace(from, to - from, "\"TellwickDirectory\"=\"E:\\\\New\"\r\n");
  expected.insert(expected.find("\r\n\r\n[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General\\Empty]") + 2,
                  "\"DataDirectory\"=\"\\\\\\\\HOST\\\\TellwickData\"\r\n");
  // A new key is spelt like the keys it shares a path with.
  expected += "\r\n[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\Later]\r\n\"A\"=\"b\"\r\n";
  EXPECT_EQ(ReadText(file), expected);
}

TEST(RegFile, SeesAndKeepsWhatOtherProgramsWrite) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  const auto ours = OpenRegistryFile(file);
  const auto theirs = OpenRegistryFile(file);

  ours->CreateKey(kProduct);
  theirs->SetString(kGeneral, "TellwickDirectory", "C:\\Tellwick");
  EXPECT_EQ(ours->QueryValue(kGeneral, "TellwickDirectory")->text, "C:\\Tellwick");
  ours->SetString(kGeneral, "DataDirectory", "D:\\Data");
  EXPECT_EQ(theirs->QueryValue(kGeneral, "TellwickDirectory")->text, "C:\\Tellwick");
  EXPECT_EQ(theirs->QueryValue(kGeneral, "DataDirectory")->text, "D:\\Data");
}

TEST(RegFile, TheLastOfRepeatedValuesCounts) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file,
            "Windows Registry Editor Version 5.00\n\n"
            "[HKEY_CURRENT_USER\\Software\\A]\n\"V\"=\"first\"\n\n"
            "[HKEY_CURRENT_USER\\Software\\a]\n\"v\"=\"second\"\n");
  const auto registry = OpenRegistryFile(file);
  EXPECT_EQ(registry->QueryValue("Software\\A", "V")->text, "second");
  registry->SetString("Software\\A", "V", "third");
  EXPECT_EQ(registry->QueryValue("Software\\A", "V")->text, "third");
}

TEST(RegFile, AnEmptyFileIsAnEmptyHive) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, "");
  const auto registry = OpenRegistryFile(file);
  EXPECT_FALSE(registry->QueryValue(kGeneral, "TellwickDirectory"));
  registry->CreateKey(kProduct);
  EXPECT_EQ(ReadText(file),
            "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick]\n");
}

TEST(RegFile, QueryingAMissingFileCreatesNothing) {
  test::ScratchFolder folder;
  const auto registry = OpenRegistryFile(folder.File("tellwick/hkcu.reg"));
  EXPECT_FALSE(registry->QueryValue(kGeneral, "TellwickDirectory"));
  EXPECT_TRUE(FolderEntries(folder.Path()).empty());
}

// --- A file that cannot be read is reported and never overwritten.

struct Corrupt {
  std::string title;
  std::string text;
  int line;
};

void PrintTo(const Corrupt& c, std::ostream* out) { *out << c.title; }

const std::string kHeader = "Windows Registry Editor Version 5.00\n\n";

const Corrupt kCorrupt[] = {
    {"not a registry file", "hello\nworld\n", 1},
    {"an older export format", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software]\n", 1},
    {"an export saved as UTF-16", std::string("\xFF\xFEW\0i\0n\0", 8), 1},
    {"a key left open", kHeader + "[HKEY_CURRENT_USER\\Software\n", 3},
    {"a key of another hive", kHeader + "[HKEY_LOCAL_MACHINE\\Software]\n", 3},
    {"a key with an empty part", kHeader + "[HKEY_CURRENT_USER\\Software\\\\Orvane]\n", 3},
    {"a value before any key", kHeader + "\"A\"=\"b\"\n", 3},
    {"a lone backslash in a text", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"C:\\Data\"\n", 4},
    {"a text without its closing quote", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"C:\\\\Data\n", 4},
    {"text after a value", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"x\" y\n", 4},
    {"a dword of wrong digits", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:0000000g\n", 4},
    {"a dword too long", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:000000001\n", 4},
    {"a byte list with a bad byte", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=hex:00,1,02\n", 4},
    {"a byte list continued past the end", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=hex(2):41,00,\\\n", 4},
    {"a deletion instead of a value", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=-\n", 4},
    {"a stray line", kHeader + "[HKEY_CURRENT_USER\\S]\n\"A\"=\"x\"\nDataDirectory=x\n", 5},
};

class CorruptHive : public testing::TestWithParam<Corrupt> {};

TEST_P(CorruptHive, IsReportedAndLeftUntouched) {
  const Corrupt& c = GetParam();
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, c.text);
  const auto registry = OpenRegistryFile(file);
  const std::string prefix = "The registry file " + file + " cannot be read: line " + std::to_string(c.line) + " ";

  const std::function<void()> uses[] = {
      [&] { registry->QueryValue(kGeneral, "TellwickDirectory"); },
      [&] { registry->CreateKey(kProduct); },
      [&] { registry->SetString(kGeneral, "DataDirectory", "x"); },
  };
  for (const auto& use : uses) EXPECT_TRUE(ErrorOf(use).starts_with(prefix)) << ErrorOf(use);
  EXPECT_EQ(ReadText(file), c.text);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"hkcu.reg"});
}

INSTANTIATE_TEST_SUITE_P(RegFile, CorruptHive, testing::ValuesIn(kCorrupt));

// --- A write that fails leaves the old file whole.

const std::string kOld =
    "Windows Registry Editor Version 5.00\n\n"
    "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General]\n"
    "\"TellwickDirectory\"=\"C:\\\\Tellwick\"\n";

TEST(RegFile, AFullDiskLeavesTheOldFileWhole) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, kOld);
  const auto registry = OpenRegistryFile(file);
  {
    test::FileSizeLimit limit(kOld.size() + 10);
    EXPECT_EQ(ErrorOf([&] { registry->SetString(kGeneral, "DataDirectory", std::string(200, 'x')); }),
              "Failed to set data for 'DataDirectory'");
    EXPECT_EQ(ErrorOf([&] { registry->CreateKey("Software\\Orvane\\A rather long name for a new key"); }),
              "Failed to create key Software\\Orvane\\A rather long name for a new key");
  }
  EXPECT_EQ(ReadText(file), kOld);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"hkcu.reg"}) << "no half-written file is left";
}

// The superuser writes into read-only folders, so as root the test acts as
// an ordinary account for its length.
class AsOrdinaryAccount {
 public:
  AsOrdinaryAccount() : wasRoot_(::geteuid() == 0) {
    if (wasRoot_ && ::seteuid(65534) != 0) ADD_FAILURE() << "cannot give up root for the test";
  }
  ~AsOrdinaryAccount() {
    if (wasRoot_ && ::seteuid(0) != 0) std::abort();
  }
  AsOrdinaryAccount(const AsOrdinaryAccount&) = delete;
  AsOrdinaryAccount& operator=(const AsOrdinaryAccount&) = delete;

 private:
  bool wasRoot_;
};

TEST(RegFile, AReadOnlyFolderLeavesTheOldFileWhole) {
  test::ScratchFolder folder;
  const std::string file = folder.File("hkcu.reg");
  WriteText(file, kOld);
  using std::filesystem::perms;
  std::filesystem::permissions(folder.Path(), perms::owner_read | perms::owner_exec | perms::others_read |
                                                  perms::others_exec | perms::group_read | perms::group_exec);
  const AsOrdinaryAccount ordinary;
  const auto registry = OpenRegistryFile(file);

  EXPECT_EQ(ErrorOf([&] { registry->SetString(kGeneral, "DataDirectory", "x"); }),
            "Failed to set data for 'DataDirectory'");
  EXPECT_EQ(ErrorOf([&] { registry->SetString("Software\\New", "DataDirectory", "x"); }),
            "Failed to create key Software\\New");
  EXPECT_EQ(ErrorOf([&] { registry->CreateKey("Software\\New"); }), "Failed to create key Software\\New");
  EXPECT_EQ(registry->QueryValue(kGeneral, "TellwickDirectory")->text, "C:\\Tellwick") << "reading still works";
  EXPECT_EQ(ReadText(file), kOld);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"hkcu.reg"});
}

TEST(RegFile, AWriteKeepsTheFilesModeAndALinkToIt) {
  test::ScratchFolder folder;
  const std::string target = folder.File("real.reg");
  const std::string link = folder.File("hkcu.reg");
  WriteText(target, kOld);
  ::chmod(target.c_str(), 0640);
  std::filesystem::create_symlink("real.reg", link);

  OpenRegistryFile(link)->SetString(kGeneral, "DataDirectory", "x");

  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadText(target), kOld + "\"DataDirectory\"=\"x\"\n");
  struct stat info {};
  ::stat(target.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// --- Where the hive lives

class Environment {
 public:
  Environment(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~Environment() {
    if (saved_)
      ::setenv(name_, saved_->c_str(), 1);
    else
      ::unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(RegFile, LivesInTheUsersConfigurationFolder) {
  struct Place {
    std::optional<std::string> configHome;
    std::string expected;
  };
  const Place places[] = {
      {"/srv/config", "/srv/config/tellwick/hkcu.reg"},
      {std::nullopt, "/home/reception/.config/tellwick/hkcu.reg"},
      {"", "/home/reception/.config/tellwick/hkcu.reg"},
      {"relative/config", "/home/reception/.config/tellwick/hkcu.reg"},
  };
  const Environment home("HOME", "/home/reception");
  for (const Place& place : places) {
    const Environment config("XDG_CONFIG_HOME", place.configHome);
    EXPECT_EQ(CurrentUserRegistryFile(), place.expected) << place.configHome.value_or("(unset)");
  }
}

TEST(RegFile, TheCurrentUsersHiveMakesItsFolder) {
  test::ScratchFolder folder;
  const Environment config("XDG_CONFIG_HOME", folder.Path());
  OpenCurrentUserRegistry()->SetString(kGeneral, "DataDirectory", "x");
  EXPECT_EQ(ReadText(folder.File("tellwick/hkcu.reg")),
            kHeader + "[HKEY_CURRENT_USER\\Software\\Orvane\\Tellwick\\General]\n\"DataDirectory\"=\"x\"\n");
}

}  // namespace
}  // namespace tw
