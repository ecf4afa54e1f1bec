#include <gtest/gtest.h>

#include "platform/shares.h"
#include "wizard/command_lines.h"

namespace tw {
namespace {

struct NameCase {
  const char* hostName;
  const char* computerName;
  const char* address;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << '"' << c.hostName << '"'; }

class ComputerNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ComputerNameTest, HostNameGivesNameAndAddress) {
  const NameCase& c = GetParam();
  const std::string name = ComputerNameFromHostName(c.hostName);
  EXPECT_EQ(name, c.computerName);
  EXPECT_EQ(DataFolderNetworkAddress(name), c.address);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ComputerNameTest,
    ::testing::Values(NameCase{"RECEPTION", "RECEPTION", R"(\\RECEPTION\TellwickData)"},
                      NameCase{"reception.office.example", "RECEPTION", R"(\\RECEPTION\TellwickData)"},
                      NameCase{"front-desk-2", "FRONT-DESK-2", R"(\\FRONT-DESK-2\TellwickData)"},
                      // No name: the address keeps its two leading backslashes.
                      NameCase{"", "", R"(\\\TellwickData)"}, NameCase{".office.example", "", R"(\\\TellwickData)"},
                      // Cut to 15 after the domain is dropped, never before.
                      NameCase{"accounts-workstation-7.example", "ACCOUNTS-WORKST",
                               R"(\\ACCOUNTS-WORKST\TellwickData)"},
                      NameCase{"abcdefghijklmno", "ABCDEFGHIJKLMNO", R"(\\ABCDEFGHIJKLMNO\TellwickData)"},
                      NameCase{"abcdefghijklmnop", "ABCDEFGHIJKLMNO", R"(\\ABCDEFGHIJKLMNO\TellwickData)"},
                      NameCase{"short.a-very-long-domain-name.example", "SHORT", R"(\\SHORT\TellwickData)"}));

TEST(ComputerName, ThisComputersNameFitsTheAddress) {
  const std::string name = ReadComputerName();
  EXPECT_LE(name.size(), 15u);
  EXPECT_EQ(name.find('.'), std::string::npos);
  for (char c : name) EXPECT_FALSE(c >= 'a' && c <= 'z') << name;
}

}  // namespace
}  // namespace tw
