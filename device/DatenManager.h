#pragma once

#include "device/DatenStruktur.h"
#include "platform/FileIo.h"
#include "platform/MemoryStream.h"
#include "platform/UiService.h"

#include <algorithm>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Thrown by a record table; carries its message (empty when none is given).
class E_DatenManager {
public:
    E_DatenManager() = default;
    explicit E_DatenManager(std::string message) : Message(std::move(message)) {}
    std::string Message;
};

// Splits record text into lines at CR, LF or CR LF; a NUL ends the text.
std::vector<std::string_view> SplitRecordTextLines(std::string_view text);

// A line that starts with "#" but holds a record: one whose first character was damaged.
bool IsCommentedRecord(std::string_view line);

// One entry of a table's load findings: the handle, what was wrong and the line's start.
std::string RecordLineFinding(std::int32_t handle, const std::string& what, std::string_view line);

// A table of records under internal keys, loaded from and saved to record text. Child tables
// made by FilterFeldName belong to this table; deleting a child (early, or with its parent)
// carries its records back into the parent.
template <typename T>
class TDatenManager {
public:
    using Records = std::map<std::int32_t, T>;

    // Loads the whole stream, whatever its position; null throws E_DatenManager.
    explicit TDatenManager(const platform::TMemoryStream* stream)
    {
        if (!stream)
            throw E_DatenManager();
        Load(stream->Bytes());
    }
    // Loads the bytes; null throws E_DatenManager.
    TDatenManager(const char* bytes, std::size_t length)
    {
        if (!bytes)
            throw E_DatenManager();
        Load(std::string_view(bytes, length));
    }
    // A child table: copies of the records under their keys in the parent.
    TDatenManager(const Records& records, TDatenManager* parent) : records_(records), parent_(parent) {}

    TDatenManager(const TDatenManager&) = delete;
    TDatenManager& operator=(const TDatenManager&) = delete;

    ~TDatenManager()
    {
        while (!children_.empty())
            delete children_.front(); // the child unlinks itself
        if (parent_) {
            for (auto& [key, record] : parent_->records_) {
                if (const auto mine = records_.find(key); mine != records_.end())
                    record = mine->second;
            }
            parent_->children_.remove(this);
        }
    }

    void Add(const T& record)
    {
        // The new key is the highest: the record goes to the end without a search.
        const std::int32_t key = records_.empty() ? 0 : records_.rbegin()->first + 1;
        records_.emplace_hint(records_.end(), key, record);
    }

    void Clear()
    {
        records_.clear();
        cursor_ = records_.end();
        sortList_.clear();
        sortCursor_ = sortList_.end();
    }

    // The first record in key order whose field equals the value ("0" or "" = Handle).
    bool Find(const std::string& feldName, std::int32_t wert, T& daten) const
    {
        const bool standard = IsStandardName(feldName);
        for (const auto& [key, record] : records_) {
            if (standard ? record.Handle == wert : record.EqualsInt(feldName, wert)) {
                daten = record;
                return true;
            }
        }
        return false;
    }

    TDatenManager* Filter(const std::string& feldName, std::int16_t wert)
    {
        return IsStandardName(feldName) ? FilterStandard(wert) : FilterFeldName(feldName, wert);
    }
    TDatenManager* Filter(const std::string& feldName, std::int32_t wert)
    {
        return IsStandardName(feldName) ? FilterStandard(wert) : FilterFeldName(feldName, wert);
    }

    // A new child table of the matching records; owned by this table, may be deleted early.
    TDatenManager* FilterFeldName(const std::string& feldName, std::int16_t wert)
    {
        return MakeChild([&](const T& r) { return r.EqualsTyp(feldName, wert); });
    }
    TDatenManager* FilterFeldName(const std::string& feldName, std::int32_t wert)
    {
        return MakeChild([&](const T& r) { return r.EqualsInt(feldName, wert); });
    }

    // Not provided: tells the programmer so and answers no table.
    TDatenManager* FilterStandard(std::int32_t /*wert*/)
    {
        platform::MessageBox("Bitte Funktion TDatenManager<T>::FilterFeldName benutzen, bnis diese hier "
                             "repariert ist.\nDanke!",
                             "TDatenManager<T>::FilterStandard", platform::MB_OK);
        return nullptr;
    }

    // Builds the sort list (a stable sort of copies); First/Next walk it from now on.
    void Sort(const std::string& feldName)
    {
        sortList_.clear();
        sortCursor_ = sortList_.end();
        for (const auto& [key, record] : records_)
            sortList_.push_back({key, record});
        std::stable_sort(sortList_.begin(), sortList_.end(), typename TSortDaten<T>::sort_daten(feldName));
        sorted_ = true;
    }

    T* First()
    {
        if (sorted_) {
            sortCursor_ = sortList_.begin();
            return sortCursor_ == sortList_.end() ? nullptr : &sortCursor_->Daten;
        }
        cursor_ = records_.begin();
        return cursor_ == records_.end() ? nullptr : &cursor_->second;
    }

    T* Next()
    {
        if (sorted_) {
            if (sortCursor_ == sortList_.end() || ++sortCursor_ == sortList_.end())
                return nullptr;
            return &sortCursor_->Daten;
        }
        if (cursor_ == records_.end() || ++cursor_ == records_.end())
            return nullptr;
        return &cursor_->second;
    }

    // Replaces what the stream held with the record text; the position ends at 0.
    void SaveToStream(platform::TMemoryStream& stream, const std::vector<std::string>* vorspann = nullptr,
                      const std::vector<std::string>* nachspann = nullptr) const
    {
        stream.Clear();
        stream.Write(RecordText(vorspann, nachspann));
        stream.SetPosition(0);
    }

    // Writes the record text to the file, whole or not at all; throws std::system_error.
    void SaveToFile(const std::string& fileName, const std::vector<std::string>* vorspann = nullptr,
                    const std::vector<std::string>* nachspann = nullptr) const
    {
        platform::WriteFileAtomically(fileName, RecordText(vorspann, nachspann));
    }

    std::size_t Count() const { return records_.size(); }
    const Records& GetRecords() const { return records_; }
    Records& GetRecords() { return records_; }
    // What loading took as well as it could, one entry a line: record lines with text for a
    // number, with more fields than a record, or made comments by a damaged first character.
    const std::vector<std::string>& LoadFindings() const { return loadFindings_; }
    TDatenManager* Parent() const { return parent_; }
    bool IsSorted() const { return sorted_; }

private:
    static bool IsStandardName(const std::string& feldName) { return feldName.empty() || feldName == "0"; }

    void Load(std::string_view text)
    {
        std::int32_t key = 0;
        std::string buffer; // one line at a time, its room kept
        for (const std::string_view line : SplitRecordTextLines(text)) {
            if (line.empty())
                continue;
            if (line.front() == '#') {
                if (IsCommentedRecord(line))
                    loadFindings_.push_back(
                        RecordLineFinding(ReadHandle(line.substr(1)), "Datensatz als Kommentar (#) nicht gelesen", line));
                continue;
            }
            T record;
            try {
                buffer.assign(line);
                if (const std::string doubts = record.FillAndCheck(buffer); !doubts.empty())
                    loadFindings_.push_back(RecordLineFinding(record.Handle, doubts, line));
            } catch (const E_DatenStruktur& e) {
                throw E_DatenManager(e.Message);
            }
            records_.emplace_hint(records_.end(), ++key, std::move(record));
        }
    }

    template <typename Match>
    TDatenManager* MakeChild(Match matches)
    {
        Records picked;
        for (const auto& [key, record] : records_) {
            if (matches(record))
                picked.emplace(key, record);
        }
        auto* child = new TDatenManager(picked, this);
        children_.push_back(child);
        return child;
    }

    std::string RecordText(const std::vector<std::string>* vorspann, const std::vector<std::string>* nachspann) const
    {
        const T prototype;
        std::string text;
        auto line = [&text](const std::string& l) {
            text += l;
            text += "\r\n";
        };
        line(prototype.GetHeaderLine());
        line(prototype.GetCommentLine());
        if (vorspann)
            std::for_each(vorspann->begin(), vorspann->end(), line);
        for (const auto& [key, record] : records_)
            line(record.ToString());
        if (nachspann)
            std::for_each(nachspann->begin(), nachspann->end(), line);
        return text;
    }

    static std::int32_t ReadHandle(std::string_view line)
    {
        T record;
        record.Handle = 0;
        try {
            record.Fill(std::string(line));
        } catch (const E_DatenStruktur&) {
        }
        return record.Handle;
    }

    Records records_;
    std::vector<std::string> loadFindings_;
    typename Records::iterator cursor_ = records_.end();
    std::list<TDatenManager*> children_;
    std::vector<TSortDaten<T>> sortList_;
    typename std::vector<TSortDaten<T>>::iterator sortCursor_ = sortList_.end();
    TDatenManager* parent_ = nullptr;
    bool sorted_ = false;
};
