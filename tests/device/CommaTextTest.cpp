#include "device/CommaText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
    std::string text;
    Fields fields;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class SplitCommaTextTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommaTextTest, Splits)
{
    EXPECT_EQ(SplitCommaText(GetParam().text), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommaTextTest,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"   ", {}}, SplitCase{"a,b", {"a", "b"}},
                      SplitCase{"a,", {"a", ""}}, SplitCase{",,", {"", "", ""}},
                      SplitCase{"a, ", {"a"}},                   // a comma followed by blanks adds nothing
                      SplitCase{"  a  ,  b  ", {"a", "b"}},     // blanks around fields are skipped
                      SplitCase{"a b,c", {"a", "b", "c"}},      // a blank ends an unquoted field
                      SplitCase{"a\tb", {"a", "b"}},
                      SplitCase{"\"a b\",c", {"a b", "c"}},
                      SplitCase{"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                      SplitCase{"\"a,b\"", {"a,b"}},
                      SplitCase{"\"open", {"open"}},             // an unclosed quote runs to the end
                      SplitCase{"\"\"\"\"\"\"", {"\"\""}},
                      SplitCase{std::string("a,b\0,c", 6), {"a", "b"}}));

TEST(JoinCommaTextTest, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(JoinCommaText({"a", "", "b c", "x,y", "q\"q", "\x01", "\xE4"}),
              "a,,\"b c\",\"x,y\",\"q\"\"q\",\"\x01\",\xE4");
}

TEST(JoinCommaTextTest, RoundTripsAwkwardFields)
{
    const Fields fields = {"", "a b", " lead", "trail ", "\"", ",", "\"\"", "x", ""};
    // A leading empty field survives only because a field follows; a trailing one via its comma.
    EXPECT_EQ(SplitCommaText(JoinCommaText(fields)), fields);
}

} // namespace
