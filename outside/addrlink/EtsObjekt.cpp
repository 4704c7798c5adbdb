#include "outside/addrlink/EtsObjekt.h"

#include "outside/addrlink/AddrlinkTypes.h"
#include "outside/datacore/MainWindowMessages.h"

#include <charconv>
#include <string_view>

namespace {

// The links as text: "subGroupId:address:flag" joined by ";".
std::string LinksText(const TObjektBasis::TGrpAdrIdList& links)
{
    std::string text;
    for (const TObjektBasis::RecGrpAdrId& link : links) {
        if (!text.empty())
            text += ';';
        text += std::to_string(link.SubGroupId) + ':' + std::to_string(link.GrpAdr) + ':' + (link.Flag ? '1' : '0');
    }
    return text;
}

template <class TNumber>
bool ReadNumber(std::string_view& text, TNumber& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool Expect(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c)
        return false;
    text.remove_prefix(1);
    return true;
}

// The links of a text written by LinksText; an entry that does not read is left out.
TObjektBasis::TGrpAdrIdList ReadLinks(std::string_view text)
{
    TObjektBasis::TGrpAdrIdList links;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        std::string_view entry = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        TObjektBasis::RecGrpAdrId link;
        int flag = 0;
        if (ReadNumber(entry, link.SubGroupId) && Expect(entry, ':') && ReadNumber(entry, link.GrpAdr) &&
            Expect(entry, ':') && ReadNumber(entry, flag) && entry.empty()) {
            link.Flag = flag != 0;
            links.push_back(link);
        }
    }
    return links;
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

void TEtsObjekt::Write(TDatenStruktur& record)
{
    TDataBasis::Write(record);
    record.Param2 = deviceObjectId_;
    record.Param3 = commObjectId_;
    record.Param4 = objectNumber_;
    record.Param5 = parameterId_;
    record.Param6 = kind_;
    record.Param7 = ioTyp_;
    record.Param8 = GetObjTyp();
    record.Param9 = index_;
    record.Param10 = GetNumberSelectableGrpAdr();
    record.Param16 = displayOrder_;
    record.Param17 = parameterValue_;
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        record.BoolAt(kind + 1) = Flags[static_cast<std::size_t>(kind)];
    record.String1 = LinksText(GetGrpAdrIdList());
    record.Param11 = objektWert_;
    record.Bool7 = enableCellFlagStatus_;
}

void TEtsObjekt::InitFromDB(const TDatenStruktur& record)
{
    TDataBasis::InitFromDB(record);
    deviceObjectId_ = record.Param2;
    commObjectId_ = record.Param3;
    objectNumber_ = record.Param4;
    parameterId_ = record.Param5;
    kind_ = static_cast<TEnumEtsObjektArt>(record.Param6);
    ioTyp_ = static_cast<TEnumIOTyp>(record.Param7);
    SetObjTyp(static_cast<std::uint8_t>(record.Param8));
    index_ = record.Param9;
    SetNumberSelectableGrpAdr(record.Param10);
    displayOrder_ = record.Param16;
    parameterValue_ = record.Param17;
    for (int kind = 0; kind < ObjektFlagCount; ++kind)
        Flags[static_cast<std::size_t>(kind)] = record.BoolAt(kind + 1);
    ClearAllSubGroupLink();
    for (const RecGrpAdrId& link : ReadLinks(record.String1))
        AddSubGroupLink(link.SubGroupId, link.GrpAdr, link.Flag);
    objektWert_ = record.Param11;
    enableCellFlagStatus_ = record.Bool7;
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
