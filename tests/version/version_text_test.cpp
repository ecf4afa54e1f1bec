#include "app/version_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(FormatVersionText, KeepsMajorAndAtLeastTwoMinorDigits) {
  struct Case {
    const char* fileVersion;
    const char* shortVersion;
  };
  const Case cases[] = {
      {"1.0.0.0", "1.00"},
      {"4.12.3.7", "4.12"},
      {"2.5.0.1", "2.05"},
      {"3.123.0.0", "3.123"},  // a longer minor part is not cut
      {"1..0.0", "1.00"},      // an empty minor part
      {"10.42.0.0", "10.42"},  // exactly two characters stay as they are
      {"7.1", "7.01"},         // no second dot: the minor part runs to the end
      {"5.x.y.z", "5.0x"},     // parts are text, not numbers
      {"Value Not Available", "Value Not Available"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatVersionText(c.fileVersion), c.shortVersion) << c.fileVersion;
}

TEST(PadLeft, FillsOnlyUpToTheWidth) {
  struct Case {
    const char* text;
    std::size_t width;
    char fill;
    const char* padded;
  };
  const Case cases[] = {
      {"5", 2, '0', "05"},    {"", 2, '0', "00"},      {"12", 2, '0', "12"},
      {"123", 2, '0', "123"}, {"ab", 5, '*', "***ab"}, {"x", 0, '0', "x"},
  };
  for (const Case& c : cases) EXPECT_EQ(PadLeft(c.text, c.width, c.fill), c.padded) << c.text << "/" << c.width;
}

}  // namespace
}  // namespace tw
