#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/folders.h"
#include "wizard/pages.h"

namespace tw {

// The installer beside the wizard: looked for under one name, started under
// the other; they name one file.
inline constexpr std::string_view kInstallerCheckName = "TELLWICK4SETUP.EXE";
inline constexpr std::string_view kInstallerFileName = "Tellwick4Setup.exe";
inline constexpr std::string_view kDatabaseToolName = "Renovo.exe";
inline constexpr std::string_view kReadMeName = "README.EXE";
inline constexpr std::string_view kDataSubfolder = "Data";

enum class SetupKind { Lan, Host, Workstation };

struct InstallerRun {
  SetupKind kind;
  Page page;
  std::string_view components;
};

// clang-format off
inline constexpr std::array<InstallerRun, 3> kInstallerRuns = {{
  {SetupKind::Lan, Page::tabLANReady,
   "/COMPONENTS=\"Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks\""},
  {SetupKind::Host, Page::tabP2PHostReady,
   "/COMPONENTS=\"Tellwick,TellwickAdmin,Linkmate,Tagsmith,Renovo,Safehold,Mendwell,Menulinks,Hubstead,Hubwarden\""},
  {SetupKind::Workstation, Page::tabP2PWorkstationReady,
   "/COMPONENTS=\"Tellwick,Linkmate\""},
}};
// clang-format on

// The installer's parameters: components, /DIR="folder" (the folder as
// typed) and /SILENT, joined by single spaces.
std::string InstallerParameters(SetupKind kind, const std::string& folder);

std::string InstallerFile(const std::string& wizardFolder);

// The database tool in the installed folder.
std::string DatabaseToolFile(const std::string& installFolder, char separator = kPathSeparator);

// The registry's DataDirectory when it is not empty, else the installed
// folder's Data subfolder.
std::string DataFolder(const std::string& registryValue, const std::string& installFolder,
                       char separator = kPathSeparator);

// "/SILENT" and the data folder, each in double quotes.
std::string DatabaseToolParameters(const std::string& dataFolder);

std::string ReadMeFile(const std::string& installFolder, char separator = kPathSeparator);

// The workstation's INI file in its installed folder.
std::string WorkstationIniFile(const std::string& installFolder, char separator = kPathSeparator);

// The network share of the data folder and its address.
inline constexpr std::string_view kDataShareName = "TellwickData";
inline constexpr std::string_view kDataShareRemark = "Tellwick Data Folder";
std::string DataFolderNetworkAddress(const std::string& computerName);

}  // namespace tw
