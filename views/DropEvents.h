#pragma once

#include "views/TreeView.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace views {

// Qt's drag events of the tree and the list, handed to their OnDragOver/OnDragDrop. Qt never
// moves items itself: a drop is always a copy, and the data objects decide what it does.
void AcceptDragEnter(QDragEnterEvent* event);
void AnswerDragMove(QObject* view, QDragMoveEvent* event, const TTreeView::TDragOverEvent& onDragOver);
void HandDrop(QObject* view, QDropEvent* event, const TTreeView::TDragDropEvent& onDragDrop);

} // namespace views
