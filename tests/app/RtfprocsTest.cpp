#include "app/Rtfprocs.h"

#include "platform/MemoryStream.h"
#include "platform/RichText.h"

#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

// The format of the first character of the word in the document.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& word)
{
    const int position = document.toPlainText().indexOf(word);
    EXPECT_GE(position, 0) << word.toStdString();
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void Select(QTextEdit& edit, const QString& word)
{
    QTextCursor cursor(edit.document());
    const int position = edit.toPlainText().indexOf(word);
    cursor.setPosition(position);
    cursor.setPosition(position + static_cast<int>(word.size()), QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

// A document of styled runs: "plain bold under big red serif" and a second paragraph of
// code page 1252 characters, a tab and a line break.
void FillStyled(QTextDocument& document)
{
    QTextCursor cursor(&document);
    const auto run = [&](const QString& text, const auto& style) {
        QTextCharFormat format;
        style(format);
        cursor.insertText(text, format);
    };
    run("plain ", [](QTextCharFormat&) {});
    run("bold ", [](QTextCharFormat& f) { f.setFontWeight(QFont::Bold); });
    run("under ", [](QTextCharFormat& f) { f.setFontUnderline(true); });
    run("big ", [](QTextCharFormat& f) { f.setFontPointSize(18); });
    run("red ", [](QTextCharFormat& f) { f.setForeground(QColor(255, 0, 0)); });
    run("serif", [](QTextCharFormat& f) { f.setFontFamilies({QStringLiteral("DejaVu Serif")}); });
    cursor.insertBlock();
    run(QStringLiteral("Grüße € {x}\\\tTab") + QChar(QChar::LineSeparator) + QStringLiteral("Zeile"),
        [](QTextCharFormat& f) { f.setFontItalic(true); });
}

TEST(RichTextWriter, WhatItWritesReadsBackWithTextAndFormats)
{
    QTextDocument original;
    FillStyled(original);
    QTextDocument read;
    platform::ReadRtf(platform::WriteRtf(original), read);

    EXPECT_EQ(original.toPlainText(), read.toPlainText());
    EXPECT_EQ(2, read.blockCount());
    EXPECT_EQ(QFont::Normal, FormatOf(read, "plain").fontWeight());
    EXPECT_EQ(QFont::Bold, FormatOf(read, "bold").fontWeight());
    EXPECT_TRUE(FormatOf(read, "under").fontUnderline());
    EXPECT_FALSE(FormatOf(read, "bold").fontUnderline());
    EXPECT_EQ(18.0, FormatOf(read, "big").fontPointSize());
    EXPECT_EQ(QColor(255, 0, 0), FormatOf(read, "red").foreground().color());
    EXPECT_EQ(QStringList{QStringLiteral("DejaVu Serif")}, FormatOf(read, "serif").fontFamilies().toStringList());
    EXPECT_TRUE(FormatOf(read, "Zeile").fontItalic());
}

TEST(RichTextWriter, CharactersBeyondTheCodePageGoAsUnicode)
{
    QTextDocument original;
    original.setPlainText(QStringLiteral("α→β"));
    const std::string rtf = platform::WriteRtf(original);
    EXPECT_NE(std::string::npos, rtf.find("\\u945?"));
    QTextDocument read;
    platform::ReadRtf(rtf, read);
    EXPECT_EQ(QStringLiteral("α→β"), read.toPlainText());
}

TEST(Rtfprocs, CopyKeepsBoldAndColourAndReplacesTheTargetsSelection)
{
    QTextEdit source;
    FillStyled(*source.document());
    Select(source, "bold under big red");
    QTextEdit target;
    target.setPlainText("A xx B");
    Select(target, "xx");

    CopyRTF(source, target);

    EXPECT_EQ(QStringLiteral("A bold under big red B"), target.toPlainText());
    EXPECT_EQ(QFont::Bold, FormatOf(*target.document(), "bold").fontWeight());
    EXPECT_EQ(QColor(255, 0, 0), FormatOf(*target.document(), "red").foreground().color());
    EXPECT_NE(QFont::Bold, FormatOf(*target.document(), "B").fontWeight());
}

TEST(Rtfprocs, PutReadsFromTheStreamsPositionToItsEnd)
{
    QTextEdit edit;
    const std::string rtf = "{\\rtf1 {\\b late}}";
    platform::TMemoryStream stream("junk" + rtf);
    stream.SetPosition(4);
    PutRTFSelection(edit, stream);
    EXPECT_EQ(QStringLiteral("late"), edit.toPlainText());
    EXPECT_EQ(stream.Size(), stream.Position());
}

TEST(Rtfprocs, AnEmptyInsertLeavesTheEditUntouched)
{
    QTextEdit edit;
    edit.setPlainText("keep");
    Select(edit, "ee");
    QSignalSpy changed(&edit, &QTextEdit::textChanged);
    InsertRTF(edit, "");
    EXPECT_EQ(QStringLiteral("keep"), edit.toPlainText());
    EXPECT_EQ(QStringLiteral("ee"), edit.textCursor().selectedText());
    EXPECT_EQ(0, changed.count());
}

TEST(Rtfprocs, AppendKeepsTheUsersSelectionAndSendsNoSignal)
{
    QTextEdit edit;
    edit.setPlainText("one two three");
    Select(edit, "two");
    QSignalSpy changed(&edit, &QTextEdit::textChanged);

    AppendRTF(edit, "{\\rtf1 {\\b  four}}");

    EXPECT_EQ(QStringLiteral("one two three four"), edit.toPlainText());
    EXPECT_EQ(QStringLiteral("two"), edit.textCursor().selectedText());
    EXPECT_EQ(0, changed.count());
    EXPECT_TRUE(edit.updatesEnabled());
    EXPECT_EQ(QFont::Bold, FormatOf(*edit.document(), "four").fontWeight());
}

TEST(Rtfprocs, PrintWritesEveryPageUnderTheTitle)
{
    QTemporaryDir folder;
    QTextEdit edit;
    QString text;
    for (int line = 0; line < 200; ++line)
        text += QStringLiteral("Zeile %1\n").arg(line);
    edit.setPlainText(text);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("out.pdf"));

    PrintRTF(edit, "Bericht", printer);

    EXPECT_EQ(QStringLiteral("Bericht"), printer.docName());
    QFile pdf(folder.filePath("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2) << "more than one page";
}

} // namespace
