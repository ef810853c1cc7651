#include <QAccessible>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "WindowTestSupport.h"
#include "record/GameRecord.h"
#include "record/Sqlite.h"
#include "rules/San.h"
#include "rules/Text.h"
#include "ui/BoardCell.h"
#include "ui/BoardView.h"
#include "ui/GameTableModel.h"
#include "ui/Options.h"
#include "ui/frmBoardCode.h"
#include "ui/frmChess.h"
#include "ui/frmGame.h"
#include "ui/frmPawnChange.h"
#include <QCheckBox>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTranslator>
#include <algorithm>

using namespace corvalen;
using namespace corvalen::testing;

namespace {

const QPoint Middle(16, 16);

struct Loaded {
    PictureFolder pictures;
    ModalAnswers modals;
    frmChess window;
    bool Load(const QString &clipboard)
    {
        SetClipboard(clipboard);
        return window.Form_Load();
    }
    // What every cell shows, "+" marking the cells that can be dragged, and the indicator.
    QStringList View() const
    {
        QStringList shown;
        for (const BoardCell *cell : window.imgCell)
            shown << Shown(cell) + (cell->DragMode() && !cell->DragIcon().isNull() ? "+" : "");
        return shown << (window.picCheck->isVisible() ? window.lblCheck->text() : "");
    }
};

// A real drag from cell to cell, or released over the frame's "gap" or "off" the window.
void Drag(frmChess &window, const QString &from, const QString &to)
{
    QTest::mousePress(window.imgCell[Cell(from)], Qt::LeftButton, {}, Middle);
    if (Sq(to) == NoSquare)
        return QTest::mouseRelease(window.picBoard, Qt::LeftButton, {},
            to == "gap" ? QPoint(258, 259) : QPoint(-400, 500));
    QTest::mouseMove(window.imgCell[Cell(to)], Middle);
    QTest::mouseRelease(window.imgCell[Cell(to)], Qt::LeftButton, {}, Middle);
}

// Answers the promotion dialog once it has checked that the pawn waits on its last row, that a
// close or Escape before a choice is refused, and that the choices show the promoting side's
// pieces, the chosen one marked ("knight", "knight by double-click", "rook after the close box",
// "queen after Escape and a click on the knight"; "bishop by keys Right Right" types the keys
// where the dialog has its focus and takes the choice with Enter).
ModalAnswers::Answer Promote(const frmChess &window, const QString &to, const QString &choice)
{
    return [&window, to, choice](QWidget *modal) {
        auto *dialog = qobject_cast<frmPawnChange *>(modal);
        QVERIFY(dialog && Shown(window.imgCell[Cell(to)]).endsWith("pawn.bmp"));
        const auto click = [dialog](int index) {
            QTest::mouseClick(dialog->imgCell[size_t(index)], Qt::LeftButton, {}, Middle);
        };
        if (choice.contains("close box"))
            dialog->close();
        if (choice.contains("Escape"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        if (choice.contains("on the knight"))
            click(1);
        QVERIFY(dialog->isVisible());
        const int index = int(QString("rnbq").indexOf(choice[0]));
        if (choice.contains("double-click"))
            return QTest::mouseDClick(dialog->imgCell[size_t(index)], Qt::LeftButton, {}, Middle);
        const QStringList keys = choice.section("keys ", 1).split(' ', Qt::SkipEmptyParts);
        for (const QString &key : keys) {
            QTest::keyClick(dialog->focusWidget(), QKeySequence(key)[0].key());
            QVERIFY(dialog->isVisible());
        }
        if (keys.isEmpty())
            click(index);
        for (int i = 0; i < 4; ++i) {
            const QString file = QString(i == index ? "b" : "w")
                + (window.Board().giToMove == Black ? "b" : "g") + PieceName(PieceFromNumber(i + 1));
            QCOMPARE(dialog->imgCell[size_t(i)]->pixmap().toImage().convertToFormat(
                         QImage::Format_RGB32),
                QImage(ImagesFolder() + '/' + file + ".bmp").convertToFormat(QImage::Format_RGB32));
        }
        if (keys.isEmpty())
            return QTest::mouseClick(dialog->cmdOK, Qt::LeftButton);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    };
}

// What a screen reader reads as a widget's name.
QString Name(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Options and a record of the test's own, the record on or off, for as long as it lives.
class RecordHome {
public:
    explicit RecordHome(bool on)
    {
        qputenv("XDG_CONFIG_HOME", mHome.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", mHome.filePath("data").toLocal8Bit());
        if (on)
            Options::SetRecordEnabled(true);
    }
    ~RecordHome()
    {
        qputenv("XDG_CONFIG_HOME", mConfig);
        qputenv("XDG_DATA_HOME", mData);
    }
    QString Home() const { return mHome.path(); }
    QString File() const { return mHome.filePath("data/corvalen/games.sqlite"); }
    // Each recorded game as "plies:moves read back", the most recent first.
    QStringList Games() const
    {
        QStringList games;
        const auto record = GameRecord::Open(File().toStdString(), RecordAccess::ReadOnly);
        for (const GameSummary &game :
            record ? *(*record)->ListGames() : std::vector<GameSummary>()) {
            const QStringList words = QString::fromStdString((*record)->Moves(game.id)->moveText)
                                          .split(' ', Qt::SkipEmptyParts);
            games << QString("%1:%2").arg(game.plies).arg(words.size() - words.filter(".").size());
        }
        return games;
    }

private:
    QTemporaryDir mHome;
    QByteArray mConfig = qgetenv("XDG_CONFIG_HOME"), mData = qgetenv("XDG_DATA_HOME");
};

// One turn through the real window: the code of `fen` loaded, `move` typed and sent.
void PlayTurn(const QString &fen, const QString &move)
{
    Loaded turn;
    QVERIFY(turn.Load(Code(fen)));
    QTest::keyClicks(turn.window.txtMove, move);
    QTest::keyClick(turn.window.txtMove, Qt::Key_Return);
    turn.modals.Then(ModalAnswers::PressOk());
    QTest::mouseClick(turn.window.cmdSend, Qt::LeftButton);
}

// What the Game dialog shows for `probe`: "rows" (the table, " / " between rows), "selected",
// "enabled" (the result buttons that can be pressed), "board" (the FEN-like placement the
// replay board's cells name), "check" (the cell named in check, and its picture), "flipped", "pgn"
// (White;Black;Result of Copy PGN), "refused", "email", "notes", "keys" (each access key once,
// every control named without "&").
QString Probe(frmGame *dialog, const QString &probe)
{
    QAbstractItemModel *model = dialog->tblGames->model();
    QStringList shown;
    if (probe == "rows")
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            shown << cells.join('|');
        }
    if (probe == "selected")
        return QString::number(dialog->tblGames->currentIndex().row());
    if (probe == "enabled")
        for (QPushButton *button :
            { dialog->cmdResign, dialog->cmdOpponentResigned, dialog->cmdDrawAgreed,
                dialog->cmdReopen, dialog->cmdClaimDraw, dialog->cmdDeleteGame })
            if (button->isEnabled())
                shown << Name(button);
    if (probe == "board") {
        for (size_t square = 0; square < 64; ++square) {
            const QString name = Name(dialog->picReplay->Cells()[square]);
            const QString piece = name.section(", ", 1).section(' ', 1);
            const QChar letter = piece == "knight" ? 'n' : piece.isEmpty() ? '1' : piece[0];
            shown << (name.contains("white") ? letter.toUpper() : letter);
        }
        QString board = shown.join("").replace(QRegularExpression("(.{8})"), "\\1/").chopped(1);
        for (int run = 8; run > 1; --run)
            board.replace(QString(run, '1'), QString::number(run));
        return board;
    }
    if (probe == "check")
        for (BoardCell *cell : dialog->picReplay->Cells())
            if (Name(cell).contains("check"))
                shown << Name(cell) + ' ' + Shown(cell);
    if (probe == "flipped")
        return dialog->picReplay->Cells()[Cell("a1")]->y() == 1 ? "yes" : "no";
    if (probe == "pgn") {
        dialog->cmdCopyPgn->click();
        const QString pgn = QGuiApplication::clipboard()->text();
        for (const QString tag : { "White", "Black", "Result" })
            shown << pgn.section("[" + tag + " \"", 1).section('"', 0, 0);
        return shown.join(';');
    }
    if (probe == "refused")
        return dialog->lblEmailRefused->text();
    if (probe == "email")
        return dialog->txtEmail->text();
    if (probe == "notes")
        return dialog->txtNotes->toPlainText();
    if (probe == "keys") {
        QString keys;
        for (QWidget *widget : dialog->findChildren<QWidget *>()) {
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            const auto *label = qobject_cast<QLabel *>(widget);
            const QString text = button ? button->text() : label ? label->text() : QString();
            if (text.contains('&'))
                keys += text[text.indexOf('&') + 1].toLower();
            if (!label && widget->focusPolicy() != Qt::NoFocus
                && widget->parent() != dialog->tblGames
                && (Name(widget).isEmpty() || Name(widget).contains('&')))
                return "unnamed " + widget->objectName();
        }
        for (const QChar key : keys)
            if (keys.count(key) > 1)
                return QString("twice: ") + key;
        return "unique";
    }
    return shown.join(" / ");
}

// The key an access key's letter lies on: Qt also takes the Latin letter printed on the key of a
// Cyrillic one (standard Russian layout over QWERTY), so "&FEN" and "Уд&алить" share F.
QChar PhysicalKey(QChar letter)
{
    static const QString cyrillic = QString::fromUtf8("йцукенгшщзхъфывапролджэячсмитьбю");
    static const QString latin = "qwertyuiop[]asdfghjkl;'zxcvbnm,.";
    const qsizetype at = cyrillic.indexOf(letter.toLower());
    return at < 0 ? letter.toLower() : latin[at];
}

// What a player reads in `window` and what a screen reader names there, in a fixed order (the
// tables' headers and cells too), and last its access keys when two controls share one.
QStringList Texts(QWidget *window)
{
    QStringList texts { window->windowTitle() };
    QString keys;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString text = widget->property("text").toString();
        texts << Name(widget) << text;
        if (const QString key = text.section('&', 1).left(1); !key.isEmpty())
            keys += PhysicalKey(key[0]);
        if (const auto *view = qobject_cast<QAbstractItemView *>(widget))
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
                for (int row = 0; row < view->model()->rowCount(); ++row)
                    texts << view->model()->index(row, column).data().toString();
            }
    }
    std::sort(keys.begin(), keys.end());
    return texts << (std::adjacent_find(keys.begin(), keys.end()) != keys.end() ? keys : "");
}

// Whether `text` fits `label` word-wrapped, with the label's own font and size.
bool Fits(const QLabel *label, const QString &text)
{
    const QRect needed = QFontMetrics(label->font())
                             .boundingRect(QRect(0, 0, label->width(), 1000),
                                 Qt::TextWordWrap | label->alignment(), text);
    return needed.width() <= label->width() && needed.height() <= label->height();
}

// The program's and Qt's translations for `language` ("en": none), and the lower layers' hook
// through them, while it lives.
class InLanguage {
public:
    explicit InLanguage(const QString &language)
    {
        if (language == "en")
            return;
        loaded = mOwn.load("corvalen_" + language,
                     QApplication::applicationDirPath() + "/../translations")
            && mQt.load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        QApplication::installTranslator(&mOwn);
        QApplication::installTranslator(&mQt);
        SetTranslator([](const char *context, const char *source) {
            return QApplication::translate(context, source).toStdString();
        });
    }
    ~InLanguage()
    {
        QApplication::removeTranslator(&mOwn);
        QApplication::removeTranslator(&mQt);
        SetTranslator(nullptr);
    }
    bool loaded = true;

private:
    QTranslator mOwn, mQt;
};

// Whether the window's captions fit in the running language: each button's its button, the
// check captions theirs, and the longest lines under the board the status line.
void CheckFits(const frmChess &window)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()
                             ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                             .width();
        QVERIFY2(button->fontMetrics().horizontalAdvance(Name(button)) <= room,
            qPrintable(Name(button)));
    }
    const int shown = qMin(
        window.lblCheck->width(), window.width() - window.lblCheck->mapTo(&window, QPoint()).x());
    for (const char *caption : { "In Check", "Mate", "Stalemate" })
        QVERIFY(window.lblCheck->fontMetrics().horizontalAdvance(frmChess::tr(caption)) <= shown);

    const auto text = [](const char *context, const char *source,
                          std::initializer_list<std::string_view> args = {}) {
        return QString::fromStdString(Format(Text(context, source), args));
    };
    const QString press = ' ' + text("Game", "Press Send Move to copy your move, or Undo Move.");
    const std::string fifty = Text("Game", "draw claimed: 50 moves without a capture or pawn move");
    for (const QString &line :
        { text("Game", "Checkmate: you win. Send Move tells your opponent."),
            text("Game", "Stalemate: a draw. Send Move tells your opponent."),
            text("Game", "Draw can be claimed: 50 moves without a capture or pawn move.") + press,
            text("Game", "Draw claimed: 50 moves without a capture or pawn move.") + press,
            text("Game", "This game ended on %1 (%2); nothing is recorded", { "2026-12-07", fifty })
                + '.' + press,
            text("Record", "You cannot castle on this side: your rook was taken in this game (%1).",
                { "23... Bxh1" }),
            text("Game", "This position cannot arise in a game (%1); it is not recorded.",
                { Text("Rules", "the side that just moved left in check") }),
            text("Record",
                "This is an earlier position of game %1 (after %2); the game now stands at %3.",
                { "12", "23... Nxe4", "25. Qxf7+" }) })
        QVERIFY2(Fits(window.lblStatus, line), qPrintable(line));
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    // The clipboard at start-up, the answer to the code dialog (a button or the close box, and
    // the clipboard it then finds), what the player meets, and the position shown; no FEN: the
    // program ends.
    void startUp_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("dialogClipboard");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<QString>("cells");
        const QStringList none, dialog { Dialog }, damaged { Damaged, Dialog };
        const QString kings = "CHESS-CODE:gh6v2o0", kingsFen = "4k3/8/8/8/8/8/8/4K3 b";
        Row("White to move", Code(StartFen), "", "", none, StartFen, "",
            "a8=wbrook.bmp e8=wbking.bmp d8=bbqueen.bmp a1=bgrook.bmp e1=bgking.bmp e4=white.bmp "
            "d4=blue.bmp");
        Row("Black to move, quoted and wrapped in an e-mail",
            "  \r\n> > \"CHESS-CODE:h16p0\r\n> > f2qq\"\r\n-- \r\nAnna, 10:45", "", "", none,
            "4k3/8/8/8/4P3/8/8/4K3 b - e3", "", "e4=wgpawn.bmp e8=wbking.bmp e1=bgking.bmp");
        Row("in check", Code("4k3/4R3/8/8/8/8/8/4K3 b"), "", "", none, "4k3/4R3/8/8/8/8/8/4K3 b",
            "In Check", "e8=wbkingx.bmp e1=bgking.bmp e7=bgrook.bmp");
        Row("side not to move in check", Code("4k3/4R3/8/8/8/8/8/4K3 w"), "", "", none,
            "4k3/4R3/8/8/8/8/8/4K3 w", "", "e8=wbking.bmp e1=bgking.bmp");
        Row("mated", Code("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w"), "", "", none,
            "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w", "Mate",
            "e1=bgkingx.bmp e8=wbking.bmp");
        Row("stalemated", Code("7k/5Q2/6K1/8/8/8/8/8 b"), "", "", none, "7k/5Q2/6K1/8/8/8/8/8 b",
            "Stalemate", "h8=bbking.bmp f7=wgqueen.bmp");
        Row("no king of the side to move", Code("k7/8/8/8/8/8/8/r6R w"), "", "", none,
            "k7/8/8/8/8/8/8/r6R w", "", "a1=bbrook.bmp h1=wgrook.bmp");
        Row("squares named twice keep the later record, that king in check",
            "CHESS-CODE:" + QString::fromStdString(RawCode(0, "re8 Ke1 Pe1 Kg1 rg8")), "", "", none,
            "4r1r1/8/8/8/8/8/8/4P1K1 w", "In Check", "g1=bgkingx.bmp e1=bgpawn.bmp");
        Row("ten megabytes of mail after the code",
            kings + QString(" Lorem 12:30 - ipsum.\r\n").repeated(500000), "", "", none, kingsFen,
            "", "e8=wbking.bmp");
        Row("no code, Cancel", "", "Cancel", "", dialog, "", "", "");
        Row("no code, OK after copying one", "", "OK", kings.toUpper(), dialog, kingsFen, "",
            "e8=wbking.bmp");
        Row("no code, New Game", "", "New Game", "", dialog, StartFen, "", "e1=bgking.bmp");
        Row("prefix alone, then New Game", "CHESS-CODE:", "New Game", "", damaged, StartFen, "",
            "");
        Row("piece code 7, then a good code",
            "CHESS-CODE:" + QString::fromStdString(RawCode(0, "ke8 Ye1")), "OK", kings, damaged,
            kingsFen, "", "");
        Row("no code, a damaged answer ends the program", "", "OK", Code(StartFen).left(30),
            QStringList { Dialog, Damaged }, "", "", "");
    }

    void startUp()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, answer);
        QFETCH(QString, dialogClipboard);
        QFETCH(QStringList, seen);
        QFETCH(QString, fen);
        QFETCH(QString, indicator);
        QFETCH(QString, cells);
        Loaded loaded;
        for (const QString &expected : seen)
            loaded.modals.Then([=](QWidget *modal) {
                if (expected == Dialog && qobject_cast<frmBoardCode *>(modal))
                    SetClipboard(dialogClipboard);
                ModalAnswers::Press(modal, expected == Dialog ? answer : "OK");
            });
        QCOMPARE(loaded.Load(clipboard), !fen.isEmpty());
        QCOMPARE(loaded.modals.Seen(), seen);
        QCOMPARE(loaded.window.isVisible(), !fen.isEmpty());
        if (fen.isEmpty())
            return;
        const BoardState expected = Position(fen);
        QCOMPARE(loaded.window.Board(), expected);
        QCOMPARE(loaded.window.lblTitle->text(),
            (expected.giToMove == Black ? "BLACK" : "WHITE")
                + QStringLiteral(" to move.\nUse the mouse to drag and drop your move."));
        QStringList view = loaded.View();
        QCOMPARE(view.last(), indicator);
        QCOMPARE(Shown(loaded.window.picCheck), indicator == "Mate" ? "mate.bmp" : "check.png");
        for (const QString &cell : cells.split(' ', Qt::SkipEmptyParts))
            QCOMPARE(cell.section('=', 0, 0) + '='
                    + view[qsizetype(Cell(cell.section('=', 0, 0)))].section('+', 0, 0),
                cell);
        for (const Square square : AllSquares)
            QCOMPARE(view[SquareNumber(square)].endsWith('+'), !expected.IsEmpty(square));
        QVERIFY(!loaded.window.cmdUndo->isEnabled() && !loaded.window.cmdSend->isEnabled());
    }

    void keysAtStart_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<QString>("box"); // the box the key opens; none: the program ends
        Row("Enter exits", int(Qt::Key_Return), int(Qt::NoModifier), QString());
        Row("Alt+E exits", int(Qt::Key_E), int(Qt::AltModifier), QString());
        Row("Alt+X exits", int(Qt::Key_X), int(Qt::AltModifier), QString());
        Row("Alt+A opens the about box", int(Qt::Key_A), int(Qt::AltModifier),
            QString("About Chess"));
        Row("Alt+M goes to the move box, where Enter exits not", int(Qt::Key_M),
            int(Qt::AltModifier), QString("txtMove"));
    }

    void keysAtStart()
    {
        QFETCH(int, key);
        QFETCH(int, modifier);
        QFETCH(QString, box);
        Loaded loaded;
        loaded.modals.Then(ModalAnswers::PressOk());
        QVERIFY(loaded.Load(Code(StartFen)));
        QVERIFY(QTest::qWaitForWindowActive(&loaded.window));
        QCOMPARE(loaded.window.size(), QSize(366, 350));
        QCOMPARE(QApplication::focusWidget(), loaded.window.cmdExit);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifier));
        if (box == "txtMove") {
            QTRY_VERIFY(QApplication::focusWidget() == loaded.window.txtMove);
            QTest::keyClick(loaded.window.txtMove, Qt::Key_Return);
        }
        QTRY_COMPARE(loaded.window.isVisible(), !box.isEmpty());
        QTRY_COMPARE(
            loaded.modals.Seen().join(';').section('|', 0, 0), box == "txtMove" ? "" : box);
    }

    // A drop; a legal one (the board after it given) is followed by Send Move, Undo Move, the
    // same drop again and New Game.
    void drop_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("move"); // "e2 e4", and a promotion choice
        QTest::addColumn<QString>("after"); // empty: refused
        QTest::addColumn<QStringList>("seen");
        const QString castling = "r3k2r/8/8/8/8/8/8/R3K2R ";
        const QStringList none, sent { Sent };
        Row("double step", StartFen, "e2 e4",
            "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR w - e3", sent);
        Row("capture", "4k3/8/8/3p4/4P3/8/8/4K3 w", "e4 d5", "4k3/8/8/3P4/8/8/8/4K3 w", sent);
        Row("Black pawn steps once", "4k3/4p3/8/8/8/8/8/4K3 b", "e7 e6", "4k3/8/4p3/8/8/8/8/4K3 b",
            sent);
        Row("White castles king side", castling + "w", "e1 g1", "r3k2r/8/8/8/8/8/8/R4RK1 w", sent);
        Row("Black castles queen side", castling + "b", "e8 c8", "2kr3r/8/8/8/8/8/8/R3K2R b", sent);
        Row("en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6", "e5 d6", "4k3/8/3P4/8/8/8/8/4K3 w",
            sent);
        Row("king steps out of check", "4k3/8/8/8/8/8/4r3/4K3 w", "e1 d1",
            "4k3/8/8/8/8/8/4r3/3K4 w", sent);
        Row("promotion to a rook after the close box", "4k3/P7/8/8/8/8/8/4K3 w",
            "a7 a8 rook after the close box", "R3k3/8/8/8/8/8/8/4K3 w",
            QStringList { "Change Pawn|Select the piece you would like:", Sent });
        Row("promotion with a capture, knight by double-click", "1r2k3/P7/8/8/8/8/8/4K3 w",
            "a7 b8 n by double-click", "1N2k3/8/8/8/8/8/8/4K3 w",
            QStringList { "Change Pawn|Select the piece you would like:", Sent });
        Row("Black promotes to a queen", "4k3/8/8/8/8/8/7p/4K3 b",
            "h2 h1 queen after Escape and a click on the knight", "4k3/8/8/8/8/8/8/4K2q b",
            QStringList { "Change Pawn|Select the piece you would like:", Sent });
        Row("promotion by the arrow keys", "1r2k3/P7/8/8/8/8/8/4K3 w",
            "a7 b8 bishop by keys Right Right", "1B2k3/8/8/8/8/8/8/4K3 w",
            QStringList { "Change Pawn|Select the piece you would like:", Sent });
        Row("promotion by letter after Enter before a choice", "4k3/P7/8/8/8/8/8/4K3 w",
            "a7 a8 queen by keys Enter Q", "Q3k3/8/8/8/8/8/8/4K3 w",
            QStringList { "Change Pawn|Select the piece you would like:", Sent });
        Row("illegal pawn move", StartFen, "e2 e5", "", none);
        Row("on its own cell", StartFen, "e2 e2", "", none);
        Row("opponent's piece", StartFen, "e7 e5", "", QStringList { Opponents });
        Row("en passant that bares the own king", "8/8/8/KPp4r/8/8/8/4k3 w - c6", "b5 c6", "",
            none);
        Row("drop in the frame's gap", StartFen, "e2 gap", "", none);
        Row("drop outside the window", StartFen, "e2 off", "", none);
        Row("move that ignores the check", "4k3/8/8/8/8/8/P3r3/4K3 w", "a2 a3", "", none);
    }

    void drop()
    {
        QFETCH(QString, fen);
        QFETCH(QString, move);
        QFETCH(QString, after);
        QFETCH(QStringList, seen);
        const QString from = move.section(' ', 0, 0), to = move.section(' ', 1, 1),
                      choice = move.section(' ', 2);
        QStringList shownAfter;
        if (!after.isEmpty()) {
            Loaded reference;
            QVERIFY(reference.Load(Code(after)));
            shownAfter = reference.View().replaceInStrings("+", "");
            shownAfter.last() = "";
        }
        Loaded loaded;
        frmChess &window = loaded.window;
        QVERIFY(loaded.Load(Code(fen)));
        const BoardState before = window.Board();
        const QStringList view = loaded.View();
        for (int round = 0; round < 2; ++round) {
            if (!choice.isEmpty())
                loaded.modals.Then(Promote(window, to, choice));
            if (!seen.isEmpty() && round == 0)
                loaded.modals.Then(ModalAnswers::PressOk());
            Drag(window, from, to);
            if (!after.isEmpty()) {
                QCOMPARE(window.Board(), Position(after));
                QCOMPARE(loaded.View(), shownAfter);
                QVERIFY(window.cmdUndo->isEnabled() && window.cmdSend->isEnabled());
                QTest::mousePress(window.imgCell[Cell(to)], Qt::LeftButton, {}, Middle);
                QCOMPARE(window.picBoard->DragSource(), nullptr);
                QTest::mouseRelease(window.imgCell[Cell(from)], Qt::LeftButton, {}, Middle);
            }
            if (round == 1 || after.isEmpty())
                break;
            QTest::mouseClick(window.cmdSend, Qt::LeftButton);
            const BoardState sent = Position(after);
            QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                EncodePositionCode(sent, Opponent(sent.giToMove)));
            QCOMPARE(
                QGuiApplication::clipboard()->mimeData()->formats(), QStringList { "text/plain" });
            QCOMPARE(window.Board(), sent);
            QTest::mouseClick(window.cmdUndo, Qt::LeftButton);
        }
        // Refused, or taken back by Undo Move: the board as loaded.
        QCOMPARE(loaded.modals.Seen(), seen + (choice.isEmpty() ? QStringList() : seen.mid(0, 1)));
        if (!after.isEmpty())
            QTest::mouseClick(window.cmdUndo, Qt::LeftButton);
        QCOMPARE(window.Board(), before);
        QCOMPARE(loaded.View(), view);
        QVERIFY(!window.cmdUndo->isEnabled() && !window.cmdSend->isEnabled());
        QCOMPARE(window.picBoard->DragSource(), nullptr);
        if (after.isEmpty())
            return;
        QTest::mouseClick(window.cmdNew, Qt::LeftButton);
        Loaded start;
        QVERIFY(start.Load(Code(StartFen)));
        QCOMPARE(loaded.View(), start.View());
        QCOMPARE(window.Board(), Position(StartFen));
    }

    // A spoiled picture folder: the first file that cannot be read is named once per run, a
    // plain square stands in, and the game goes on.
    void missingPicture_data()
    {
        QTest::addColumn<QString>("damage"); // files removed, or "spoil" one
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("afterMove"); // named only when the board is repainted
        Row("several files, the first named", "bgrook.bmp wbrook.bmp wking.ico", "wbrook.bmp",
            false);
        Row("unreadable picture", "spoil wbpawn.bmp", "wbpawn.bmp", false);
        Row("empty square read only when the board is repainted", "spoil white.bmp", "white.bmp",
            true);
    }

    void missingPicture()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        QFETCH(bool, afterMove);
        Loaded loaded;
        const QString folder = loaded.pictures.Path();
        for (const QString &name : damage.split(' '))
            QFile::remove(folder + '/' + name);
        QFile spoiled(folder + '/' + damage.section(' ', 1));
        QVERIFY(!damage.startsWith("spoil")
            || (spoiled.open(QIODevice::WriteOnly) && spoiled.write("x")));
        spoiled.close();
        loaded.modals.Then(ModalAnswers::PressOk());
        QVERIFY(loaded.Load(Code(StartFen)));
        QCOMPARE(loaded.modals.Seen().size(), afterMove ? 0 : 1);
        Drag(loaded.window, "g1", "f3");
        QCOMPARE(loaded.window.Board().Piece(Sq("f3")), Knight);
        QTest::mouseClick(loaded.window.cmdNew, Qt::LeftButton);
        QCOMPARE(loaded.modals.Seen(),
            QStringList { QStringLiteral("Chess|The picture file \"%1\" is missing or cannot be "
                                         "read.\n\nIt was looked for in the "
                                         "folder:\n%2\n\nA plain square is shown in its place.")
                              .arg(named, QDir::toNativeSeparators(folder)) });
        bool ok = true;
        const QStringList view = loaded.View();
        QCOMPARE(loaded.window.imgCell[view.indexOf(QRegularExpression(named + "\\+?"))]
                     ->pixmap()
                     .toImage(),
            LoadPicture(QString(), ok).toImage());
    }

    // At the screen's device pixel ratio (2 when run with QT_SCALE_FACTOR=2) a picture shows at
    // its 32 x 32 size, drawn from its twice-sized twin where one can be read, else from itself
    // without a word.
    void sharpPictures_data()
    {
        QTest::addColumn<QString>("box"); // a square or "promotion" (the rook choice)
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("twin"); // its @2x file kept
        Row("piece on the board", "a1", "bgrook.bmp", true);
        Row("piece whose twin is missing", "a1", "bgrook.bmp", false);
        Row("promotion choice", "promotion", "wgrook.bmp", true);
    }

    void sharpPictures()
    {
        QFETCH(QString, box);
        QFETCH(QString, file);
        QFETCH(bool, twin);
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        Loaded loaded;
        const QString folder = loaded.pictures.Path() + '/';
        QVERIFY(twin || QFile::remove(folder + SharpPictureFile(file)));
        QVERIFY(loaded.Load(Code(StartFen)));
        frmPawnChange dialog(White, &loaded.window);
        const QLabel *label
            = box == "promotion" ? dialog.imgCell[0] : loaded.window.imgCell[Cell(box)];
        QCOMPARE(label->devicePixelRatioF(), ratio);
        QCOMPARE(label->pixmap().deviceIndependentSize(), QSizeF(32, 32));
        QCOMPARE(label->pixmap().toImage(),
            QImage(folder + (ratio > 1 && twin ? SharpPictureFile(file) : file)));
        QCOMPARE(loaded.modals.Seen(), QStringList());
    }

    // A typed move takes the path of a drop; a text that is no legal move says why and stays.
    void typedMove_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after"); // the board afterwards, or the status line
        Row("SAN", StartFen, "Nf3", "rnbqkbnr/pppppppp/8/8/8/5N2/PPPPPPPP/RNBQKB1R w");
        Row("an opponent's move", StartFen, "Nf6", "No legal move matches \"Nf6\".");
        Row("promotion named", "4k3/P7/8/8/8/8/8/4K3 w", "a8=N+", "N3k3/8/8/8/8/8/8/4K3 w");
        Row("promotion asked", "4k3/P7/8/8/8/8/8/4K3 w", "a7a8", "N3k3/8/8/8/8/8/8/4K3 w");
    }

    void typedMove()
    {
        QFETCH(QString, fen);
        QFETCH(QString, text);
        QFETCH(QString, after);
        Loaded loaded;
        QVERIFY(loaded.Load(Code(fen)));
        frmChess &window = loaded.window;
        if (text == "a7a8")
            loaded.modals.Then(Promote(window, "a8", "n by keys N"));
        QTest::keyClicks(window.txtMove, text);
        QTest::keyClick(window.txtMove, Qt::Key_Return);
        const bool moved = after.contains('/');
        QCOMPARE(moved ? window.Board() : Position(fen), Position(moved ? after : fen));
        QCOMPARE(window.lblStatus->text(),
            moved ? "Press Send Move to copy your move, or Undo Move." : after);
        QCOMPARE(window.txtMove->text(), moved ? "" : text);
        QCOMPARE(window.txtMove->isEnabled(), !moved);
        QCOMPARE(window.cmdSend->isEnabled(), moved);
        QCOMPARE(loaded.modals.Seen().size(), text == "a7a8" ? 1 : 0);
        QVERIFY(window.isVisible());
    }

    // With the option on, Black to move sees its side at the bottom; drops go where the cells
    // are drawn, and Ctrl+F turns the board back.
    void boardFromTheSideToMove()
    {
        Loaded loaded;
        Options::SetSideToMoveAtBottom(true);
        QVERIFY(loaded.Load(Code("4k3/4p3/8/8/8/8/8/4K3 b")));
        frmChess &window = loaded.window;
        QVERIFY(window.IsFlipped());
        const auto at = [&window](const QString &square) {
            return window.imgCell[Cell(square)]->geometry().center();
        };
        QCOMPARE(at("a8"), at("h1") + QPoint(7 * 32, 7 * 32));
        // e7 to e5, where the flipped board draws them: fourth column, second and fourth row from
        // the bottom.
        QTest::mousePress(window.picBoard, Qt::LeftButton, {}, QPoint(113, 209));
        QTest::mouseRelease(window.picBoard, Qt::LeftButton, {}, QPoint(113, 145));
        QCOMPARE(window.Board(), Position("4k3/8/8/4p3/8/8/8/4K3 b - e6"));
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(!window.IsFlipped());
        QCOMPARE(at("h1"), at("a8") + QPoint(7 * 32, 7 * 32));
        Options::SetSideToMoveAtBottom(false);
    }

    // What a screen reader finds: the cells name their squares and pieces, the check indicator
    // its caption while it shows; nothing that shows holds an access key's "&" or says "check"
    // out of check. A dead position says so.
    void accessibleNamesAndDeadPosition_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<QString>("move"); // dragged after the load
        QTest::addColumn<QString>("names"); // of the squares they start with, then of picCheck
        QTest::addColumn<QString>("status");
        const QString check = "4k3/4R3/8/8/8/8/8/1B2K3 b";
        Row("a king in check", check, "",
            "e8, black king, in check; e7, white rook; d5, empty; b1, white bishop; In Check", "");
        Row("the king steps out of check", check, "e8 e7", "e8, empty; e7, black king; ",
            "Press Send Move to copy your move, or Undo Move.");
        Row("mate", "R3k3/8/4K3/8/8/8/8/8 b", "", "e8, black king, in check; Mate",
            "Checkmate: White wins.");
        Row("dead position", "4k3/8/8/8/8/8/8/1B2K3 b", "", "b1, white bishop; ",
            "Draw: neither side can mate.");
    }

    void accessibleNamesAndDeadPosition()
    {
        QFETCH(QString, fen);
        QFETCH(QString, move);
        QFETCH(QString, names);
        QFETCH(QString, status);
        Loaded loaded;
        frmChess &window = loaded.window;
        QVERIFY(loaded.Load(Code(fen)));
        if (!move.isEmpty())
            Drag(window, move.left(2), move.right(2));
        QStringList read;
        for (const QString &cell : names.split("; ").mid(0, names.count("; ")))
            read << Name(window.imgCell[Cell(cell.left(2))]);
        QCOMPARE((read << Name(window.picCheck)).join("; "), names);
        QCOMPARE(window.lblStatus->text(), status);
        const bool inCheck = window.picCheck->isVisible() && Name(window.picCheck) != "Stalemate";
        for (QWidget *widget : window.findChildren<QWidget *>())
            if (widget->isVisible())
                QVERIFY2(!Name(widget).contains('&')
                        && (inCheck || !Name(widget).contains("check", Qt::CaseInsensitive)),
                    qPrintable(Name(widget)));
    }

    // With the record on, the record file is private, the opponent's reply is said
    // and marked at load, the marks stay through Undo Move and go with New Game, and the Game
    // dialog shows the moves and copies the PGN.
    void record()
    {
        const auto marked = [](const frmChess &window) {
            QStringList squares;
            for (const BoardCell *cell : window.imgCell)
                if (cell->IsMarked())
                    squares << QString::fromStdString(SquareName(cell->Index()));
            return squares.join(' ');
        };
        RecordHome home(true);
        // A name an earlier version kept in the options moves into the record, and stays there.
        QSettings(QString::fromStdString(Game::OptionsFile()), QSettings::IniFormat)
            .setValue("player/name", "Ada Lovelace");
        {
            Loaded loaded;
            QVERIFY(loaded.Load(Code(StartFen)));
            Drag(loaded.window, "e2", "e4");
            loaded.modals.Then(ModalAnswers::PressOk());
            QTest::mouseClick(loaded.window.cmdSend, Qt::LeftButton);
        }
        QCOMPARE(QFileInfo(home.File()).permissions(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        Loaded reply;
        QVERIFY(reply.Load(Code("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w - e6")));
        QCOMPARE(reply.window.lblStatus->text(), "Your opponent played 1... e5");
        QCOMPARE(marked(reply.window), "e7 e5");
        QCOMPARE(Name(reply.window.imgCell[Cell("e5")]), "e5, black pawn, last move");
        Drag(reply.window, "g1", "f3");
        QTest::mouseClick(reply.window.cmdUndo, Qt::LeftButton);
        QCOMPARE(marked(reply.window), "e7 e5");
        reply.modals.Then([](QWidget *dialog) {
            QCOMPARE(dialog->findChild<QPlainTextEdit *>("txtMoves")->toPlainText(), "1. e4 e5");
            ModalAnswers::Press(dialog, "Copy PGN");
            ModalAnswers::Press(dialog, "Close");
        });
        QTest::mouseClick(reply.window.cmdGame, Qt::LeftButton);
        QVERIFY(
            QGuiApplication::clipboard()->text().startsWith("[Event \"Corvalen e-mail game\"]"));
        QVERIFY(QGuiApplication::clipboard()->text().contains("1. e4 e5 *"));
        QVERIFY(QGuiApplication::clipboard()->text().contains("[White \"Ada Lovelace\"]"));
        QVERIFY(!QSettings(QString::fromStdString(Game::OptionsFile()), QSettings::IniFormat)
                     .contains("player/name"));
        QTest::mouseClick(reply.window.cmdNew, Qt::LeftButton);
        QCOMPARE(marked(reply.window), "");
        QCOMPARE(Name(reply.window.imgCell[Cell("e5")]), "e5, empty");
        QCOMPARE(reply.window.lblStatus->text(), "New game");
        Options::SetRecordEnabled(false);
    }

    // How the window shows what the game says (the turn's own table is tst_turn): the line
    // under the board after the load and after each step (" / " between): a typed
    // move, "enter" in the empty move box, "undo" (":OK" or ":Cancel" answers its question),
    // "send", "game" (the record off and on in the Game dialog), "spoil" (every move written
    // to the record fails), "reopen" (the code sent, loaded again: OK), "renew" (the same, then
    // "Start a New Game"). Then the start of each message seen ("%1": the record file) and the
    // record's games as "plies:moves" ("whole": any, each game's plies equal to its moves); with
    // the record off no file is written. "~" is the line after a move.
    void statusLine_data()
    {
        QTest::addColumn<QString>("fen");
        QTest::addColumn<bool>("record");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("games");
        const QString none;
        const QString asked = "Chess|You have sent 1. e4 already. Take it back? If your "
                              "opponent has that e-mail, this game will no longer match it.";
        Row("an error, an empty Enter, a good move sent, record off: no file", StartFen, false,
            "Nf6 enter Nf3 send",
            " / No legal move matches \"Nf6\". / No legal move matches \"Nf6\". / ~ / ~",
            QStringList { Sent }, none);
        Row("Undo after Send asks, Cancel keeps the move", StartFen, true,
            "e4 send undo:Cancel undo:OK", "New game / ~ / ~ / ~ / New game",
            QStringList { Sent, asked, asked }, "1:1");
        Row("record off and on in the Game dialog, then a second Send", StartFen, true,
            "e4 send game send", "New game / ~ / ~ / ~ / ~", QStringList { Sent, Sent }, "1:1");
        Row("a write failure at Send", StartFen, true, "spoil e4 send",
            "New game / New game / ~ / ~",
            QStringList { "Chess|The record could not be written: the game record %1", Sent },
            "whole");
        Row("the code sent, opened again: OK, and no move taken", StartFen, true,
            "e4 send reopen e5",
            "New game / ~ / ~ / This is the position you sent in game 1 / This is the position",
            QStringList { Sent, "Chess|This is the position you sent in game 1" }, "1:1");
        Row("the code sent, opened again: Start a New Game", "4k3/8/8/8/8/8/8/4K2R w", true,
            "Kd1 send renew Kd7",
            "Game started from this position / ~ / ~ / Game started from this position / ~",
            QStringList { Sent, "Chess|This is the position you sent in game 1" }, "0:0 1:1");
        Row("a second answer asked for: Cancel keeps the first",
            "rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R b", true,
            "Nc6 send again d6 send:Cancel",
            "Game started from this position / ~ / ~ / Game started from this position  You "
            "answered this position on "
                + QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate)
                + " with 1... Nc6. / ~ / ~",
            QStringList { Sent,
                "Chess|You have sent 1... Nc6 from this position already. Send "
                "1... d6 instead?" },
            "1:1");
    }

    void statusLine()
    {
        QFETCH(QString, fen);
        QFETCH(bool, record);
        QFETCH(QString, steps);
        QFETCH(QString, lines);
        QFETCH(QStringList, seen);
        QFETCH(QString, games);
        RecordHome home(record);
        Loaded loaded;
        frmChess &window = loaded.window;
        QVERIFY(loaded.Load(Code(fen)));
        QStringList shown { window.lblStatus->text() };
        bool spoiled = false;
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            if (step.startsWith("undo")) {
                if (step.contains(':'))
                    loaded.modals.Then([step](QWidget *box) {
                        QCOMPARE(
                            qobject_cast<QMessageBox *>(box)->defaultButton()->text(), "Cancel");
                        ModalAnswers::Press(box, step.section(':', 1));
                    });
                QTest::mouseClick(window.cmdUndo, Qt::LeftButton);
            } else if (step == "send:Cancel") {
                const QString before = QGuiApplication::clipboard()->text();
                loaded.modals.Then([](QWidget *box) {
                    QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(), "Cancel");
                    ModalAnswers::Press(box, "Cancel");
                });
                QTest::mouseClick(window.cmdSend, Qt::LeftButton);
                QCOMPARE(QGuiApplication::clipboard()->text(), before);
            } else if (step == "again") {
                QVERIFY(loaded.Load(Code(fen)));
            } else if (step == "send") {
                for (int box = 0; box <= int(spoiled); ++box)
                    loaded.modals.Then(ModalAnswers::PressOk());
                QTest::mouseClick(window.cmdSend, Qt::LeftButton);
                QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                    EncodePositionCode(window.Board(), Opponent(window.Board().giToMove)));
            } else if (step == "game") {
                loaded.modals.Then([](QWidget *dialog) {
                    dialog->findChild<QCheckBox *>("chkRecord")->click();
                    dialog->findChild<QCheckBox *>("chkRecord")->click();
                    ModalAnswers::Press(dialog, "Close");
                });
                QTest::mouseClick(window.cmdGame, Qt::LeftButton);
            } else if (step == "spoil") {
                const auto db = sqlite::Connection::Open(home.File().toStdString(), false, 1000);
                QVERIFY(db
                    && !(*db)->Execute("CREATE TRIGGER spoil BEFORE INSERT ON move BEGIN SELECT "
                                       "RAISE(ROLLBACK, 'no room left'); END"));
                spoiled = true;
            } else if (step == "reopen" || step == "renew") {
                loaded.modals.Then([step](QWidget *box) {
                    QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(), "OK");
                    ModalAnswers::Press(box, step == "renew" ? "Start a New Game" : "OK");
                });
                QVERIFY(loaded.Load(QGuiApplication::clipboard()->text()));
            } else {
                window.txtMove->clear();
                if (step != "enter")
                    QTest::keyClicks(window.txtMove, step);
                QTest::keyClick(window.txtMove, Qt::Key_Return);
            }
            shown << window.lblStatus->text();
        }
        for (const QString &line : shown)
            QVERIFY2(Fits(window.lblStatus, line), qPrintable(line));
        // Each text seen is compared as far as the one expected goes.
        const auto starts = [](QStringList texts, const QStringList &expected) {
            for (int i = 0; i < qMin(texts.size(), expected.size()); ++i)
                texts[i].truncate(expected[i].size());
            return texts;
        };
        const QStringList expected
            = lines.replace("~", "Press Send Move to copy your move, or Undo Move.").split(" / ");
        QCOMPARE(starts(shown, expected), expected);
        seen.replaceInStrings("%1", home.File());
        QCOMPARE(starts(loaded.modals.Seen().filter(QRegularExpression("^Chess\\|")), seen), seen);
        if (games != "whole")
            QCOMPARE(home.Games().join(' '), games);
        for (const QString &game : home.Games())
            QCOMPARE(game.section(':', 0, 0), game.section(':', 1));
        QVERIFY(record || QDir(home.Home()).isEmpty());
        Options::SetRecordEnabled(false);
    }

    // The Game dialog over three recorded games: White's (four plies, this turn's), Black's (one
    // ply) as the steps leave them (" / " between): "select N" (a table row), "keys ..." (typed
    // where the focus is), "press CAPTION=ANSWER" (the confirmation answered by its button
    // ANSWER, Cancel being its default), "type NAME=TEXT" (a field left after typing), "reopen"
    // (the dialog closed and opened again). Then what each probe shows (see Probe).
    void gameDialog_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("probes");
        const QString both = QString("?|%1|White|2|2... Nc6|Yours|today|* / ?|%1|Black|1|1... "
                                     "Nf6|Theirs|today|*")
                                 .arg(QDateTime::currentDateTimeUtc().date().toString(Qt::ISODate));
        Row("every game, this turn's selected", "",
            "rows=" + both
                + "; selected=0; flipped=no; check=; enabled=Resign... / Opponent Resigned... / "
                  "Draw Agreed... / Delete Game...");
        Row("replay by keys: the position after the third ply", "keys Alt+V Home Right Right Right",
            QString("board=rnbqkbnr/pppp1ppp/8/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R"));
        Row("a king in check on the replay board", "check / keys Alt+V Home Right",
            QString("check=e8, black king, in check wbkingx.bmp"));
        Row("Home is the start, End the last", "keys Alt+V Home Right Home",
            "board=rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR");
        Row("Black's game from Black's side", "select 1",
            QString("flipped=yes; board=rnbqkb1r/pppppppp/5n2/8/3P4/8/PPP1PPPP/RNBQKBNR"));
        Row("resigned with White", "press Resign...=Resign",
            "pgn=?;?;0-1; enabled=Reopen Game / Delete Game...");
        Row("resignation cancelled", "press Resign...=Cancel", QString("pgn=?;?;*"));
        Row("opponent resigned against Black",
            "select 1 / press Opponent Resigned...=Opponent "
            "Resigned",
            QString("pgn=?;?;0-1"));
        Row("agreed draw reopened", "press Draw Agreed...=Draw Agreed / press Reopen Game",
            QString("pgn=?;?;*"));
        Row("names as White", "type Your name=Anna Berg / type Opponent=Bo Lind",
            QString("pgn=Anna Berg;Bo Lind;*"));
        Row("names as Black", "select 1 / type Your name=Anna / type Opponent=Cy",
            QString("pgn=Cy;Anna;*"));
        Row("both names set without leaving the fields, kept by Close",
            "set Your name=Anna / set Opponent=Bo / reopen", QString("pgn=Anna;Bo;*"));
        Row("a refused address costs not the name; Close stays open once",
            "set Opponent=Bo / set Opponent's e-mail=a@b.org, c@d.org / close",
            QString(
                "closed=no; refused=not one plain address; email=a@b.org, c@d.org; pgn=?;Bo;*"));
        Row("a refused address not kept", "type Opponent's e-mail=bo@x / close / reopen",
            QString("email=; refused="));
        Row("a name with its address", "type Opponent's e-mail=Bob <bob@example.org> / reopen",
            QString("email=bob@example.org; pgn=?;Bob;*"));
        Row("an address kept", "type Opponent's e-mail=bo@lind.se / reopen",
            QString("email=bo@lind.se"));
        Row("notes kept", "type Notes (only you see them)=Sunday / reopen",
            QString("notes=Sunday"));
        Row("one game deleted", "select 1 / press Delete Game...=Delete Game",
            "rows=" + both.section(" / ", 0, 0));
        Row("access keys and names", "", QString("keys=unique"));
        Row("threefold repetition claimed", "repeated / press Claim Draw...=Claim Draw",
            QString("pgn=?;?;1/2-1/2"));
    }

    void gameDialog()
    {
        QFETCH(QString, steps);
        QFETCH(QString, probes);
        RecordHome home(true);
        PlayTurn(StartFen, "e4");
        PlayTurn("rnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b - d3", "Nf6");
        PlayTurn("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w - e6", "Nf3");
        // "repeated": the knights go back and forth until this turn's position stands the
        // third time.
        const QString knights = "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w";
        const QString back = "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w";
        for (const QString &move :
            steps.startsWith("repeated") ? QStringList { "Ng1", "Nf3", "Ng1" } : QStringList())
            PlayTurn(move == "Nf3" ? back : knights, move);
        if (steps.startsWith("check"))
            PlayTurn("4k3/8/8/8/8/8/8/R3K3 w", "Ra8+");
        Loaded loaded;
        QVERIFY(loaded.Load(Code(steps.startsWith("check") ? "R7/4k3/8/8/8/8/8/4K3 w"
                : steps.startsWith("repeated")             ? back
                                                           : knights)));
        const QStringList sessions = steps.split("reopen");
        for (int session = 0; session < sessions.size(); ++session)
            loaded.modals.Then([&, session](QWidget *modal) {
                auto *dialog = qobject_cast<frmGame *>(modal);
                QVERIFY(dialog && QTest::qWaitForWindowActive(dialog));
                for (const QString &step : sessions[session].split(" / ", Qt::SkipEmptyParts)) {
                    const QString verb = step.trimmed().section(' ', 0, 0);
                    const QString rest = step.trimmed().section(' ', 1);
                    if (verb == "select")
                        dialog->tblGames->selectRow(rest.toInt());
                    for (const QString &key : verb == "keys" ? rest.split(' ') : QStringList())
                        QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
                    if (verb == "press") {
                        // A timer does not fire inside its own slot: the question needs its own.
                        ModalAnswers confirm;
                        if (rest.contains('='))
                            confirm.Then([answer = rest.section('=', 1)](QWidget *box) {
                                QCOMPARE(qobject_cast<QMessageBox *>(box)->defaultButton()->text(),
                                    "Cancel");
                                ModalAnswers::Press(box, answer);
                            });
                        ModalAnswers::Press(dialog, rest.section('=', 0, 0));
                        QCOMPARE(confirm.Pending(), 0);
                    }
                    if (verb == "close")
                        dialog->cmdClose->click();
                    if (verb == "type" || verb == "set") {
                        for (auto *edit : dialog->findChildren<QLineEdit *>())
                            if (Name(edit) == rest.section('=', 0, 0)) {
                                edit->setText(rest.section('=', 1));
                                if (verb == "type")
                                    emit edit->editingFinished();
                            }
                        if (rest.startsWith("Notes"))
                            dialog->txtNotes->setPlainText(rest.section('=', 1));
                    }
                }
                if (session + 1 == sessions.size())
                    for (const QString &probe : probes.split("; "))
                        QCOMPARE(probe.section('=', 0, 0) + '='
                                + (probe.startsWith("closed")
                                        ? QString(dialog->isVisible() ? "no" : "yes")
                                        : Probe(dialog, probe.section('=', 0, 0))),
                            probe);
                dialog->cmdClose->click();
                QVERIFY(!dialog->isVisible());
            });
        for (int session = 0; session < sessions.size(); ++session)
            QTest::mouseClick(loaded.window.cmdGame, Qt::LeftButton);
        QCOMPARE(loaded.modals.Pending(), 0);
        Options::SetRecordEnabled(false);
    }

    // "New E-mail" in the Send Move message hands a new message to the desktop: the code as
    // its body, the move (when the record knows it) in its subject. Under Xvfb (tst_window_desktop)
    // the desktop's opener, xdg-open, is found on the PATH.
    void newEmail()
    {
        QCOMPARE(
            frmChess::MailtoUrl("CHESS-CODE:gh6v2o0", "14... Nf6").toString(QUrl::FullyEncoded),
            "mailto:?subject=Chess%3A%20my%20move%2014...%20Nf6&body=CHESS-CODE%3Agh6v2o0%0D%0A%0D%"
            "0A");
        QCOMPARE(frmChess::MailtoUrl("CHESS-CODE:gh6v2o0", "", "bo@lind.se",
                     " (I claim a draw: threefold repetition)")
                     .toString(QUrl::FullyEncoded),
            "mailto:bo@lind.se?subject=Chess%3A%20my%20move%20%28I%20claim%20a%20draw%3A%"
            "20threefold%"
            "20repetition%29&body=CHESS-CODE%3Agh6v2o0%0D%0A%0D%0A");
        QTemporaryDir bin;
        WriteTool(bin.filePath("xdg-open"), bin.filePath("record"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        if (QGuiApplication::platformName() == "offscreen")
            QDesktopServices::setUrlHandler("mailto", this, "Open");
        Loaded loaded;
        QVERIFY(loaded.Load(Code("4k3/8/8/8/8/8/8/4K3 b")));
        Drag(loaded.window, "e8", "d8");
        loaded.modals.Then([](QWidget *box) { ModalAnswers::Press(box, "New E-mail"); });
        QTest::mouseClick(loaded.window.cmdSend, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler("mailto");
        QTRY_VERIFY(Lines(bin.filePath("record")).size() == 3 || !mOpened.isEmpty());
        QCOMPARE(
            mOpened.value(0, QUrl::fromEncoded(Lines(bin.filePath("record")).value(2).toUtf8())),
            frmChess::MailtoUrl(QGuiApplication::clipboard()->text(), ""));
        qputenv("PATH", path);
    }

public slots:
    void Open(const QUrl &url) { mOpened << url; }

private:
    QList<QUrl> mOpened;

private slots:
    // The committed picture folder holds exactly the 43 files the program asks for, with a
    // piece code 0..5 on any square, in check or not, each a 32 x 32 picture, and beside each
    // .bmp its 64 x 64 twin.
    void pictureFolderHoldsTheNamedFiles()
    {
        QSet<QString> names { "mate.bmp" };
        for (const Square square : AllSquares) {
            names << QFileInfo(EmptySquareFile(square)).fileName();
            for (const bool inCheck : { false, true })
                for (const Colour colour : { White, Black })
                    for (const PieceType piece : { Pawn, Rook, Knight, Bishop, Queen, King })
                        names << QFileInfo(PieceFile(square, colour, piece, inCheck)).fileName()
                              << QFileInfo(IconFile(colour, piece)).fileName();
        }
        QStringList expected(names.begin(), names.end());
        expected.sort();
        QCOMPARE(expected.size(), 43);
        for (const QString &name : expected.filter(".bmp"))
            expected << SharpPictureFile(name);
        expected.sort();
        const QDir committed(CORVALEN_SOURCE_DIR "/images");
        QCOMPARE(
            committed.entryList({ "*.bmp", "*.ico", "*.png" }, QDir::Files, QDir::Name), expected);
        for (const QString &name : expected)
            QVERIFY2(QImage(committed.filePath(name)).size()
                    == (name.contains("@2x") ? QSize(64, 64) : QSize(32, 32)),
                qPrintable(name));
    }

    // Without picture files the four choices still look different, and the chosen one too.
    void promotionChoicesWithoutPictures()
    {
        QTemporaryDir empty;
        SetImagesFolder(empty.path());
        frmPawnChange dialog(Black);
        dialog.show();
        QTest::mouseClick(dialog.imgCell[1], Qt::LeftButton, {}, Middle);
        QSet<QByteArray> distinct;
        for (const QLabel *cell : dialog.imgCell) {
            const QImage image = cell->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            distinct << QByteArray(
                reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        }
        SetImagesFolder(QString());
        QCOMPARE(distinct.size(), 4);
    }

    // In each language no text the player meets in the main window, the Game dialog and a
    // question stays English, no two controls of a window share an access key, and Qt's own
    // buttons speak the language. In English and in the language the window's captions fit
    // (CheckFits), the days since a game's last move take the plural forms, and the Game
    // dialog with a game selected fits a 768-px screen.
    void inThePlayersLanguage_data()
    {
        QTest::addColumn<QString>("language"); // and Cancel in it
        QTest::addColumn<QString>("days"); // since the last move: 0, 1, 2, 5 and 21 days
        for (const auto &[language, days] :
            std::initializer_list<std::pair<const char *, const char *>> {
                { "de Abbrechen", "heute vor 1 Tag vor 2 Tagen vor 5 Tagen vor 21 Tagen" },
                { "fr Annuler", "aujourd'hui 1 jour 2 jours 5 jours 21 jours" },
                { "es Cancelar", "hoy hace 1 día hace 2 días hace 5 días hace 21 días" },
                { "it Annulla", "oggi 1 giorno 2 giorni 5 giorni 21 giorni" },
                { "nl Annuleren",
                    "vandaag 1 dag geleden 2 dagen geleden 5 dagen geleden 21 dagen geleden" },
                { "ru Отмена", "сегодня 1 день 2 дня 5 дней 21 день" } })
            QTest::newRow(language) << QString(language) << QString::fromUtf8(days);
    }

    void inThePlayersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, days);
        std::optional<InLanguage> in;
        QList<QStringList> runs[2]; // English, then in the language
        // Only moves, numbers and marks such as "?" may stay as they are.
        const QRegularExpression word("[a-z]{4}");
        for (QList<QStringList> &read : runs) {
            RecordHome home(true);
            PlayTurn(StartFen, "e4");
            if (&read == &runs[1])
                QVERIFY(in.emplace(language.left(2)).loaded);
            Loaded loaded;
            QVERIFY(loaded.Load(Code("rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w - e6")));
            int height = 0; // of the Game dialog with this turn's game selected
            loaded.modals.Then([&read, &height](QWidget *dialog) {
                const bool selected
                    = qobject_cast<frmGame *>(dialog)->tblGames->currentIndex().row() >= 0;
                height = selected ? dialog->height() : 0;
                read << Texts(dialog);
                ModalAnswers question;
                question.Then([&read](QWidget *box) {
                    read << Texts(box);
                    qobject_cast<QMessageBox *>(box)->button(QMessageBox::Cancel)->click();
                });
                qobject_cast<frmGame *>(dialog)->cmdResign->click();
                dialog->close();
            });
            QTest::mouseClick(loaded.window.cmdGame, Qt::LeftButton);
            QVERIFY2(height > 0 && height <= 700, qPrintable(QString::number(height)));
            read << Texts(&loaded.window);
            CheckFits(loaded.window);
            QStringList since;
            for (const int n : { 0, 1, 2, 5, 21 })
                since << GameTableModel::SinceText(n);
            QCOMPARE(since.join(' '), in ? days : "today 1 day 2 days 5 days 21 days");
        }
        QCOMPARE(runs[0].size() + runs[1].size(), 6);
        QVERIFY(runs[1][1].contains(language.section(' ', 1)));
        for (int window = 0; window < 3; ++window) {
            const QStringList &english = runs[0][window], &translated = runs[1][window];
            QCOMPARE(translated.size(), english.size());
            QCOMPARE(translated.last(), QString());
            for (int i = 0; i < english.size(); ++i)
                QVERIFY2(translated[i] != english[i] || !english[i].contains(word),
                    qPrintable(english[i]));
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
