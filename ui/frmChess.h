#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "rules/BoardState.h"
#include "rules/Turn.h"

class QLabel;
class QPushButton;

namespace corvalen {

class BoardCell;
class BoardFrame;
class PictureBox;

// The main window: the board, the turn label, the check indicator and the five buttons. It owns
// the game state of one turn: the position loaded from a code, the one move made on it, and the
// squares Undo Move has to repaint.
class frmChess : public QWidget {
    Q_OBJECT
public:
    explicit frmChess(QWidget *parent = nullptr);

    // Start-up: shows the window and loads the code from the clipboard (or the code dialog).
    // False when no code was obtained; the window is then closed and the program should end
    // at once, without a message.
    bool Form_Load();

    const BoardState &Board() const { return mTurn.Board(); }
    int16_t LastTarget() const { return mTurn.Outcome().miLastTarget; }
    int16_t CastleTarget() const { return mTurn.Outcome().miCastleTarget; }
    // The code loaded last, without its prefix, in upper case.
    const QString &BoardCode() const { return msBoardCode; }

    QLabel *lblTitle;
    PictureBox *picCheck;
    QLabel *lblCheck;
    QPushButton *cmdUndo;
    QPushButton *cmdSend;
    QPushButton *cmdNew;
    QPushButton *cmdAbout;
    QPushButton *cmdExit;
    BoardFrame *picBoard;
    std::array<BoardCell *, 64> imgCell;

public slots:
    void cmdNew_Click();
    void cmdUndo_Click();
    void cmdSend_Click();
    void cmdExit_Click();
    void cmdAbout_Click();
    // A piece dragged from cell `source` was released over cell `target`.
    void imgCell_DragDrop(int16_t target, int16_t source);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Empties the board and loads a code: the given one, or the clipboard's when `code` is
    // empty. False when no code was obtained; nothing is drawn then.
    bool LoadPosition(const QString &code);
    // Draws the pieces of the loaded position, makes them draggable and shows its status.
    void ShowLoadedPosition();
    // The base-32 characters of a sound code from the clipboard or, failing that, from the code
    // dialog; empty when the player gave none or a damaged one.
    QString ReadCodeFromClipboard();
    void ShowDamagedCodeMessage();
    void ShowCheckAndMate();
    void SetCheckCaption(const QString &caption);
    void ClearCheck();
    void LockBoard();
    void SetTurnLabel(int16_t toMove);

    void DrawBoard();
    void DrawSquare(int16_t square);
    // Paints the piece standing on the square (with the check mark when due).
    void DrawPiece(int16_t square);
    // The same for the piece `board` holds there, its check mark as `board` says.
    void DrawPieceOf(const BoardState &board, int16_t square);
    // Gives the cell of an occupied square its drag icon and lets it be dragged.
    void MakeDraggable(int16_t square);
    void ShowPicture(PictureBox *box, const QString &file);
    // Tells the player, once per run, about the first picture file that failed to load.
    void ReportMissingPicture();

    // The loaded position, its status and the move made on it: every decision of the turn.
    Turn mTurn;
    QString msBoardCode;
    QString msMissingPicture;
    bool mbMissingPictureReported = false;
};

} // namespace corvalen
