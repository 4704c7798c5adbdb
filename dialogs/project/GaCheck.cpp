#include "dialogs/project/GaCheck.h"

#include "app/Spraddrlink.h"
#include "app/Sprcheckga.h"
#include "app/Spredit.h"
#include "dialogs/project/GrpAddrValue.h"
#include "outside/addrlink/SorvGrpAdrSub.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::int16_t TypKommunikationsObjekt = 806;

const std::string& StatusText(TEnumGaStatus status)
{
    switch (status) {
    case gsOk:
        return Sprcheckga::Text8004;
    case gsFalscherTyp:
        return Sprcheckga::Text8005;
    case gsUngueltig:
        return Spredit::Text9049;
    case gsFehlt:
        break;
    }
    return Sprcheckga::Text8006;
}

void SetStatus(TRecGroupAddrInfo& entry, TEnumGaStatus status)
{
    entry.Status = status;
    entry.StatusText = StatusText(status);
}

template <class T>
int Order(T a, T b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

std::string GetObjTypText(int typ)
{
    static const std::array<const std::string*, 17> texts{
        &Spraddrlink::Text1000, &Spraddrlink::Text1001, &Spraddrlink::Text1002, &Spraddrlink::Text1003,
        &Spraddrlink::Text1004, &Spraddrlink::Text1005, &Spraddrlink::Text1006, &Spraddrlink::Text1007,
        &Spraddrlink::Text1008, &Spraddrlink::Text1009, &Spraddrlink::Text1010, &Spraddrlink::Text1011,
        &Spraddrlink::Text1013, &Spraddrlink::Text1015, &Spraddrlink::Text1016, &Spraddrlink::Text1033,
        &Spraddrlink::Text1017,
    };
    const int code = static_cast<std::int8_t>(typ);
    if (code >= 0 && code < static_cast<int>(texts.size()))
        return *texts[static_cast<std::size_t>(code)];
    return Spraddrlink::Text1018 + " " + std::to_string(code);
}

void CheckAndSaveGroupAddr(TUsedGroupAddrMap& map, const TDatenStruktur& r, const TDatenStruktur& o)
{
    const auto address = static_cast<unsigned long>(static_cast<std::uint32_t>(r.Param15));
    if (address == 0)
        return;
    const std::string line = "Objekt" + std::to_string(o.Param4) + ": " + o.Name;
    if (const auto found = map.find(address); found != map.end()) {
        if (found->second.ObjectsText.empty())
            found->second.ObjectsText = Sprcheckga::Text8007;
        found->second.ObjectsText += "\r\n" + line;
        return;
    }
    TRecGroupAddrInfo entry;
    entry.Current = static_cast<std::uint32_t>(address);
    entry.Typ = o.Param8;
    entry.TypText = GetObjTypText(o.Param8);
    entry.ObjectsText = Sprcheckga::Text8007 + "\r\n" + line;
    if (!IsGroupAddress(r.Param15))
        SetStatus(entry, gsUngueltig);
    map.emplace(address, std::move(entry));
}

bool CollectUsedGroupAddr(const TDatenManager<TDatenStruktur>* table, TUsedGroupAddrMap& map)
{
    if (!table)
        return false;
    // The records below each record, in table order, found once.
    std::unordered_map<std::int32_t, std::vector<const TDatenStruktur*>> children;
    for (const auto& [key, record] : table->GetRecords())
        children[record.Parent].push_back(&record);
    bool any = false;
    for (const auto& [key, object] : table->GetRecords()) {
        if (object.Typ != TypKommunikationsObjekt)
            continue;
        any = true;
        CheckAndSaveGroupAddr(map, object, object);
        if (const auto below = children.find(object.Handle); below != children.end())
            for (const TDatenStruktur* child : below->second)
                CheckAndSaveGroupAddr(map, *child, object);
    }
    return any;
}

std::string GaCurrentText(const TRecGroupAddrInfo& entry, bool threeLevels)
{
    if (entry.Status == gsUngueltig)
        return std::to_string(static_cast<std::int32_t>(entry.Current));
    return GrpAddrString(static_cast<std::uint16_t>(entry.Current), threeLevels);
}

namespace {

// The sub groups of one address, in the order of the node map.
using TSubs = std::vector<const TSorvGrpAdrSub*>;

TEnumGaStatus StatusAmong(const TSubs& subs, int typ, std::int32_t& id)
{
    TEnumGaStatus status = gsFehlt;
    for (const TSorvGrpAdrSub* sub : subs) {
        if (GrpAddrSuitsObjTyp(sub->GetSubAdrTyp(), typ)) {
            id = sub->GetEtsId();
            return gsOk;
        }
        status = gsFalscherTyp;
    }
    return status;
}

// The project's sub groups by address, made once for a check of many addresses.
class TSubsByAddress {
public:
    explicit TSubsByAddress(const TGrpAdrNodes::TMap& nodes)
    {
        for (const auto& [key, node] : nodes)
            if (const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node))
                subs_[sub->GetGroupAddress(key)].push_back(sub);
    }
    TEnumGaStatus Status(std::uint32_t address, int typ, std::int32_t& id) const
    {
        const auto found = subs_.find(address);
        return found == subs_.end() ? gsFehlt : StatusAmong(found->second, typ, id);
    }

private:
    std::unordered_map<std::uint32_t, TSubs> subs_;
};

} // namespace

TEnumGaStatus KonvertEtsGAId(const TGrpAdrNodes::TMap& nodes, std::uint32_t address, int typ, std::int32_t& id)
{
    TSubs subs;
    for (const auto& [key, node] : nodes) {
        const auto* sub = dynamic_cast<const TSorvGrpAdrSub*>(node);
        if (sub && sub->GetGroupAddress(key) == address)
            subs.push_back(sub);
    }
    return StatusAmong(subs, typ, id);
}

bool AbgleichStatusUsedGroupAddr(TUsedGroupAddrMap& map, const TGrpAdrNodes::TMap& nodes, bool copy)
{
    const TSubsByAddress subs(nodes);
    bool allOk = true;
    for (auto& [address, entry] : map) {
        if (entry.Status == gsUngueltig) {
            entry.Target = 0;
            allOk = false;
            continue;
        }
        if (entry.Target == entry.Current || entry.Target != 0) {
            SetStatus(entry, gsOk);
            continue;
        }
        std::int32_t id = 0;
        const TEnumGaStatus status = subs.Status(entry.Current, entry.Typ, id);
        SetStatus(entry, status);
        if (status == gsOk && copy)
            entry.Target = entry.Current;
        if (status != gsOk)
            allOk = false;
    }
    return allOk;
}

void CreateFailedGa(TUsedGroupAddrMap& map, const TGrpAdrNodes::TMap& nodes, TNewGroupAddrList& toCreate)
{
    const TSubsByAddress subs(nodes);
    for (auto& [address, entry] : map) {
        if (entry.Status == gsUngueltig || entry.Target == entry.Current || entry.Target != 0)
            continue;
        std::int32_t id = 0;
        if (subs.Status(entry.Current, entry.Typ, id) != gsFehlt)
            continue;
        entry.Target = entry.Current;
        SetStatus(entry, gsOk);
        toCreate.push_back(RecNewGroupAddr{entry.Current, Sprcheckga::Text8018, entry.Typ - 1});
    }
}

int CompareGaRows(const TRecGroupAddrInfo* a, const TRecGroupAddrInfo* b, int column, bool ascending)
{
    if (!a || !b)
        return 0;
    int result = 0;
    switch (column) {
    case 0:
        result = Order(a->Current, b->Current);
        break;
    case 1:
        result = Order(a->Target, b->Target);
        break;
    case 2:
        result = Order(a->Typ, b->Typ);
        break;
    default:
        result = Order(static_cast<int>(a->Status), static_cast<int>(b->Status));
        break;
    }
    return ascending ? result : -result;
}
