#pragma once

#include <QFrame>
#include <QPointer>

#include "ui/BoardCell.h"

namespace corvalen {

// The picture box that holds the 64 cells. It tracks a drag itself: a press on a cell whose drag
// mode is on grabs the mouse with the cell's drag icon as cursor, and the release names the cell
// under the pointer. Cells pass their mouse events on, so a release delivered to a cell arrives
// here in board coordinates as well.
class BoardFrame : public QFrame {
    Q_OBJECT
public:
    explicit BoardFrame(QWidget *parent = nullptr);

    // The cell under a point in board coordinates, or nullptr (the frame, outside the board).
    BoardCell *CellAt(const QPoint &point) const;
    // The cell being dragged, or nullptr.
    BoardCell *DragSource() const { return mDragSource; }

signals:
    // A drag that began on move.from ended over move.to (which may be the same square).
    void CellDropped(corvalen::Move move);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointer<BoardCell> mDragSource;
};

} // namespace corvalen
