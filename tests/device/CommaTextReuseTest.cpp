// Splitting into fields whose strings are reused gives what a fresh split gives, whatever the
// fields held before.
#include "device/CommaText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommaTextReuse, FieldsOfAFormerLineLeaveNothingBehind)
{
    std::vector<std::string> fields;
    SplitCommaText("\"a long first field with a comma, and \"\"quotes\"\"\",2,3,4,5,6", fields);
    ASSERT_EQ(fields.size(), 6u);
    for (const std::string line : {"x,\"y\"", "", "  ", "1,", ",,", "\"open", "\"\"\"\",a b", "\"a\"\"b\"c,d"}) {
        SplitCommaText(line, fields);
        EXPECT_EQ(fields, SplitCommaText(line)) << line;
    }
}

TEST(CommaTextReuse, AQuotedFieldRunsToItsClosingQuote)
{
    EXPECT_EQ(SplitCommaText("\"a,b\"\"c\"\"\",d"), (std::vector<std::string>{"a,b\"c\"", "d"}));
    EXPECT_EQ(SplitCommaText("\"no end, at all"), (std::vector<std::string>{"no end, at all"}));
    EXPECT_EQ(SplitCommaText("\"ab\"cd,e"), (std::vector<std::string>{"ab", "cd", "e"}));
}

} // namespace
