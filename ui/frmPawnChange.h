#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "rules/Types.h"

class QCloseEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace corvalen {

// Asks which piece a pawn on its last row becomes. The dialog cannot be left without a choice;
// afterwards miCurrSel holds the piece code (Rook..Queen). Use one instance per promotion.
class frmPawnChange : public QDialog {
    Q_OBJECT

public:
    // toMove is the promoting side (the side to move): its pieces are offered.
    explicit frmPawnChange(Colour toMove, QWidget *parent = nullptr);

    // 0 while nothing is chosen, else the chosen piece code: 1 rook, 2 knight, 3 bishop, 4 queen.
    int16_t miCurrSel = 0;

    QLabel *Label1;
    QFrame *Picture1;
    std::array<QLabel *, 4> imgCell;
    QPushButton *cmdOK;

public slots:
    // Escape and the close box end up here: refused until a choice, then the same as OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    // The arrow keys move the choice along the row, R, N, B and Q choose directly, and Enter
    // presses OK once a piece is chosen.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowChoices();
    void DrawChoice(int16_t index, bool selected);
    void imgCell_Click(int16_t index);
    void imgCell_DblClick(int16_t index);
    void cmdOK_Click();
    int16_t CellIndex(const QObject *watched) const;

    Colour miToMove;
};

} // namespace corvalen
