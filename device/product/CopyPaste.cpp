// Copy and paste of functions: a key with everything below it as record lines, and those lines
// given to another key and its sub-objects by type.
#include "device/product/DeviceInstanzTalvo.h"

#include "app/Spredit.h"
#include "device/product/DatenTyp.h"
#include "outside/addrlink/EtsObjekt.h"
#include "outside/datacore/DataBasis.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <exception>
#include <memory>
#include <set>
#include <string>

namespace {

using TRecordTable = TDeviceInstanz::TRecordTable;

// The record table of the lines (one record per line).
std::unique_ptr<TRecordTable> TableOfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return std::make_unique<TRecordTable>(text.data(), text.size());
}

// The line of the source record and of the records chained to it in the copied table. False
// when a chained record is missing or met a second time; the chain ends there.
bool CollectChain(const TRecordTable& copied, const TDatenStruktur& source, std::vector<std::string>& lines)
{
    lines.push_back(source.ToString());
    std::set<std::int32_t> seen{source.Handle};
    std::int32_t next = source.Next;
    while (next > 0) {
        TDatenStruktur chained;
        if (!seen.insert(next).second || !copied.Find("Handle", next, chained))
            return false;
        lines.push_back(chained.ToString());
        next = chained.Next;
    }
    return true;
}

} // namespace

void TDeviceInstanzTalvo::AppendChain(const TDatenStruktur& record, std::int32_t system,
                                      std::vector<std::string>& lines, std::set<std::int32_t>& copied)
{
    lines.push_back(record.ToString());
    copied.insert(record.Handle);
    std::int32_t next = record.Next;
    while (next > 0 && copied.insert(next).second) {
        const TDatenStruktur* chained = SystemMaps.Find(system, record.Handle, next);
        if (!chained)
            break;
        lines.push_back(chained->ToString());
        next = chained->Next;
    }
}

int TDeviceInstanzTalvo::GetCopyData(TDataBasis* object, std::vector<std::string>& lines)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetCopyData");
    if (!object)
        return 1;
    if (object->GetTyp() != DT_TS_TASTE)
        return 0;
    const TDatenStruktur* own = SystemMaps.Find(object->GetSystem(), object->GetParentHandle(), object->GetHandle());
    if (!own)
        return 1;
    std::set<std::int32_t> copied;
    AppendChain(*own, object->GetSystem(), lines, copied);
    GetAllChildData(object, lines, copied);
    return 1;
}

void TDeviceInstanzTalvo::GetAllChildData(TDataBasis* object, std::vector<std::string>& lines,
                                          std::set<std::int32_t>& copied)
{
    LOG_FKT_START("TDeviceInstanzTalvo::GetAllChildData");
    TSystemTable* table = object ? SystemMaps.FindTable(object->GetSystem()) : nullptr;
    if (!table)
        return;
    const auto [first, last] = table->equal_range(object->GetHandle());
    for (auto it = first; it != last; ++it) {
        const TDatenStruktur& child = it->second;
        // The records chained to the object are filed below it as well: they are in already.
        if (copied.contains(child.Handle))
            continue;
        AppendChain(child, object->GetSystem(), lines, copied);
        TDataBasis* childObject = nullptr;
        if (GetDataPointer(child.Handle, childObject) && childObject)
            GetAllChildData(childObject, lines, copied);
    }
}

bool TDeviceInstanzTalvo::PasteInto(TDataBasis* object, const TRecordTable& copied, const TDatenStruktur& source,
                                    std::string& message)
{
    std::vector<std::string> lines;
    bool result = CollectChain(copied, source, lines);
    const std::unique_ptr<TRecordTable> own = TableOfLines(lines);
    if (!object->Paste(own.get(), message))
        result = false;
    if (TDatenStruktur* record = GetDatenSatz(object))
        object->Write(*record);
    return result;
}

void TDeviceInstanzTalvo::AppendState(const TDataBasis& object, std::vector<std::string>& state)
{
    const TSystemTable* table = SystemMaps.FindTable(object.GetSystem());
    if (!table)
        return;
    // Chained records are left out: a rewritten chain takes new handles for the same content.
    const auto add = [&state](TDatenStruktur record) {
        record.Next = 0;
        state.push_back(record.ToString());
    };
    if (const TDatenStruktur* own = SystemMaps.Find(object.GetSystem(), object.GetParentHandle(), object.GetHandle()))
        add(*own);
    const auto [first, last] = table->equal_range(object.GetHandle());
    for (auto it = first; it != last; ++it) {
        if (it->second.Typ == 0 || it->second.Handle == object.GetHandle())
            continue;
        TDataBasis* child = nullptr;
        if (GetDataPointer(it->second.Handle, child) && child)
            AppendState(*child, state);
        else
            add(it->second);
    }
}

bool TDeviceInstanzTalvo::Einfuegen(TDataBasis* target, const std::vector<std::string>& lines)
{
    LOG_FKT_START("TDeviceInstanzTalvo::Einfuegen");
    if (!target || lines.empty())
        return true;
    bool result = true;
    try {
        const std::unique_ptr<TRecordTable> copied = TableOfLines(lines);
        std::string message;
        std::vector<std::string> before;
        AppendState(*target, before);
        TDatenStruktur source;
        if (!copied->Find("Typ", target->GetTyp(), source))
            result = false; // the target is left alone
        else if (!PasteInto(target, *copied, source, message))
            result = false;
        if (!PasteChildren(target, copied.get(), result ? source.Handle : 0, message))
            result = false;
        // A paste that changed nothing transferred nothing: no success.
        std::vector<std::string> after;
        AppendState(*target, after);
        if (after == before)
            result = false;
    } catch (const std::exception& e) {
        platform::MessageBox(e.what(), Spredit::Text9099, 0);
        result = false;
    } catch (const E_DatenManager& e) {
        platform::MessageBox(e.Message, Spredit::Text9099, 0);
        result = false;
    }
    return result;
}

bool TDeviceInstanzTalvo::PasteDataToAllChilds(TDataBasis* parent, TRecordTable* copied, std::string& message)
{
    LOG_FKT_START("TDeviceInstanzTalvo::PasteDataToAllChilds");
    return PasteChildren(parent, copied, 0, message);
}

bool TDeviceInstanzTalvo::PasteChildren(TDataBasis* parent, TRecordTable* copied, std::int32_t sourceParent,
                                        std::string& message)
{
    TSystemTable* table = parent && copied ? SystemMaps.FindTable(parent->GetSystem()) : nullptr;
    if (!table)
        return true;
    bool result = true;
    std::set<std::int32_t> handled;
    for (bool restart = true; restart;) {
        restart = false;
        const auto [first, last] = table->equal_range(parent->GetHandle());
        for (auto it = first; it != last; ++it) {
            const std::int32_t handle = it->second.Handle;
            TDataBasis* child = nullptr;
            if (handled.contains(handle) || !GetDataPointer(handle, child) || !child)
                continue;
            handled.insert(handle);
            // The source is looked for among the copied children of the parent's source when that
            // is known, so that an object never takes another one's record (the key's
            // communication objects and its status object's share identification values).
            const auto* etsObject = dynamic_cast<TEtsObjekt*>(child);
            TDatenStruktur source;
            bool found = false;
            const std::unique_ptr<TRecordTable> candidates(
                copied->FilterFeldName("Typ", static_cast<std::int16_t>(child->GetTyp())));
            for (TDatenStruktur* r = candidates->First(); r && !found; r = candidates->Next()) {
                if (sourceParent != 0 && r->Parent != sourceParent)
                    continue;
                if (child->GetTyp() == DT_ETS_OBJEKT && (!etsObject || r->Param9 != etsObject->GetObjIdent()))
                    continue;
                source = *r;
                found = true;
            }
            if (!found || !PasteInto(child, *copied, source, message))
                result = false;
            if (!PasteChildren(child, copied, found ? source.Handle : 0, message))
                result = false;
            restart = true; // the paste may have replaced children
            break;
        }
    }
    return result;
}
