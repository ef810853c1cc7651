#pragma once

#include <QFrame>
#include <QHash>
#include <QPointer>
#include <array>
#include <cstdint>
#include <vector>

#include "rules/BoardState.h"
#include "ui/BoardCell.h"

namespace corvalen {

// Registers the pictures of the windows' own design (empty squares, the check picture, the
// program icon), compiled into this library; once per run, whoever asks first.
void RegisterWindowPictures();

// A board of 64 cells of 32 pixels in a sunken frame: the main window's board and the Game
// dialog's replay board. Show draws a position with its marks, its king in check and its
// orientation; every call draws every cell the same way, reading a picture file only where a
// cell's picture changes, and each file once. Until a cell first shows an empty square from
// its file it shows the windows' own empty square.
//
// While the board is movable, a press on a piece grabs the mouse with the piece's drag icon as
// cursor, and the release over a cell emits MoveDropped. Cells pass their mouse events on, so
// a release delivered to a cell arrives here in board coordinates as well.
class BoardView : public QFrame {
    Q_OBJECT
public:
    explicit BoardView(QWidget *parent = nullptr);

    // Draws `board`: a frame on the squares of `marks`, the check mark on the king standing on
    // `checkSquare` (NoSquare: none), Black's back rank at the bottom when `flipped`. Each cell
    // is named for a screen reader as CellName says.
    void Show(const BoardState &board, const std::vector<int16_t> &marks, int16_t checkSquare,
        bool flipped);
    // Every cell its empty-square picture file and no mark, as a new game starts.
    void ShowEmpty();
    // A movable board lets the pieces that Show draws be dragged; false stops every drag at once.
    void SetMovable(bool movable);

    bool IsFlipped() const { return mbFlipped; }
    const std::array<BoardCell *, 64> &Cells() const { return mCells; }
    // The cell under a point in board coordinates, or nullptr (the frame, outside the board).
    BoardCell *CellAt(const QPoint &point) const;
    // The cell being dragged, or nullptr.
    BoardCell *DragSource() const { return mDragSource; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // A piece dragged from `from` was released over `to` (which may be `from` itself).
    void MoveDropped(int16_t from, int16_t to);
    // A picture file could not be read; a plain square stands in for it.
    void PictureMissing(const QString &file);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Puts each cell where the orientation has its square, inside the frame.
    void PlaceCells();
    // Shows `file` in `cell` unless the cell shows it already.
    void ShowFile(BoardCell *cell, const QString &file);
    // The picture in `file` at `ratio`, read on first use; a missing file reads as a plain
    // square and is told once through PictureMissing.
    const QPixmap &Picture(const QString &file, qreal ratio);

    std::array<BoardCell *, 64> mCells {};
    QPointer<BoardCell> mDragSource;
    bool mbFlipped = false;
    bool mbMovable = false;
    QHash<QString, QPixmap> mPictures;
};

} // namespace corvalen
