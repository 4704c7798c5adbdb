#include "platform/RichText.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

QString Read(const std::string& rtf, QTextDocument& document)
{
    platform::ReadRtf(rtf, document);
    return document.toPlainText();
}

// The format of the character at the position of the document's text.
QTextCharFormat FormatAt(QTextDocument& document, int position)
{
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// The format of the first character of the text that starts with the given word.
QTextCharFormat FormatOf(QTextDocument& document, const QString& word)
{
    const int position = document.toPlainText().indexOf(word);
    EXPECT_GE(position, 0) << word.toStdString();
    return FormatAt(document, position);
}

struct TextCase {
    const char* name;
    std::string rtf;
    QString text;
};

class RichTextReadsText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RichTextReadsText, AsPlainText)
{
    QTextDocument document;
    EXPECT_EQ(Read(GetParam().rtf, document), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextReadsText,
    ::testing::Values(
        TextCase{"Paragraphs", "{\\rtf1\\ansi one\\par two\\par\r\nthree}", QStringLiteral("one\ntwo\nthree")},
        TextCase{"LineAndTab", "{\\rtf1 a\\line b\\tab c}", QStringLiteral("a\nb\tc")},
        TextCase{"Cp1252Escapes", "{\\rtf1 Gr\\'f6\\'dfe \\'80 \\'84x\\'93}",
                 QString::fromUtf8("Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC \xE2\x80\x9Ex\xE2\x80\x9C")},
        TextCase{"UnicodeSkipsOneByDefault", "{\\rtf1 \\u8364?x \\u-3851?}",
                 QString::fromUtf8("\xE2\x82\xACx \xEF\x83\xB5")},
        TextCase{"UnicodeSkipCount", "{\\rtf1\\uc2 \\u228ae!\\uc0 \\u246 o}", QString::fromUtf8("\xC3\xA4!\xC3\xB6o")},
        TextCase{"UnicodeSkipCountsAnEscape", "{\\rtf1 \\u252\\'fc!}", QString::fromUtf8("\xC3\xBC!")},
        TextCase{"UnicodeSkipCountEndsWithItsGroup", "{\\rtf1 {\\uc3 a}\\u252 bc}", QString::fromUtf8("a\xC3\xBC" "c")},
        TextCase{"EscapedSymbols", "{\\rtf1 \\{a\\}\\\\b}", QStringLiteral("{a}\\b")},
        TextCase{"NestedGroups", "{\\rtf1 a{b{c}d}e}", QStringLiteral("abcde")},
        TextCase{"SkippedDestinations",
                 "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s0 Normal;}}"
                 "{\\info{\\author me}}{\\*\\generator x;}{\\*\\unknown y}{\\pict\\bin3 }}}}z}",
                 QStringLiteral("z")},
        TextCase{"ControlWordDelimiterSpaceIsEaten", "{\\rtf1\\b  bold}", QStringLiteral(" bold")},
        TextCase{"UnknownWordsAreIgnored", "{\\rtf1\\qc\\sa120\\lang1031 text}", QStringLiteral("text")},
        TextCase{"Unclosed", "{\\rtf1 open{\\b group", QStringLiteral("opengroup")},
        TextCase{"TooManyClosingBraces", "{\\rtf1 a}}}b}", QStringLiteral("ab")},
        TextCase{"BackslashAtEnd", "{\\rtf1 a\\", QStringLiteral("a")},
        TextCase{"HalfAnEscape", "{\\rtf1 a\\'4", QString::fromUtf8("a\x04")},
        TextCase{"NotRtfIsPlainText", "plain \xE4 text\r\nline", QString::fromUtf8("plain \xC3\xA4 text\nline")}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// The document's characters as they stand (a no-break space stays one), paragraphs as '\n'.
QString RawText(const std::string& rtf)
{
    QTextDocument document;
    platform::ReadRtf(rtf, document);
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return text;
}

// What word processors write: text in the code page of the document or of the run's font,
// tables, and the special characters.
class RichTextReadsWordProcessorFiles : public ::testing::TestWithParam<TextCase> {};

TEST_P(RichTextReadsWordProcessorFiles, AsPlainText)
{
    EXPECT_EQ(RawText(GetParam().rtf), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RichTextReadsWordProcessorFiles,
    ::testing::Values(
        TextCase{"AnsiCodePage1250", "{\\rtf1\\ansi\\ansicpg1250\\deff0 \\'8elu\\'9dou\\'e8k\\'fd k\\'f9\\'f2}",
                 QStringLiteral("\u017Dlu\u0165ou\u010Dk\u00FD k\u016F\u0148")},
        TextCase{"AnsiCodePage1251", "{\\rtf1\\ansi\\ansicpg1251\\deff0 \\'d3\\'d5\\'c2\\'c0\\'cb\\'c0}",
                 QStringLiteral("\u0423\u0425\u0412\u0410\u041B\u0410")},
        TextCase{"AnsiCodePage874", "{\\rtf1\\ansi\\ansicpg874\\deff0 \\'c0\\'d2\\'c9\\'d2\\'e4\\'b7\\'c2}",
                 QStringLiteral("\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22")},
        TextCase{"AnsiCodePage936DoubleByte", "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 F;}}\\'d3\\'a1\\'cb\\'a2\\'c7\\'e9\\'bf\\'f6\\'b7\\'b4\\'d3\\'b3}",
                 QStringLiteral("\u5370\u5237\u60C5\u51B5\u53CD\u6620")},
        TextCase{"Charset77Mac", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset77 F;}}Gr\\'9f\\'a7e}",
                 QStringLiteral("Gr\u00FC\u00DFe")},
        TextCase{"Charset128ShiftJis", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}\\'93\\'fa\\'96\\{\\'8c\\'ea\\'83e\\'95\\\\}",
                 QStringLiteral("\u65E5\u672C\u8A9E\u30C6\u8868")},
        TextCase{"Charset129Hangul", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset129 F;}}\\'c7\\'d1\\'b1\\'b9\\'be\\'ee}",
                 QStringLiteral("\uD55C\uAD6D\uC5B4")},
        TextCase{"Charset134Gb2312", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 F;}}\\'d6\\'d0\\'ce\\'c4}",
                 QStringLiteral("\u4E2D\u6587")},
        TextCase{"Charset136Big5", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset136 F;}}\\'c1c\\'c5\\'e9\\'a4\\'a4\\'a4\\'e5}",
                 QStringLiteral("\u7E41\u9AD4\u4E2D\u6587")},
        TextCase{"Charset161Greek", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset161 F;}}\\'c5\\'eb\\'eb\\'e7\\'ed\\'e9\\'ea\\'dc}",
                 QStringLiteral("\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC")},
        TextCase{"Charset162Turkish", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset162 F;}}T\\'fcrk\\'e7e \\'f0\\'fd\\'fe}",
                 QStringLiteral("T\u00FCrk\u00E7e \u011F\u0131\u015F")},
        TextCase{"Charset177Hebrew", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset177 F;}}\\'f2\\'e1\\'f8\\'e9\\'fa}",
                 QStringLiteral("\u05E2\u05D1\u05E8\u05D9\u05EA")},
        TextCase{"Charset178Arabic", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset178 F;}}\\'c7\\'e1\\'da\\'d1\\'c8\\'ed\\'c9}",
                 QStringLiteral("\u0627\u0644\u0639\u0631\u0628\u064A\u0629")},
        TextCase{"Charset186Baltic", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset186 F;}}Lietuvi\\'f8 \\'e0\\'e8\\'e6}",
                 QStringLiteral("Lietuvi\u0173 \u0105\u010D\u0119")},
        TextCase{"Charset204Cyrillic", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 F;}}\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}",
                 QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442")},
        TextCase{"Charset222Thai", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset222 F;}}\\'c0\\'d2\\'c9\\'d2}",
                 QStringLiteral("\u0E20\u0E32\u0E29\u0E32")},
        TextCase{"Charset238CentralEuropean", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset238 F;}}\\'a3\\'f3d\\'9f}",
                 QStringLiteral("\u0141\u00F3d\u017A")},
        TextCase{"Charset0Ansi", "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 F;}}Gr\\'fc\\'dfe \\'80}",
                 QStringLiteral("Gr\u00FC\u00DFe \u20AC")},
        TextCase{"Charset2Symbol", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset2 Symbol;}}a{\\f1 abg}b}",
                 QStringLiteral("a\uF061\uF062\uF067b")},
        TextCase{"UnknownCodePageIs1252", "{\\rtf1\\ansi\\ansicpg4711 Gr\\'fc\\'dfe}", QStringLiteral("Gr\u00FC\u00DFe")},
        TextCase{"CharsetHoldsInItsFontsRunsOnly",
                 "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                 "\\f1\\'cf{\\f0\\'e4}\\'f0\\plain\\'e4}",
                 QStringLiteral("\u041F\u00E4\u0440\u00E4")},
        TextCase{"UnicodeInADoubleByteRunSkipsBothBytes",
                 "{\\rtf1\\ansi\\ansicpg936\\uc2 \\u21360\\'d3\\'a1\\'cb\\'a2}", QStringLiteral("\u5370\u5237")},
        TextCase{"LeadByteWithoutTrail", "{\\rtf1\\ansi\\ansicpg936 a\\'d3}", QStringLiteral("a\uFFFD")},
        TextCase{"ByteOutsideTheCodePage", "{\\rtf1\\ansi\\ansicpg1253 a\\'aab}", QStringLiteral("a\uFFFDb")},
        TextCase{"TwoByTwoTable",
                 "{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl foo\\cell bar\\cell\\row"
                 "\\trowd\\cellx1000\\cellx2000\\pard\\intbl 1\\cell 1\\cell\\row\\pard after}",
                 QStringLiteral("foo\tbar\t\n1\t1\t\nafter")},
        TextCase{"NestedTable",
                 "{\\rtf1\\trowd\\cellx2000\\cellx4000\\pard\\intbl\\itap1 out\\par\\pard\\intbl\\itap2 n1\\nestcell n2\\nestcell"
                 "{\\*\\nesttableprops\\trowd\\cellx500\\cellx1000\\nestrow}{\\nonesttables\\par}"
                 "\\pard\\intbl\\itap1\\cell x\\cell\\row}",
                 QStringLiteral("out\nn1\tn2\t\n\tx\t\n")},
        TextCase{"NestedRowInAHiddenGroupIsNoBreak",
                 "{\\rtf1 a{\\header{\\*\\nesttableprops\\nestrow}}b}", QStringLiteral("ab")},
        TextCase{"SoftHyphenNoBreakSpaceAndNonBreakingHyphen", "{\\rtf1 Silben\\-trennung 10\\~kg Ost\\_West}",
                 QStringLiteral("Silben\u00ADtrennung 10\u00A0kg Ost\u2011West")}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(RichText, AFontNameIsReadInItsCharset)
{
    QTextDocument document;
    Read("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\\f0 x}", document);
    EXPECT_EQ(FormatOf(document, "x").fontFamilies().toStringList(), QStringList{QStringLiteral("\u5B8B\u4F53")});
}

TEST(RichText, StylesSwitchOnAndOffAndEndWithTheirGroup)
{
    QTextDocument document;
    Read("{\\rtf1 n {\\b b {\\i bi} b2} \\ul u\\ul0 x \\ulnone\\i i\\i0 y\\b w\\b0 z}", document);
    EXPECT_EQ(FormatOf(document, "n").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf(document, "b ").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatOf(document, "b ").fontItalic());
    EXPECT_EQ(FormatOf(document, "bi").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(document, "bi").fontItalic());
    EXPECT_FALSE(FormatOf(document, "b2").fontItalic());
    EXPECT_TRUE(FormatOf(document, "u").fontUnderline());
    EXPECT_EQ(FormatOf(document, "u").fontWeight(), QFont::Normal);
    EXPECT_FALSE(FormatOf(document, "x").fontUnderline());
    EXPECT_TRUE(FormatOf(document, "i").fontItalic());
    EXPECT_FALSE(FormatOf(document, "y").fontItalic());
    EXPECT_EQ(FormatOf(document, "w").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "z").fontWeight(), QFont::Normal);
}

TEST(RichText, PlainResetsTheCharacterFormat)
{
    QTextDocument document;
    Read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\b\\i\\ul\\fs40\\cf1 a\\plain b}", document);
    const QTextCharFormat a = FormatOf(document, "a");
    EXPECT_EQ(a.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(a.fontPointSize(), 20.0);
    EXPECT_EQ(a.foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat b = FormatOf(document, "b");
    EXPECT_EQ(b.fontWeight(), QFont::Normal);
    EXPECT_FALSE(b.fontItalic());
    EXPECT_FALSE(b.fontUnderline());
    EXPECT_DOUBLE_EQ(b.fontPointSize(), 12.0);
    EXPECT_FALSE(b.hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RichText, FontsAndSizesComeFromTheFontTable)
{
    QTextDocument document;
    Read("{\\rtf1\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern{\\*\\panose 0}Courier New;}\\f2 Tahoma;}"
         "d \\f1\\fs18 c \\f2 t \\f7 u}",
         document);
    EXPECT_EQ(FormatOf(document, "d").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_DOUBLE_EQ(FormatOf(document, "d").fontPointSize(), 12.0);
    EXPECT_EQ(FormatOf(document, "c").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_DOUBLE_EQ(FormatOf(document, "c").fontPointSize(), 9.0);
    EXPECT_EQ(FormatOf(document, "t").fontFamilies().toStringList(), QStringList{"Tahoma"});
    EXPECT_FALSE(FormatOf(document, "u").hasProperty(QTextFormat::FontFamilies)); // no such font
}

TEST(RichText, ColoursComeFromTheColourTableWithEntryZeroAsDefault)
{
    QTextDocument document;
    Read("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\cf1 r{\\cf2 g}\\cf0 d\\cf9 n}",
         document);
    EXPECT_EQ(FormatOf(document, "r").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(document, "g").foreground().color(), QColor(0, 128, 0));
    EXPECT_FALSE(FormatOf(document, "d").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatOf(document, "n").hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RichText, ParagraphsAreBlocksAndALineBreakIsOneCharacter)
{
    QTextDocument document;
    Read("{\\rtf1 #id10\\par a\\line b\\par}", document);
    EXPECT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.firstBlock().text(), QStringLiteral("#id10"));
    EXPECT_EQ(document.characterAt(5), QChar(QChar::ParagraphSeparator));
    EXPECT_EQ(document.characterAt(6), QChar('a'));
    EXPECT_EQ(document.characterAt(7), QChar(QChar::LineSeparator));
}

TEST(RichText, ReadingReplacesWhatTheDocumentHeld)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    EXPECT_EQ(Read("{\\rtf1 new}", document), QStringLiteral("new"));
}

TEST(RichText, BrokenInputGivesItsText)
{
    QTextDocument document;
    const std::string inputs[] = {
        "{\\rtf1 {{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{a",
        "{\\rtf1 \\fs99999999999999999999 big \\u99999999999 x \\bin-5 y \\bin999999999",
        "{\\rtf1{\\colortbl\\red999\\green-4;\\blue;;}\\cf2 c\\cf-1 d",
        "{\\rtf1{\\fonttbl{\\f-3 Neg;}\\f99999999999 X}\\f-3 e}",
        std::string("{\\rtf1 nul\0byte}", 16),
    };
    for (const std::string& input : inputs)
        EXPECT_NO_THROW(platform::ReadRtf(input, document)) << input;
    EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999999999 big \\u99999999999 x", document).left(4), QStringLiteral("big "));
}

} // namespace

namespace {

// One run of a written document: its text and what it looks like.
struct TextRun {
    QString text;
    bool bold = false;
    bool underline = false;
    double points = 10;
    QColor color = Qt::black;
    QString family = QStringLiteral("DejaVu Sans");
};

QTextCharFormat FormatOf(const TextRun& run)
{
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(run.underline);
    format.setFontPointSize(run.points);
    format.setForeground(run.color);
    format.setFontFamilies({run.family});
    return format;
}

TEST(RichTextWriter, TheReaderGetsBackWhatWasWritten)
{
    const std::vector<TextRun> runs{
        {QStringLiteral("Globale Parameter"), true, true, 14},
        {QStringLiteral("Gr\u00FC\u00DFe \u20AC {x} \\ und \u03A9"), false, false, 10, QColor(0, 0x80, 0),
         QStringLiteral("DejaVu Sans Mono")},
        {QStringLiteral("rot"), true, false, 9, QColor(0xFF, 0, 0)},
    };
    QTextDocument written;
    QTextCursor cursor(&written);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i == 2)
            cursor.insertBlock();
        cursor.insertText(runs[i].text, FormatOf(runs[i]));
    }

    QTextDocument read;
    platform::ReadRtf(platform::WriteRtf(written), read);

    EXPECT_EQ(read.toPlainText(), written.toPlainText());
    for (const TextRun& run : runs) {
        SCOPED_TRACE(run.text.toStdString());
        const QTextCharFormat format = FormatOf(read, run.text.left(3));
        EXPECT_EQ(format.font().bold(), run.bold);
        EXPECT_EQ(format.font().underline(), run.underline);
        EXPECT_DOUBLE_EQ(format.fontPointSize(), run.points);
        EXPECT_EQ(format.foreground().color(), run.color);
        EXPECT_EQ(format.fontFamilies().toStringList().value(0), run.family);
    }
}

TEST(RichTextWriter, WritesCodePage1252AsHexEscapes)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("\u00C4nderung"));
    const std::string rtf = platform::WriteRtf(document);
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(rtf.find("\\'c4nderung"), std::string::npos);
}

} // namespace
