#include "outside/addrlink/EtsObjekt.h"

#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/addrlink/ObjektFlag.h"
#include "app/Spraddrlink.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/funcbase/ValueRows.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory_resource>
#include <vector>

namespace {

void WriteLink(TDatenStruktur& record, const TObjektBasis::RecGrpAdrId& link)
{
    record.Param14 = link.SubGroupId;
    record.Param15 = link.GrpAdr;
    record.Bool10 = link.Flag;
}

bool HasLink(const TDatenStruktur& record)
{
    return record.Param14 != 0 || record.Param15 > 0;
}

TObjektBasis::RecGrpAdrId ReadLink(const TDatenStruktur& record)
{
    return {record.Param14, static_cast<std::uint16_t>(record.Param15), record.Bool10};
}

constexpr int tagGruppenadressen = 1;

// The addresses of the links, main/middle/sub, joined by ", ".
std::string LinkTexts(const TObjektBasis::TGrpAdrIdList& links)
{
    std::string text;
    for (const TObjektBasis::RecGrpAdrId& link : links) {
        const int address = link.GrpAdr;
        text += (text.empty() ? "" : ", ") + std::to_string((address >> 11) & 15) + "/" +
                std::to_string((address >> 8) & 7) + "/" + std::to_string(address & 255);
    }
    return text;
}

} // namespace

TEtsObjekt::TEtsObjekt(platform::HWND window, std::int32_t system, std::int32_t parent, const std::string& name,
                       std::int32_t commObjectId, std::int32_t deviceObjectId, std::int32_t objectNumber,
                       std::int32_t parameterId, std::int32_t displayOrder, std::int32_t parameterValue,
                       TEnumEtsObjektArt kind, TEnumObjectType objectType, TEnumIOTyp ioTyp, int index,
                       std::int32_t handle)
    : TObjektBasis(objectType),
      TDataBasis(window, system, parent, name, handle),
      commObjectId_(commObjectId),
      deviceObjectId_(deviceObjectId),
      objectNumber_(objectNumber),
      parameterId_(parameterId),
      displayOrder_(displayOrder),
      parameterValue_(parameterValue),
      kind_(kind),
      ioTyp_(ioTyp),
      index_(index)
{
}

int TEtsObjekt::GetTyp() const
{
    return DT_ETS_OBJEKT;
}

int TEtsObjekt::GetIcon() const
{
    return GetGrpAdrIdList().empty() ? ICON_ETS_OBJEKT : ICON_ETS_OBJEKT_LINKED;
}

void TEtsObjekt::BuildInfoWindow(TDrawGridSE* grid, TListView* /*list*/, bool /*flag*/, int column, int row)
{
    if (!ValueRows::Begin(grid))
        return;
    ValueRows::AddEllipse(*grid, *this, Spraddrlink::Text1023, tagGruppenadressen, LinkTexts(GetGrpAdrIdList()));
    ValueRows::Bind(
        *grid, *this, GetEventGuard(), [](int, int) { return false; },
        [this](int tag) {
            if (tag == tagGruppenadressen)
                platform::SendMessage(GetWindowHandle(), WM_USER_OPENDLGGRPADRTOOBJECT, 0,
                                      reinterpret_cast<platform::LPARAM>(static_cast<TDataBasis*>(this)));
        });
    ValueRows::End(*this, column, row);
}

void TEtsObjekt::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param3 = commObjectId_;
    record.Param4 = objectNumber_;
    record.Param5 = parameterId_;
    record.Param6 = kind_;
    record.Param7 = ioTyp_;
    record.Param8 = GetObjTyp();
    record.Param9 = index_;
    record.Param10 = deviceObjectId_;
    record.Param11 = objektWert_;
    record.Param12 = GetNumberSelectableGrpAdr();
    record.Param13 = enableFlags_;
    record.Param16 = displayOrder_;
    record.Param17 = parameterValue_;
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        record.BoolAt(kind + 1) = Flags[static_cast<std::size_t>(kind)];
    record.Bool7 = enableCellFlagStatus_;

    const TGrpAdrIdList& links = GetGrpAdrIdList();
    WriteLink(record, links.empty() ? RecGrpAdrId{} : links.front());
    if (record.Next != 0) {
        platform::SendMessage(WindowHandle, WM_USER_DELETENEXTDATENSATZ, MakeSystemParentParam(System, Handle),
                              record.Next);
        record.Next = 0;
    }
    TDatenStruktur* previous = &record;
    for (std::size_t i = 1; i < links.size() && previous; ++i) {
        previous = GetNewNebenDatensatz(previous);
        if (previous)
            WriteLink(*previous, links[i]);
    }
}

void TEtsObjekt::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    commObjectId_ = record.Param3;
    objectNumber_ = record.Param4;
    parameterId_ = record.Param5;
    kind_ = static_cast<TEnumEtsObjektArt>(record.Param6);
    ioTyp_ = static_cast<TEnumIOTyp>(record.Param7);
    SetObjTyp(static_cast<std::uint8_t>(record.Param8));
    index_ = record.Param9;
    deviceObjectId_ = record.Param10;
    objektWert_ = record.Param11;
    SetNumberSelectableGrpAdr(record.Param12);
    enableFlags_ = record.Param13;
    displayOrder_ = record.Param16;
    parameterValue_ = record.Param17;
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        Flags[static_cast<std::size_t>(kind)] = record.BoolAt(kind + 1);
    enableCellFlagStatus_ = record.Bool7;

    ClearAllSubGroupLink();
    if (HasLink(record)) {
        const RecGrpAdrId link = ReadLink(record);
        AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
    }
    // Chains are short: the handles met are kept in a list on the stack (on the heap beyond
    // it), and a repeat ends the walk.
    std::array<std::byte, 32 * sizeof(std::int32_t)> room;
    std::pmr::monotonic_buffer_resource arena(room.data(), room.size());
    std::pmr::vector<std::int32_t> visited(&arena);
    const auto firstVisit = [&](std::int32_t handle) {
        if (handle == record.Handle || std::find(visited.begin(), visited.end(), handle) != visited.end())
            return false;
        visited.push_back(handle);
        return true;
    };
    for (std::int32_t next = record.Next; next > 0 && firstVisit(next);) {
        const TDatenStruktur* chained = GetDatensatz(System, next);
        if (!chained)
            break;
        if (HasLink(*chained)) {
            const RecGrpAdrId link = ReadLink(*chained);
            AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
        }
        next = chained->Next;
    }
}

bool TEtsObjekt::DatenAbgleich(bool /*first*/, bool /*second*/)
{
    RecObjektFlagsLesen request{deviceObjectId_, {}};
    const platform::LRESULT answer = platform::SendMessage(WindowHandle, WM_USER_OBJEKTFLAGSLESEN, 0,
                                                           reinterpret_cast<platform::LPARAM>(&request));
    projektStand_ = answer == OBJEKT_LESEN_OK ? psGelesen : answer == OBJEKT_LESEN_FEHLT ? psFehlt : psUnlesbar;
    if (projektStand_ != psGelesen)
        return false;
    for (int kind = 0; kind < ObjektFlagCount; ++kind) {
        if (kind != OBJEKT_FLAG_LESEN_BEI_INIT)
            Flags[static_cast<std::size_t>(kind)] = request.Flags[static_cast<std::size_t>(kind)];
    }
    return true;
}

bool TEtsObjekt::Paste(TRecordTable* table, std::string& /*message*/)
{
    TDatenStruktur source;
    if (!table || !table->Find("Typ", DT_ETS_OBJEKT, source))
        return false;
    std::array<bool, ObjektFlagCount> flags{};
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        flags[static_cast<std::size_t>(kind)] = source.BoolAt(kind + 1);
    if (flags == Flags)
        return true;
    return SetObjektFlags(flags[OBJEKT_FLAG_KOMMUNIKATION], flags[OBJEKT_FLAG_LESEN], flags[OBJEKT_FLAG_SCHREIBEN],
                          flags[OBJEKT_FLAG_UEBERTRAGEN], flags[OBJEKT_FLAG_AKTUALISIEREN],
                          flags[OBJEKT_FLAG_LESEN_BEI_INIT], true);
}

bool TEtsObjekt::UpdateAssociatedAddress(std::string& error)
{
    bool ok = true;
    TGrpAdrIdList links = GetGrpAdrIdList();
    for (RecGrpAdrId& link : links) {
        int address = 0;
        if (platform::SendMessage(WindowHandle, WM_USER_GETGRPADRNRASZAHL, static_cast<platform::WPARAM>(link.SubGroupId),
                                  reinterpret_cast<platform::LPARAM>(&address)) != 0) {
            link.GrpAdr = static_cast<std::uint16_t>(address);
        } else {
            ok = false;
            error += "\n" + GetName(true) + ": group address of sub group " + std::to_string(link.SubGroupId) +
                     " not read";
        }
    }
    ClearAllSubGroupLink();
    for (const RecGrpAdrId& link : links)
        AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
    return ok;
}

void TEtsObjekt::SetEnableFlags(bool communication, bool read, bool write, bool transmit, bool update,
                                bool readOnInit)
{
    const bool enabled[ObjektFlagCount] = {communication, read, write, transmit, update, readOnInit};
    enableFlags_ = 0;
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        if (enabled[kind])
            enableFlags_ |= 1 << kind;
}

void TEtsObjekt::SetGrpAdrSend(std::int32_t subGroupId)
{
    if (!ExistSubGroupId(subGroupId))
        return;
    const TGrpAdrIdList links = GetGrpAdrIdList();
    ClearAllSubGroupLink();
    for (const RecGrpAdrId& link : links) {
        if (link.SubGroupId == subGroupId)
            AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
    }
    for (const RecGrpAdrId& link : links) {
        if (link.SubGroupId != subGroupId)
            AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
    }
}

bool TEtsObjekt::SetObjektFlags(bool communication, bool read, bool write, bool transmit, bool update,
                                bool readOnInit, bool writeThrough)
{
    Flags = {communication, read, write, transmit, update, readOnInit};
    if (!writeThrough)
        return true;
    for (int kind = 0; kind < ObjektFlagCount; ++kind) {
        RecObjektFlag request{deviceObjectId_, kind, Flags[static_cast<std::size_t>(kind)] ? 1 : 0};
        if (platform::SendMessage(WindowHandle, WM_USER_OBJEKTFLAG, 0, reinterpret_cast<platform::LPARAM>(&request)) ==
            0)
            return false;
    }
    return true;
}
