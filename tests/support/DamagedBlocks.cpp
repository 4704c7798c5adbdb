#include "tests/support/DamagedBlocks.h"

#include "device/BlobSection.h"
#include "device/product/DatenTyp.h"

#include <iterator>
#include <random>

namespace testsupport {

namespace {

// The lines of a text split at CR LF.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    if (from < text.size())
        lines.push_back(text.substr(from));
    return lines;
}

} // namespace

// The block with the record lines of its DB section changed by edit (which may drop a line by
// answering an empty one, or add one by answering two joined by CR LF).
std::string EditRecords(const std::string& block, const std::function<std::string(const TDatenStruktur&)>& edit)
{
    const auto db = TBlobSection::Find(block, "DB");
    std::string records;
    for (const std::string& line : Lines(block.substr(db->ContentBegin, db->ContentSize()))) {
        TDatenStruktur record;
        record.Fill(line);
        const std::string edited = edit(record);
        if (!edited.empty())
            records += (records.empty() ? "" : "\r\n") + edited;
    }
    return block.substr(0, db->ContentBegin) + records + block.substr(db->ContentEnd);
}

namespace {

// The block cut at that share of its length, never at a line's end.
std::function<std::string(const std::string&)> CutAt(double share)
{
    return [share](const std::string& block) {
        std::size_t at = static_cast<std::size_t>(static_cast<double>(block.size()) * share);
        while (at > 0 && (block[at - 1] == '\n' || block[at - 1] == '\r'))
            --at;
        return block.substr(0, at);
    };
}

std::string WithoutDb(const std::string& block)
{
    const std::size_t open = block.find("<DB>\r\n");
    const std::size_t close = block.find("</DB>\r\n");
    return block.substr(0, open) + block.substr(close + 7);
}

std::string WithoutSystemRecord(const std::string& block)
{
    return EditRecords(block, [](const TDatenStruktur& r) { return r.Typ == DT_TALVO_SYSTEM ? "" : r.ToString(); });
}

std::string DuplicateHandle(const std::string& block)
{
    bool done = false;
    return EditRecords(block, [&done](const TDatenStruktur& r) {
        if (done || r.Typ == DT_TALVO_SYSTEM)
            return r.ToString();
        done = true;
        TDatenStruktur twin = r;
        twin.Name = "Zwilling";
        return r.ToString() + "\r\n" + twin.ToString();
    });
}

std::string ChainToMissingRecord(const std::string& block)
{
    bool done = false;
    return EditRecords(block, [&done](const TDatenStruktur& r) {
        TDatenStruktur record = r;
        if (!done && record.Typ != DT_TALVO_SYSTEM) {
            record.Next = 4321;
            done = true;
        }
        return record.ToString();
    });
}

std::string Garbage(const std::string&)
{
    std::mt19937 random(44);
    std::string bytes(4096, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

} // namespace

std::vector<Damage> DamagedBlocks()
{
    std::vector<Damage> damages;
    static const char* const cutNames[] = {"Cut05", "Cut10", "Cut20", "Cut30", "Cut40",
                                           "Cut50", "Cut60", "Cut70", "Cut80", "Cut95"};
    const double shares[] = {0.05, 0.10, 0.20, 0.30, 0.40, 0.50, 0.60, 0.70, 0.80, 0.95};
    for (std::size_t i = 0; i < std::size(shares); ++i)
        damages.push_back({cutNames[i], CutAt(shares[i]), ""});
    damages.push_back({"NoDb", WithoutDb, "<DB>"});
    damages.push_back({"NoSystemRecord", WithoutSystemRecord, "Typ 111"});
    damages.push_back({"DuplicateHandle", DuplicateHandle, "Doppelter Handle"});
    damages.push_back({"ChainToMissingRecord", ChainToMissingRecord, "Next: 4321"});
    damages.push_back({"BinaryGarbage", Garbage, ""});
    damages.push_back({"EmptyFile", [](const std::string&) { return std::string(); }, "<Version>"});
    return damages;
}

} // namespace testsupport
