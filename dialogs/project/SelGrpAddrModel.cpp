#include "dialogs/project/SelGrpAddrModel.h"

#include "app/Spredit.h"
#include "dialogs/project/GrpAddrValue.h"
#include "platform/Cp1252.h"
#include "platform/UiService.h"

#include <algorithm>

bool TSelGrpAddrList::HasSelection() const
{
    return std::any_of(Items.begin(), Items.end(), [](const TItem& item) { return item.Selected; });
}

int TSelGrpAddrList::IndexOf(const RAdr* adr) const
{
    const auto found = std::find_if(Items.begin(), Items.end(), [adr](const TItem& item) { return item.Adr == adr; });
    return found == Items.end() ? -1 : static_cast<int>(found - Items.begin());
}

void TSelGrpAddrList::ClearSelection()
{
    for (TItem& item : Items)
        item.Selected = false;
}

void TSelGrpAddrList::SelectOnly(int index)
{
    ClearSelection();
    Items[static_cast<std::size_t>(index)].Selected = true;
    Focused = index;
}

int CompareSelItems(const RAdr* a, const RAdr* b, int column, bool ascending)
{
    if (!a || !b)
        return 0;
    int result = 0;
    if (column == 0)
        result = a->Adr < b->Adr ? -1 : (a->Adr > b->Adr ? 1 : 0);
    else
        result = QString::compare(platform::ToQString(a->Name), platform::ToQString(b->Name), Qt::CaseInsensitive);
    result = result < 0 ? -1 : (result > 0 ? 1 : 0);
    return ascending ? result : -result;
}

TSelGrpAddrModel::TSelGrpAddrModel(bool hasObject, int objTyp, int maxSelectable)
    : hasObject_(hasObject), objTyp_(objTyp), max_(maxSelectable)
{
}

void TSelGrpAddrModel::MakeAdrList(const std::vector<TSubGroupEntry>& subGroups,
                                   const TObjektBasis::TGrpAdrIdList& links)
{
    adrs_.clear();
    hidden_.clear();
    source_.Items.clear();
    dest_.Items.clear();
    if (!hasObject_)
        return;
    const auto linked = [&links](std::int32_t id) {
        return std::any_of(links.begin(), links.end(),
                           [id](const TObjektBasis::RecGrpAdrId& link) { return link.SubGroupId == id; });
    };
    for (const TSubGroupEntry& sub : subGroups) {
        if (!GrpAddrSuitsObjTyp(sub.SubAdrTyp, objTyp_))
            continue;
        adrs_.push_back(std::make_unique<RAdr>(RAdr{sub.Name, sub.AdrText, sub.Adr, linked(sub.Id), sub.Id}));
    }
    for (const TObjektBasis::RecGrpAdrId& link : links) {
        const bool shown = std::any_of(adrs_.begin(), adrs_.end(),
                                       [&link](const auto& adr) { return adr->Id == link.SubGroupId; });
        if (!shown)
            hidden_.push_back(TObjektBasis::RecGrpAdrId{link.SubGroupId, 0, false});
    }
    for (const auto& adr : adrs_)
        (adr->Assigned ? dest_ : source_).Items.push_back({adr.get(), false});
    source_.Focused = source_.Items.empty() ? -1 : 0;
    dest_.Focused = dest_.Items.empty() ? -1 : 0;
    Sort(TSelSide::Source);
    Sort(TSelSide::Dest);
}

TMoveButtons TSelGrpAddrModel::Buttons() const
{
    if (!hasObject_)
        return {};
    const bool room = max_ <= 0 || dest_.Count() < max_;
    return TMoveButtons{source_.HasSelection() && room, source_.Count() > 0 && room, dest_.HasSelection(),
                        dest_.Count() > 0};
}

int TSelGrpAddrModel::MoveSelected(TSelGrpAddrList& from, TSelGrpAddrList& to, int max)
{
    int last = -1;
    for (std::size_t i = 0; i < from.Items.size();) {
        if (!from.Items[i].Selected) {
            ++i;
            continue;
        }
        if (max > 0 && to.Count() >= max) {
            platform::MessageBox(Spredit::Text9062, Spredit::Text9040, platform::MB_ICONHAND);
            break;
        }
        to.Items.push_back({from.Items[i].Adr, false});
        last = to.Count() - 1;
        from.Items.erase(from.Items.begin() + static_cast<std::ptrdiff_t>(i));
    }
    if (from.Focused >= from.Count())
        from.Focused = from.Count() - 1;
    return last;
}

void TSelGrpAddrModel::Move(TSelSide from, TSelSide to, int max)
{
    if (!hasObject_)
        return;
    TSelGrpAddrList& source = List(from);
    TSelGrpAddrList& target = List(to);
    const int remembered = source.Focused;
    const int last = MoveSelected(source, target, max);
    target.ClearSelection();
    if (last >= 0)
        target.Focused = last;
    SetItem(from, remembered);
    Sort(to);
}

void TSelGrpAddrModel::MoveAll(TSelSide from, TSelSide to, int max)
{
    TSelGrpAddrList& source = List(from);
    if (source.Items.empty())
        return;
    for (TSelGrpAddrList::TItem& item : source.Items)
        item.Selected = true;
    Move(from, to, max);
    if (TSelGrpAddrList& target = List(to); !target.Items.empty())
        target.SelectOnly(0);
}

void TSelGrpAddrModel::Include()
{
    Move(TSelSide::Source, TSelSide::Dest, max_);
}

void TSelGrpAddrModel::Exclude()
{
    Move(TSelSide::Dest, TSelSide::Source, 0);
}

void TSelGrpAddrModel::IncludeAll()
{
    MoveAll(TSelSide::Source, TSelSide::Dest, max_);
}

void TSelGrpAddrModel::ExcludeAll()
{
    MoveAll(TSelSide::Dest, TSelSide::Source, 0);
}

void TSelGrpAddrModel::SetItem(TSelSide side, int index)
{
    TSelGrpAddrList& list = List(side);
    if (list.Items.empty() || index < 0)
        return;
    list.SelectOnly(std::min(index, list.Count() - 1));
}

void TSelGrpAddrModel::ClickColumn(TSelSide side, int column)
{
    TSelGrpAddrList& list = List(side);
    if (list.SortColumn == column) {
        list.Ascending = !list.Ascending;
    } else {
        list.SortColumn = column;
        list.Ascending = true;
    }
    Sort(side);
}

void TSelGrpAddrModel::Sort(TSelSide side)
{
    TSelGrpAddrList& list = List(side);
    const RAdr* focused = list.Focused >= 0 && list.Focused < list.Count()
                              ? list.Items[static_cast<std::size_t>(list.Focused)].Adr
                              : nullptr;
    std::stable_sort(list.Items.begin(), list.Items.end(),
                     [&list](const TSelGrpAddrList::TItem& a, const TSelGrpAddrList::TItem& b) {
                         return CompareSelItems(a.Adr, b.Adr, list.SortColumn, list.Ascending) < 0;
                     });
    if (focused)
        list.Focused = list.IndexOf(focused);
}

std::array<std::string, 2> TSelGrpAddrModel::Captions(TSelSide side) const
{
    std::array<std::string, 2> captions{Spredit::Text9055, Spredit::Text9276};
    captions[List(side).SortColumn == 0 ? 0 : 1] += " *";
    return captions;
}

int TSelGrpAddrModel::AddCreated(const TSubGroupEntry& entry)
{
    adrs_.push_back(std::make_unique<RAdr>(RAdr{entry.Name, entry.AdrText, entry.Adr, false, entry.Id}));
    RAdr* adr = adrs_.back().get();
    source_.Items.push_back({adr, false});
    Sort(TSelSide::Source);
    const int index = source_.IndexOf(adr);
    source_.SelectOnly(index);
    return index;
}

TObjektBasis::TGrpAdrIdList TSelGrpAddrModel::Result() const
{
    TObjektBasis::TGrpAdrIdList result;
    for (const TSelGrpAddrList::TItem& item : dest_.Items)
        if (item.Adr)
            result.push_back(TObjektBasis::RecGrpAdrId{item.Adr->Id, 0, false});
    result.insert(result.end(), hidden_.begin(), hidden_.end());
    return result;
}
