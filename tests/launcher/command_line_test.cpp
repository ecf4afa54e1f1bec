#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct SplitCase {
  const char* text;
  std::vector<std::string> words;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.text; }

class SplitParametersTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitParametersTest, SplitsLikeTheProductsPrograms) {
  EXPECT_EQ(SplitParameters(GetParam().text), GetParam().words) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitParametersTest,
    testing::Values(SplitCase{"", {}}, SplitCase{"  \t ", {}},
                    // A quoted folder ending in a backslash: the backslash is kept and the
                    // quote still closes the group.
                    SplitCase{R"(/DIR="C:\X\" /SILENT)", {R"(/DIR=C:\X\)", "/SILENT"}},
                    SplitCase{R"("/SILENT" "/data/x y")", {"/SILENT", "/data/x y"}},
                    SplitCase{R"("/SILENT" "\\SERVER\Apps\Tellwick\Data")",
                              {"/SILENT", R"(\\SERVER\Apps\Tellwick\Data)"}},
                    SplitCase{R"(/COMPONENTS="Tellwick,Linkmate" /DIR="C:\Program Files\Tellwick" /SILENT)",
                              {"/COMPONENTS=Tellwick,Linkmate", R"(/DIR=C:\Program Files\Tellwick)", "/SILENT"}},
                    SplitCase{"  a\t\tb   c  ", {"a", "b", "c"}},
                    // Quotes group wherever they stand inside a word.
                    SplitCase{R"(a"b c"d e)", {"ab cd", "e"}}, SplitCase{R"(x "" y)", {"x", "", "y"}},
                    SplitCase{R"(\"a b\")", {R"(\a b\)"}},
                    // An unclosed quote groups to the end.
                    SplitCase{R"(/DIR="/tmp/open end)", {"/DIR=/tmp/open end"}},
                    SplitCase{"/DIR=\"/home/jürgen/Données Ω\" /SILENT", {"/DIR=/home/jürgen/Données Ω", "/SILENT"}},
                    // Only blanks separate; other characters a shell treats specially are text.
                    SplitCase{"a;b|c $HOME 'd e' `f`", {"a;b|c", "$HOME", "'d", "e'", "`f`"}}));

}  // namespace
}  // namespace tw
