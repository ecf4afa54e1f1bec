#include "support/product_sim.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/folders.h"

#ifdef _WIN32
#include "platform/win32/wide.h"
#endif

namespace tw::simtest {

namespace fs = std::filesystem;

std::string ProductSimFile() {
#ifdef _WIN32
  return ProgramFolder() + "product-sim.exe";
#else
  return ProgramFolder() + "product-sim";
#endif
}

std::string Join(const std::string& folder, const std::string& name) {
  return PathToUtf8(PathFromUtf8(folder) / PathFromUtf8(name));
}

std::string StageProductSim(const std::string& folder, const std::string& name) {
  const fs::path target = PathFromUtf8(folder) / PathFromUtf8(name);
  fs::create_directories(PathFromUtf8(folder));
  fs::copy_file(PathFromUtf8(ProductSimFile()), target, fs::copy_options::overwrite_existing);
  fs::permissions(target, fs::perms::owner_all, fs::perm_options::add);
  return PathToUtf8(target);
}

std::optional<std::string> GetEnvironment(const std::string& name) {
#ifdef _WIN32
  const std::wstring wideName = Widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
  return Narrow(value);
#else
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
#endif
}

namespace {
void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  SetEnvironmentVariableW(Widen(name).c_str(), value ? Widen(*value).c_str() : nullptr);
#else
  if (value)
    ::setenv(name.c_str(), value->c_str(), 1);
  else
    ::unsetenv(name.c_str());
#endif
}
}  // namespace

ScopedEnvironment::ScopedEnvironment(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)), old_(GetEnvironment(name_)) {
  SetEnvironment(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironment(name_, old_); }

std::vector<std::string> ReadLines(const std::string& file) {
  std::vector<std::string> lines;
  std::ifstream in(PathFromUtf8(file), std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> WaitForLines(const std::string& file, size_t count, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::vector<std::string> lines = ReadLines(file);
  while (lines.size() < count && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    lines = ReadLines(file);
  }
  return lines;
}

}  // namespace tw::simtest
