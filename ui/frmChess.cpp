#include "ui/frmChess.h"

#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <string>

#include "about/frmAbout.h"
#include "code/CodeText.h"
#include "rules/San.h"
#include "rules/TypedMove.h"
#include "ui/BoardView.h"
#include "ui/Options.h"
#include "ui/PictureBox.h"
#include "ui/PieceImages.h"
#include "ui/WaylandStart.h"
#include "ui/frmBoardCode.h"
#include "ui/frmGame.h"
#include "ui/frmPawnChange.h"

namespace corvalen {

namespace {

    QString ProgramTitle()
    {
        return frmChess::tr("Chess");
    }

    const QString CheckPicture = QStringLiteral(":/check.png");
    constexpr int CellSize = 32;
    // The button column as designed; a language whose captions need more widens it.
    constexpr int ColumnLeft = 280;
    constexpr int DesignedColumnWidth = 77;
    constexpr int RightMargin = 9;
    // Room a caption needs beside its text within a button (frame and a little air).
    constexpr int ButtonPadding = 14;
    // The caption's place on the check picture, right of the picture's own 30 px.
    constexpr int CheckCaptionLeft = 36;
    constexpr int DesignedCheckCaptionWidth = 53;
    constexpr int StatusTop = 309;
    constexpr int StatusLines = 3;

    void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text)
    {
        QMessageBox box(icon, ProgramTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    QPushButton *MakeButton(
        const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
    {
        auto *button = new QPushButton(text, parent);
        button->setObjectName(name);
        button->setGeometry(geometry);
        // A screen reader reads an access key's "&" aloud: "E&xit" is named "Exit".
        button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        // Enter presses the button that has the focus, as in a dialog.
        button->setAutoDefault(true);
        return button;
    }

    QString FromStd(const std::string &text)
    {
        return QString::fromStdString(text);
    }

} // namespace

frmChess::frmChess(QWidget *parent)
    : QWidget(parent)
    , lblTitle(new QLabel(this))
    , picCheck(new PictureBox(this))
    , lblCheck(new QLabel(tr("In Check"), picCheck))
    , cmdUndo(MakeButton(QStringLiteral("cmdUndo"), tr("&Undo Move"), QRect(280, 36, 77, 25), this))
    , cmdSend(MakeButton(QStringLiteral("cmdSend"), tr("&Send Move"), QRect(280, 68, 77, 25), this))
    , cmdGame(MakeButton(QStringLiteral("cmdGame"), tr("&Game..."), QRect(280, 100, 77, 25), this))
    , txtMove(nullptr)
    , cmdNew(MakeButton(QStringLiteral("cmdNew"), tr("&New Game"), QRect(280, 208, 77, 25), this))
    , cmdAbout(
          MakeButton(QStringLiteral("cmdAbout"), tr("&About..."), QRect(280, 240, 77, 25), this))
    , cmdExit(MakeButton(QStringLiteral("cmdExit"), tr("&E&xit"), QRect(280, 272, 77, 25), this))
    , picBoard(new BoardView(this))
    , imgCell(picBoard->Cells())
    , lblStatus(new QLabel(this))
{
    RegisterWindowPictures();
    setObjectName(QStringLiteral("frmChess"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(QIcon(QStringLiteral(":/corvalen.png")));
    // The controls are laid out for a small 8-point face; the turn label needs its full width.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    // Made once the window has its face: a line edit lays out its text as it is made.
    txtMove = new QLineEdit(this);
    const QFontMetrics metrics(small);
    // The buttons are as wide as their widest caption in the player's language needs; the
    // window grows to the right by as much. Under the board, the status line has room for
    // three lines of text, so that the window keeps its height during the turn.
    const auto buttons = { cmdUndo, cmdSend, cmdGame, cmdNew, cmdAbout, cmdExit };
    int column = DesignedColumnWidth;
    for (const QPushButton *button : buttons)
        column
            = std::max(column, metrics.horizontalAdvance(button->accessibleName()) + ButtonPadding);
    for (QPushButton *button : buttons)
        button->resize(column, button->height());
    const int width = ColumnLeft + column + RightMargin;
    const int statusHeight = std::max(16, StatusLines * metrics.lineSpacing());
    setFixedSize(width, StatusTop + statusHeight + 2);

    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setGeometry(12, 4, 257, 33);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The caption beside the check picture is as wide as the longest it shows; the picture
    // moves left where the window's edge would cut it.
    int caption = DesignedCheckCaptionWidth;
    for (const QString &text : { tr("In Check"), tr("Mate"), tr("Stalemate") })
        caption = std::max(caption, metrics.horizontalAdvance(text));
    picCheck->setObjectName(QStringLiteral("picCheck"));
    picCheck->setGeometry(std::min(ColumnLeft, width - CheckCaptionLeft - caption), 8,
        std::max(92, CheckCaptionLeft + caption), 21);
    picCheck->ShowPicture(QPixmap(CheckPicture), CheckPicture);
    picCheck->hide();
    lblCheck->setObjectName(QStringLiteral("lblCheck"));
    lblCheck->setGeometry(CheckCaptionLeft, 4, caption, 13);
    QPalette red = lblCheck->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblCheck->setPalette(red);

    picBoard->setObjectName(QStringLiteral("picBoard"));
    picBoard->setGeometry(12, 36, 259, 260);
    picBoard->setFocusPolicy(Qt::TabFocus);

    txtMove->setObjectName(QStringLiteral("txtMove"));
    txtMove->setGeometry(ColumnLeft, 142, column, 22);
    txtMove->setPlaceholderText(tr("Type a move"));
    txtMove->setAccessibleName(txtMove->placeholderText());
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setGeometry(12, StatusTop, width - 12 - RightMargin, statusHeight);
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdExit->setDefault(true);
    // Alt+X as well as Alt+E: the caption underlines both letters.
    auto *exitKey = new QAction(this);
    exitKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    addAction(exitKey);
    connect(exitKey, &QAction::triggered, cmdExit, &QPushButton::animateClick);
    auto *moveKey = new QAction(this);
    moveKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    addAction(moveKey);
    connect(moveKey, &QAction::triggered, txtMove,
        [this] { txtMove->setFocus(Qt::ShortcutFocusReason); });
    auto *flipKey = new QAction(this);
    flipKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    addAction(flipKey);
    connect(flipKey, &QAction::triggered, this, &frmChess::FlipView);

    setTabOrder(cmdExit, cmdUndo);
    setTabOrder(cmdUndo, cmdSend);
    setTabOrder(cmdSend, cmdGame);
    setTabOrder(cmdGame, txtMove);
    setTabOrder(txtMove, cmdNew);
    setTabOrder(cmdNew, cmdAbout);
    setTabOrder(cmdAbout, picBoard);
    cmdExit->setFocus();

    connect(cmdNew, &QPushButton::clicked, this, &frmChess::cmdNew_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &frmChess::cmdUndo_Click);
    connect(cmdSend, &QPushButton::clicked, this, &frmChess::cmdSend_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmChess::cmdExit_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmChess::cmdAbout_Click);
    connect(cmdGame, &QPushButton::clicked, this, &frmChess::cmdGame_Click);
    // Enter in the move box makes the move and goes no further: it never presses Exit.
    txtMove->installEventFilter(this);
    connect(picBoard, &BoardView::MoveDropped, this, &frmChess::imgCell_DragDrop);
    connect(picBoard, &BoardView::PictureMissing, this, [this](const QString &file) {
        if (msMissingPicture.isEmpty())
            msMissingPicture = file;
    });
}

frmChess::~frmChess() = default;

bool frmChess::Form_Load()
{
    cmdUndo->setEnabled(false);
    cmdSend->setEnabled(false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    activateWindow();
    cmdExit->setFocus();
    if (IsWaylandPlatform()) {
        WaitForClipboardOffer(this);
        // Closed while waiting: there is no turn to play.
        if (!isVisible())
            return false;
    }
    mGame.SwitchRecord(Options::RecordEnabled());
    AdoptFormerPlayerName();
    if (!LoadPosition()) {
        close();
        return false;
    }
    SetTurnLabel(mGame.Board().giToMove);
    ReportMissingPicture();
    ShowNotices();
    return true;
}

bool frmChess::LoadPosition()
{
    const std::optional<CodeIntake> intake = ReadCodeFromClipboard();
    if (!intake)
        return false;
    mGame.Load(intake->decoded, intake->characters);
    SetViewForLoadedPosition();
    ShowLoadedPosition();
    return true;
}

void frmChess::ShowLoadedPosition()
{
    picBoard->SetMovable(true);
    ShowBoard(mGame.Board());
    ShowCheckAndMate();
    txtMove->setEnabled(true);
}

std::optional<CodeIntake> frmChess::ReadCodeFromClipboard()
{
    CodeIntake intake = ReadCodeText(QGuiApplication::clipboard()->text().toStdString());
    if (intake.kind == CodeIntake::Kind::Damaged)
        ShowDamagedCodeMessage();
    if (intake.kind != CodeIntake::Kind::Sound) {
        frmBoardCode dialog(this);
        dialog.exec();
        intake = ReadCodeText(dialog.sBoardCode.toStdString());
        if (intake.kind == CodeIntake::Kind::Damaged)
            ShowDamagedCodeMessage();
    }
    if (intake.kind != CodeIntake::Kind::Sound)
        return std::nullopt;
    return intake;
}

void frmChess::ShowDamagedCodeMessage()
{
    ShowMessage(this, QMessageBox::Warning,
        tr("The CHESS-CODE on the Clipboard is incomplete or damaged.\n\n"
           "Please copy the whole CHESS-CODE from the e-mail again."));
}

void frmChess::ShowCheckAndMate()
{
    const Turn &turn = mGame.CurrentTurn();
    const GameStatus status = turn.Status();
    if (status == GameStatus::Check || status == GameStatus::Mate) {
        picCheck->ShowPicture(QPixmap(CheckPicture), CheckPicture);
        SetCheckCaption(tr("In Check"));
        picCheck->show();
        if (status == GameStatus::Mate) {
            ShowPicture(picCheck, ImagesFolder() + QStringLiteral("/mate.bmp"));
            SetCheckCaption(tr("Mate"));
        }
    } else if (status == GameStatus::Stalemate) {
        // Without this the player would face a board on which no drop is ever accepted.
        picCheck->ShowPicture(QPixmap(CheckPicture), CheckPicture);
        SetCheckCaption(tr("Stalemate"));
        picCheck->show();
    }
}

void frmChess::SetCheckCaption(const QString &caption)
{
    lblCheck->setText(caption);
    // A screen reader reads the indicator as its caption; hidden, it has no name.
    picCheck->setAccessibleName(caption);
}

void frmChess::HideCheck()
{
    picCheck->hide();
    picCheck->setAccessibleName(QString());
}

void frmChess::LockBoard()
{
    picBoard->SetMovable(false);
    txtMove->setEnabled(false);
}

void frmChess::SetTurnLabel(int16_t toMove)
{
    lblTitle->setText(toMove != White
            ? tr("BLACK to move.\nUse the mouse to drag and drop your move.")
            : tr("WHITE to move.\nUse the mouse to drag and drop your move."));
}

void frmChess::cmdNew_Click()
{
    if (cmdUndo->isEnabled()) {
        UndoMove();
        cmdUndo->setEnabled(false);
        cmdSend->setEnabled(false);
    }
    HideCheck();
    SetTurnLabel(White);
    // Cells that held a piece before must not stay draggable once they are empty.
    LockBoard();
    picBoard->ShowEmpty();
    mGame.NewGame();
    SetViewForLoadedPosition();
    ShowLoadedPosition();
    ReportMissingPicture();
    ShowNotices();
}

void frmChess::cmdUndo_Click()
{
    // A move already sent may be in the opponent's hands: taking it back is confirmed first.
    const std::string question = mGame.UndoQuestion();
    if (!question.empty()) {
        QMessageBox box(QMessageBox::Question, ProgramTitle(), FromStd(question),
            QMessageBox::Ok | QMessageBox::Cancel, this);
        box.setDefaultButton(QMessageBox::Cancel);
        if (box.exec() != QMessageBox::Ok)
            return;
    }
    UndoMove();
    ShowStatus();
}

void frmChess::UndoMove()
{
    cmdUndo->setEnabled(false);
    cmdSend->setEnabled(false);
    mGame.Undo();
    ShowLoadedPosition();
    ReportMissingPicture();
}

void frmChess::cmdSend_Click()
{
    // Another answer to a position answered before may cross the first: confirmed first, and
    // Cancel leaves the record and the clipboard as they were.
    std::string confirm;
    const std::string question = mGame.SendQuestion(confirm);
    if (!question.empty()) {
        QMessageBox box(
            QMessageBox::Question, ProgramTitle(), FromStd(question), QMessageBox::NoButton, this);
        QPushButton *send = box.addButton(FromStd(confirm), QMessageBox::AcceptRole);
        send->setAccessibleName(FromStd(confirm));
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.exec();
        if (box.clickedButton() != send)
            return;
    }
    // The Game records the move before the code is handed out.
    const SentMove sent = mGame.Send();
    const QString code = FromStd(sent.code);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(code);
    ShowNotices();
    ShowSentMessage(code, FromStd(sent.numberedMove));
}

void frmChess::ShowSentMessage(const QString &code, const QString &numberedMove)
{
    const QString clipboardName = ClipboardName();
    QMessageBox box(QMessageBox::Information, ProgramTitle(),
        tr("Your CHESS-CODE has been copied to the %1.\n\n"
           "Now PASTE this CHESS-CODE into an email message and send it.")
            .arg(clipboardName),
        QMessageBox::Ok, this);
    QPushButton *mail = box.addButton(tr("New &E-mail"), QMessageBox::ActionRole);
    mail->setAccessibleName(tr("New E-mail"));
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == mail
        && !QDesktopServices::openUrl(
            MailUrl(code, FromStd(mGame.MailSubject(numberedMove.toStdString())),
                FromStd(mGame.OpponentEmail()))))
        ShowMessage(this, QMessageBox::Warning,
            tr("The mail program could not be started.\n\n"
               "Your CHESS-CODE is still on the %1: paste it into an e-mail.")
                .arg(clipboardName));
}

QUrl frmChess::MailtoUrl(const QString &code, const QString &numberedMove, const QString &address,
    const QString &subjectNote)
{
    return MailUrl(code,
        (numberedMove.isEmpty() ? QStringLiteral("Chess: my move")
                                : QStringLiteral("Chess: my move ") + numberedMove)
            + subjectNote,
        address);
}

QUrl frmChess::MailUrl(const QString &code, const QString &subject, const QString &address)
{
    // Every byte of the address but "@" is encoded: nothing in it can add a header or a
    // recipient.
    return QUrl::fromEncoded("mailto:" + QUrl::toPercentEncoding(address, "@")
        + "?subject=" + QUrl::toPercentEncoding(subject)
        + "&body=" + QUrl::toPercentEncoding(code + QStringLiteral("\r\n\r\n")));
}

void frmChess::cmdGame_Click()
{
    GameDialogContent content;
    content.recordFile = FromStd(mGame.RecordPath());
    frmGame dialog(content, mGame, this);
    // Off closes the record at once, so that Delete Record... finds no open record; on places
    // the loaded position in it at once, so that the dialog lists its game. What the record
    // has to tell waits until the dialog closes.
    connect(&dialog, &frmGame::RecordSwitched, this, [this](bool on) { mGame.SwitchRecord(on); });
    dialog.exec();
    mGame.SwitchRecord(Options::RecordEnabled());
    AdoptFormerPlayerName();
    ShowNotices();
    SetViewForLoadedPosition();
    ShowBoard(mGame.Board());
}

void frmChess::AdoptFormerPlayerName()
{
    const QString name = Options::FormerPlayerName();
    if (!name.isEmpty() && mGame.AdoptPlayerName(name.toStdString()))
        Options::RemoveFormerPlayerName();
}

void frmChess::cmdExit_Click()
{
    close();
}

void frmChess::cmdAbout_Click()
{
    frmAbout::ShowModal(this);
}

void frmChess::imgCell_DragDrop(int16_t source, int16_t target)
{
    const bool taken = mGame.TakesMove(source, target);
    ShowNotices();
    if (taken)
        MakeMove(source, target, Empty);
}

void frmChess::txtMove_Enter()
{
    const TypedMove typed = mGame.ReadTyped(txtMove->text().toStdString());
    ShowStatus();
    if (typed.kind != TypedMove::Kind::Move)
        return;
    const bool taken = mGame.TakesMove(typed.move.from, typed.move.to);
    ShowNotices();
    if (!taken)
        return;
    MakeMove(typed.move.from, typed.move.to, typed.promotionPiece);
    if (!cmdUndo->isEnabled())
        return;
    txtMove->clear();
    cmdSend->setFocus();
}

void frmChess::MakeMove(int16_t source, int16_t target, int16_t promotionPiece)
{
    const int16_t mover = mGame.Board().giToMove;
    if (mGame.NeedsPromotionChoice(source, target) && promotionPiece == Empty) {
        // The pawn stands on its last row while the player chooses what it becomes.
        BoardState waiting = mGame.Board();
        waiting.EmptySquare(source);
        waiting.PutPiece(target, Pawn, mover);
        ShowBoard(waiting);
        frmPawnChange dialog(mover, this);
        dialog.exec();
        promotionPiece = dialog.miCurrSel;
    }

    mGame.Play(source, target, promotionPiece);
    HideCheck();
    LockBoard();
    cmdUndo->setEnabled(true);
    cmdSend->setEnabled(true);
    ShowStatus();
    ReportMissingPicture();
}

void frmChess::ShowStatus()
{
    lblStatus->setText(FromStd(mGame.StatusLine()));
    ShowBoard(mGame.Board());
}

void frmChess::ShowNotices()
{
    ShowStatus();
    for (std::vector<Notice> notices = mGame.TakeNotices(); !notices.empty();
         notices = mGame.TakeNotices()) {
        for (const Notice &notice : notices) {
            const bool warning = notice.kind == Notice::Kind::Warning;
            QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information,
                ProgramTitle(), FromStd(notice.text), QMessageBox::Ok, this);
            QPushButton *start = notice.kind == Notice::Kind::SameAsSent
                ? box.addButton(tr("&Start a New Game"), QMessageBox::ActionRole)
                : nullptr;
            if (start)
                start->setAccessibleName(tr("Start a New Game"));
            box.setDefaultButton(QMessageBox::Ok);
            box.exec();
            if (start && box.clickedButton() == start)
                mGame.StartGameFromSameAsSent();
        }
        ShowStatus();
    }
}

void frmChess::ShowBoard(const BoardState &board)
{
    const Turn &turn = mGame.CurrentTurn();
    const bool check = !turn.PlayedMove()
        && (turn.Status() == GameStatus::Check || turn.Status() == GameStatus::Mate);
    picBoard->Show(board, mGame.Marks(), check ? turn.KingSquare() : NoSquare, mbFlipped);
}

void frmChess::SetViewForLoadedPosition()
{
    const bool flipped
        = (Options::SideToMoveAtBottom() && mGame.CurrentTurn().Loaded().giToMove == Black)
        != mbFlippedByKey;
    if (flipped == mbFlipped)
        return;
    mbFlipped = flipped;
    // The files and ranks around the board turn with it; the cells at the next ShowBoard.
    update();
}

void frmChess::FlipView()
{
    mbFlippedByKey = !mbFlippedByKey;
    SetViewForLoadedPosition();
    ShowBoard(mGame.Board());
}

void frmChess::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // The files below the board and the ranks left of it, in the margins around picBoard.
    QPainter painter(this);
    QFont face = font();
    face.setPointSize(6);
    painter.setFont(face);
    painter.setPen(palette().color(QPalette::WindowText));
    const QPoint board = picBoard->pos() + QPoint(picBoard->frameWidth(), picBoard->frameWidth());
    for (int i = 0; i < 8; ++i) {
        const int index = mbFlipped ? 7 - i : i;
        painter.drawText(
            QRect(board.x() + i * CellSize, picBoard->geometry().bottom() + 1, CellSize, 11),
            Qt::AlignCenter, QString(QChar('a' + index)));
        painter.drawText(QRect(0, board.y() + i * CellSize, board.x() - 1, CellSize),
            Qt::AlignCenter, QString(QChar('8' - index)));
    }
}

bool frmChess::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtMove && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtMove_Enter();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmChess::keyPressEvent(QKeyEvent *event)
{
    // Exit is the default button: Enter presses it when no button has the focus.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier && cmdExit->isEnabled()) {
        cmdExit->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmChess::ShowPicture(PictureBox *box, const QString &file)
{
    if (!box->ShowPictureFile(file) && msMissingPicture.isEmpty())
        msMissingPicture = file;
}

void frmChess::ReportMissingPicture()
{
    if (msMissingPicture.isEmpty())
        return;
    const QFileInfo file(msMissingPicture);
    msMissingPicture.clear();
    // One message per run: a broken picture folder stays broken, and the player has been told.
    if (mbMissingPictureReported)
        return;
    mbMissingPictureReported = true;
    ShowMessage(this, QMessageBox::Warning,
        tr("The picture file \"%1\" is missing or cannot be read.\n\n"
           "It was looked for in the folder:\n%2\n\n"
           "A plain square is shown in its place.")
            .arg(file.fileName(), QDir::toNativeSeparators(file.absolutePath())));
}

} // namespace corvalen
