#include "platform/RichText.h"

#include "platform/CodePageDecoder.h"
#include "platform/Cp1252.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextCharFormat>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

// Where the text of a group goes. A nested table's properties hold no text but end its rows.
enum class TDestination { Text, FontTable, ColorTable, NestedTableProperties, Skip };

// The character formatting that a run of text carries.
struct TCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    int font = -1;
    int color = 0;

    bool operator==(const TCharFormat&) const = default;
};

// What a group inherits from its parent and loses at its end.
struct TGroupState {
    TCharFormat format;
    int unicodeSkip = 1;
    TDestination destination = TDestination::Text;
};

// Destinations whose text is never shown.
bool IsSkippedDestination(std::string_view word)
{
    static constexpr std::array<std::string_view, 41> skipped{
        "stylesheet", "info",        "pict",          "header",      "headerl",     "headerr",   "headerf",
        "footer",     "footerl",     "footerr",       "footerf",     "footnote",    "object",    "fldinst",
        "listtable",  "listoverridetable", "rsidtbl", "generator",   "xmlnstbl",    "themedata", "colorschememapping",
        "datastore",  "latentstyles", "pgdsctbl",     "filetbl",     "revtbl",      "annotation", "atnid",
        "author",     "operator",    "title",         "subject",     "keywords",    "comment",   "doccomm",
        "txe",        "bkmkstart",   "bkmkend",       "nonshppict",  "userprops", "nonesttables"};
    return std::find(skipped.begin(), skipped.end(), word) != skipped.end();
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads one RTF text into a document, run by run.
class TRtfReader {
public:
    TRtfReader(std::string_view input, QTextDocument& document) : input_(input), cursor_(&document) {}

    void Read()
    {
        while (pos_ < input_.size()) {
            const char c = input_[pos_++];
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ReadControl();
                break;
            case '\r':
            case '\n':
                break;
            default:
                Character(static_cast<unsigned char>(c));
                break;
            }
        }
        Flush();
    }

private:
    static constexpr std::size_t MaxDepth = 4096;
    static constexpr std::size_t MaxWord = 32;
    static constexpr int MaxDigits = 10;

    void OpenGroup()
    {
        pendingSkip_ = 0;
        starred_ = false;
        if (stack_.size() >= MaxDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(state_);
    }

    void CloseGroup()
    {
        pendingSkip_ = 0;
        starred_ = false;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.empty())
            return;
        if (state_.destination == TDestination::FontTable)
            EndFontEntry();
        state_ = stack_.back();
        stack_.pop_back();
    }

    void ReadControl()
    {
        if (pos_ >= input_.size())
            return;
        const char c = input_[pos_];
        if (IsLetter(c)) {
            ReadControlWord();
            return;
        }
        ++pos_;
        switch (c) {
        case '\'':
            ReadHexEscape();
            break;
        case '\\':
        case '{':
        case '}':
            Character(static_cast<unsigned char>(c));
            break;
        case '~':
            Unicode(0x00A0);
            break;
        case '_':
            Unicode(0x2011);
            break;
        case '*':
            // Of the destinations marked so, only a nested table's properties mean something here.
            starred_ = state_.destination == TDestination::Text;
            state_.destination = TDestination::Skip;
            break;
        case '\r':
        case '\n':
            Paragraph();
            break;
        case '-':
            Unicode(0x00AD);
            break;
        default:
            break;
        }
    }

    void ReadControlWord()
    {
        const std::size_t start = pos_;
        while (pos_ < input_.size() && IsLetter(input_[pos_]))
            ++pos_;
        const std::string_view word = input_.substr(start, std::min(pos_ - start, MaxWord));
        bool hasParameter = false;
        bool negative = false;
        std::int64_t parameter = 0;
        if (pos_ < input_.size() && input_[pos_] == '-' && pos_ + 1 < input_.size() && IsDigit(input_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < input_.size() && IsDigit(input_[pos_])) {
            if (digits++ < MaxDigits)
                parameter = parameter * 10 + (input_[pos_] - '0');
            hasParameter = true;
            ++pos_;
        }
        if (pos_ < input_.size() && input_[pos_] == ' ')
            ++pos_;
        parameter = std::clamp<std::int64_t>(negative ? -parameter : parameter, INT32_MIN, INT32_MAX);
        ControlWord(word, hasParameter, static_cast<int>(parameter));
    }

    void ReadHexEscape()
    {
        int value = 0;
        int count = 0;
        while (count < 2 && pos_ < input_.size() && HexValue(input_[pos_]) >= 0) {
            value = value * 16 + HexValue(input_[pos_]);
            ++pos_;
            ++count;
        }
        if (count > 0)
            Character(static_cast<unsigned char>(value));
    }

    void ControlWord(std::string_view word, bool hasParameter, int parameter)
    {
        if (word == "bin") {
            // Binary data of the given length follows; it is never text.
            const std::size_t length = hasParameter && parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
            pos_ += std::min(length, input_.size() - pos_);
            return;
        }
        const bool starred = std::exchange(starred_, false);
        if (starred && word == "nesttableprops")
            state_.destination = TDestination::NestedTableProperties;
        if (state_.destination == TDestination::NestedTableProperties) {
            if (word == "nestrow")
                Paragraph(TDestination::NestedTableProperties);
            return;
        }
        if (state_.destination == TDestination::Skip)
            return;
        const bool on = !hasParameter || parameter != 0;
        if (state_.destination == TDestination::FontTable) {
            if (word == "f") {
                fontNumber_ = parameter;
                fontCharset_ = -1;
            } else if (word == "fcharset" && hasParameter)
                fontCharset_ = parameter;
            else if (IsSkippedDestination(word) || word == "panose" || word == "falt")
                state_.destination = TDestination::Skip;
            return;
        }
        if (state_.destination == TDestination::ColorTable) {
            if (word == "red")
                SetColorComponent(0, parameter);
            else if (word == "green")
                SetColorComponent(1, parameter);
            else if (word == "blue")
                SetColorComponent(2, parameter);
            return;
        }
        if (word == "u") {
            Unicode(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter));
            pendingSkip_ = state_.unicodeSkip;
            return;
        }
        pendingSkip_ = 0;
        if (word == "par" || word == "row" || word == "nestrow")
            Paragraph();
        else if (word == "cell" || word == "nestcell")
            Unicode(u'\t');
        else if (word == "line")
            Unicode(0x2028);
        else if (word == "tab")
            Unicode(u'\t');
        else if (word == "b")
            state_.format.bold = on;
        else if (word == "i")
            state_.format.italic = on;
        else if (word == "ul")
            state_.format.underline = on;
        else if (word == "ulnone")
            state_.format.underline = false;
        else if (word == "plain")
            state_.format = TCharFormat{.font = defaultFont_};
        else if (word == "fs" && hasParameter && parameter > 0)
            state_.format.halfPoints = std::min(parameter, 3276);
        else if (word == "f" && hasParameter)
            state_.format.font = parameter;
        else if (word == "deff" && hasParameter) {
            defaultFont_ = parameter;
            state_.format.font = parameter;
        } else if (word == "cf" && hasParameter)
            state_.format.color = parameter;
        else if (word == "ansicpg" && hasParameter)
            documentCodePage_ = parameter;
        else if (word == "uc" && hasParameter && parameter >= 0)
            state_.unicodeSkip = std::min(parameter, 16);
        else if (word == "fonttbl")
            state_.destination = TDestination::FontTable;
        else if (word == "colortbl") {
            state_.destination = TDestination::ColorTable;
            colors_.clear();
            colorEntry_ = {};
        } else if (word == "emdash")
            Unicode(0x2014);
        else if (word == "endash")
            Unicode(0x2013);
        else if (word == "bullet")
            Unicode(0x2022);
        else if (word == "lquote")
            Unicode(0x2018);
        else if (word == "rquote")
            Unicode(0x2019);
        else if (word == "ldblquote")
            Unicode(0x201C);
        else if (word == "rdblquote")
            Unicode(0x201D);
        else if (IsSkippedDestination(word))
            state_.destination = TDestination::Skip;
    }

    // One byte of text in the code page of the run's font.
    void Character(unsigned char byte)
    {
        starred_ = false;
        switch (state_.destination) {
        case TDestination::Skip:
        case TDestination::NestedTableProperties:
            return;
        case TDestination::FontTable:
            if (byte == ';')
                EndFontEntry();
            else
                fontName_.push_back(static_cast<char>(byte));
            return;
        case TDestination::ColorTable:
            if (byte == ';') {
                colors_.push_back(colorEntry_.given ? QColor(colorEntry_.rgb[0], colorEntry_.rgb[1], colorEntry_.rgb[2])
                                                    : QColor());
                colorEntry_ = {};
            }
            return;
        case TDestination::Text:
            break;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        StartRun();
        const int codePage = CodePageOf(state_.format.font);
        if (codePage != bytesCodePage_)
            DecodeBytes();
        bytesCodePage_ = codePage;
        bytes_.push_back(static_cast<char>(byte));
    }

    void Unicode(char16_t code)
    {
        if (state_.destination != TDestination::Text || code == 0)
            return;
        Append(QString(QChar(code)));
    }

    void Append(const QString& text)
    {
        StartRun();
        DecodeBytes();
        run_ += text;
    }

    // The text that follows goes into a run of the group's format.
    void StartRun()
    {
        if (!(state_.format == runFormat_)) {
            Flush();
            runFormat_ = state_.format;
        }
    }

    // The bytes read so far go into the run as text, lead and trail bytes of a character together.
    void DecodeBytes()
    {
        if (bytes_.empty())
            return;
        run_ += Decoder(bytesCodePage_).Decode(bytes_);
        bytes_.clear();
    }

    int CodePageOf(int font) const
    {
        const auto found = fontCodePages_.find(font);
        return found != fontCodePages_.end() ? found->second : documentCodePage_;
    }

    TCodePageDecoder& Decoder(int codePage)
    {
        auto& decoder = decoders_[codePage];
        if (!decoder)
            decoder = std::make_unique<TCodePageDecoder>(codePage);
        return *decoder;
    }

    void Paragraph(TDestination destination = TDestination::Text)
    {
        if (state_.destination != destination)
            return;
        Flush();
        cursor_.insertBlock(QTextBlockFormat(), CharFormat(state_.format));
    }

    void Flush()
    {
        DecodeBytes();
        if (run_.isEmpty())
            return;
        cursor_.insertText(run_, CharFormat(runFormat_));
        run_.clear();
    }

    QTextCharFormat CharFormat(const TCharFormat& format) const
    {
        QTextCharFormat result;
        result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
        result.setFontItalic(format.italic);
        result.setFontUnderline(format.underline);
        result.setFontPointSize(format.halfPoints / 2.0);
        if (const auto font = fonts_.find(format.font); font != fonts_.end() && !font->second.isEmpty())
            result.setFontFamilies(QStringList{font->second});
        if (format.color > 0 && static_cast<std::size_t>(format.color) < colors_.size()
            && colors_[static_cast<std::size_t>(format.color)].isValid())
            result.setForeground(colors_[static_cast<std::size_t>(format.color)]);
        return result;
    }

    void EndFontEntry()
    {
        if (fontNumber_ >= 0) {
            const std::string name = fontName_.substr(0, fontName_.find_last_not_of(' ') + 1);
            const int codePage = fontCharset_ >= 0
                                     ? TCodePageDecoder::CodePageOfCharset(fontCharset_, documentCodePage_)
                                     : documentCodePage_;
            if (fontCharset_ >= 0)
                fontCodePages_[fontNumber_] = codePage;
            fonts_[fontNumber_] = Decoder(codePage).Decode(name.substr(std::min(name.find_first_not_of(' '), name.size())));
        }
        fontNumber_ = -1;
        fontCharset_ = -1;
        fontName_.clear();
    }

    void SetColorComponent(int index, int value)
    {
        colorEntry_.rgb[static_cast<std::size_t>(index)] = std::clamp(value, 0, 255);
        colorEntry_.given = true;
    }

    struct TColorEntry {
        std::array<int, 3> rgb{};
        bool given = false;
    };

    std::string_view input_;
    std::size_t pos_ = 0;
    QTextCursor cursor_;
    TGroupState state_;
    std::vector<TGroupState> stack_;
    std::size_t overflow_ = 0;
    int pendingSkip_ = 0;
    int defaultFont_ = -1;
    std::map<int, QString> fonts_;
    int fontNumber_ = -1;
    int fontCharset_ = -1;
    std::string fontName_;
    bool starred_ = false;
    int documentCodePage_ = TCodePageDecoder::Ansi;
    std::map<int, int> fontCodePages_;
    std::map<int, std::unique_ptr<TCodePageDecoder>> decoders_;
    std::string bytes_;
    int bytesCodePage_ = TCodePageDecoder::Ansi;
    std::vector<QColor> colors_;
    TColorEntry colorEntry_;
    TCharFormat runFormat_;
    QString run_;
};

} // namespace

void ReadRtf(std::string_view rtf, QTextDocument& document)
{
    document.clear();
    if (!rtf.starts_with("{\\rtf")) {
        document.setPlainText(platform::ToQString(rtf));
        return;
    }
    TRtfReader(rtf, document).Read();
}

} // namespace platform

namespace platform {
namespace {

// Writes one document as RTF: the font and colour tables first, then the runs.
class TRtfWriter {
public:
    explicit TRtfWriter(const QTextDocument& document) : document_(document) {}

    std::string Write()
    {
        CollectTables();
        std::string body;
        bool firstBlock = true;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            if (!firstBlock)
                body += "\\par\n";
            firstBlock = false;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid())
                    Run(fragment.charFormat(), fragment.text(), body);
            }
        }
        std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (std::size_t i = 0; i < fonts_.size(); ++i)
            rtf += "{\\f" + std::to_string(i) + "\\fnil " + Escaped(fonts_[i]) + ";}";
        rtf += "}\n{\\colortbl;";
        for (const QColor& color : colors_)
            rtf += "\\red" + std::to_string(color.red()) + "\\green" + std::to_string(color.green()) + "\\blue" +
                   std::to_string(color.blue()) + ";";
        rtf += "}\n" + body + "}";
        return rtf;
    }

private:
    static QString Family(const QTextCharFormat& format)
    {
        const QStringList families = format.fontFamilies().toStringList();
        return families.isEmpty() ? QString() : families.front();
    }

    void CollectTables()
    {
        // Entry 0 is the document's own font: runs without a family of their own use it.
        fonts_.push_back(FromQString(document_.defaultFont().family()));
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                FontIndex(format);
                ColorIndex(format);
            }
    }

    std::size_t FontIndex(const QTextCharFormat& format)
    {
        const QString family = Family(format);
        if (family.isEmpty())
            return 0;
        const std::string name = FromQString(family);
        const auto found = std::find(fonts_.begin(), fonts_.end(), name);
        if (found != fonts_.end())
            return static_cast<std::size_t>(found - fonts_.begin());
        fonts_.push_back(name);
        return fonts_.size() - 1;
    }

    // 0 is the default colour; the table's entries count from 1.
    std::size_t ColorIndex(const QTextCharFormat& format)
    {
        if (!format.hasProperty(QTextFormat::ForegroundBrush) || format.foreground().style() == Qt::NoBrush)
            return 0;
        const QColor color = format.foreground().color();
        const auto found = std::find(colors_.begin(), colors_.end(), color);
        if (found != colors_.end())
            return static_cast<std::size_t>(found - colors_.begin()) + 1;
        colors_.push_back(color);
        return colors_.size();
    }

    void Run(const QTextCharFormat& format, const QString& text, std::string& out)
    {
        out += "{\\plain\\f" + std::to_string(FontIndex(format));
        const double points = format.fontPointSize() > 0 ? format.fontPointSize() : document_.defaultFont().pointSizeF();
        if (points > 0)
            out += "\\fs" + std::to_string(static_cast<int>(points * 2 + 0.5));
        if (format.fontWeight() >= QFont::Bold)
            out += "\\b";
        if (format.fontItalic())
            out += "\\i";
        if (format.fontUnderline())
            out += "\\ul";
        if (const std::size_t color = ColorIndex(format); color != 0)
            out += "\\cf" + std::to_string(color);
        out += ' ';
        for (const QChar c : text)
            Character(c, out);
        out += '}';
    }

    static void Character(QChar c, std::string& out)
    {
        const char16_t code = c.unicode();
        if (code == u'\t') {
            out += "\\tab ";
            return;
        }
        if (code == QChar::LineSeparator || code == u'\n') {
            out += "\\line ";
            return;
        }
        if (code == u'\\' || code == u'{' || code == u'}') {
            out += '\\';
            out += static_cast<char>(code);
            return;
        }
        const std::string byte = FromQString(QString(c));
        const bool representable = byte.size() == 1 && (byte[0] != '?' || code == u'?');
        if (!representable) {
            out += "\\u" + std::to_string(static_cast<std::int16_t>(code)) + "?";
            return;
        }
        const auto value = static_cast<unsigned char>(byte[0]);
        if (value < 0x20 || value >= 0x80) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\'";
            out += hex[value >> 4];
            out += hex[value & 0x0F];
            return;
        }
        out += static_cast<char>(value);
    }

    static std::string Escaped(const std::string& name)
    {
        std::string out;
        for (const char c : name)
            if (c != ';' && c != '{' && c != '}' && c != '\\')
                out += c;
        return out;
    }

    const QTextDocument& document_;
    std::vector<std::string> fonts_;
    std::vector<QColor> colors_;
};

} // namespace

std::string WriteRtf(const QTextDocument& document)
{
    return TRtfWriter(document).Write();
}

} // namespace platform
