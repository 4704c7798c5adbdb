#pragma once

class QMimeData;

namespace views {

// What a tree or list view hands to a drag: only a mark that a data object is on its way. The
// target reads the object from the source control's selection.
QMimeData* NewDragMimeData();

} // namespace views
