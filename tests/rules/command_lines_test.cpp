#include "wizard/command_lines.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr const char* kLanComponents =
    R"(/COMPONENTS="Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks")";
constexpr const char* kHostComponents =
    R"(/COMPONENTS="Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks,Hubstead,Hubwarden")";
constexpr const char* kWorkstationComponents = R"(/COMPONENTS="Tellwick,Linkmate")";

struct InstallerCase {
  SetupKind kind;
  const char* folder;
  std::string parameters;
};

void PrintTo(const InstallerCase& c, std::ostream* out) {
  *out << (c.kind == SetupKind::Lan ? "LAN " : c.kind == SetupKind::Host ? "host " : "workstation ") << c.folder;
}

class InstallerParametersTest : public testing::TestWithParam<InstallerCase> {};

TEST_P(InstallerParametersTest, ComponentsFolderAsTypedAndSilent) {
  EXPECT_EQ(InstallerParameters(GetParam().kind, GetParam().folder), GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InstallerParametersTest,
    testing::Values(InstallerCase{SetupKind::Lan, R"(C:\Program Files\Tellwick)",
                                  std::string(kLanComponents) + R"( /DIR="C:\Program Files\Tellwick" /SILENT)"},
                    InstallerCase{SetupKind::Host, R"(C:\Program Files\Tellwick)",
                                  std::string(kHostComponents) + R"( /DIR="C:\Program Files\Tellwick" /SILENT)"},
                    InstallerCase{SetupKind::Workstation, R"(C:\Program Files\Tellwick)",
                                  std::string(kWorkstationComponents) + R"( /DIR="C:\Program Files\Tellwick" /SILENT)"},
                    // A trailing backslash stays, right before the closing quote.
                    InstallerCase{SetupKind::Lan, R"(C:\Tellwick\)",
                                  std::string(kLanComponents) + R"( /DIR="C:\Tellwick\" /SILENT)"},
                    InstallerCase{SetupKind::Lan, R"(\\SERVER\Apps\Tellwick)",
                                  std::string(kLanComponents) + R"( /DIR="\\SERVER\Apps\Tellwick" /SILENT)"},
                    InstallerCase{SetupKind::Workstation, "D:\\Données\\Tellwick Ω",
                                  std::string(kWorkstationComponents) + " /DIR=\"D:\\Données\\Tellwick Ω\" /SILENT"},
                    // Surrounding blanks are part of the text as typed.
                    InstallerCase{SetupKind::Host, " /srv/tellwick ",
                                  std::string(kHostComponents) + R"( /DIR=" /srv/tellwick " /SILENT)"}));

TEST(InstallerFileTest, TheInstallerIsBesideTheWizard) {
  const std::string wizardFolder = std::string("wizard") + kPathSeparator;
  EXPECT_EQ(InstallerFile(wizardFolder), wizardFolder + "Tellwick4Setup.exe");
}

struct JoinCase {
  const char* folder;
  char separator;
  const char* joined;
};

void PrintTo(const JoinCase& c, std::ostream* out) { *out << c.folder << " with " << c.separator; }

class TrailingSeparatorTest : public testing::TestWithParam<JoinCase> {};

TEST_P(TrailingSeparatorTest, AddedUnlessAlreadyThere) {
  EXPECT_EQ(WithTrailingSeparator(GetParam().folder, GetParam().separator), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Folders, TrailingSeparatorTest,
                         testing::Values(JoinCase{R"(C:\Tellwick)", '\\', R"(C:\Tellwick\)"},
                                         JoinCase{R"(C:\Tellwick\)", '\\', R"(C:\Tellwick\)"},
                                         JoinCase{R"(\\SERVER\Apps)", '\\', R"(\\SERVER\Apps\)"},
                                         JoinCase{"", '\\', R"(\)"},
                                         // Only the platform's own separator counts.
                                         JoinCase{"C:/Tellwick/", '\\', R"(C:/Tellwick/\)"},
                                         JoinCase{"/srv/tellwick", '/', "/srv/tellwick/"},
                                         JoinCase{"/srv/tellwick/", '/', "/srv/tellwick/"}));

struct FileCase {
  const char* installFolder;
  char separator;
  const char* databaseTool;
  const char* readMe;
  const char* workstationIni;
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.installFolder; }

class InstalledFilesTest : public testing::TestWithParam<FileCase> {};

TEST_P(InstalledFilesTest, FilesInTheInstalledFolder) {
  const FileCase& c = GetParam();
  EXPECT_EQ(DatabaseToolFile(c.installFolder, c.separator), c.databaseTool);
  EXPECT_EQ(ReadMeFile(c.installFolder, c.separator), c.readMe);
  EXPECT_EQ(WorkstationIniFile(c.installFolder, c.separator), c.workstationIni);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, InstalledFilesTest,
    testing::Values(FileCase{R"(\\SERVER\Apps\Tellwick)", '\\', R"(\\SERVER\Apps\Tellwick\Renovo.exe)",
                             R"(\\SERVER\Apps\Tellwick\README.EXE)", R"(\\SERVER\Apps\Tellwick\TELLWICK.INI)"},
                    FileCase{R"(C:\Tellwick\)", '\\', R"(C:\Tellwick\Renovo.exe)", R"(C:\Tellwick\README.EXE)",
                             R"(C:\Tellwick\TELLWICK.INI)"},
                    FileCase{R"(C:\Program Files\Tellwick)", '\\', R"(C:\Program Files\Tellwick\Renovo.exe)",
                             R"(C:\Program Files\Tellwick\README.EXE)", R"(C:\Program Files\Tellwick\TELLWICK.INI)"},
                    FileCase{"/home/jürgen/Tellwick Ω/", '/', "/home/jürgen/Tellwick Ω/Renovo.exe",
                             "/home/jürgen/Tellwick Ω/README.EXE", "/home/jürgen/Tellwick Ω/TELLWICK.INI"}));

struct DataFolderCase {
  const char* registryValue;
  const char* installFolder;
  char separator;
  const char* dataFolder;
  const char* toolParameters;
};

void PrintTo(const DataFolderCase& c, std::ostream* out) {
  *out << "registry '" << c.registryValue << "', folder " << c.installFolder;
}

class DataFolderTest : public testing::TestWithParam<DataFolderCase> {};

TEST_P(DataFolderTest, RegistryValueElseTheDataSubfolder) {
  const DataFolderCase& c = GetParam();
  const std::string dataFolder = DataFolder(c.registryValue, c.installFolder, c.separator);
  EXPECT_EQ(dataFolder, c.dataFolder);
  EXPECT_EQ(DatabaseToolParameters(dataFolder), c.toolParameters);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DataFolderTest,
    testing::Values(
        DataFolderCase{"", R"(\\SERVER\Apps\Tellwick)", '\\', R"(\\SERVER\Apps\Tellwick\Data)",
                       R"("/SILENT" "\\SERVER\Apps\Tellwick\Data")"},
        DataFolderCase{"", R"(C:\Tellwick\)", '\\', R"(C:\Tellwick\Data)", R"("/SILENT" "C:\Tellwick\Data")"},
        DataFolderCase{"", "/srv/tellwick", '/', "/srv/tellwick/Data", R"("/SILENT" "/srv/tellwick/Data")"},
        // The registry's value wins and is passed as read, a trailing
        // backslash right before the closing quote.
        DataFolderCase{R"(D:\Shared\Data)", R"(C:\Tellwick)", '\\', R"(D:\Shared\Data)",
                       R"("/SILENT" "D:\Shared\Data")"},
        DataFolderCase{R"(D:\Shared\Data\)", R"(C:\Tellwick)", '\\', R"(D:\Shared\Data\)",
                       R"("/SILENT" "D:\Shared\Data\")"},
        DataFolderCase{" ", R"(C:\Tellwick)", '\\', " ", R"("/SILENT" " ")"},
        DataFolderCase{"E:\\Données Ω", R"(C:\Tellwick)", '\\', "E:\\Données Ω", "\"/SILENT\" \"E:\\Données Ω\""}));

}  // namespace
}  // namespace tw
