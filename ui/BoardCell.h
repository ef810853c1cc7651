#pragma once

#include <cstdint>

#include "rules/BoardState.h"
#include "ui/PictureBox.h"

namespace corvalen {

// One of a BoardView's 64 cells; its index is the square it shows. A cell can be dragged only
// while its drag mode is on, and then the cursor shows its drag icon.
class BoardCell : public PictureBox {
    Q_OBJECT
public:
    explicit BoardCell(int16_t index, QWidget *parent = nullptr);

    int16_t Index() const { return miIndex; }

    bool DragMode() const { return mbDragMode; }
    void SetDragMode(bool on) { mbDragMode = on; }

    const QPixmap &DragIcon() const { return mDragIcon; }
    QString DragIconFile() const { return msDragIconFile; }
    void SetDragIcon(const QPixmap &icon, const QString &file);
    void ClearDragIcon();

    // A marked cell shows a coloured frame over its picture: a square of the opponent's move.
    bool IsMarked() const { return mbMarked; }
    void SetMarked(bool marked);

protected:
    // Mouse input is left to the board, which tracks a drag across its cells.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int16_t miIndex;
    bool mbDragMode = false;
    bool mbMarked = false;
    QPixmap mDragIcon;
    QString msDragIconFile;
};

// How a screen reader names the cell of `square`: "e4, white pawn", "d5, empty", "e8, black
// king, in check" (`inCheck`), and "e4, white pawn, last move" on a `marked` cell.
QString CellName(const BoardState &board, int16_t square, bool marked, bool inCheck);

} // namespace corvalen
