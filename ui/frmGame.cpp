#include "ui/frmGame.h"

#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "game/RecordWords.h"
#include "rules/MoveLegality.h"
#include "ui/BoardView.h"
#include "ui/GameTableModel.h"
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

    // A caption for `buddy`, which the screen reader then names by the caption without "&".
    QLabel *MakeLabel(const char *name, const QString &text, QWidget *buddy, QWidget *parent)
    {
        auto *label = new QLabel(text, parent);
        label->setObjectName(QLatin1String(name));
        label->setBuddy(buddy);
        buddy->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        return label;
    }

    template <class Widget> Widget *Named(Widget *widget, const char *name)
    {
        widget->setObjectName(QLatin1String(name));
        return widget;
    }

    QString FromStd(const std::string &text)
    {
        return QString::fromStdString(text);
    }

    // "1. e4 e5 2. Nf3" from the plies "1. e4", "1... e5", "2. Nf3".
    QString MoveText(const std::vector<std::string> &plies)
    {
        QStringList words;
        for (const std::string &ply : plies) {
            const QString text = FromStd(ply);
            words << (words.isEmpty() || !text.contains(QLatin1String("... "))
                    ? text
                    : text.section(QLatin1String("... "), 1));
        }
        return words.join(QLatin1Char(' '));
    }

} // namespace

frmGame::frmGame(const GameDialogContent &content, Game &game, QWidget *parent)
    : QDialog(parent)
    , fraDesk(Named(new QWidget(this), "fraDesk"))
    , tblGames(Named(new QTableView(fraDesk), "tblGames"))
    , lblMoveList(nullptr)
    , lstMoves(Named(new QListWidget(fraDesk), "lstMoves"))
    , picReplay(Named(new BoardView(fraDesk), "picReplay"))
    , cmdCopyFen(MakeButton("cmdCopyFen", tr("Copy &FEN"), fraDesk))
    , lblClipboard(Named(new QLabel(this), "lblClipboard"))
    , lblOpponent(nullptr)
    , txtOpponent(Named(new QLineEdit(fraDesk), "txtOpponent"))
    , lblEmail(nullptr)
    , txtEmail(Named(new QLineEdit(fraDesk), "txtEmail"))
    , lblEmailRefused(Named(new QLabel(fraDesk), "lblEmailRefused"))
    , cmdResign(MakeButton("cmdResign", tr("&Resign..."), fraDesk))
    , cmdOpponentResigned(MakeButton("cmdOpponentResigned", tr("Opponent Resi&gned..."), fraDesk))
    , cmdDrawAgreed(MakeButton("cmdDrawAgreed", tr("Dr&aw Agreed..."), fraDesk))
    , cmdReopen(MakeButton("cmdReopen", tr("R&eopen Game"), fraDesk))
    , cmdClaimDraw(MakeButton("cmdClaimDraw", tr("&Claim Draw..."), fraDesk))
    , cmdDeleteGame(MakeButton("cmdDeleteGame", tr("De&lete Game..."), fraDesk))
    , lblNotes(nullptr)
    , txtNotes(Named(new QPlainTextEdit(fraDesk), "txtNotes"))
    , chkRecord(new QCheckBox(tr("&Keep a record of my games on this computer"), this))
    , lblRecord(new QLabel(this))
    , cmdDeleteRecord(MakeButton("cmdDeleteRecord", tr("&Delete Record..."), this))
    , chkSideToMove(new QCheckBox(tr("Show the board from the &side to move"), this))
    , lblPlayerName(nullptr)
    , txtPlayerName(Named(new QLineEdit(this), "txtPlayerName"))
    , lblGame(new QLabel(this))
    , txtMoves(new QPlainTextEdit(this))
    , cmdSavePgn(MakeButton("cmdSavePgn", tr("Save &PGN..."), this))
    , cmdCopyPgn(MakeButton("cmdCopyPgn", tr("C&opy PGN"), this))
    , cmdClose(MakeButton("cmdClose", tr("Close"), this))
    , mContent(content)
    , mGame(game)
    , mGames(new GameTableModel(this))
    , mOpponentNames(new QCompleter(this))
{
    setObjectName(QStringLiteral("frmGame"));
    setWindowTitle(tr("Game"));
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
    txtMoves->setAccessibleName(tr("Moves of the game"));
    // A few lines of the game's text: the moves are also listed beside the replay board, and
    // the dialog stays within a 768-px screen.
    txtMoves->setMinimumHeight(48);
    txtMoves->setMaximumHeight(72);
    cmdClose->setDefault(true);

    // The desk: the games, and the one selected.
    tblGames->setModel(mGames);
    tblGames->setAccessibleName(tr("Games"));
    tblGames->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblGames->setSelectionMode(QAbstractItemView::SingleSelection);
    tblGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblGames->setTabKeyNavigation(false);
    tblGames->setWordWrap(false);
    tblGames->verticalHeader()->hide();
    tblGames->verticalHeader()->setDefaultSectionSize(tblGames->fontMetrics().height() + 6);
    tblGames->horizontalHeader()->setResizeContentsPrecision(0);
    tblGames->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblGames->horizontalHeader()->setSectionResizeMode(
        GameTableModel::Opponent, QHeaderView::Stretch);
    tblGames->setFixedHeight(tblGames->horizontalHeader()->sizeHint().height()
        + 5 * tblGames->verticalHeader()->defaultSectionSize() + 2 * tblGames->frameWidth());
    lblMoveList = MakeLabel("lblMoveList", tr("Mo&ves"), lstMoves, fraDesk);
    lstMoves->setWordWrap(false);
    lstMoves->setFixedWidth(120);
    lstMoves->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picReplay->setAccessibleName(tr("Replay board"));
    lblOpponent = MakeLabel("lblOpponent", tr("Opponen&t"), txtOpponent, fraDesk);
    lblEmail = MakeLabel("lblEmail", tr("Opponent's e-&mail"), txtEmail, fraDesk);
    txtOpponent->setMaxLength(80);
    // The names of earlier games complete what is typed.
    mOpponentNames->setModel(new QStringListModel(mOpponentNames));
    mOpponentNames->setCaseSensitivity(Qt::CaseInsensitive);
    txtOpponent->setCompleter(mOpponentNames);
    QPalette red = lblEmailRefused->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblEmailRefused->setPalette(red);
    lblNotes = MakeLabel("lblNotes", tr("&Notes (only you see them)"), txtNotes, fraDesk);
    txtNotes->setTabChangesFocus(true);
    txtNotes->setMinimumHeight(48);
    txtNotes->setMaximumHeight(60);
    lblClipboard->setWordWrap(true);
    lblClipboard->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblClipboard->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblPlayerName = MakeLabel("lblPlayerName", tr("&Your name"), txtPlayerName, this);
    txtPlayerName->setMaxLength(80);

    auto *moveColumn = new QVBoxLayout;
    moveColumn->addWidget(lblMoveList);
    moveColumn->addWidget(lstMoves, 1);
    moveColumn->addWidget(cmdCopyFen);
    auto *names = new QGridLayout;
    names->addWidget(lblOpponent, 0, 0);
    names->addWidget(txtOpponent, 0, 1);
    names->addWidget(lblEmail, 1, 0);
    names->addWidget(txtEmail, 1, 1);
    names->addWidget(lblEmailRefused, 2, 1);
    auto *results = new QGridLayout;
    results->addWidget(cmdResign, 0, 0);
    results->addWidget(cmdOpponentResigned, 0, 1);
    results->addWidget(cmdDrawAgreed, 1, 0);
    results->addWidget(cmdReopen, 1, 1);
    results->addWidget(cmdClaimDraw, 2, 0);
    results->addWidget(cmdDeleteGame, 2, 1);
    auto *details = new QVBoxLayout;
    details->addLayout(names);
    details->addSpacing(8);
    details->addLayout(results);
    details->addSpacing(8);
    details->addWidget(lblNotes);
    details->addWidget(txtNotes, 1);
    auto *replay = new QHBoxLayout;
    replay->addLayout(moveColumn);
    replay->addWidget(picReplay, 0, Qt::AlignTop);
    replay->addSpacing(8);
    replay->addLayout(details, 1);
    auto *desk = new QVBoxLayout(fraDesk);
    desk->setContentsMargins(0, 0, 0, 0);
    desk->addWidget(tblGames);
    desk->addLayout(replay);

    auto *pgnButtons = new QHBoxLayout;
    pgnButtons->addWidget(cmdSavePgn);
    pgnButtons->addWidget(cmdCopyPgn);
    pgnButtons->addWidget(lblClipboard, 1);
    auto *closeRow = new QHBoxLayout;
    closeRow->addWidget(cmdDeleteRecord);
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(lblPlayerName);
    nameRow->addWidget(txtPlayerName, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraDesk);
    layout->addWidget(chkRecord);
    layout->addWidget(lblRecord);
    layout->addWidget(chkSideToMove);
    layout->addLayout(nameRow);
    layout->addSpacing(8);
    layout->addWidget(lblGame);
    layout->addWidget(txtMoves);
    layout->addLayout(pgnButtons);
    layout->addSpacing(8);
    layout->addLayout(closeRow);
    setMinimumWidth(420);

    chkRecord->setChecked(Options::RecordEnabled());
    chkSideToMove->setChecked(Options::SideToMoveAtBottom());
    msPlayerName = FromStd(mGame.PlayerName());
    txtPlayerName->setText(msPlayerName);
    if (chkRecord->isChecked())
        ReloadGames(mGame.CurrentGameId());
    else
        ShowGame(-1);

    connect(chkRecord, &QCheckBox::toggled, this, &frmGame::chkRecord_Toggled);
    connect(chkSideToMove, &QCheckBox::toggled, this,
        [](bool on) { Options::SetSideToMoveAtBottom(on); });
    connect(cmdDeleteRecord, &QPushButton::clicked, this, &frmGame::cmdDeleteRecord_Click);
    connect(cmdSavePgn, &QPushButton::clicked, this, &frmGame::cmdSavePgn_Click);
    connect(cmdCopyPgn, &QPushButton::clicked, this, &frmGame::cmdCopyPgn_Click);
    connect(cmdCopyFen, &QPushButton::clicked, this, &frmGame::cmdCopyFen_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(tblGames->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex &current) { ShowGame(current.row()); });
    connect(lstMoves, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowPly(row + 1);
    });
    for (QLineEdit *field : { txtPlayerName, txtOpponent, txtEmail })
        connect(field, &QLineEdit::editingFinished, this, &frmGame::Field_EditingFinished);
    connect(cmdResign, &QPushButton::clicked, this, [this] { EndGame(PlayerEnding::Resign); });
    connect(cmdOpponentResigned, &QPushButton::clicked, this,
        [this] { EndGame(PlayerEnding::OpponentResigned); });
    connect(
        cmdDrawAgreed, &QPushButton::clicked, this, [this] { EndGame(PlayerEnding::DrawAgreed); });
    connect(cmdReopen, &QPushButton::clicked, this, &frmGame::cmdReopen_Click);
    connect(cmdClaimDraw, &QPushButton::clicked, this, &frmGame::cmdClaimDraw_Click);
    connect(cmdDeleteGame, &QPushButton::clicked, this, &frmGame::cmdDeleteGame_Click);
    lstMoves->installEventFilter(this);
    txtNotes->installEventFilter(this);
}

std::optional<int64_t> frmGame::ShownGame() const
{
    return mView ? std::optional<int64_t>(mView->id) : std::nullopt;
}

void frmGame::ShowRecordState()
{
    const bool on = chkRecord->isChecked();
    const bool kept = QFileInfo::exists(mContent.recordFile);
    const QString text = !on && kept
        ? tr("No game is recorded now. The games recorded so far are kept in the file %1.")
              .arg(mContent.recordFile)
        : tr("Corvalen then shows the move your opponent made, checks that each code follows "
             "from the one you sent and keeps every game for PGN, in the file %1.")
              .arg(mContent.recordFile);
    lblRecord->setText(text);
    cmdDeleteRecord->setVisible(!on && kept);
    fraDesk->setVisible(on);
    lblPlayerName->setVisible(on);
    txtPlayerName->setVisible(on);

    const bool game = on && mView;
    lblGame->setText(game
            ? tr("Game started %1. Copy PGN puts the game on the Clipboard in place of the "
                 "CHESS-CODE.")
                  .arg(FromStd(mView->started))
            : tr("No recorded game belongs to this position."));
    lblGame->setVisible(on);
    txtMoves->setPlainText(game ? MoveText(mView->plies) : QString());
    for (QWidget *widget : { static_cast<QWidget *>(txtMoves), static_cast<QWidget *>(cmdSavePgn),
             static_cast<QWidget *>(cmdCopyPgn), static_cast<QWidget *>(lblClipboard) })
        widget->setVisible(game);
    if (!on) {
        adjustSize();
        return;
    }
    // The whole desk shows even where adjustSize would keep the dialog within two thirds of
    // the screen.
    layout()->activate();
    const int width = qMax(sizeHint().width(), minimumWidth());
    resize(width, qMax(sizeHint().height(), layout()->totalHeightForWidth(width)));
}

void frmGame::ReloadGames(std::optional<int64_t> id)
{
    SaveEdits();
    mView.reset();
    {
        const QSignalBlocker blocker(tblGames->selectionModel());
        mGames->SetGames(mGame.GameList());
        QStringList names;
        for (const GameListRow &game : mGames->Games())
            if (!game.opponent.empty() && !names.contains(FromStd(game.opponent)))
                names << FromStd(game.opponent);
        static_cast<QStringListModel *>(mOpponentNames->model())->setStringList(names);
        tblGames->clearSelection();
        const int row = id ? mGames->RowOf(*id) : -1;
        tblGames->setCurrentIndex(
            row < 0 ? QModelIndex() : mGames->index(row, GameTableModel::Opponent));
        if (row >= 0)
            tblGames->scrollTo(mGames->index(row, 0));
    }
    ShowGame(tblGames->currentIndex().row());
}

void frmGame::ShowGame(int row)
{
    SaveEdits();
    mView.reset();
    if (row >= 0 && row < mGames->rowCount())
        mView = mGame.ViewGame(mGames->Games()[static_cast<size_t>(row)].id);
    {
        const QSignalBlocker blocker(lstMoves);
        lstMoves->clear();
        if (mView)
            for (const std::string &ply : mView->plies)
                lstMoves->addItem(FromStd(ply));
    }
    // Before its first send, this turn's game takes its opponent already.
    const bool turn = !mView && mGame.TurnStartsGame();
    txtOpponent->setText(FromStd(mView ? mView->opponent
            : turn                     ? mGame.TurnOpponent()
                                       : std::string()));
    txtEmail->setText(FromStd(mView ? mView->opponentEmail
            : turn                  ? mGame.OpponentEmail()
                                    : std::string()));
    txtNotes->setPlainText(mView ? FromStd(mView->notes) : QString());
    mbAddressRefused = false;
    lblEmailRefused->clear();
    txtEmail->setAccessibleDescription(QString());
    lblClipboard->clear();
    for (QWidget *widget :
        std::initializer_list<QWidget *> { lstMoves, cmdCopyFen, txtNotes, cmdDeleteGame })
        widget->setEnabled(mView.has_value());
    txtOpponent->setEnabled(mView || turn);
    txtEmail->setEnabled(mView || turn);
    if (mView)
        ShowPly(mView->line.Plies());
    else
        picReplay->Show(BoardState(), {}, NoSquare, false);
    EnableResults();
    ShowRecordState();
}

void frmGame::ShowPly(int ply)
{
    if (!mView)
        return;
    miPly = std::clamp(ply, 0, mView->line.Plies());
    const BoardState &board = mView->line.At(miPly).board;
    picReplay->Show(
        board, {}, board.mbInCheck ? FindKing(board) : NoSquare, mView->localSide == Black);
    const QSignalBlocker blocker(lstMoves);
    lstMoves->setCurrentRow(miPly - 1);
    if (miPly > 0)
        lstMoves->scrollToItem(lstMoves->item(miPly - 1));
    else
        lstMoves->scrollToTop();
}

void frmGame::EnableResults()
{
    const bool open = mView && !IsFinished(mView->result);
    cmdResign->setEnabled(open);
    cmdOpponentResigned->setEnabled(open);
    cmdDrawAgreed->setEnabled(open);
    cmdReopen->setEnabled(mView && mView->ending != GameEnding::None);
    cmdClaimDraw->setEnabled(
        open && mView->id == mGame.CurrentGameId() && mGame.ClaimableDraw() != DrawClaim::None);
}

bool frmGame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtNotes && event->type() == QEvent::FocusOut)
        SaveNotes();
    if (watched == lstMoves && event->type() == QEvent::KeyPress && mView) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
            case Qt::Key_Home:
                ShowPly(0);
                return true;
            case Qt::Key_End:
                ShowPly(mView->line.Plies());
                return true;
            case Qt::Key_Left:
                ShowPly(miPly - 1);
                return true;
            case Qt::Key_Right:
                ShowPly(miPly + 1);
                return true;
            default:
                break;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmGame::done(int result)
{
    // Closing keeps what was typed, as leaving each field would. An address refused keeps the
    // dialog open once, to show why; closed again, the dialog goes without it.
    const QString typed = txtEmail->text();
    const bool changed = SaveEdits();
    if (mbAddressRefused && typed != msKeptOpenFor) {
        msKeptOpenFor = typed;
        ShowSaved(changed, true, typed);
        txtEmail->setFocus();
        return;
    }
    QDialog::done(result);
}

bool frmGame::SaveEdits()
{
    bool changed = false;
    const QString name = txtPlayerName->text().trimmed();
    if (chkRecord->isChecked() && name != msPlayerName && mGame.SetPlayerName(name.toStdString())) {
        msPlayerName = name;
        changed = true;
    }
    SaveNotes();
    return SaveOpponent() || changed;
}

bool frmGame::SaveOpponent()
{
    const bool turn = !mView && mGame.TurnStartsGame();
    mbAddressRefused = false;
    if (!mView && !turn)
        return false;
    const std::string name = txtOpponent->text().trimmed().toStdString();
    const std::string email = txtEmail->text().trimmed().toStdString();
    const std::string storedName = mView ? mView->opponent : mGame.TurnOpponent();
    const std::string storedEmail = mView ? mView->opponentEmail : mGame.OpponentEmail();
    mbAddressRefused = !Game::TakesAddress(email);
    // A refused address costs nothing else: the name is kept beside the address stored.
    const std::string address = mbAddressRefused ? storedEmail : email;
    if (name == storedName && address == storedEmail)
        return false;
    if (!(mView ? mGame.SetOpponent(mView->id, name, address)
                : mGame.SetTurnOpponent(name, address)))
        return false;
    if (mView) {
        mView->opponent = name;
        mView->opponentEmail = address;
    }
    return true;
}

void frmGame::ShowSaved(bool changed, bool refused, const QString &typedEmail)
{
    if (changed)
        ReloadGames(mView ? std::optional<int64_t>(mView->id) : mGame.CurrentGameId());
    if (!refused)
        return;
    mbAddressRefused = true;
    txtEmail->setText(typedEmail);
    lblEmailRefused->setText(tr("not one plain address"));
    txtEmail->setAccessibleDescription(lblEmailRefused->text());
}

void frmGame::SaveNotes()
{
    if (!mView)
        return;
    const std::string notes = txtNotes->toPlainText().toStdString();
    if (notes != mView->notes && mGame.SetNotes(mView->id, notes))
        mView->notes = notes;
}

void frmGame::Field_EditingFinished()
{
    const QString typed = txtEmail->text();
    const bool changed = SaveEdits();
    ShowSaved(changed, mbAddressRefused, typed);
    if (!mbAddressRefused) {
        lblEmailRefused->clear();
        txtEmail->setAccessibleDescription(QString());
    }
}

QString frmGame::GameName() const
{
    if (!mView)
        return {};
    const QString started = FromStd(mView->started);
    const QString opponent = FromStd(mView->opponent);
    if (mView->plies.empty())
        return opponent.isEmpty() ? tr("the game started %1").arg(started)
                                  : tr("the game against %1 started %2").arg(opponent, started);
    const QString last = FromStd(mView->plies.back());
    return opponent.isEmpty()
        ? tr("the game started %1 (%2)").arg(started, last)
        : tr("the game against %1 started %2 (%3)").arg(opponent, started, last);
}

bool frmGame::Confirm(const QString &question, const QString &confirm)
{
    QMessageBox box(QMessageBox::Question, tr("Game"), question, QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(confirm, QMessageBox::AcceptRole);
    yes->setAccessibleName(confirm);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == yes;
}

void frmGame::EndGame(PlayerEnding ending)
{
    if (!mView)
        return;
    const QString game = GameName();
    const bool confirmed = ending == PlayerEnding::Resign
        ? Confirm(tr("Resign %1?").arg(game), tr("Resign"))
        : ending == PlayerEnding::OpponentResigned
        ? Confirm(tr("Your opponent resigned %1?").arg(game), tr("Opponent Resigned"))
        : Confirm(tr("You and your opponent agreed a draw in %1?").arg(game), tr("Draw Agreed"));
    if (confirmed && mGame.EndGame(mView->id, ending))
        ReloadGames(mView->id);
}

void frmGame::cmdReopen_Click()
{
    if (mView && mGame.ReopenGame(mView->id))
        ReloadGames(mView->id);
}

void frmGame::cmdClaimDraw_Click()
{
    const DrawClaim claim = mGame.ClaimableDraw();
    if (!mView || claim == DrawClaim::None
        || !Confirm((claim == DrawClaim::Threefold
                            ? tr("Claim a draw by threefold repetition in %1?")
                            : tr("Claim a draw by 50 moves without a capture or pawn move in %1?"))
                        .arg(GameName()),
            tr("Claim Draw")))
        return;
    if (mGame.ClaimDraw())
        ReloadGames(mView->id);
}

void frmGame::cmdDeleteGame_Click()
{
    if (!mView
        || !Confirm(tr("Delete %1?\n\nIts moves and notes are removed; your other games stay "
                       "as they are.")
                        .arg(GameName()),
            tr("Delete Game")))
        return;
    const int64_t id = mView->id;
    // The notes go with the game.
    mView.reset();
    if (mGame.DeleteGame(id))
        ReloadGames(mGame.CurrentGameId());
}

void frmGame::chkRecord_Toggled(bool on)
{
    if (!on) {
        SaveEdits();
        mView.reset();
    }
    Options::SetRecordEnabled(on);
    emit RecordSwitched(on);
    if (on) {
        msPlayerName = FromStd(mGame.PlayerName());
        txtPlayerName->setText(msPlayerName);
        ReloadGames(mGame.CurrentGameId());
    } else {
        mGames->SetGames({});
        ShowGame(-1);
    }
}

void frmGame::cmdDeleteRecord_Click()
{
    QMessageBox question(QMessageBox::Warning, tr("Game"),
        tr("Delete the record of all your games in %1?\n\nThis cannot be undone.")
            .arg(mContent.recordFile),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    if (const std::optional<Error> failed = Game::DeleteRecord(mContent.recordFile.toStdString()))
        QMessageBox(QMessageBox::Warning, tr("Game"), QString::fromStdString(WordRecordError(*failed)),
            QMessageBox::Ok, this)
            .exec();
    ShowRecordState();
}

void frmGame::cmdSavePgn_Click()
{
    QFileDialog dialog(this, tr("Save PGN"),
        QStringLiteral("corvalen-%1.pgn").arg(mView ? FromStd(mView->started) : QString()),
        tr("PGN files (*.pgn);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pgn"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SavePgn(dialog.selectedFiles().first());
}

bool frmGame::SavePgn(const QString &file)
{
    QSaveFile out(file);
    const QByteArray pgn = mView ? QByteArray::fromStdString(mView->pgn) : QByteArray();
    if (out.open(QIODevice::WriteOnly) && out.write(pgn) >= 0 && out.commit())
        return true;
    QMessageBox(QMessageBox::Warning, tr("Game"),
        tr("The PGN could not be saved in %1:\n%2").arg(file, out.errorString()), QMessageBox::Ok,
        this)
        .exec();
    return false;
}

void frmGame::cmdCopyPgn_Click()
{
    if (!mView)
        return;
    QGuiApplication::clipboard()->setText(FromStd(mView->pgn));
    lblClipboard->setText(
        tr("The PGN of %1 is on the clipboard in place of the CHESS-CODE.").arg(GameName()));
}

void frmGame::cmdCopyFen_Click()
{
    if (!mView)
        return;
    const QString fen = FromStd(mView->line.Fen(miPly));
    QGuiApplication::clipboard()->setText(fen);
    lblClipboard->setText(miPly == 0
            ? tr("FEN of the start copied to the clipboard: %1").arg(fen)
            : tr("FEN after %1 copied to the clipboard: %2")
                  .arg(FromStd(mView->plies[static_cast<size_t>(miPly - 1)]), fen));
}

} // namespace corvalen
