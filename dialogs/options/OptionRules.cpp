#include "dialogs/options/OptionRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>

int PageFromStored(std::int32_t stored)
{
    return stored == PageOptionen || stored == PageHardware ? stored : PageTabelle;
}

int ClampAutoSaveMinutes(std::int32_t minutes)
{
    return std::clamp(minutes, AutoSaveMinutesMin, AutoSaveMinutesMax);
}

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The number at the start of text (after blanks); its end in end.
std::optional<std::int32_t> NumberAt(std::string_view text, std::size_t& end)
{
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at < text.size() && text[at] == '+')
        ++at;
    std::int32_t value = 0;
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    const auto [stop, error] = std::from_chars(first, last, value);
    if (error != std::errc() || stop == first)
        return std::nullopt;
    end = static_cast<std::size_t>(stop - text.data());
    return value;
}

} // namespace

std::optional<std::int32_t> LeadingNumber(std::string_view text)
{
    std::size_t end = 0;
    return NumberAt(text, end);
}

std::optional<std::int32_t> WholeNumber(std::string_view text)
{
    std::size_t end = 0;
    const std::optional<std::int32_t> value = NumberAt(text, end);
    if (!value)
        return std::nullopt;
    for (; end < text.size(); ++end)
        if (!IsBlank(text[end]))
            return std::nullopt;
    return value;
}

std::int32_t AutoCellRowFromText(std::string_view text)
{
    return std::max(WholeNumber(text).value_or(1), 1);
}

std::optional<std::int32_t> ColumnWidthFromText(std::string_view text)
{
    const std::int32_t width = WholeNumber(text).value_or(0);
    if (width <= 0)
        return std::nullopt;
    return width;
}

TFlagBoxes BoxesFromFlags(const TShownFlags& flags)
{
    return {flags.DownloadAll, !flags.UserDeviceParam, !flags.Szenenfunktion};
}

TShownFlags FlagsFromBoxes(const TFlagBoxes& boxes)
{
    return {boxes.AllTransfer, !boxes.KeepUserParameter, !boxes.KeepScenesParameter};
}

TInitDecision DecideInitFile(std::int32_t mode, bool fileExists)
{
    if (mode != imDatei)
        return {mode, false, false};
    if (fileExists)
        return {imDatei, true, false};
    return {imKeine, false, true};
}
