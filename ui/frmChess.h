#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "code/CodeText.h"
#include "game/Game.h"
#include "rules/BoardState.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace corvalen {

class BoardCell;
class BoardView;
class PictureBox;

// The main window: the board, the turn label, the check indicator, the buttons, the move box
// and the status line. It draws the Game of this turn, asks the player and uses the clipboard;
// the Game decides.
class frmChess : public QWidget {
    Q_OBJECT
public:
    explicit frmChess(QWidget *parent = nullptr);
    ~frmChess() override;

    // Start-up: shows the window and loads the code from the clipboard (or the code dialog).
    // False when no code was obtained; the window is then closed and the program should end
    // at once, without a message.
    bool Form_Load();

    const BoardState &Board() const { return mGame.Board(); }
    // The code loaded last, without its prefix, in upper case.
    QString BoardCode() const { return QString::fromStdString(mGame.LoadedCode()); }
    // Whether the board is drawn with Black's back rank at the bottom.
    bool IsFlipped() const { return mbFlipped; }

    // The URL "New E-mail" hands to the desktop: a new message to `address` (none unless it is
    // one plain address) with `subject`, and whose body is the code line followed by a blank
    // line, nothing else.
    static QUrl MailUrl(const QString &code, const QString &subject, const QString &address);
    // The same with the English subject that names the move sent ("Chess: my move 14... Nf6", or
    // "Chess: my move" when it is not known) followed by `subjectNote`.
    static QUrl MailtoUrl(const QString &code, const QString &numberedMove,
        const QString &address = QString(), const QString &subjectNote = QString());

    QLabel *lblTitle;
    PictureBox *picCheck;
    QLabel *lblCheck;
    QPushButton *cmdUndo;
    QPushButton *cmdSend;
    QPushButton *cmdGame;
    QLineEdit *txtMove;
    QPushButton *cmdNew;
    QPushButton *cmdAbout;
    QPushButton *cmdExit;
    BoardView *picBoard;
    // picBoard's cells, by square.
    const std::array<BoardCell *, 64> &imgCell;
    QLabel *lblStatus;

public slots:
    void cmdNew_Click();
    void cmdUndo_Click();
    void cmdSend_Click();
    void cmdGame_Click();
    void cmdExit_Click();
    void cmdAbout_Click();
    // A piece dragged from cell `source` was released over cell `target`.
    void imgCell_DragDrop(int16_t source, int16_t target);
    // Enter in the move box: the typed move takes the path of a drop.
    void txtMove_Enter();
    // Ctrl+F: the board seen from the other side, for this run.
    void FlipView();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Loads the clipboard's code (or the code dialog's). False when no code was obtained;
    // nothing is drawn then.
    bool LoadPosition();
    // Draws the pieces of the loaded position, makes them draggable and shows its status.
    void ShowLoadedPosition();
    // A sound code from the clipboard or, failing that, from the code dialog; nullopt when the
    // player gave none or a damaged one.
    std::optional<CodeIntake> ReadCodeFromClipboard();
    void ShowDamagedCodeMessage();
    void ShowCheckAndMate();
    void SetCheckCaption(const QString &caption);
    // Hides the check indicator, and its name with it.
    void HideCheck();
    void LockBoard();
    void SetTurnLabel(int16_t toMove);
    // The one move of the turn, from a drop or the move box; promotionPiece Empty asks the
    // player.
    void MakeMove(int16_t source, int16_t target, int16_t promotionPiece);
    // Takes the move back and redraws the board; asks nothing.
    void UndoMove();
    // Moves the name an earlier version kept in the options into the record, once.
    void AdoptFormerPlayerName();
    void ShowSentMessage(const QString &code, const QString &numberedMove);

    // The Game's status line, and the board with the marks of the opponent's move.
    void ShowStatus();
    // What the Game has to tell, one message box each, then the status line.
    void ShowNotices();
    // The board as it stands: the position, the marks, the king in check as loaded until a
    // move is made, and the side the view is seen from.
    void ShowBoard(const BoardState &board);
    void SetViewForLoadedPosition();

    void ShowPicture(PictureBox *box, const QString &file);
    // Tells the player, once per run, about the first picture file that failed to load.
    void ReportMissingPicture();

    // The turn with its record: every decision of the turn.
    Game mGame;
    QString msMissingPicture;
    bool mbMissingPictureReported = false;
    bool mbFlipped = false;
    bool mbFlippedByKey = false;
};

} // namespace corvalen
