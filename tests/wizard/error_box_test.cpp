#include <gtest/gtest.h>

#include "platform/qt/message_boxes.h"

namespace tw {
namespace {

// The default error box ends a text with a full stop only when its last
// character sorts after ".": quotes, brackets and full stops stay as they are.
TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  };
  for (const Case& c : {
           Case{"Unable to write to /srv/tw/TELLWICK.INI", "Unable to write to /srv/tw/TELLWICK.INI."},
           Case{"Invalid data type for 'DataDirectory'", "Invalid data type for 'DataDirectory'"},
           Case{"Failed to create key Software\\Orvane\\Tellwick\\General",
                "Failed to create key Software\\Orvane\\Tellwick\\General."},
           Case{"ended with exit code 2", "ended with exit code 2."},
           Case{"Already a sentence.", "Already a sentence."},
           Case{"(in brackets)", "(in brackets)"},
           Case{"", ""},
       })
    EXPECT_EQ(ErrorBoxText(QString::fromUtf8(c.message)).toStdString(), c.shown) << c.message;
}

}  // namespace
}  // namespace tw
