// The code-page conversion: plain ASCII passes through both ways byte for byte (NUL and control
// characters included); other characters are converted.
#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Cp1252, AsciiPassesThroughUnchanged)
{
    const std::string ascii("Licht\0Flur\r\n\x01\x7F", 15);
    EXPECT_EQ(platform::Utf8ToCp1252(ascii), ascii);
    EXPECT_EQ(platform::Cp1252ToUtf8(ascii), ascii);
    EXPECT_EQ(platform::Utf8ToCp1252(""), "");
}

TEST(Cp1252, OtherCharactersAreConverted)
{
    EXPECT_EQ(platform::Utf8ToCp1252("T\xC3\xBCr \xE2\x82\xAC"), "T\xFCr \x80");
    EXPECT_EQ(platform::Cp1252ToUtf8("T\xFCr \x80"), "T\xC3\xBCr \xE2\x82\xAC");
    EXPECT_EQ(platform::Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // not in the code page
}

TEST(Cp1252, TextThatIsNoUtf8IsTakenAsItStands)
{
    EXPECT_EQ(platform::Utf8ToCp1252("K\xFC" "che \x80"), "K\xFC" "che \x80");
    EXPECT_EQ(platform::Utf8ToCp1252("cut \xC3"), "cut \xC3");
}

} // namespace
