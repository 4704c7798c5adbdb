#include "outside/seriallink/SerialLinkAnswers.h"

#include "platform/Cp1252.h"
#include "platform/FileIo.h"

#include <charconv>
#include <cstdlib>
#include <sstream>
#include <system_error>
#include <vector>

namespace seriallink {
namespace {

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

std::optional<std::int64_t> Number(const std::string& text)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

std::string Quoted(const char* field, std::size_t size)
{
    return "\"" + platform::Cp1252ToUtf8(FieldText(field, size)) + "\"";
}

} // namespace

std::optional<TSerialLinkAnswers> TSerialLinkAnswers::FromEnvironment()
{
    const char* file = std::getenv(AnswersVariable);
    if (file == nullptr || *file == '\0')
        return std::nullopt;
    return TSerialLinkAnswers(file);
}

TSerialLinkAnswers::TAnswer TSerialLinkAnswers::Take(std::string_view word) const
{
    TAnswer answer;
    std::error_code error;
    const std::optional<std::string> text = platform::ReadWholeFile(file_, error);
    if (!text)
        return answer;
    std::vector<std::string> lines = SplitLines(*text);
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        const std::vector<std::string> words = Words(*line);
        if (words.empty() || words.front() != word)
            continue;
        if (words.size() > 1)
            answer.Result = static_cast<std::int32_t>(Number(words[1]).value_or(2));
        for (std::size_t i = 2; i < words.size(); ++i) {
            const std::size_t equals = words[i].find('=');
            if (equals != std::string::npos)
                answer.Values[words[i].substr(0, equals)] = words[i].substr(equals + 1);
        }
        lines.erase(line);
        std::string rest;
        for (const std::string& kept : lines)
            rest += kept + "\n";
        platform::WriteFileAtomically(file_, rest);
        break;
    }
    return answer;
}

void TSerialLinkAnswers::Record(std::string_view line) const
{
    const std::string record = RecordFileOf(file_);
    std::error_code error;
    std::string text = platform::ReadWholeFile(record, error).value_or(std::string());
    text.append(line);
    text += "\n";
    platform::WriteFileAtomically(record, text);
}

void ApplyOptionValues(const std::map<std::string, std::string>& values, tagDownloadRs232Options& options)
{
    for (const auto& [key, text] : values) {
        const std::optional<std::int64_t> value = Number(text);
        if (!value)
            continue;
        if (key == "port")
            options.ComPort = static_cast<std::uint16_t>(*value);
        else if (key == "baud")
            options.Baud = static_cast<std::uint32_t>(*value);
        else if (key == "line")
            options.LineSetting = static_cast<std::int16_t>(*value);
        else if (key == "continue")
            options.ContinueMode = *value != 0;
        else if (key == "ask")
            options.AskForConnection = *value != 0;
        else if (key == "sound")
            options.Sound = *value != 0;
        else if (key == "mode")
            options.DownloadMode = static_cast<std::int16_t>(*value);
    }
}

std::string DescribeOptions(const tagDownloadRs232Options& options)
{
    std::ostringstream out;
    out << "port=" << options.ComPort << " baud=" << options.Baud << " line=" << options.LineSetting
        << " continue=" << int(options.ContinueMode) << " ask=" << int(options.AskForConnection)
        << " sound=" << int(options.Sound) << " mode=" << options.DownloadMode;
    return out.str();
}

std::string DescribeTexts(const tagDownloadRs232Texts& texts)
{
    return "address=" + Quoted(texts.PhysAddr, sizeof texts.PhysAddr) + " text=" +
           Quoted(texts.Text, sizeof texts.Text) + " name=" + Quoted(texts.DeviceName, sizeof texts.DeviceName) +
           " extra=" + Quoted(texts.Extra, sizeof texts.Extra);
}

std::string FieldText(const char* field, std::size_t size)
{
    std::size_t length = 0;
    while (length < size && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

} // namespace seriallink
