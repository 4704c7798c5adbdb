#pragma once

#include "dialogs/project/SubGroupEntry.h"
#include "outside/addrlink/ObjektBasis.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One selectable group address of the selection dialog.
struct RAdr {
    std::string Name;
    std::string AdrText; // the caption in the lists
    std::uint16_t Adr = 0;
    bool Assigned = false; // linked to the object when the dialog opened
    std::int32_t Id = 0;
};

// One of the two lists: its items in shown order, which of them are selected, the item with the
// focus and the sort state (column 0 = address, 1 = name).
struct TSelGrpAddrList {
    struct TItem {
        RAdr* Adr = nullptr;
        bool Selected = false;
    };

    std::vector<TItem> Items;
    int Focused = -1;
    int SortColumn = 0;
    bool Ascending = true;

    int Count() const { return static_cast<int>(Items.size()); }
    bool HasSelection() const;
    int IndexOf(const RAdr* adr) const;
    void ClearSelection();
    // Makes the item the only selected one and gives it the focus.
    void SelectOnly(int index);
};

enum class TSelSide { Source, Dest };

// The enabled states of ">", ">>", "<" and "<<".
struct TMoveButtons {
    bool Include = true;
    bool IncludeAll = true;
    bool Exclude = true;
    bool ExcludeAll = true;

    bool operator==(const TMoveButtons&) const = default;
};

// What the selection dialog shows and does, without the widgets: the selectable addresses of
// one communication object, the list of those to choose from (left) and of those assigned
// (right), the moves between them within the object's limit, the sorting of each list and the
// links that OK hands back.
class TSelGrpAddrModel {
public:
    // Without an object (hasObject false) both lists stay empty, the move buttons keep their
    // enabled states and the moves do nothing. maxSelectable ≤ 0: no limit.
    TSelGrpAddrModel(bool hasObject, int objTyp, int maxSelectable);

    // Offers the sub groups that suit the object type, each assigned when one of the links
    // names it, and fills and sorts both lists by address.
    void MakeAdrList(const std::vector<TSubGroupEntry>& subGroups, const TObjektBasis::TGrpAdrIdList& links);

    const TSelGrpAddrList& List(TSelSide side) const { return side == TSelSide::Source ? source_ : dest_; }
    TSelGrpAddrList& List(TSelSide side) { return side == TSelSide::Source ? source_ : dest_; }
    TMoveButtons Buttons() const;

    // ">" and "<": the selected items go over (">" stops with the "Achtung" box at the limit);
    // the last one moved gets the focus there, the list they left selects the item now at the
    // index of its former focus, the list they joined is sorted again.
    void Include();
    void Exclude();
    // ">>" and "<<": all items go over, then the first item there is selected.
    void IncludeAll();
    void ExcludeAll();
    // Focuses and selects the item at the index (clamped to the last one) in a non-empty list.
    void SetItem(TSelSide side, int index);

    // A click on a column header: the sort column's direction flips, another column sorts
    // ascending.
    void ClickColumn(TSelSide side, int column);
    void Sort(TSelSide side);
    // The two column captions of a list: "Adresse" and "Name", the sort column's with " *".
    std::array<std::string, 2> Captions(TSelSide side) const;

    // Offers a group address created just now (of whatever type) in the left list, selected and
    // with the focus; answers its index there.
    int AddCreated(const TSubGroupEntry& entry);

    // The links for OK: the right list's, top to bottom, then those of the links given at the
    // start that were not offered (they did not suit), each with the address value 0.
    TObjektBasis::TGrpAdrIdList Result() const;

private:
    void Move(TSelSide from, TSelSide to, int max);
    void MoveAll(TSelSide from, TSelSide to, int max);
    // Moves the selected items first to last; answers the index of the last one added, -1 for none.
    int MoveSelected(TSelGrpAddrList& from, TSelGrpAddrList& to, int max);

    bool hasObject_;
    int objTyp_;
    int max_;
    std::vector<std::unique_ptr<RAdr>> adrs_;
    TObjektBasis::TGrpAdrIdList hidden_;
    TSelGrpAddrList source_;
    TSelGrpAddrList dest_;
};

// The order of two list items: by address value or by name ignoring case; equal keys answer 0,
// descending negates.
int CompareSelItems(const RAdr* a, const RAdr* b, int column, bool ascending);
