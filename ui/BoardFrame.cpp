#include "ui/BoardFrame.h"

#include <QCursor>
#include <QMouseEvent>

namespace corvalen {

BoardFrame::BoardFrame(QWidget *parent)
    : QFrame(parent)
{
}

BoardCell *BoardFrame::CellAt(const QPoint &point) const
{
    if (!rect().contains(point))
        return nullptr;
    return qobject_cast<BoardCell *>(childAt(point));
}

void BoardFrame::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    BoardCell *cell = CellAt(event->position().toPoint());
    if (!cell || !cell->DragMode())
        return;
    mDragSource = cell;
    if (cell->DragIcon().isNull())
        grabMouse();
    else
        grabMouse(QCursor(cell->DragIcon()));
}

void BoardFrame::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !mDragSource)
        return;
    BoardCell *source = mDragSource;
    mDragSource = nullptr;
    releaseMouse();
    if (BoardCell *target = CellAt(event->position().toPoint()))
        emit CellDropped(Move { source->Index(), target->Index() });
}

} // namespace corvalen
