#include "views/DropEvents.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace views {

void AcceptDragEnter(QDragEnterEvent* event)
{
    // A move event follows at once and decides; without accepting here none would come.
    if (event->source())
        event->acceptProposedAction();
    else
        event->ignore();
}

void AnswerDragMove(QObject* view, QDragMoveEvent* event, const TTreeView::TDragOverEvent& onDragOver)
{
    bool accept = false;
    const QPoint at = event->position().toPoint();
    if (onDragOver)
        onDragOver(view, event->source(), at.x(), at.y(), dsDragMove, accept);
    if (accept) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void HandDrop(QObject* view, QDropEvent* event, const TTreeView::TDragDropEvent& onDragDrop)
{
    const QPoint at = event->position().toPoint();
    if (onDragDrop)
        onDragDrop(view, event->source(), at.x(), at.y());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace views
