#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "game/Game.h"

class QCheckBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace corvalen {

class GameTableModel;
class BoardView;

// What the Game dialog shows of the record.
struct GameDialogContent {
    QString recordFile; // where the record is (or would be) kept
};

// The Game dialog. Its options (keep a record, the board from the side to move, the player's
// name) are written the moment the player changes them. While the record is on it shows above
// them every recorded game in a table; the game selected (at first the game of this turn) is
// replayed on a small board, with its opponent, results, notes, moves, Save PGN... and Copy PGN.
// The main board never changes; the Game decides and keeps everything.
class frmGame : public QDialog {
    Q_OBJECT
public:
    frmGame(const GameDialogContent &content, Game &game, QWidget *parent = nullptr);

    // Writes the selected game's PGN to `file`; false, after telling the player, when it cannot.
    bool SavePgn(const QString &file);
    // The game shown below the table; nullopt when none is selected.
    std::optional<int64_t> ShownGame() const;
    // The replay board's position: 0 the start, n after the n-th move.
    int ShownPly() const { return miPly; }
    void ShowPly(int ply);

    // The desk, shown while the record is on.
    QWidget *fraDesk;
    QTableView *tblGames;
    QLabel *lblMoveList;
    QListWidget *lstMoves;
    BoardView *picReplay;
    QPushButton *cmdCopyFen;
    QLabel *lblClipboard;
    QLabel *lblOpponent;
    QLineEdit *txtOpponent;
    QLabel *lblEmail;
    QLineEdit *txtEmail;
    QLabel *lblEmailRefused;
    QPushButton *cmdResign;
    QPushButton *cmdOpponentResigned;
    QPushButton *cmdDrawAgreed;
    QPushButton *cmdReopen;
    QPushButton *cmdClaimDraw;
    QPushButton *cmdDeleteGame;
    QLabel *lblNotes;
    QPlainTextEdit *txtNotes;
    // The options and the game's moves.
    QCheckBox *chkRecord;
    QLabel *lblRecord;
    QPushButton *cmdDeleteRecord;
    QCheckBox *chkSideToMove;
    QLabel *lblPlayerName;
    QLineEdit *txtPlayerName;
    QLabel *lblGame;
    QPlainTextEdit *txtMoves;
    QPushButton *cmdSavePgn;
    QPushButton *cmdCopyPgn;
    QPushButton *cmdClose;

signals:
    // The player turned the record on or off (the option is already written).
    void RecordSwitched(bool on);

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chkRecord_Toggled(bool on);
    void cmdDeleteRecord_Click();
    void cmdSavePgn_Click();
    void cmdCopyPgn_Click();
    void cmdCopyFen_Click();
    // Leaving the name, opponent or address field keeps what the fields hold.
    void Field_EditingFinished();
    void EndGame(PlayerEnding ending);
    void cmdReopen_Click();
    void cmdClaimDraw_Click();
    void cmdDeleteGame_Click();
    // Shows what the record option and the game section say as things stand.
    void ShowRecordState();
    // Reads the games again and selects `id` (or nothing when it is gone).
    void ReloadGames(std::optional<int64_t> id);
    // Shows the game of table row `row` (-1: none) below the table.
    void ShowGame(int row);
    // Keeps the shown game's notes when they changed.
    void SaveNotes();
    // Keeps every field that differs from what the record holds, whatever the order they were
    // edited in: the player's name, the notes, and the opponent and address of the game shown
    // (or of this turn's game before its first send). True when the games need reading again.
    bool SaveEdits();
    bool SaveOpponent();
    // After SaveEdits: the games read again when `changed`, and an address refused left in
    // its field with its message.
    void ShowSaved(bool changed, bool refused, const QString &typedEmail);
    void EnableResults();
    // Asks with a confirming button `confirm` and Cancel as the default; true when confirmed.
    bool Confirm(const QString &question, const QString &confirm);
    // "the game against Anna started 2026-11-02 (14... Nf6)".
    QString GameName() const;

    GameDialogContent mContent;
    Game &mGame;
    GameTableModel *mGames;
    std::optional<GameView> mView;
    int miPly = 0;
    QString msPlayerName; // as the record holds it
    bool mbAddressRefused = false; // by the last SaveOpponent
    QString msKeptOpenFor; // the refused address the dialog stayed open for once
    QCompleter *mOpponentNames;
};

} // namespace corvalen
