#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ModalAnswers.h"
#include "WindowTestSupport.h"
#include "code/frmBoardCode.h"
#include "ui/BoardFrame.h"
#include "ui/frmChess.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w");
const QString DamagedText = QStringLiteral("Chess|The CHESS-CODE on the Clipboard is incomplete or "
                                           "damaged.\n\nPlease copy the whole CHESS-CODE from the "
                                           "e-mail again.");
const QString DialogText
    = QStringLiteral("Copy the Chess Code|Unable to find the CHESS-CODE in the "
                     "Windows Clipboard.\n\nPlease COPY the CHESS-CODE into "
                     "the Clipboard and press OK.");
const QString SentText = QStringLiteral("Chess|Your CHESS-CODE has been copied to the Windows "
                                        "Clipboard.\n\nNow PASTE this CHESS-CODE into an email "
                                        "message and send it.");
const QString MoveHint = QStringLiteral("\nUse the mouse to drag and drop your move.");

QString Title(const char *side)
{
    return QLatin1String(side) + QStringLiteral(" to move.") + MoveHint;
}

} // namespace

class FrmChessTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsTheClipboardPosition_data();
    void startUpShowsTheClipboardPosition();
    void damagedCodeIsExplainedAndAskedForAgain_data();
    void damagedCodeIsExplainedAndAskedForAgain();
    void codeDialogAnswersOnce_data();
    void codeDialogAnswersOnce();
    void codeDialogHasItsTextsAndOrder();
    void windowHasItsControlsWhereTheyBelong_data();
    void windowHasItsControlsWhereTheyBelong();
    void enterAtStartExits();
    void exitButtonClosesTheWindow_data();
    void exitButtonClosesTheWindow();
    void aboutButtonOpensTheAboutBox();
    void newGameLoadsTheStartAndLocksStaleCells();
    void sendMovePutsTheOpponentsCodeOnTheClipboard_data();
    void sendMovePutsTheOpponentsCodeOnTheClipboard();
    void missingPictureIsNamedOncePerRun_data();
    void missingPictureIsNamedOncePerRun();
    void realPictureFolderLoadsWithoutComplaint();
};

void FrmChessTest::startUpShowsTheClipboardPosition_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("indicator"); // lblCheck's caption when picCheck shows, else empty
    QTest::addColumn<QString>("indicatorPicture");
    QTest::addColumn<QString>("cells");

    const QString start = Code(StartFen);
    QTest::newRow("White to move") << start << StartFen << Title("WHITE") << QString() << QString()
                                   << "a8=wbrook.bmp e8=wbking.bmp d8=bbqueen.bmp a1=bgrook.bmp "
                                      "e1=bgking.bmp h1=wgrook.bmp e4=empty-light.png "
                                      "d4=empty-dark.png";
    const QString afterE4 = QStringLiteral("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3");
    QTest::newRow("Black to move, board still from White's side")
        << Code(afterE4) << afterE4 << Title("BLACK") << QString() << QString()
        << "a8=wbrook.bmp a1=bgrook.bmp e4=wgpawn.bmp e2=empty-light.png";
    const QString whiteInCheck = QStringLiteral("4k3/8/8/8/8/8/4r3/4K3 w");
    QTest::newRow("White in check")
        << Code(whiteInCheck) << whiteInCheck << Title("WHITE") << "In Check"
        << "check.png"
        << "e1=bgkingx.bmp e8=wbking.bmp e2=wbrook.bmp";
    const QString blackInCheck = QStringLiteral("4k3/4R3/8/8/8/8/8/4K3 b");
    QTest::newRow("Black in check")
        << Code(blackInCheck) << blackInCheck << Title("BLACK") << "In Check"
        << "check.png"
        << "e8=wbkingx.bmp e1=bgking.bmp e7=bgrook.bmp";
    const QString whiteMated = QStringLiteral("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w");
    QTest::newRow("White mated") << Code(whiteMated) << whiteMated << Title("WHITE") << "Mate"
                                 << "mate.bmp"
                                 << "e1=bgkingx.bmp e8=wbking.bmp h4=bbqueen.bmp";
    const QString blackMated = QStringLiteral("R5k1/5ppp/8/8/8/8/8/6K1 b");
    QTest::newRow("Black mated") << Code(blackMated) << blackMated << Title("BLACK") << "Mate"
                                 << "mate.bmp"
                                 << "g8=wbkingx.bmp g1=bgking.bmp a8=wgrook.bmp";
    const QString blackStalemated = QStringLiteral("7k/5Q2/6K1/8/8/8/8/8 b");
    QTest::newRow("Black stalemated")
        << Code(blackStalemated) << blackStalemated << Title("BLACK") << "Stalemate"
        << "check.png"
        << "h8=bbking.bmp f7=wgqueen.bmp";
    const QString whiteStalemated = QStringLiteral("8/8/8/8/8/1k6/2q5/K7 w");
    QTest::newRow("White stalemated")
        << Code(whiteStalemated) << whiteStalemated << Title("WHITE") << "Stalemate"
        << "check.png"
        << "a1=bgking.bmp";
    const QString otherSideInCheck = QStringLiteral("4k3/4R3/8/8/8/8/8/4K3 w");
    QTest::newRow("side not to move in check")
        << Code(otherSideInCheck) << otherSideInCheck << Title("WHITE") << QString() << QString()
        << "e8=wbking.bmp e1=bgking.bmp";
    const QString noWhiteKing = QStringLiteral("k7/8/8/8/8/8/8/r6R w");
    QTest::newRow("no king of the side to move")
        << Code(noWhiteKing) << noWhiteKing << Title("WHITE") << QString() << QString()
        << "a1=bbrook.bmp h1=wgrook.bmp";
    const QString nothingToMove = QStringLiteral("k7/8/8/8/8/8/8/7r w");
    QTest::newRow("side to move without any piece")
        << Code(nothingToMove) << nothingToMove << Title("WHITE") << QString() << QString()
        << "a8=wbking.bmp h1=wbrook.bmp";

    // Quoted twice, wrapped, with CR LF line ends, quote marks and a signature after it.
    QString dirty = QStringLiteral("  \r\n\r\n> > \"");
    for (qsizetype at = 0; at < start.size(); at += 20)
        dirty += start.mid(at, 20) + QStringLiteral("\r\n> > ");
    dirty += QStringLiteral("\"\r\n>\r\n-- \r\nBest regards, 10:45");
    QTest::newRow("dirty e-mail text") << dirty << StartFen << Title("WHITE") << QString()
                                       << QString() << "a8=wbrook.bmp e1=bgking.bmp";
}

void FrmChessTest::startUpShowsTheClipboardPosition()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, fen);
    QFETCH(QString, title);
    QFETCH(QString, indicator);
    QFETCH(QString, indicatorPicture);
    QFETCH(QString, cells);

    PictureFolder pictures;
    SetClipboard(clipboard);
    ModalAnswers modals;
    frmChess window;
    QVERIFY(window.Form_Load());

    QCOMPARE(modals.Seen(), QStringList());
    QVERIFY(window.isVisible());
    QCOMPARE(window.lblTitle->text(), title);
    QCOMPARE(window.picCheck->isVisible(), !indicator.isEmpty());
    if (!indicator.isEmpty()) {
        QCOMPARE(window.lblCheck->text(), indicator);
        QCOMPARE(Shown(window.picCheck), indicatorPicture);
    }
    for (const auto &[square, file] : CellTable(cells))
        QCOMPARE(Shown(window.imgCell[square]), file);

    BoardState expected = Position(fen);
    expected.mbInCheck
        = indicator == QLatin1String("In Check") || indicator == QLatin1String("Mate");
    QCOMPARE(window.Board(), expected);
    QCOMPARE(window.CastleTarget(), NoSquare);
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    // Every piece of either colour can be dragged, with its own icon; empty cells cannot.
    for (int16_t square = 0; square < 64; ++square) {
        const BoardCell *cell = window.imgCell[square];
        QCOMPARE(cell->DragMode(), !expected.IsEmpty(square));
        if (!expected.IsEmpty(square)) {
            QString picture;
            QString icon;
            GetPieceImageFiles(
                expected, square, expected.Colour(square), expected.Piece(square), picture, icon);
            QCOMPARE(cell->DragIconFile(), icon);
            QVERIFY(!cell->DragIcon().isNull());
        }
    }
}

void FrmChessTest::damagedCodeIsExplainedAndAskedForAgain_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("dialogClipboard"); // put on the clipboard before the dialog's OK
    QTest::addColumn<QString>("dialogButton");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<bool>("loaded");

    const QString start = Code(StartFen);
    const QString tooShort = start.left(30);
    const QString unknownPiece = RawCode(White, { { 4, Black, King }, { 60, White, 7 } });
    QTest::newRow("code too short, then New Game")
        << tooShort << QString() << "New Game" << QStringList { DamagedText, DialogText } << true;
    QTest::newRow("piece code 7, then a good code")
        << unknownPiece << start << "OK" << QStringList { DamagedText, DialogText } << true;
    QTest::newRow("prefix alone, then Cancel") << "CHESS-CODE:" << QString() << "Cancel"
                                               << QStringList { DamagedText, DialogText } << false;
    QTest::newRow("no code, damaged answer ends the program")
        << QString() << tooShort << "OK" << QStringList { DialogText, DamagedText } << false;
    QTest::newRow("damaged twice ends the program")
        << tooShort << unknownPiece << "OK" << QStringList { DamagedText, DialogText, DamagedText }
        << false;
}

void FrmChessTest::damagedCodeIsExplainedAndAskedForAgain()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, dialogClipboard);
    QFETCH(QString, dialogButton);
    QFETCH(QStringList, seen);
    QFETCH(bool, loaded);

    PictureFolder pictures;
    SetClipboard(clipboard);
    ModalAnswers modals;
    for (const QString &expected : seen) {
        if (expected == DialogText) {
            modals.Then([=](QWidget *dialog) {
                if (!dialogClipboard.isEmpty())
                    SetClipboard(dialogClipboard);
                ModalAnswers::Press(dialog, dialogButton);
            });
        } else {
            modals.Then(ModalAnswers::PressOk());
        }
    }
    frmChess window;
    QCOMPARE(window.Form_Load(), loaded);
    QCOMPARE(modals.Seen(), seen);
    QCOMPARE(window.isVisible(), loaded);
    if (loaded)
        QCOMPARE(window.Board(), Position(StartFen));
}

void FrmChessTest::codeDialogAnswersOnce_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("dialogClipboard");
    QTest::addColumn<QString>("answer"); // a button, or "close box"
    QTest::addColumn<QString>("loadedFen"); // empty: the program ends

    const QString blackToMove = QStringLiteral("4k3/8/8/8/8/8/3P4/4K3 b");
    QTest::newRow("Cancel") << QString() << QString() << "Cancel" << QString();
    QTest::newRow("close box") << QString() << QString() << "close box" << QString();
    QTest::newRow("OK with the clipboard still empty")
        << QString() << QString() << "OK" << QString();
    QTest::newRow("OK with text that holds no code") << QString() << "see you tomorrow"
                                                     << "OK" << QString();
    QTest::newRow("OK after copying a code")
        << QString() << Code(blackToMove).toUpper() << "OK" << blackToMove;
    QTest::newRow("New Game") << QString() << QString() << "New Game" << StartFen;
    QTest::newRow("reply marker before the code, New Game")
        << "Re: " + Code(blackToMove) << QString() << "New Game" << StartFen;
}

void FrmChessTest::codeDialogAnswersOnce()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, dialogClipboard);
    QFETCH(QString, answer);
    QFETCH(QString, loadedFen);

    PictureFolder pictures;
    SetClipboard(clipboard);
    ModalAnswers modals;
    modals.Then([=](QWidget *dialog) {
        QVERIFY(qobject_cast<frmBoardCode *>(dialog));
        if (!dialogClipboard.isEmpty())
            SetClipboard(dialogClipboard);
        if (answer == QLatin1String("close box"))
            dialog->close();
        else
            ModalAnswers::Press(dialog, answer);
    });
    frmChess window;
    const bool loaded = window.Form_Load();

    QCOMPARE(modals.Seen(), QStringList { DialogText });
    QCOMPARE(loaded, !loadedFen.isEmpty());
    QCOMPARE(window.isVisible(), loaded);
    if (loaded) {
        QCOMPARE(window.Board(), Position(loadedFen));
        QCOMPARE(window.lblTitle->text(),
            Title(Position(loadedFen).giToMove == White ? "WHITE" : "BLACK"));
    }
    if (answer == QLatin1String("New Game"))
        QCOMPARE(window.BoardCode(), QString::fromLatin1(StartingCode.data(), StartingCode.size()));
}

void FrmChessTest::codeDialogHasItsTextsAndOrder()
{
    frmBoardCode dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Copy the Chess Code"));
    QCOMPARE(dialog.size(), QSize(309, 119));
    QCOMPARE(dialog.sBoardCode, QString());
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("&OK"));
    QCOMPARE(dialog.cmdNew->text(), QStringLiteral("&New Game"));
    QCOMPARE(dialog.cmdCancel->text(), QStringLiteral("&Cancel"));
    QCOMPARE(dialog.cmdOK->nextInFocusChain(), dialog.cmdNew);
    QCOMPARE(dialog.cmdNew->nextInFocusChain(), dialog.cmdCancel);
    QCOMPARE(dialog.lblCaption->geometry(), QRect(12, 8, 285, 65));
    QCOMPARE(dialog.cmdCancel->geometry(), QRect(200, 84, 81, 25));
}

void FrmChessTest::windowHasItsControlsWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("lblTitle") << "lblTitle" << QString() << QRect(12, 4, 257, 33);
    QTest::newRow("picCheck") << "picCheck" << QString() << QRect(280, 8, 92, 21);
    QTest::newRow("lblCheck") << "lblCheck"
                              << "In Check" << QRect(36, 4, 53, 13);
    QTest::newRow("cmdUndo") << "cmdUndo"
                             << "&Undo Move" << QRect(280, 36, 77, 25);
    QTest::newRow("cmdSend") << "cmdSend"
                             << "&Send Move" << QRect(280, 68, 77, 25);
    QTest::newRow("cmdNew") << "cmdNew"
                            << "&New Game" << QRect(280, 208, 77, 25);
    QTest::newRow("cmdAbout") << "cmdAbout"
                              << "&About..." << QRect(280, 240, 77, 25);
    QTest::newRow("cmdExit") << "cmdExit"
                             << "&E&xit" << QRect(280, 272, 77, 25);
    QTest::newRow("picBoard") << "picBoard" << QString() << QRect(12, 36, 259, 260);
}

void FrmChessTest::windowHasItsControlsWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    frmChess window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Chess"));
    QCOMPARE(window.size(), QSize(366, 307));
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), text);
    if (auto *label = qobject_cast<QLabel *>(control); label && !text.isEmpty())
        QCOMPARE(label->text(), text);
}

void FrmChessTest::enterAtStartExits()
{
    PictureFolder pictures;
    SetClipboard(Code(StartFen));
    frmChess window;
    QVERIFY(window.Form_Load());
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Exit has the focus and leads the tab order; Undo and Send are disabled at start.
    QCOMPARE(QApplication::focusWidget(), window.cmdExit);
    QVERIFY(window.cmdExit->isDefault());
    QCOMPARE(window.cmdExit->nextInFocusChain(), window.cmdUndo);
    QCOMPARE(window.cmdUndo->nextInFocusChain(), window.cmdSend);
    QCOMPARE(window.cmdSend->nextInFocusChain(), window.cmdNew);
    QCOMPARE(window.cmdNew->nextInFocusChain(), window.cmdAbout);

    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
    QVERIFY(!window.isVisible());
}

void FrmChessTest::exitButtonClosesTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+E") << int(Qt::Key_E);
    QTest::newRow("Alt+X") << int(Qt::Key_X);
}

void FrmChessTest::exitButtonClosesTheWindow()
{
    QFETCH(int, key);

    PictureFolder pictures;
    SetClipboard(Code(StartFen));
    ModalAnswers modals;
    frmChess window;
    QVERIFY(window.Form_Load());
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(modals.Seen(), QStringList());
}

void FrmChessTest::aboutButtonOpensTheAboutBox()
{
    PictureFolder pictures;
    SetClipboard(Code(StartFen));
    ModalAnswers modals;
    modals.Then(ModalAnswers::PressOk());
    frmChess window;
    QVERIFY(window.Form_Load());
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The access key clicks the button a moment later, as a real key press would.
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(modals.Pending(), 0);
    QCOMPARE(modals.Seen().size(), 1);
    QVERIFY(modals.Seen().first().startsWith(QStringLiteral("About Chess|")));
    QVERIFY(window.isVisible());
}

void FrmChessTest::newGameLoadsTheStartAndLocksStaleCells()
{
    PictureFolder pictures;
    // Black in check, with pieces on squares the starting position leaves empty.
    SetClipboard(Code(QStringLiteral("4k3/4R3/8/1b6/8/8/8/4K3 b")));
    ModalAnswers modals;
    frmChess window;
    QVERIFY(window.Form_Load());
    QVERIFY(window.picCheck->isVisible());
    QVERIFY(window.imgCell[Sq("b5")]->DragMode());

    QTest::mouseClick(window.cmdNew, Qt::LeftButton);

    QCOMPARE(modals.Seen(), QStringList());
    QCOMPARE(window.lblTitle->text(), Title("WHITE"));
    QVERIFY(!window.picCheck->isVisible());
    QCOMPARE(window.Board(), Position(StartFen));
    QCOMPARE(window.BoardCode(), QString::fromLatin1(StartingCode.data(), StartingCode.size()));
    QVERIFY(!window.cmdUndo->isEnabled());
    QVERIFY(!window.cmdSend->isEnabled());
    for (int16_t square = 0; square < 64; ++square) {
        const bool occupied = RowOf(square) < 2 || RowOf(square) > 5;
        QCOMPARE(window.imgCell[square]->DragMode(), occupied);
        if (!occupied) {
            QCOMPARE(Shown(window.imgCell[square]),
                IsDarkSquare(square) ? QStringLiteral("blue.bmp") : QStringLiteral("white.bmp"));
            QCOMPARE(window.imgCell[square]->DragIconFile(), QString());
        }
    }
    QCOMPARE(Shown(window.imgCell[Sq("e8")]), QStringLiteral("wbking.bmp"));
}

void FrmChessTest::sendMovePutsTheOpponentsCodeOnTheClipboard_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("sent");

    // Two kings with White to move: Black moves next in the code sent.
    QTest::newRow("two kings") << RawCode(White, { { 4, Black, King }, { 60, White, King } })
                               << "CHESS-CODE:gh6v2o0";
    QTest::newRow("Black's turn sends White to move")
        << RawCode(Black, { { 4, Black, King }, { 60, White, King } }) << "CHESS-CODE:0h6v2o0";
}

void FrmChessTest::sendMovePutsTheOpponentsCodeOnTheClipboard()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, sent);

    PictureFolder pictures;
    SetClipboard(clipboard);
    ModalAnswers modals;
    frmChess window;
    QVERIFY(window.Form_Load());
    const BoardState before = window.Board();

    for (int time = 0; time < 2; ++time) {
        SetClipboard(QStringLiteral("something else"));
        modals.Then([&](QWidget *box) {
            // The code is on the clipboard while the message is open, as plain text.
            QCOMPARE(QGuiApplication::clipboard()->text(), sent);
            QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(),
                QStringList { QStringLiteral("text/plain") });
            ModalAnswers::Press(box, QStringLiteral("OK"));
        });
        window.cmdSend_Click();
    }
    QCOMPARE(modals.Seen(), (QStringList { SentText, SentText }));
    QCOMPARE(modals.Pending(), 0);
    QCOMPARE(window.Board(), before);
}

void FrmChessTest::missingPictureIsNamedOncePerRun_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QStringList>("spoiled");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("fallbackCell");

    QTest::newRow("one piece picture")
        << StartFen << QStringList { "bgking.bmp" } << QStringList() << "bgking.bmp"
        << "e1";
    QTest::newRow("several files, the first named")
        << StartFen << QStringList { "bgrook.bmp", "wbrook.bmp", "wking.ico" } << QStringList()
        << "wbrook.bmp"
        << "a8";
    QTest::newRow("unreadable picture")
        << StartFen << QStringList() << QStringList { "wbpawn.bmp" } << "wbpawn.bmp"
        << "b7";
    QTest::newRow("drag icon") << StartFen << QStringList { "pawn.ico" } << QStringList()
                               << "pawn.ico" << QString();
    QTest::newRow("mate picture") << QStringLiteral(
        "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w")
                                  << QStringList { "mate.bmp" } << QStringList() << "mate.bmp"
                                  << QString();
}

void FrmChessTest::missingPictureIsNamedOncePerRun()
{
    QFETCH(QString, fen);
    QFETCH(QStringList, removed);
    QFETCH(QStringList, spoiled);
    QFETCH(QString, named);
    QFETCH(QString, fallbackCell);

    PictureFolder pictures;
    for (const QString &name : removed)
        pictures.Remove(name);
    for (const QString &name : spoiled)
        pictures.Spoil(name);
    const QString message = QStringLiteral("Chess|The picture file \"%1\" is missing or cannot be "
                                           "read.\n\nIt was looked for in the folder:\n%2\n\n"
                                           "A plain square is shown in its place.")
                                .arg(named, QDir::toNativeSeparators(pictures.Path()));
    SetClipboard(Code(fen));
    ModalAnswers modals;
    modals.Then(ModalAnswers::PressOk());
    frmChess window;
    QVERIFY(window.Form_Load());
    QCOMPARE(modals.Seen(), QStringList { message });

    if (!fallbackCell.isEmpty()) {
        bool ok = true;
        const QImage fallback = LoadPicture(QString(), ok).toImage();
        QCOMPARE(window.imgCell[Sq(fallbackCell)]->pixmap().toImage(), fallback);
    }
    // The game goes on, and a later load that meets the file again says nothing more.
    QTest::mouseClick(window.cmdNew, Qt::LeftButton);
    QCOMPARE(modals.Seen().size(), 1);
    QCOMPARE(modals.Pending(), 0);
    QCOMPARE(window.Board(), Position(StartFen));
}

void FrmChessTest::realPictureFolderLoadsWithoutComplaint()
{
    const QString folder = QStringLiteral(CORVALEN_SOURCE_DIR "/images");
    if (!QFileInfo::exists(folder + QStringLiteral("/blue.bmp")))
        QSKIP("the picture files are not in the source tree");
    SetImagesFolder(folder);
    SetClipboard(Code(QStringLiteral("4k3/8/8/8/8/8/4r3/4K3 w")));
    ModalAnswers modals;
    frmChess window;
    QVERIFY(window.Form_Load());
    SetImagesFolder(QString());
    QCOMPARE(modals.Seen(), QStringList());
    for (const BoardCell *cell : window.imgCell)
        QCOMPARE(cell->pixmap().size(), QSize(32, 32));
    QVERIFY(!window.windowIcon().isNull());
    QVERIFY(!window.picCheck->pixmap().isNull());
    QCOMPARE(window.picCheck->pixmap().size(), QSize(30, 20));
}

QTEST_MAIN(FrmChessTest)
#include "tst_frmChess.moc"
