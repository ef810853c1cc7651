#include <QMimeData>
#include <QTest>

#include "ModalAnswers.h"
#include "WindowTestSupport.h"
#include "code/frmBoardCode.h"
#include "ui/frmChess.h"

using namespace corvalen;
using namespace corvalen::testing;

namespace {

QString Title(const char *side)
{
    return QLatin1String(side)
        + QStringLiteral(" to move.\nUse the mouse to drag and drop your move.");
}

QString StartingText()
{
    return QString::fromLatin1(StartingCode.data(), StartingCode.size());
}

// A window loaded from `clipboard`, with the modal answers set up before the load.
struct Loaded {
    PictureFolder pictures;
    ModalAnswers modals;
    frmChess window;
    bool Load(const QString &clipboard)
    {
        SetClipboard(clipboard);
        return window.Form_Load();
    }
};

} // namespace

class FrmChessTest : public QObject {
    Q_OBJECT

private slots:
    void startUpShowsTheClipboardPosition_data();
    void startUpShowsTheClipboardPosition();
    void codeDialogAnswersOnce_data();
    void codeDialogAnswersOnce();
    void keysAtStart_data();
    void keysAtStart();
    void newGameLoadsTheStartAndLocksStaleCells();
    void sendMovePutsTheOpponentsCodeOnTheClipboard();
    void missingPictureIsNamedOncePerRun_data();
    void missingPictureIsNamedOncePerRun();
};

void FrmChessTest::startUpShowsTheClipboardPosition_data()
{
    QTest::addColumn<QString>("fen");
    QTest::addColumn<QString>("indicator"); // lblCheck's caption when picCheck shows
    QTest::addColumn<QString>("cells");

    QTest::newRow("White to move") << StartFen << QString()
                                   << "a8=wbrook.bmp e8=wbking.bmp d8=bbqueen.bmp a1=bgrook.bmp "
                                      "e1=bgking.bmp e4=empty-light.png d4=empty-dark.png";
    QTest::newRow("Black to move, board still from White's side")
        << "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b - e3" << QString()
        << "a8=wbrook.bmp a1=bgrook.bmp e4=wgpawn.bmp e2=empty-light.png";
    QTest::newRow("in check") << "4k3/4R3/8/8/8/8/8/4K3 b"
                              << "In Check"
                              << "e8=wbkingx.bmp e1=bgking.bmp e7=bgrook.bmp";
    QTest::newRow("side not to move in check")
        << "4k3/4R3/8/8/8/8/8/4K3 w" << QString() << "e8=wbking.bmp e1=bgking.bmp";
    QTest::newRow("mated") << "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w"
                           << "Mate"
                           << "e1=bgkingx.bmp e8=wbking.bmp h4=bbqueen.bmp";
    QTest::newRow("stalemated") << "7k/5Q2/6K1/8/8/8/8/8 b"
                                << "Stalemate"
                                << "h8=bbking.bmp f7=wgqueen.bmp";
    QTest::newRow("no king of the side to move")
        << "k7/8/8/8/8/8/8/r6R w" << QString() << "a1=bbrook.bmp h1=wgrook.bmp";
}

void FrmChessTest::startUpShowsTheClipboardPosition()
{
    QFETCH(QString, fen);
    QFETCH(QString, indicator);
    QFETCH(QString, cells);

    // Quoted twice, wrapped, with CR LF line ends and a signature after it.
    const QString code = Code(fen);
    QString dirty = QStringLiteral("  \r\n\r\n> > \"");
    for (qsizetype at = 0; at < code.size(); at += 20)
        dirty += code.mid(at, 20) + QStringLiteral("\r\n> > ");
    dirty += QStringLiteral("\"\r\n>\r\n-- \r\nBest regards, 10:45");

    for (const QString &clipboard : { code, dirty }) {
        Loaded loaded;
        frmChess &window = loaded.window;
        QVERIFY(loaded.Load(clipboard));
        QCOMPARE(loaded.modals.Seen(), QStringList());
        BoardState expected = Position(fen);
        QCOMPARE(window.lblTitle->text(), Title(expected.giToMove == White ? "WHITE" : "BLACK"));
        QCOMPARE(window.picCheck->isVisible(), !indicator.isEmpty());
        if (!indicator.isEmpty()) {
            QCOMPARE(window.lblCheck->text(), indicator);
            QCOMPARE(Shown(window.picCheck),
                indicator == QLatin1String("Mate") ? "mate.bmp" : "check.png");
        }
        for (const auto &[square, file] : CellTable(cells))
            QCOMPARE(Shown(window.imgCell[square]), file);
        expected.mbInCheck = indicator == QLatin1String("In Check") || indicator == "Mate";
        QCOMPARE(window.Board(), expected);
        QVERIFY(!window.cmdUndo->isEnabled());
        QVERIFY(!window.cmdSend->isEnabled());
        for (int16_t square = 0; square < 64; ++square)
            QCOMPARE(window.imgCell[square]->DragMode(), !expected.IsEmpty(square));
    }
}

void FrmChessTest::codeDialogAnswersOnce_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("dialogClipboard"); // put on the clipboard before the answer
    QTest::addColumn<QString>("answer"); // a button, or "close box"
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("loadedFen"); // empty: the program ends

    const QString tooShort = Code(StartFen).left(30);
    const QString blackToMove = QStringLiteral("4k3/8/8/8/8/8/3P4/4K3 b");
    const QStringList once { Dialog };
    QTest::newRow("Cancel") << QString() << QString() << "Cancel" << once << QString();
    QTest::newRow("close box") << QString() << QString() << "close box" << once << QString();
    QTest::newRow("OK with no code") << QString() << "see you"
                                     << "OK" << once << QString();
    QTest::newRow("OK after copying a code")
        << QString() << Code(blackToMove).toUpper() << "OK" << once << blackToMove;
    QTest::newRow("New Game") << QString() << QString() << "New Game" << once << StartFen;
    QTest::newRow("damaged code, then New Game")
        << tooShort << QString() << "New Game" << QStringList { Damaged, Dialog } << StartFen;
    QTest::newRow("piece code 7, then a good code")
        << RawCode(White, { { 4, Black, King }, { 60, White, 7 } }) << Code(StartFen) << "OK"
        << QStringList { Damaged, Dialog } << StartFen;
    QTest::newRow("no code, damaged answer ends the program")
        << QString() << tooShort << "OK" << QStringList { Dialog, Damaged } << QString();
}

void FrmChessTest::codeDialogAnswersOnce()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, dialogClipboard);
    QFETCH(QString, answer);
    QFETCH(QStringList, seen);
    QFETCH(QString, loadedFen);

    Loaded loaded;
    for (const QString &expected : seen) {
        if (expected != Dialog) {
            loaded.modals.Then(ModalAnswers::PressOk());
            continue;
        }
        loaded.modals.Then([=](QWidget *dialog) {
            QVERIFY(qobject_cast<frmBoardCode *>(dialog));
            if (!dialogClipboard.isEmpty())
                SetClipboard(dialogClipboard);
            if (answer == QLatin1String("close box"))
                dialog->close();
            else
                ModalAnswers::Press(dialog, answer);
        });
    }
    const bool ok = loaded.Load(clipboard);

    QCOMPARE(loaded.modals.Seen(), seen);
    QCOMPARE(ok, !loadedFen.isEmpty());
    QCOMPARE(loaded.window.isVisible(), ok);
    if (ok)
        QCOMPARE(loaded.window.Board(), Position(loadedFen));
    if (answer == QLatin1String("New Game"))
        QCOMPARE(loaded.window.BoardCode(), StartingText());
}

void FrmChessTest::keysAtStart_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifier");
    QTest::addColumn<QString>("box"); // the title of the box the key opens; none: the program ends
    QTest::newRow("Enter exits") << int(Qt::Key_Return) << int(Qt::NoModifier) << QString();
    QTest::newRow("Alt+E exits") << int(Qt::Key_E) << int(Qt::AltModifier) << QString();
    QTest::newRow("Alt+X exits") << int(Qt::Key_X) << int(Qt::AltModifier) << QString();
    QTest::newRow("Alt+A opens the about box")
        << int(Qt::Key_A) << int(Qt::AltModifier) << "About Chess";
}

void FrmChessTest::keysAtStart()
{
    QFETCH(int, key);
    QFETCH(int, modifier);
    QFETCH(QString, box);

    Loaded loaded;
    if (!box.isEmpty())
        loaded.modals.Then(ModalAnswers::PressOk());
    QVERIFY(loaded.Load(Code(StartFen)));
    QVERIFY(QTest::qWaitForWindowActive(&loaded.window));
    QCOMPARE(loaded.window.size(), QSize(366, 307));
    QCOMPARE(QApplication::focusWidget(), loaded.window.cmdExit);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifier));
    QTRY_COMPARE(loaded.window.isVisible(), !box.isEmpty());
    QTRY_COMPARE(loaded.modals.Pending(), 0);
    QCOMPARE(loaded.modals.Seen().size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty())
        QVERIFY(loaded.modals.Seen().first().startsWith(box + u'|'));
}

void FrmChessTest::newGameLoadsTheStartAndLocksStaleCells()
{
    Loaded loaded;
    frmChess &window = loaded.window;
    // Black in check, with a piece on a square the starting position leaves empty.
    QVERIFY(loaded.Load(Code(QStringLiteral("4k3/4R3/8/1b6/8/8/8/4K3 b"))));
    QVERIFY(window.picCheck->isVisible());

    QTest::mouseClick(window.cmdNew, Qt::LeftButton);

    QCOMPARE(loaded.modals.Seen(), QStringList());
    QCOMPARE(window.lblTitle->text(), Title("WHITE"));
    QVERIFY(!window.picCheck->isVisible());
    QCOMPARE(window.Board(), Position(StartFen));
    QCOMPARE(window.BoardCode(), StartingText());
    for (int16_t square = 16; square < 48; ++square) {
        QVERIFY(!window.imgCell[square]->DragMode());
        QCOMPARE(Shown(window.imgCell[square]), IsDarkSquare(square) ? "blue.bmp" : "white.bmp");
    }
    QCOMPARE(Shown(window.imgCell[Sq("e8")]), QStringLiteral("wbking.bmp"));
}

void FrmChessTest::sendMovePutsTheOpponentsCodeOnTheClipboard()
{
    // Two kings; the code sent has the other side to move.
    for (const auto &[side, sent] :
        { std::pair { White, "CHESS-CODE:gh6v2o0" }, std::pair { Black, "CHESS-CODE:0h6v2o0" } }) {
        Loaded loaded;
        QVERIFY(loaded.Load(RawCode(side, { { 4, Black, King }, { 60, White, King } })));
        const BoardState before = loaded.window.Board();
        SetClipboard(QStringLiteral("something else"));
        loaded.modals.Then([sent](QWidget *box) {
            // The code is on the clipboard while the message is open, as plain text.
            QCOMPARE(QGuiApplication::clipboard()->text(), QLatin1String(sent));
            QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(),
                QStringList { QStringLiteral("text/plain") });
            ModalAnswers::PressOk()(box);
        });
        loaded.window.cmdSend_Click();
        QCOMPARE(loaded.modals.Seen(), QStringList { Sent });
        QCOMPARE(loaded.window.Board(), before);
    }
}

void FrmChessTest::missingPictureIsNamedOncePerRun_data()
{
    QTest::addColumn<QStringList>("removed"); // "spoil name": written over instead
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("fallbackCell");

    QTest::newRow("several files, the first named")
        << QStringList { "bgrook.bmp", "wbrook.bmp", "wking.ico" } << "wbrook.bmp"
        << "a8";
    QTest::newRow("unreadable picture") << QStringList { "spoil wbpawn.bmp" } << "wbpawn.bmp"
                                        << "b7";
}

void FrmChessTest::missingPictureIsNamedOncePerRun()
{
    QFETCH(QStringList, removed);
    QFETCH(QString, named);
    QFETCH(QString, fallbackCell);

    Loaded loaded;
    for (const QString &name : removed) {
        if (name.startsWith(QLatin1String("spoil ")))
            loaded.pictures.Spoil(name.mid(6));
        else
            loaded.pictures.Remove(name);
    }
    loaded.modals.Then(ModalAnswers::PressOk());
    QVERIFY(loaded.Load(Code(StartFen)));
    QCOMPARE(loaded.modals.Seen(),
        QStringList { QStringLiteral("Chess|The picture file \"%1\" is missing or cannot be "
                                     "read.\n\nIt was looked for in the folder:\n%2\n\n"
                                     "A plain square is shown in its place.")
                          .arg(named, QDir::toNativeSeparators(loaded.pictures.Path())) });
    bool ok = true;
    QCOMPARE(loaded.window.imgCell[Sq(fallbackCell)]->pixmap().toImage(),
        LoadPicture(QString(), ok).toImage());

    // The game goes on, and a later load that meets the file again says nothing more.
    QTest::mouseClick(loaded.window.cmdNew, Qt::LeftButton);
    QCOMPARE(loaded.modals.Seen().size(), 1);
    QCOMPARE(loaded.window.Board(), Position(StartFen));
}

QTEST_MAIN(FrmChessTest)
#include "tst_frmChess.moc"
