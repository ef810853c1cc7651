#include "ui/frmGame.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "game/Game.h"
#include "ui/Options.h"

namespace corvalen {

namespace {

    // A screen reader reads an access key's "&" aloud: the name is the caption without it.
    void NameWithoutAccessKey(QAbstractButton *button)
    {
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    }

    QPushButton *MakeButton(const char *name, const QString &text, QWidget *parent)
    {
        auto *button = new QPushButton(text, parent);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        NameWithoutAccessKey(button);
        return button;
    }

} // namespace

frmGame::frmGame(const GameDialogContent &content, QWidget *parent)
    : QDialog(parent)
    , chkRecord(new QCheckBox(QStringLiteral("&Keep a record of my games on this computer"), this))
    , lblRecord(new QLabel(this))
    , cmdDeleteRecord(MakeButton("cmdDeleteRecord", QStringLiteral("&Delete Record..."), this))
    , chkSideToMove(new QCheckBox(QStringLiteral("Show the board from the &side to move"), this))
    , lblGame(new QLabel(this))
    , txtMoves(new QPlainTextEdit(this))
    , cmdSavePgn(MakeButton("cmdSavePgn", QStringLiteral("Save &PGN..."), this))
    , cmdCopyPgn(MakeButton("cmdCopyPgn", QStringLiteral("C&opy PGN"), this))
    , cmdClose(MakeButton("cmdClose", QStringLiteral("Close"), this))
    , mContent(content)
{
    setObjectName(QStringLiteral("frmGame"));
    setWindowTitle(QStringLiteral("Game"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    chkRecord->setObjectName(QStringLiteral("chkRecord"));
    chkSideToMove->setObjectName(QStringLiteral("chkSideToMove"));
    NameWithoutAccessKey(chkRecord);
    NameWithoutAccessKey(chkSideToMove);
    lblRecord->setObjectName(QStringLiteral("lblRecord"));
    lblGame->setObjectName(QStringLiteral("lblGame"));
    txtMoves->setObjectName(QStringLiteral("txtMoves"));
    lblRecord->setWordWrap(true);
    lblGame->setWordWrap(true);
    lblRecord->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtMoves->setReadOnly(true);
    txtMoves->setAccessibleName(QStringLiteral("Moves of the game"));
    txtMoves->setMinimumHeight(90);
    cmdClose->setDefault(true);

    auto *pgnButtons = new QHBoxLayout;
    pgnButtons->addWidget(cmdSavePgn);
    pgnButtons->addWidget(cmdCopyPgn);
    pgnButtons->addStretch();
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(cmdDeleteRecord);
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chkRecord);
    layout->addWidget(lblRecord);
    layout->addWidget(chkSideToMove);
    layout->addSpacing(8);
    layout->addWidget(lblGame);
    layout->addWidget(txtMoves);
    layout->addLayout(pgnButtons);
    layout->addSpacing(8);
    layout->addLayout(closeRow);
    setMinimumWidth(420);

    chkRecord->setChecked(Options::RecordEnabled());
    chkSideToMove->setChecked(Options::SideToMoveAtBottom());
    ShowRecordState();

    connect(chkRecord, &QCheckBox::toggled, this, &frmGame::chkRecord_Toggled);
    connect(chkSideToMove, &QCheckBox::toggled, this,
        [](bool on) { Options::SetSideToMoveAtBottom(on); });
    connect(cmdDeleteRecord, &QPushButton::clicked, this, &frmGame::cmdDeleteRecord_Click);
    connect(cmdSavePgn, &QPushButton::clicked, this, &frmGame::cmdSavePgn_Click);
    connect(cmdCopyPgn, &QPushButton::clicked, this, &frmGame::cmdCopyPgn_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmGame::ShowRecordState()
{
    const bool on = chkRecord->isChecked();
    const bool kept = QFileInfo::exists(mContent.recordFile);
    QString text = QStringLiteral(
        "Corvalen then shows the move your opponent made, checks that each code follows "
        "from the one you sent and keeps every game for PGN, in the file %1.")
                       .arg(mContent.recordFile);
    if (!on && kept)
        text = QStringLiteral(
            "No game is recorded now. The games recorded so far are kept in the file %1.")
                   .arg(mContent.recordFile);
    lblRecord->setText(text);
    cmdDeleteRecord->setVisible(!on && kept);

    const bool game = on && !mContent.started.isEmpty();
    lblGame->setText(game
            ? QStringLiteral("Game started %1. Copy PGN puts the game on the Clipboard in "
                             "place of the CHESS-CODE.")
                  .arg(mContent.started)
            : QStringLiteral("No recorded game belongs to this position."));
    lblGame->setVisible(on);
    txtMoves->setPlainText(game ? mContent.moves : QString());
    for (QWidget *widget : { static_cast<QWidget *>(txtMoves), static_cast<QWidget *>(cmdSavePgn),
             static_cast<QWidget *>(cmdCopyPgn) })
        widget->setVisible(game);
    adjustSize();
}

void frmGame::chkRecord_Toggled(bool on)
{
    Options::SetRecordEnabled(on);
    emit RecordSwitched(on);
    ShowRecordState();
}

void frmGame::cmdDeleteRecord_Click()
{
    QMessageBox question(QMessageBox::Warning, QStringLiteral("Game"),
        QStringLiteral("Delete the record of all your games in %1?\n\nThis cannot be undone.")
            .arg(mContent.recordFile),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    std::string error;
    if (!Game::DeleteRecord(mContent.recordFile.toStdString(), error))
        QMessageBox(QMessageBox::Warning, QStringLiteral("Game"), QString::fromStdString(error),
            QMessageBox::Ok, this)
            .exec();
    ShowRecordState();
}

void frmGame::cmdSavePgn_Click()
{
    QFileDialog dialog(this, QStringLiteral("Save PGN"),
        QStringLiteral("corvalen-%1.pgn").arg(mContent.started),
        QStringLiteral("PGN files (*.pgn);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SavePgn(dialog.selectedFiles().first());
}

bool frmGame::SavePgn(const QString &file)
{
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(mContent.pgn.toUtf8()) >= 0 && out.commit())
        return true;
    QMessageBox(QMessageBox::Warning, QStringLiteral("Game"),
        QStringLiteral("The PGN could not be saved in %1:\n%2").arg(file, out.errorString()),
        QMessageBox::Ok, this)
        .exec();
    return false;
}

void frmGame::cmdCopyPgn_Click()
{
    QGuiApplication::clipboard()->setText(mContent.pgn);
}

} // namespace corvalen
