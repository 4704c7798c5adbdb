#include "device/DataBlockCheck.h"

#include "device/BlobSection.h"
#include "device/DatenManager.h"
#include "device/DatenStruktur.h"

#include <map>
#include <optional>

namespace {

// The handles a stored record may carry.
constexpr std::int32_t MinHandle = 1;
constexpr std::int32_t MaxHandle = 0xFFFE;

constexpr std::string_view VersionName = "Version";
constexpr std::string_view DbName = "DB";

std::string OpenTag(std::string_view name)
{
    return "<" + std::string(name) + ">";
}

// The name of a section the line opens ("<name>"); none for any other line.
std::optional<std::string_view> OpenedSection(std::string_view line)
{
    if (line.size() < 3 || line.front() != '<' || line.back() != '>' || line[1] == '/')
        return std::nullopt;
    return line.substr(1, line.size() - 2);
}

std::string RecordText(const TDatenStruktur& record)
{
    return "Handle: " + std::to_string(record.Handle) + "\nName: " + record.Name;
}

} // namespace

std::string TDataBlockCheck::Problem(std::string_view block) const
{
    if (std::string problem = SectionProblem(block); !problem.empty())
        return problem;
    const std::optional<TBlobSection> db = TBlobSection::Find(block, DbName);
    return RecordProblem(block.substr(db->ContentBegin, db->ContentSize()));
}

std::string TDataBlockCheck::SectionProblem(std::string_view block) const
{
    // A section opened must close, and outside the sections no line is a broken tag: a cut
    // block is damaged wherever it was cut.
    std::optional<std::string> open;
    std::size_t from = 0;
    while (from < block.size()) {
        std::size_t end = block.find('\n', from);
        if (end == std::string_view::npos)
            end = block.size();
        std::string_view line = block.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (open) {
            if (line == "</" + *open + ">")
                open.reset();
        } else if (const auto name = OpenedSection(line)) {
            open = std::string(*name);
        } else if (!line.empty() && line.front() == '<') {
            return "Zeile: " + std::string(line.substr(0, 40));
        }
        from = end + 1;
    }
    if (open)
        return OpenTag(*open) + " ohne </" + *open + ">";
    for (const std::string_view name : {VersionName, DbName}) {
        if (!TBlobSection::Find(block, name))
            return OpenTag(name);
    }
    return {};
}

std::string TDataBlockCheck::RecordProblem(std::string_view records) const
{
    std::map<std::int32_t, const TDatenStruktur*> byHandle;
    try {
        const TDatenManager<TDatenStruktur> table(records.data(), records.size());
        bool system = systemTyp_ == 0;
        for (const auto& [key, record] : table.GetRecords()) {
            if (record.Handle < MinHandle || record.Handle > MaxHandle)
                return RecordText(record);
            if (!byHandle.emplace(record.Handle, &record).second)
                return "Doppelter " + RecordText(record);
            system = system || record.Typ == systemTyp_;
        }
        if (!system)
            return "Typ " + std::to_string(systemTyp_) + ": " + OpenTag(DbName);
        for (const auto& [handle, record] : byHandle) {
            if (record->Next > 0 && !byHandle.contains(record->Next))
                return RecordText(*record) + "\nNext: " + std::to_string(record->Next);
        }
    } catch (const E_DatenManager& e) {
        return e.Message;
    }
    return {};
}
