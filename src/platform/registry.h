#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tw {

// The current user's registry hive. Key paths are relative to the hive root,
// with "\" between their parts ("Software\Orvane\Tellwick\General").
class Registry {
 public:
  enum class ValueType { String, ExpandString, Other };
  struct Value {
    ValueType type;
    std::string text;  // the text of a string value; empty for other types
  };

  virtual ~Registry() = default;

  // Opens the key with full access, creating it and its parents when
  // missing. Throws PlatformError "Failed to create key %s".
  virtual void CreateKey(const std::string& key) = 0;

  // The value, or nothing when the key or the value does not exist. Never
  // creates anything.
  virtual std::optional<Value> QueryValue(const std::string& key, const std::string& name) = 0;

  // Writes a plain string value, creating the key when missing. Throws
  // PlatformError "Failed to create key %s" or "Failed to set data for '%s'".
  virtual void SetString(const std::string& key, const std::string& name, const std::string& value) = 0;
};

// The backend of this platform: the system registry on Windows; elsewhere the
// .reg text file at ${XDG_CONFIG_HOME:-$HOME/.config}/tellwick/hkcu.reg.
std::unique_ptr<Registry> OpenCurrentUserRegistry();

}  // namespace tw
