#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "file_limit_posix.h"
#include "platform/errors.h"
#include "platform/ini_file.h"
#include "support/test_hive.h"

// Byte for byte: a write changes or adds one line and leaves every other byte
// of the file as it was.

namespace tw {
namespace {

using test::ReadText;
using test::WriteText;

struct ExactEdit {
  std::string title;
  std::optional<std::string> before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

void PrintTo(const ExactEdit& c, std::ostream* out) { *out << c.title; }

const ExactEdit kEdits[] = {
    {"a new file", std::nullopt, "Settings", "DataDirectory", "\\\\HOST\\Data",
     "[Settings]\nDataDirectory=\\\\HOST\\Data\n"},
    {"an empty file", "", "Settings", "DataDirectory", "x", "[Settings]\nDataDirectory=x\n"},
    {"line breaks of the file are kept, a missing last one is supplied", "[Other]\r\nKey=Value", "Settings",
     "DataDirectory", "x", "[Other]\r\nKey=Value\r\n\r\n[Settings]\r\nDataDirectory=x\r\n"},
    {"spacing of other lines is kept, the key's own line is rewritten",
     "[ settings ]\n  Server = MAIN  \n\tdatadirectory = old ; note\n\n\n[Other]\n", "Settings", "DataDirectory", "new",
     "[ settings ]\n  Server = MAIN  \ndatadirectory=new\n\n\n[Other]\n"},
    {"a new key follows the section's last line, before its blank lines",
     "[Settings]\nServer=MAIN\n; end of settings\n\n[Other]\nKey=Value\n", "Settings", "DataDirectory", "x",
     "[Settings]\nServer=MAIN\n; end of settings\nDataDirectory=x\n\n[Other]\nKey=Value\n"},
    {"a new key in a section that is the last line", "[Settings]", "Settings", "DataDirectory", "x",
     "[Settings]\nDataDirectory=x\n"},
    {"bytes in other encodings and lines of any shape are kept",
     "\xEF\xBB\xBF; \xE9t\xE9\n[Display]\nnovalue\n=orphan\nName=Caf\xE9\n", "Settings", "DataDirectory", "Büro",
     "\xEF\xBB\xBF; \xE9t\xE9\n[Display]\nnovalue\n=orphan\nName=Caf\xE9\n\n[Settings]\nDataDirectory=Büro\n"},
    {"a byte order mark stays before the first section", "\xEF\xBB\xBF[Settings]\nDataDirectory=old\n", "Settings",
     "DataDirectory", "new", "\xEF\xBB\xBF[Settings]\nDataDirectory=new\n"},
    {"only the first section of that name is written", "[Settings]\nA=1\n[Settings]\nDataDirectory=old\n", "Settings",
     "DataDirectory", "new", "[Settings]\nA=1\nDataDirectory=new\n[Settings]\nDataDirectory=old\n"},
};

class IniEdits : public testing::TestWithParam<ExactEdit> {};

TEST_P(IniEdits, TouchOneLine) {
  const ExactEdit& c = GetParam();
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  if (c.before) WriteText(file, *c.before);
  OpenIniFiles()->WriteString(file, c.section, c.key, c.value);
  EXPECT_EQ(ReadText(file), c.after);
}

INSTANTIATE_TEST_SUITE_P(IniFiles, IniEdits, testing::ValuesIn(kEdits));

const std::string kOld = "; workstation\n[Settings]\nDataDirectory=\\\\OLD\\TellwickData\n";

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::ranges::sort(names);
  return names;
}

TEST(IniFiles, AFullDiskLeavesTheOldFileWhole) {
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  WriteText(file, kOld);
  try {
    test::FileSizeLimit limit(kOld.size() + 10);
    OpenIniFiles()->WriteString(file, "Settings", "DataDirectory", std::string(100, 'x'));
    ADD_FAILURE() << "the write did not fail";
  } catch (const PlatformError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + file);
  }
  EXPECT_EQ(ReadText(file), kOld);
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"TELLWICK.INI"});
}

TEST(IniFiles, AUtf16FileIsReportedAndLeftUntouched) {
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  const std::string utf16("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
  WriteText(file, utf16);
  try {
    OpenIniFiles()->WriteString(file, "Settings", "DataDirectory", "x");
    ADD_FAILURE() << "the write did not fail";
  } catch (const PlatformError& error) {
    EXPECT_TRUE(std::string(error.what()).starts_with("Unable to write to " + file + ": ")) << error.what();
  }
  EXPECT_EQ(ReadText(file), utf16);
}

TEST(IniFiles, AWriteKeepsTheFilesMode) {
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  WriteText(file, kOld);
  ::chmod(file.c_str(), 0604);
  OpenIniFiles()->WriteString(file, "Settings", "DataDirectory", "x");
  struct stat info {};
  ::stat(file.c_str(), &info);
  EXPECT_EQ(info.st_mode & 07777, 0604u);
}

}  // namespace
}  // namespace tw
