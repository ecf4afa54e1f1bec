#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/test_hive.h"

// The rules both platforms' INI files follow. Windows' own profile functions
// may respace a line or drop blank lines, so the file is compared line by line
// with blanks around "=" and blank lines left out; the Linux editor's
// byte-exact output is checked in its own tests.

namespace tw {
namespace {

std::vector<std::string> Normalised(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const auto trim = [](std::string s) {
      const size_t first = s.find_first_not_of(" \t\r");
      if (first == std::string::npos) return std::string();
      return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
    };
    line = trim(line);
    if (line.empty()) continue;
    if (const size_t equals = line.find('='); equals != std::string::npos && !line.starts_with('['))
      line = trim(line.substr(0, equals)) + "=" + trim(line.substr(equals + 1));
    lines.push_back(line);
  }
  return lines;
}

struct WriteCase {
  std::string title;
  std::optional<std::string> before;  // nothing: no file yet
  std::string section;
  std::string key;
  std::string value;
  std::vector<std::string> after;
};

void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.title; }

const std::string kAddress = "\\\\HOST\\Tellwick Data \"2\"";

const std::string kWorkstationIni =
    "; Tellwick workstation settings\n"
    "[Display]\n"
    "Colours = 16\n"
    "; the data folder follows\n"
    "\n"
    "[Settings]\n"
    "Server=MAIN\n"
    "DataDirectory=C:\\Old\n"
    "\n"
    "[Other]\n"
    "Key=Value\n";

const WriteCase kWriteCases[] = {
    {"a new file", std::nullopt, "Settings", "DataDirectory", kAddress, {"[Settings]", "DataDirectory=" + kAddress}},
    {"an existing file keeps its other sections and comments",
     kWorkstationIni,
     "Settings",
     "DataDirectory",
     kAddress,
     {"; Tellwick workstation settings", "[Display]", "Colours=16", "; the data folder follows", "[Settings]",
      "Server=MAIN", "DataDirectory=" + kAddress, "[Other]", "Key=Value"}},
    {"section and key in another letter case are written where they are, as they are spelt",
     "[SETTINGS]\ndatadirectory=old\nOther=1\n",
     "Settings",
     "DataDirectory",
     "new",
     {"[SETTINGS]", "datadirectory=new", "Other=1"}},
    {"a missing key joins its section, before the next section",
     "[Settings]\nServer=MAIN\n\n[Other]\nKey=Value\n",
     "Settings",
     "DataDirectory",
     "new",
     {"[Settings]", "Server=MAIN", "DataDirectory=new", "[Other]", "Key=Value"}},
    {"a missing section is added after everything else",
     "[Other]\nKey=Value\n",
     "Settings",
     "DataDirectory",
     "new",
     {"[Other]", "Key=Value", "[Settings]", "DataDirectory=new"}},
    {"a commented-out key stays a comment",
     "[Settings]\n;DataDirectory=old\n",
     "Settings",
     "DataDirectory",
     "new",
     {"[Settings]", ";DataDirectory=old", "DataDirectory=new"}},
    {"a key of the same name in another section is left alone",
     "[Other]\nDataDirectory=other\n[Settings]\nServer=MAIN\n",
     "Settings",
     "DataDirectory",
     "new",
     {"[Other]", "DataDirectory=other", "[Settings]", "Server=MAIN", "DataDirectory=new"}},
};

class IniWrites : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWrites, ChangeOnlyTheirKey) {
  const WriteCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  if (c.before) test::WriteText(file, *c.before);
  const auto ini = OpenIniFiles();

  ini->WriteString(file, c.section, c.key, c.value);

  EXPECT_EQ(Normalised(test::ReadText(file)), c.after);
  EXPECT_EQ(ini->ReadString(file, c.section, c.key, "fallback"), c.value);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniWrites, testing::ValuesIn(kWriteCases));

struct ReadCase {
  std::string title;
  std::optional<std::string> file;
  std::string section;
  std::string key;
  std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.title; }

const ReadCase kReadCases[] = {
    {"no file", std::nullopt, "Settings", "DataDirectory", "fallback"},
    {"no section", "[Other]\nDataDirectory=x\n", "Settings", "DataDirectory", "fallback"},
    {"no key", "[Settings]\nServer=x\n", "Settings", "DataDirectory", "fallback"},
    {"another letter case", "[settings]\nDATADIRECTORY=C:\\Data\n", "Settings", "DataDirectory", "C:\\Data"},
    {"blanks around the value", "[Settings]\nDataDirectory =   C:\\Data  \n", "Settings", "DataDirectory", "C:\\Data"},
    {"enclosing quotes", "[Settings]\nDataDirectory=\"C:\\My Data\"\n", "Settings", "DataDirectory", "C:\\My Data"},
    {"quotes inside", "[Settings]\nDataDirectory=a \"b\" c\n", "Settings", "DataDirectory", "a \"b\" c"},
    {"an empty value", "[Settings]\nDataDirectory=\n", "Settings", "DataDirectory", ""},
    {"the first of two keys", "[Settings]\nDataDirectory=one\nDataDirectory=two\n", "Settings", "DataDirectory", "one"},
};

class IniReads : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReads, FindTheirKey) {
  const ReadCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  if (c.file) test::WriteText(file, *c.file);
  EXPECT_EQ(OpenIniFiles()->ReadString(file, c.section, c.key, "fallback"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ini, IniReads, testing::ValuesIn(kReadCases));

TEST(IniFiles, KeepTextOfTheSystemsCodePage) {
  test::ScratchFolder folder;
  const std::string file = folder.File("TELLWICK.INI");
  const auto ini = OpenIniFiles();
  const std::string value = "\\\\BÜRO\\Données \"neu\"";
  ini->WriteString(file, "Settings", "DataDirectory", value);
  EXPECT_EQ(ini->ReadString(file, "Settings", "DataDirectory", ""), value);
}

TEST(IniFiles, ReportTheFileInAMissingFolder) {
  test::ScratchFolder folder;
  const std::string missing = folder.File("No Such Folder");
  const std::string file = WithTrailingSeparator(missing) + "TELLWICK.INI";
  try {
    OpenIniFiles()->WriteString(file, "Settings", "DataDirectory", "x");
    ADD_FAILURE() << "the write did not fail";
  } catch (const PlatformError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to write to " + file);
  }
  EXPECT_FALSE(std::filesystem::exists(PathFromUtf8(missing))) << "the folder is not created";
}

}  // namespace
}  // namespace tw
