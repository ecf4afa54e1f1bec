// The stand-in must do what the product's programs do for the wizard, or the
// window tests that walk through a set-up would prove nothing.
#include "support/product_sim.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "launcher/stand_in_fixture.h"
#include "platform/folders.h"
#include "platform/programs.h"
#include "platform/registry.h"
#include "support/test_hive.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tw {
namespace {

namespace fs = std::filesystem;
using simtest::ReadLines;
using simtest::ScopedEnvironment;
using simtest::StageProductSim;

class ProductSimTest : public simtest::StandInTest {
 protected:
  ScopedEnvironment ownConfig{"XDG_CONFIG_HOME", folder.File("config")};

  int Run(const std::string& program, const std::string& parameters) {
    return starter->Start(program, parameters)->WaitForExit();
  }
};

TEST_F(ProductSimTest, TheInstallerPutsRunnableProgramsIntoANewFolder) {
  const std::string installer = StageProductSim(folder.Path(), "TELLWICK4SETUP.EXE");
  const std::string target = simtest::Join(folder.File("Programme Ω"), "Tellwick");
  ASSERT_EQ(Run(installer, R"(/COMPONENTS="Tellwick,Linkmate" /DIR=")" + target + R"(" /SILENT)"), 0);

  const std::string data = folder.File("Data");
  fs::create_directory(PathFromUtf8(data));
  EXPECT_EQ(Run(WithTrailingSeparator(target) + "Renovo.exe", R"("/SILENT" ")" + data + "\""), 0);
  EXPECT_TRUE(fs::is_regular_file(PathFromUtf8(data) / "Tellwick.db"));
  EXPECT_EQ(Run(WithTrailingSeparator(target) + "README.EXE", ""), 0);
  EXPECT_EQ(ReadLines(log), (std::vector<std::string>{
                                "installer [/COMPONENTS=Tellwick,Linkmate] [/DIR=" + target + "] [/SILENT]",
                                "database [/SILENT] [" + data + "]",
                                "readme",
                            }));
}

#ifdef _WIN32
// The installer writes the user's real hive; the value is taken out before and after.
void ForgetTellwickDirectory() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Orvane\\Tellwick\\General", L"TellwickDirectory");
}
#else
void ForgetTellwickDirectory() {}  // the hive is a file in the test's own folder
#endif

TEST_F(ProductSimTest, TheInstallerRecordsItsFolderInTheRegistry) {
  ForgetTellwickDirectory();
  const std::string target = folder.File("Tellwick");
  const int exitCode = Run(StageProductSim(folder.Path(), "Tellwick4Setup.exe"),
                           R"(/COMPONENTS="Tellwick" /DIR=")" + target + R"(" /SILENT)");
  const auto value = OpenCurrentUserRegistry()->QueryValue("Software\\Orvane\\Tellwick\\General", "TellwickDirectory");
  ForgetTellwickDirectory();
  EXPECT_EQ(exitCode, 0);
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, Registry::ValueType::String);
  EXPECT_EQ(value->text, target);
}

struct FailureCase {
  const char* what;
  const char* program;
  std::string parameters;
  int exitCode;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.what; }

class ProductSimFailureTest : public ProductSimTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(ProductSimFailureTest, AWrongRunEndsWithAnExitCodeOtherThanZero) {
  const std::string existing = folder.Path();
  std::string parameters = GetParam().parameters;
  if (const size_t at = parameters.find("<folder>"); at != std::string::npos) parameters.replace(at, 8, existing);
  EXPECT_EQ(Run(StageProductSim(folder.Path(), GetParam().program), parameters), GetParam().exitCode);
  EXPECT_FALSE(fs::exists(PathFromUtf8(folder.File("Tellwick.db"))));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ProductSimFailureTest,
    testing::Values(FailureCase{"database without its data folder", "Renovo.exe", R"("/SILENT" "<folder>/gone")", 3},
                    FailureCase{"database without /SILENT", "Renovo.exe", R"("<folder>")", 2},
                    FailureCase{"database with a third argument", "Renovo.exe", R"("/SILENT" "<folder>" x)", 2},
                    FailureCase{"installer without /DIR", "Tellwick4Setup.exe", R"(/COMPONENTS="Tellwick" /SILENT)", 2},
                    FailureCase{"installer asked to show questions", "Tellwick4Setup.exe",
                                R"(/COMPONENTS="Tellwick" /DIR="<folder>")", 2},
                    FailureCase{"installer with an unknown switch", "Tellwick4Setup.exe",
                                R"(/COMPONENTS="Tellwick" /DIR="<folder>" /SILENT /VERYSILENT)", 2}));

}  // namespace
}  // namespace tw
