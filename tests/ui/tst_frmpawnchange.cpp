#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "rules/BoardState.h"
#include "ui/PieceImages.h"
#include "ui/frmPawnChange.h"

using namespace corvalen;

namespace {

// Runs `act` on the modal dialog as soon as it is shown, from inside its event loop.
template <class F> void WhenModal(F act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

// Runs the dialog modally with `act` as the player; a dialog that never closes ends with -1
// instead of hanging the test.
template <class F> int ExecWith(frmPawnChange &dialog, F act)
{
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    WhenModal([act](QWidget *) { act(); });
    return dialog.exec();
}

QPoint CellCentre(const frmPawnChange &dialog, int index)
{
    const QLabel *cell = dialog.imgCell[index];
    return cell->mapTo(&dialog, cell->rect().center());
}

// Real clicks through the window, as the windowing system delivers them.
void ClickChoice(frmPawnChange &dialog, int index)
{
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, CellCentre(dialog, index));
}

void DoubleClickChoice(frmPawnChange &dialog, int index)
{
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, CellCentre(dialog, index));
}

// The close box: the window system asks the window to close.
void PressCloseBox(frmPawnChange &dialog)
{
    QCloseEvent close;
    QCoreApplication::sendEvent(dialog.windowHandle(), &close);
}

QImage Comparable(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Empty when every cell shows the picture of the promoting side ('g' White, 'b' Black) on a
// light square, except `marked` (-1 for none) on a dark one; else what is wrong.
QString ChoicesDiffer(const frmPawnChange &dialog, char side, int marked)
{
    for (int i = 0; i < 4; ++i) {
        const QString name = QString(QLatin1Char(i == marked ? 'b' : 'w')) + QLatin1Char(side)
            + PieceName(static_cast<int16_t>(i + 1)) + QLatin1String(".bmp");
        const QImage expected(ImagesFolder() + u'/' + name);
        if (expected.isNull())
            return QStringLiteral("cannot read %1 in %2").arg(name, ImagesFolder());
        if (Comparable(dialog.imgCell[i]->pixmap().toImage()) != Comparable(expected))
            return QStringLiteral("choice %1 does not show %2").arg(i).arg(name);
    }
    return {};
}

} // namespace

class tst_frmPawnChange : public QObject {
    Q_OBJECT

private slots:
    void opensWithoutChoice_data();
    void opensWithoutChoice();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void opensCentredOnOwner();
    void clicksMarkOnlyTheLastChoice_data();
    void clicksMarkOnlyTheLastChoice();
    void okReturnsTheChoice();
    void doubleClickChoosesAndCloses_data();
    void doubleClickChoosesAndCloses();
    void closingIsRefusedUntilChosen_data();
    void closingIsRefusedUntilChosen();
    void freshDialogForgetsEarlierChoice();
    void missingPicturesLeaveTheChoicesDistinct();
};

void tst_frmPawnChange::opensWithoutChoice_data()
{
    QTest::addColumn<int>("toMove");
    QTest::addColumn<char>("side");
    QTest::newRow("White promotes: white pieces") << int(White) << 'g';
    QTest::newRow("Black promotes: black pieces") << int(Black) << 'b';
}

void tst_frmPawnChange::opensWithoutChoice()
{
    QFETCH(int, toMove);
    QFETCH(char, side);
    frmPawnChange dialog(static_cast<int16_t>(toMove));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Change Pawn"));
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Select the piece you would like:"));
    QVERIFY2(QFontMetrics(dialog.Label1->font()).horizontalAdvance(dialog.Label1->text())
            <= dialog.Label1->contentsRect().width(),
        "the label's text is cut off");
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.miCurrSel, 0);
    QVERIFY(!dialog.cmdOK->isEnabled());
    const QString wrong = ChoicesDiffer(dialog, side, -1);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_frmPawnChange::controlsStandWhereDesigned_data()
{
    // Geometry in twips (15 to a pixel), relative to the dialog's client area or to Picture1.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("label") << "Label1" << QRect(120, 120, 2595, 255);
    QTest::newRow("choice box") << "Picture1" << QRect(120, 420, 2595, 795);
    QTest::newRow("rook") << "imgCell_0" << QRect(120, 120, 510, 510);
    QTest::newRow("knight") << "imgCell_1" << QRect(720, 120, 510, 510);
    QTest::newRow("bishop") << "imgCell_2" << QRect(1320, 120, 510, 510);
    QTest::newRow("queen") << "imgCell_3" << QRect(1920, 120, 510, 510);
    QTest::newRow("OK") << "cmdOK" << QRect(840, 1380, 1215, 375);
}

void tst_frmPawnChange::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    frmPawnChange dialog(White);
    QCOMPARE(dialog.size(), QSize(2880 / 15, 1890 / 15));
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const auto *control = dialog.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(),
        QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void tst_frmPawnChange::opensCentredOnOwner()
{
    QWidget owner;
    owner.setGeometry(150, 120, 600, 420);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    frmPawnChange dialog(White, &owner);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint offset = dialog.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
        qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
}

void tst_frmPawnChange::clicksMarkOnlyTheLastChoice_data()
{
    QTest::addColumn<int>("toMove");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("chosen");
    QTest::newRow("knight, then queen") << int(White) << QList<int> { 1, 3 } << 4;
    QTest::newRow("queen, then rook") << int(White) << QList<int> { 3, 0 } << 1;
    QTest::newRow("bishop, knight, bishop") << int(White) << QList<int> { 2, 1, 2 } << 3;
    QTest::newRow("Black: knight, then queen") << int(Black) << QList<int> { 1, 3 } << 4;
    QTest::newRow("Black: rook") << int(Black) << QList<int> { 0 } << 1;
}

void tst_frmPawnChange::clicksMarkOnlyTheLastChoice()
{
    QFETCH(int, toMove);
    QFETCH(QList<int>, clicks);
    QFETCH(int, chosen);
    frmPawnChange dialog(static_cast<int16_t>(toMove));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (int index : clicks)
        ClickChoice(dialog, index);

    QCOMPARE(dialog.miCurrSel, chosen);
    QVERIFY(dialog.cmdOK->isEnabled());
    QVERIFY(dialog.isVisible());
    const QString wrong = ChoicesDiffer(dialog, toMove == Black ? 'b' : 'g', chosen - 1);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_frmPawnChange::okReturnsTheChoice()
{
    frmPawnChange dialog(Black);
    int16_t afterDragAcross = -1;
    bool okAfterDragAcross = true;

    const int result = ExecWith(dialog, [&] {
        // Pressed on the rook and let go over the knight: that is no click.
        const QPoint rook = CellCentre(dialog, 0);
        const QPoint knight = CellCentre(dialog, 1);
        QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, rook);
        QTest::mouseMove(dialog.windowHandle(), knight);
        QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, knight);
        afterDragAcross = dialog.miCurrSel;
        okAfterDragAcross = dialog.cmdOK->isEnabled();

        ClickChoice(dialog, 1);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });

    QCOMPARE(afterDragAcross, 0);
    QVERIFY(!okAfterDragAcross);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.miCurrSel, Knight);
    QVERIFY(!dialog.isVisible());
}

void tst_frmPawnChange::doubleClickChoosesAndCloses_data()
{
    QTest::addColumn<QList<int>>("clicksBefore");
    QTest::addColumn<int>("doubleClicked");
    QTest::addColumn<int>("chosen");
    QTest::newRow("bishop") << QList<int> {} << 2 << 3;
    QTest::newRow("rook") << QList<int> {} << 0 << 1;
    QTest::newRow("queen after clicking the knight") << QList<int> { 1 } << 3 << 4;
}

void tst_frmPawnChange::doubleClickChoosesAndCloses()
{
    QFETCH(QList<int>, clicksBefore);
    QFETCH(int, doubleClicked);
    QFETCH(int, chosen);
    frmPawnChange dialog(White);

    const int result = ExecWith(dialog, [&] {
        for (int index : clicksBefore)
            ClickChoice(dialog, index);
        DoubleClickChoice(dialog, doubleClicked);
    });

    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.miCurrSel, chosen);
    QVERIFY(!dialog.isVisible());
}

void tst_frmPawnChange::closingIsRefusedUntilChosen_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close box") << false;
    QTest::newRow("Escape") << true;
}

void tst_frmPawnChange::closingIsRefusedUntilChosen()
{
    QFETCH(bool, escape);
    frmPawnChange dialog(White);
    const auto tryToLeave = [&dialog, escape] {
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            PressCloseBox(dialog);
    };

    bool openAfterFirstTry = false;
    const int result = ExecWith(dialog, [&] {
        tryToLeave();
        QCoreApplication::processEvents();
        openAfterFirstTry = dialog.isVisible();
        ClickChoice(dialog, 3);
        tryToLeave();
    });

    QVERIFY(openAfterFirstTry);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.miCurrSel, Queen);
    QVERIFY(!dialog.isVisible());
}

void tst_frmPawnChange::freshDialogForgetsEarlierChoice()
{
    {
        frmPawnChange first(White);
        ExecWith(first, [&first] { DoubleClickChoice(first, 3); });
        QCOMPARE(first.miCurrSel, Queen);
    }
    frmPawnChange second(White);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(second.miCurrSel, 0);
    QVERIFY(!second.cmdOK->isEnabled());
    const QString wrong = ChoicesDiffer(second, 'g', -1);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_frmPawnChange::missingPicturesLeaveTheChoicesDistinct()
{
    QTemporaryDir emptyFolder;
    QVERIFY(emptyFolder.isValid());
    SetImagesFolder(emptyFolder.path());
    const auto restore = qScopeGuard([] { SetImagesFolder(QString()); });

    frmPawnChange dialog(Black);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage knightUnmarked = dialog.imgCell[1]->pixmap().toImage();
    ClickChoice(dialog, 1);

    QList<QImage> shown;
    for (const QLabel *cell : dialog.imgCell)
        shown.append(cell->pixmap().toImage());
    QVERIFY(!shown[1].isNull());
    QVERIFY2(shown[1] != knightUnmarked, "the chosen piece looks as before");
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j)
            QVERIFY2(shown[i] != shown[j],
                qPrintable(QStringLiteral("choices %1 and %2 look alike").arg(i).arg(j)));
    }
    QCOMPARE(dialog.miCurrSel, Knight);
}

QTEST_MAIN(tst_frmPawnChange)
#include "tst_frmpawnchange.moc"
