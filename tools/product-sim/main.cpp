// A stand-in for the product's own programs. It acts as the installer, the
// database tool or the read-me program by the name it was started under
// (without regard to case: "...setup...", "renovo...", "readme..."), and
// appends one line per run to a log so tests can see exactly what was started.
//
//   TELLWICK_SIM_LOG       the log file (default: product-sim.log beside the program)
//   TELLWICK_SIM_EXIT      end with this exit code instead of doing the work
//   TELLWICK_SIM_SLEEP_MS  run this long before working

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/errors.h"
#include "platform/folders.h"
#include "platform/registry.h"
#include "settings/settings_keys.h"

#ifdef _WIN32
#include "platform/command_line.h"
#include "platform/win32/wide.h"
#endif

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::optional<std::string> Environment(const char* name) {
#ifdef _WIN32
  const std::wstring wideName = tw::Widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
  return tw::Narrow(value);
#else
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
#endif
}

fs::path OwnFile() {
#ifdef _WIN32
  std::wstring buffer(32768, L'\0');
  buffer.resize(GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size())));
  return fs::path(buffer);
#else
  return fs::read_symlink("/proc/self/exe");
#endif
}

// The arguments as the product's programs see them: on Windows the command
// line is read by their own rule, not the C runtime's.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> words = tw::SplitParameters(tw::Narrow(GetCommandLineW()));
  if (!words.empty()) words.erase(words.begin());
  return words;
#else
  return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
#endif
}

class Failure : public std::runtime_error {
 public:
  Failure(int code, const std::string& message) : std::runtime_error(message), code(code) {}
  int code;
};

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return Lower(text.substr(0, prefix.size())) == Lower(prefix);
}

void PutCopyOfSelf(const fs::path& folder, const std::string& name) {
  const fs::path target = folder / tw::PathFromUtf8(name);
  // Copied beside and renamed over, so a copy that is running is replaced too.
  const fs::path fresh = folder / tw::PathFromUtf8(name + ".new");
  fs::copy_file(OwnFile(), fresh, fs::copy_options::overwrite_existing);
  fs::permissions(fresh, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add);
  fs::rename(fresh, target);
}

void Install(const std::vector<std::string>& arguments) {
  std::optional<std::string> folder;
  bool silent = false;
  bool components = false;
  for (const std::string& argument : arguments) {
    if (StartsWithNoCase(argument, "/COMPONENTS="))
      components = true;
    else if (StartsWithNoCase(argument, "/DIR="))
      folder = argument.substr(5);
    else if (Lower(argument) == "/silent")
      silent = true;
    else
      throw Failure(2, "unknown argument: " + argument);
  }
  if (!folder || folder->empty()) throw Failure(2, "no installation folder given with /DIR=");
  if (!components) throw Failure(2, "no components given with /COMPONENTS=");
  if (!silent) throw Failure(2, "only unattended installation with /SILENT is possible");

  tw::ForceDirectories(*folder);
  const fs::path path = tw::PathFromUtf8(*folder);
  fs::create_directory(path / "Data");
  PutCopyOfSelf(path, "Renovo.exe");
  PutCopyOfSelf(path, "README.EXE");
  if (const auto registry = tw::OpenCurrentUserRegistry())
    registry->SetString(std::string(tw::keys::kProductKey) + "\\" + tw::keys::kGeneralSection,
                        tw::keys::kTellwickDirectory, *folder);
}

void CreateDatabase(const std::vector<std::string>& arguments) {
  if (arguments.size() != 2 || Lower(arguments[0]) != "/silent")
    throw Failure(2, "expected the arguments /SILENT and the data folder");
  const std::string& folder = arguments[1];
  if (!tw::DirectoryExists(folder)) throw Failure(3, "the data folder " + folder + " does not exist");
  const fs::path database = tw::PathFromUtf8(folder) / "Tellwick.db";
  const bool upgrade = fs::exists(database);
  std::ofstream out(database, std::ios::app);
  out << (upgrade ? "upgraded\n" : "Tellwick database\n");
  if (!out.flush()) throw Failure(4, "cannot write " + tw::PathToUtf8(database));
}

void AppendToLog(const std::string& role, const std::vector<std::string>& arguments) {
  std::string line = role;
  for (const std::string& argument : arguments) line += " [" + argument + "]";
  line += '\n';
  const fs::path log =
      tw::PathFromUtf8(Environment("TELLWICK_SIM_LOG").value_or(tw::ProgramFolder() + "product-sim.log"));
  std::ofstream out(log, std::ios::app | std::ios::binary);
  out << line << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = Lower(tw::PathToUtf8(OwnFile().filename()));
  const std::string role = name.find("setup") != std::string::npos ? "installer"
                           : name.starts_with("renovo")            ? "database"
                           : name.starts_with("readme")            ? "readme"
                                                                   : "program";
  const std::vector<std::string> arguments = Arguments(argc, argv);

  if (const auto sleep = Environment("TELLWICK_SIM_SLEEP_MS"))
    std::this_thread::sleep_for(std::chrono::milliseconds(std::strtol(sleep->c_str(), nullptr, 10)));

  int code = 0;
  if (const auto forced = Environment("TELLWICK_SIM_EXIT")) {
    code = static_cast<int>(std::strtol(forced->c_str(), nullptr, 10));
  } else {
    try {
      if (role == "installer") Install(arguments);
      if (role == "database") CreateDatabase(arguments);
    } catch (const Failure& failure) {
      std::cerr << name << ": " << failure.what() << '\n';
      code = failure.code;
    } catch (const std::exception& error) {
      std::cerr << name << ": " << error.what() << '\n';
      code = 1;
    }
  }
  // Written last, so a line in the log also shows the run has ended.
  AppendToLog(role, arguments);
  return code;
}
