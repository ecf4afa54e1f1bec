#include "platform/shares.h"

namespace tw {

std::string ComputerNameFromHostName(std::string_view hostName) {
  // A NetBIOS name has at most 15 characters; the 16th byte is its type.
  constexpr size_t kMaxLength = 15;
  std::string name(hostName.substr(0, hostName.find('.')));
  if (name.size() > kMaxLength) name.resize(kMaxLength);
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return name;
}

}  // namespace tw
