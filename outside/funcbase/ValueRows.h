#pragma once

#include <functional>
#include <memory>
#include <string>

class TDataBasis;
class TDrawGridSE;

// The grid of the values a data object keeps: rows tagged with the object's own tags, whose
// combo and spin changes come back as (tag, new value).
namespace ValueRows {

// True when the object took the value (its record is then written again).
using TChange = std::function<bool(int tag, int value)>;
using TEllipse = std::function<void(int tag)>;

// Removes the cell events bound before and sets two columns; false without a grid.
bool Begin(TDrawGridSE* grid);
// Binds the change events, called only while guard's owner lives. A taken change writes the
// owner's record; every change then posts WM_USER_UPDATEALLVIEWS, so that a refused value
// shows its old value again.
void Bind(TDrawGridSE& grid, TDataBasis& owner, std::weak_ptr<const void> guard, TChange change,
          TEllipse ellipse = {});
// Posts WM_USER_SETACTIVECELL when column or row is 0 or more.
void End(const TDataBasis& owner, int column, int row);

// A read-only row with a text.
void AddText(TDrawGridSE& grid, const TDataBasis& owner, const std::string& caption, int tag,
             const std::string& text);
// An editable text row whose ellipsis reaches the ellipsis event.
void AddEllipse(TDrawGridSE& grid, const TDataBasis& owner, const std::string& caption, int tag,
                const std::string& text);

} // namespace ValueRows
