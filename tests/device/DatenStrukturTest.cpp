#include "device/DatenStruktur.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const std::string kDefaultLine =
    "0,\"\"\"\"\"\",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,false,false,false,false,false,"
    "false,false,false,false,,,,,,Ende";

const std::string kRaumLine =
    "12,\"Raum 1\",6581,3,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,false,false,false,false,false,false,"
    "false,false,false,false,,,,,,Ende";

// A line of n fields: Handle 7, Name N, the rest zeros.
std::string LineOfFields(int n)
{
    std::string line = "7,N";
    for (int i = 3; i <= n; ++i)
        line += ",0";
    return line;
}

TEST(DatenStrukturTest, WritesTheRecordLinesByteForByte)
{
    TDatenStruktur raum;
    raum.Handle = 12;
    raum.Name = "Raum 1";
    raum.Typ = 6581;
    raum.Parent = 3;
    raum.System = 1;
    EXPECT_EQ(raum.ToString(), kRaumLine);
    EXPECT_EQ(TDatenStruktur().ToString(), kDefaultLine);
}

TEST(DatenStrukturTest, LineBreaksAndNulInTextsAreWrittenAsBlanks)
{
    TDatenStruktur record;
    record.Handle = 3;
    record.Name = std::string("a\r\nb\0c", 6);
    record.String2 = "x\ry";
    record.String5 = std::string("\n\0", 2);
    const std::string line = record.ToString();
    EXPECT_EQ(line.find_first_of(std::string("\r\n\0", 3)), std::string::npos);

    TDatenStruktur back;
    back.Fill(line);
    EXPECT_EQ(back.Name, "a  b c");
    EXPECT_EQ(back.String2, "x y");
    EXPECT_EQ(back.String5, "  ");
}

TEST(DatenStrukturTest, EveryOtherByteOfATextReadsBackByteForByte)
{
    std::string text;
    for (int c = 1; c <= 0xFF; ++c)
        if (c != '\r' && c != '\n')
            text += static_cast<char>(c);
    TDatenStruktur record;
    record.Name = text;
    record.String1 = "</DB>";
    record.String4 = "\"" + text + "\"";
    TDatenStruktur back;
    back.Fill(record.ToString());
    EXPECT_EQ(back.Name, text);
    EXPECT_EQ(back.String1, "</DB>");
    EXPECT_EQ(back.String4, record.String4);
}

TEST(DatenStrukturTest, DefaultRecordReadsBackWithQuotedEmptyName)
{
    TDatenStruktur read;
    read.Fill(kDefaultLine);
    EXPECT_EQ(read.Name, "\"\"");
    EXPECT_EQ(read.ToString(), kDefaultLine);
}

TEST(DatenStrukturTest, EveryFieldSurvivesARoundTrip)
{
    TDatenStruktur r;
    r.Handle = -5;
    r.Name = "a, \"b\" c";
    r.Typ = -2;
    r.Parent = 2147483647;
    r.System = -2147483647 - 1;
    r.Next = 9;
    for (int i = 1; i <= TDatenStruktur::ParamCount; ++i)
        r.ParamAt(i) = i * 1000 - 7;
    for (int i = 1; i <= TDatenStruktur::BoolCount; ++i)
        r.BoolAt(i) = i % 3 == 0;
    r.String1 = "x,y";
    r.String2 = " leading and trailing ";
    r.String3 = "\"\"";
    r.String4 = "\xC4nderung"; // 1252 bytes pass unchanged
    r.String5 = "last";

    TDatenStruktur read;
    read.Fill(r.ToString());
    EXPECT_EQ(read.ToString(), r.ToString());
    EXPECT_EQ(read.Name, r.Name);
    EXPECT_EQ(read.String2, r.String2);
    EXPECT_EQ(read.String5, "last");
    EXPECT_EQ(read.Param19, 18993);
    EXPECT_TRUE(read.Bool9);
    EXPECT_FALSE(read.Bool10);
}

struct FillCase {
    const char* title;
    std::string line;
    int typ;
    bool bool1;
    std::int32_t param1;
    friend void PrintTo(const FillCase& c, std::ostream* os) { *os << c.title; }
};

class FillConversionTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillConversionTest, ConvertsColumns)
{
    TDatenStruktur r;
    r.Fill(GetParam().line);
    EXPECT_EQ(r.Typ, GetParam().typ);
    EXPECT_EQ(r.Bool1, GetParam().bool1);
    EXPECT_EQ(r.Param1, GetParam().param1);
}

std::string WithColumns(const std::string& typ, const std::string& param1, const std::string& bool1)
{
    return "1,N," + typ + ",0,0,0," + param1 +
           ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0," + bool1 + ",false,false,false,false,false,false,false,false,false,,,,,,Ende";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillConversionTest,
    ::testing::Values(FillCase{"typ wraps to 16 bits", WithColumns("70000", "0", "false"), 4464, false, 0},
                      FillCase{"typ 65535 is -1", WithColumns("65535", "0", "false"), -1, false, 0},
                      FillCase{"TRUE is true", WithColumns("1", "0", "TRUE"), 1, true, 0},
                      FillCase{"True is false", WithColumns("1", "0", "True"), 1, false, 0},
                      FillCase{"not a number is 0", WithColumns("x", "12a", "true"), 0, true, 0},
                      FillCase{"negative", WithColumns("-3", "-42", "false"), -3, false, -42},
                      FillCase{"beyond 32 bits is 0", WithColumns("1", "4294967296", "false"), 1, false, 0}));

TEST(DatenStrukturTest, TypWrittenBackAsSigned)
{
    TDatenStruktur r;
    r.Fill(WithColumns("65535", "0", "TRUE"));
    EXPECT_EQ(r.ToString().substr(0, 8), "1,N,-1,0");
    EXPECT_NE(r.ToString().find(",true,"), std::string::npos);
}

TEST(DatenStrukturTest, AcceptsThirtyNineFortyAndMoreFields)
{
    TDatenStruktur r;
    r.String5 = "old";
    r.Fill(LineOfFields(39));
    EXPECT_EQ(r.Handle, 7);
    EXPECT_EQ(r.String5, "");

    TDatenStruktur forty;
    forty.Fill(LineOfFields(40));
    TDatenStruktur withMark;
    withMark.Fill(LineOfFields(40) + ",anything,extra,fields");
    EXPECT_EQ(forty.ToString(), withMark.ToString());
}

struct ShortLineCase {
    std::string line;
    std::string message;
    friend void PrintTo(const ShortLineCase& c, std::ostream* os) { *os << '"' << c.line.substr(0, 12) << '"'; }
};

class ShortLineTest : public ::testing::TestWithParam<ShortLineCase> {};

TEST_P(ShortLineTest, ThrowsAndKeepsFormerValues)
{
    TDatenStruktur r;
    r.Handle = 99;
    r.Name = "kept";
    try {
        r.Fill(GetParam().line);
        FAIL() << "no exception";
    } catch (const E_DatenStruktur& e) {
        EXPECT_EQ(e.Message, GetParam().message);
    }
    EXPECT_EQ(r.Handle, 99);
    EXPECT_EQ(r.Name, "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShortLineTest,
    ::testing::Values(ShortLineCase{"", ""},
                      ShortLineCase{"15", "TDatenStruktur::Fill(String Datensatz)\nHandle: 15"},
                      ShortLineCase{LineOfFields(38), "TDatenStruktur::Fill(String Datensatz)\nHandle: 7\nName  : N"}));

TEST(DatenStrukturTest, EqualsOperationsCompareNamedFields)
{
    TDatenStruktur r;
    r.Typ = 6581;
    r.Param4 = 3;
    r.Name = "Zone";
    r.String4 = "s4";
    r.Bool10 = true;
    EXPECT_TRUE(r.EqualsInt("Typ", 6581));
    EXPECT_TRUE(r.EqualsInt("Param4", 3));
    EXPECT_FALSE(r.EqualsInt("Param4", 4));
    EXPECT_TRUE(r.EqualsTyp("Typ", 6581));
    EXPECT_TRUE(r.EqualsString("Name", "Zone"));
    EXPECT_TRUE(r.EqualsString("String4", "s4"));
    EXPECT_TRUE(r.EqualsBool("Bool10", true));

    TDatenStruktur negative;
    negative.Typ = -1;
    EXPECT_TRUE(negative.EqualsInt("Typ", -1));
    EXPECT_FALSE(negative.EqualsInt("Typ", 65535));
}

struct UnknownFieldCase {
    const char* operation;
    std::string field;
    friend void PrintTo(const UnknownFieldCase& c, std::ostream* os) { *os << c.operation << ' ' << c.field; }
};

class UnknownFieldTest : public ::testing::TestWithParam<UnknownFieldCase> {};

TEST_P(UnknownFieldTest, ThrowsNamingTheField)
{
    const TDatenStruktur r;
    const std::string op = GetParam().operation;
    const std::string& field = GetParam().field;
    try {
        if (op == "EqualsString")
            r.EqualsString(field, "");
        else if (op == "EqualsInt")
            r.EqualsInt(field, 0);
        else if (op == "EqualsTyp")
            r.EqualsTyp(field, 0);
        else if (op == "EqualsBool")
            r.EqualsBool(field, false);
        else
        {
            const TSortDaten<TDatenStruktur>::sort_daten byField(field);
            byField(r, r);
        }
        FAIL() << "no exception";
    } catch (const E_DatenStruktur& e) {
        EXPECT_EQ(e.Message, "Feld nicht vorhanden: " + field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnknownFieldTest,
    ::testing::Values(UnknownFieldCase{"EqualsTyp", "Handle"}, UnknownFieldCase{"EqualsString", "String5"},
                      UnknownFieldCase{"EqualsString", "Bool1"}, UnknownFieldCase{"EqualsString", "name"},
                      UnknownFieldCase{"EqualsInt", "Param20"}, UnknownFieldCase{"EqualsInt", "Param0"},
                      UnknownFieldCase{"EqualsInt", "Param01"}, UnknownFieldCase{"EqualsInt", "Name"},
                      UnknownFieldCase{"EqualsBool", "Bool11"}, UnknownFieldCase{"Sort", "String5"},
                      UnknownFieldCase{"Sort", "Bool1"}, UnknownFieldCase{"Sort", "Typo"}));

TEST(SortDatenTest, ComparesTextsAsUnsignedBytes)
{
    const TSortDaten<TDatenStruktur>::sort_daten byName("Name");
    TDatenStruktur a, b;
    a.Name = "Raum 10";
    b.Name = "Raum 2";
    EXPECT_TRUE(byName(a, b));
    a.Name = "Zone";
    b.Name = "raum";
    EXPECT_TRUE(byName(a, b));
    a.Name = "Raum";
    b.Name = "Raum 1";
    EXPECT_TRUE(byName(a, b));
    EXPECT_FALSE(byName(b, a));
    a.Name = "z";
    b.Name = "\xE4"; // above 127 sorts after ASCII
    EXPECT_TRUE(byName(a, b));
}

TEST(SortDatenTest, ComparesTypAsSigned16Bit)
{
    const TSortDaten<TDatenStruktur>::sort_daten byTyp("Typ");
    TDatenStruktur a, b;
    a.Typ = -1;
    b.Typ = 806;
    EXPECT_TRUE(byTyp(a, b));
}

TEST(DatenStrukturTest, HeaderAndCommentLines)
{
    const TDatenStruktur r;
    EXPECT_EQ(r.GetHeaderLine(),
              "#Handle,Name,Typ,Parent,System,Next,Param1,Param2,Param3,Param4,Param5,Param6,Param7,Param8,Param9,"
              "Param10,Param11,Param12,Param13,Param14,Param15,Param16,Param17,Param18,Param19,Bool1,Bool2,Bool3,"
              "Bool4,Bool5,Bool6,Bool7,Bool8,Bool9,Bool10,String1,String2,String3,String4,String5,Endekennung");
    EXPECT_EQ(r.GetCommentLine(), "#Kestrow Elektronik GmbH");
}

} // namespace
