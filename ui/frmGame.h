#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace corvalen {

// What the Game dialog shows of the record.
struct GameDialogContent {
    QString recordFile; // where the record is (or would be) kept
    QString started; // the game's start date (YYYY-MM-DD); empty: no recorded game to show
    QString moves; // numbered SAN
    QString pgn;
};

// The Game dialog: the options (keep a record, the board from the side to move), and while the
// record is on and the position belongs to a game, its moves with Save PGN... and Copy PGN.
// Options are written the moment the player changes them.
class frmGame : public QDialog {
    Q_OBJECT
public:
    explicit frmGame(const GameDialogContent &content, QWidget *parent = nullptr);

    // Writes the game's PGN to `file`; false, after telling the player, when it cannot.
    bool SavePgn(const QString &file);

    QCheckBox *chkRecord;
    QLabel *lblRecord;
    QPushButton *cmdDeleteRecord;
    QCheckBox *chkSideToMove;
    QLabel *lblGame;
    QPlainTextEdit *txtMoves;
    QPushButton *cmdSavePgn;
    QPushButton *cmdCopyPgn;
    QPushButton *cmdClose;

signals:
    // The player turned the record on or off (the option is already written).
    void RecordSwitched(bool on);

private:
    void chkRecord_Toggled(bool on);
    void cmdDeleteRecord_Click();
    void cmdSavePgn_Click();
    void cmdCopyPgn_Click();
    // Shows what the record option and the game section say as things stand.
    void ShowRecordState();

    GameDialogContent mContent;
};

} // namespace corvalen
