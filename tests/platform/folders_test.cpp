#include "platform/folders.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/errors.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class Folders : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / fs::path(u8"tw-folders-\u00e9") /
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root);
    fs::create_directories(root);
  }
  void TearDown() override { fs::remove_all(root); }
  std::string Root() const { return PathToUtf8(root); }
  fs::path root;
};

TEST_F(Folders, FindsAFileWhateverTheLetterCaseButNotAFolder) {
  std::ofstream(root / "tellwick4setup.exe") << "x";
  fs::create_directories(root / "sub" / "TELLWICK4SETUP.EXE");

  const auto found = FindFileNoCase(Root(), "TELLWICK4SETUP.EXE");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(PathFromUtf8(*found).filename(), "tellwick4setup.exe");
  EXPECT_FALSE(FindFileNoCase(PathToUtf8(root / "sub"), "TELLWICK4SETUP.EXE"));
  EXPECT_FALSE(FindFileNoCase(PathToUtf8(root / "missing"), "TELLWICK4SETUP.EXE"));
}

TEST_F(Folders, ForceDirectoriesCreatesParentsAndNamesTheFolderWhenItCannot) {
  const std::string deep = PathToUtf8(root / u8"D\u00e4ta" / "a b" / "c");
  ForceDirectories(deep);
  EXPECT_TRUE(DirectoryExists(deep));
  ForceDirectories(deep);  // already there: nothing to do

  std::ofstream(root / "file") << "x";
  const std::string blocked = PathToUtf8(root / "file" / "Data");
  try {
    ForceDirectories(blocked);
    FAIL() << "a folder below a file cannot exist";
  } catch (const PlatformError& error) {
    EXPECT_NE(std::string(error.what()).find(blocked), std::string::npos) << error.what();
  }
}

TEST(TrailingSeparator, AddedOnlyWhenMissing) {
  struct Case {
    const char* folder;
    char separator;
    const char* expected;
  };
  for (const Case& c : {Case{"C:\\Tellwick", '\\', "C:\\Tellwick\\"}, Case{"C:\\Tellwick\\", '\\', "C:\\Tellwick\\"},
                        Case{"\\\\SERVER\\Apps", '\\', "\\\\SERVER\\Apps\\"}, Case{"", '\\', "\\"},
                        Case{"/srv/tw", '/', "/srv/tw/"}, Case{"/srv/tw/", '/', "/srv/tw/"}})
    EXPECT_EQ(WithTrailingSeparator(c.folder, c.separator), c.expected) << c.folder;
}

TEST(ProgramFolderOfTests, HoldsTheRunningProgramAndEndsInASeparator) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), kPathSeparator);
  EXPECT_TRUE(DirectoryExists(folder));
}

}  // namespace
}  // namespace tw
