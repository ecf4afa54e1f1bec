#include "wizard/command_lines.h"

namespace tw {

std::string InstallerParameters(SetupKind kind, const std::string& folder) {
  for (const InstallerRun& run : kInstallerRuns)
    if (run.kind == kind) return std::string(run.components) + " /DIR=\"" + folder + "\" /SILENT";
  return {};
}

std::string InstallerFile(const std::string& wizardFolder) {
  return WithTrailingSeparator(wizardFolder) + std::string(kInstallerFileName);
}

std::string DatabaseToolFile(const std::string& installFolder, char separator) {
  return WithTrailingSeparator(installFolder, separator) + std::string(kDatabaseToolName);
}

std::string DataFolder(const std::string& registryValue, const std::string& installFolder, char separator) {
  if (!registryValue.empty()) return registryValue;
  return WithTrailingSeparator(installFolder, separator) + std::string(kDataSubfolder);
}

std::string DatabaseToolParameters(const std::string& dataFolder) { return "\"/SILENT\" \"" + dataFolder + "\""; }

std::string ReadMeFile(const std::string& installFolder, char separator) {
  return WithTrailingSeparator(installFolder, separator) + std::string(kReadMeName);
}

std::string WorkstationIniFile(const std::string& installFolder, char separator) {
  return WithTrailingSeparator(installFolder, separator) + "TELLWICK.INI";
}

std::string DataFolderNetworkAddress(const std::string& computerName) {
  return "\\\\" + computerName + "\\" + std::string(kDataShareName);
}

}  // namespace tw
