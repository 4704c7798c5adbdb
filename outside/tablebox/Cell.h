#pragma once

#include "outside/tablebox/ComboWert.h"

#include <cstdint>
#include <string>
#include <vector>

// One cell of the parameter grid. Value cells carry the editor kind with its choices or
// limits; every cell of a row carries the row tag (the id of the parameter the row shows) and
// the help number of its row.
class TCell {
public:
    // State of a group-title cell: closed or open; an always-open group cannot be closed.
    enum TEnumGroupTitleState : std::uint8_t {
        gtsNone = 0,
        gtsClosed = 1,
        gtsOpen = 2,
        gtsAlwaysOpen = 4,
    };

    // What the cell is and which in-place editor opens on it.
    enum TEnumCellKind : std::uint8_t {
        ckText,         // plain text, no editor
        ckGroupTitle,   // a group title; clicking it switches the group
        ckEdit,         // TDrawGridSEEdit
        ckComboBox,     // TDrawGridSEComboBox
        ckSpinEdit,     // TLkSpinEdit with whole numbers
        ckSpinEditComma // TLkSpinEdit with Decimals places
    };

    TCell() = default;
    TCell(const TCell&) = default;
    TCell& operator=(const TCell&) = default;

    bool IsEditable() const { return !ReadOnly && Kind != ckText && Kind != ckGroupTitle; }
    // The caption of the choice with that value, empty when there is none.
    std::string ChoiceCaption(int value) const;
    // The shown text for a value of the cell's kind: the choice's caption or the number,
    // with a decimal comma for ckSpinEditComma.
    std::string FormatValue(double value) const;

    std::string Text;
    int Tag = 0;
    int HelpNumber = 0;
    TEnumCellKind Kind = ckText;
    bool ReadOnly = true;
    TEnumGroupTitleState GroupTitleState = gtsNone;
    std::vector<TComboWert> Choices;
    double Value = 0;
    double MaxValue = 0;
    double MinValue = 0;
    int Step = 1;     // in units of the last decimal place
    int Decimals = 0;
    int Style = 0;    // the further integer the row was added with
    bool Flag = false; // the flag the row was added with
    bool Ellipsis = false; // an edit cell with an ellipsis button (OnEllipseClick)
};
