#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/errors.h"
#include "platform/shares.h"
#include "platform/win32/wide.h"
#include "wizard/command_lines.h"

namespace tw {
namespace {

using ::testing::HasSubstr;

TEST(WindowsShares, FailureToShareReachesTheCaller) {
  // Wine has no share service behind NetShareAdd; on Windows without
  // administrator rights the call is refused as well.
  const auto shares = CreateShareService();
  const std::string name(kDataShareName);
  shares->DeleteShare(name);
  try {
    shares->AddShare({"C:\\windows\\temp", name, std::string(kDataShareRemark)});
    ADD_FAILURE() << "the share was created";
  } catch (const PlatformError& error) {
    EXPECT_THAT(error.what(), HasSubstr("(error "));
    EXPECT_THAT(error.what(),
                ::testing::AnyOf(HasSubstr("network sharing service refused"), HasSubstr("needs an administrator")));
  }
}

TEST(WindowsShares, ComputerNameIsTheSystems) {
  wchar_t variable[64] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"COMPUTERNAME", variable, 64), 0u);
  EXPECT_EQ(ReadComputerName(), Narrow(variable));
}

}  // namespace
}  // namespace tw
