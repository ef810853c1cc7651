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
    const std::array<BoardCell *, 64> &Cells() const { return mCells; }

private:
    std::array<BoardCell *, 64> mCells {};
};

} // namespace corvalen
