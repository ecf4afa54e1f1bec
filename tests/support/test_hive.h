#pragma once

#include <memory>
#include <string>

#include "platform/registry.h"

namespace tw::test {

// A folder of its own below the system's temporary folder, removed with
// everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const;  // a name inside the folder

 private:
  std::string path_;
};

std::string ReadText(const std::string& file);  // empty when the file is missing
void WriteText(const std::string& file, const std::string& text);

// A registry hive for one test: on Windows a key of its own in the current
// user's hive, deleted afterwards; elsewhere a .reg file in a scratch folder.
// Tests work below Root().
class TestHive {
 public:
  enum class Kind { String, ExpandString, Dword, Binary };
  struct Planted {
    std::string key;  // below Root()
    std::string name;
    Kind kind;
    std::string data;  // the text, the bytes of a binary value, or a dword in decimal
  };

  TestHive();
  ~TestHive();
  TestHive(const TestHive&) = delete;
  TestHive& operator=(const TestHive&) = delete;

  Registry& registry() { return *registry_; }
  const std::string& Root() const { return root_; }
  std::string Below(const std::string& key) const { return key.empty() ? root_ : root_ + "\\" + key; }

  // Puts a value there the way another program would.
  void Plant(const Planted& value);
  // Whether the value is still there with its type and data.
  bool Holds(const Planted& value) const;
  bool KeyExists(const std::string& key) const;

#ifndef _WIN32
  const std::string& File() const { return file_; }  // the hive's file
#endif

 private:
#ifndef _WIN32
  ScratchFolder folder_;
  std::string file_;
#endif
  std::string root_;
  std::unique_ptr<Registry> registry_;
};

}  // namespace tw::test
