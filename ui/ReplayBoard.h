#pragma once

#include <QFrame>
#include <array>

#include "rules/BoardState.h"
#include "ui/BoardCell.h"

namespace corvalen {

// A board that only shows: 64 cells of 32 pixels with the main board's pictures and cell names,
// from White's side or, flipped, from Black's.
class ReplayBoard : public QFrame {
    Q_OBJECT
public:
    explicit ReplayBoard(QWidget *parent = nullptr);

    void ShowPosition(const BoardState &board, bool flipped);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    const std::array<BoardCell *, 64> &Cells() const { return mCells; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Puts each cell where the view has its square, inside the frame.
    void PlaceCells();

    bool mbFlipped = false;
    std::array<BoardCell *, 64> mCells {};
};

} // namespace corvalen
