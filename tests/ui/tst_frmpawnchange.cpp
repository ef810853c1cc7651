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

// Runs the dialog modally with `act` as the player, from inside its event loop; a dialog that
// never closes ends with -1 instead of hanging the test.
template <class F> int ExecWith(frmPawnChange &dialog, F act)
{
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    QTimer::singleShot(0, &dialog, act);
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
        if (dialog.imgCell[i]->pixmap().toImage().convertToFormat(QImage::Format_RGB32)
            != expected.convertToFormat(QImage::Format_RGB32))
            return QStringLiteral("choice %1 does not show %2").arg(i).arg(name);
    }
    return {};
}

} // namespace

class tst_frmPawnChange : public QObject {
    Q_OBJECT

private slots:
    void opensBlankAndMarksOnlyTheLastClick_data();
    void opensBlankAndMarksOnlyTheLastClick();
    void playerChoosesAndLeaves_data();
    void playerChoosesAndLeaves();
    void missingPicturesLeaveTheChoicesDistinct();
};

void tst_frmPawnChange::opensBlankAndMarksOnlyTheLastClick_data()
{
    QTest::addColumn<int>("toMove");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("chosen");
    QTest::newRow("White opens with its own pieces") << int(White) << QList<int> {} << 0;
    QTest::newRow("Black opens with its own pieces") << int(Black) << QList<int> {} << 0;
    QTest::newRow("knight, then queen") << int(White) << QList<int> { 1, 3 } << 4;
    QTest::newRow("Black: queen, then rook") << int(Black) << QList<int> { 3, 0 } << 1;
    QTest::newRow("fresh dialog after a queen was chosen") << int(White) << QList<int> {} << -1;
}

void tst_frmPawnChange::opensBlankAndMarksOnlyTheLastClick()
{
    QFETCH(int, toMove);
    QFETCH(QList<int>, clicks);
    QFETCH(int, chosen);
    if (chosen < 0) {
        frmPawnChange first(White);
        ExecWith(first, [&first] {
            QTest::mouseDClick(first.windowHandle(), Qt::LeftButton, {}, CellCentre(first, 3));
        });
        QCOMPARE(first.miCurrSel, Queen);
        chosen = 0;
    }
    frmPawnChange dialog(static_cast<int16_t>(toMove));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(192, 126));
    QVERIFY2(QFontMetrics(dialog.Label1->font()).horizontalAdvance(dialog.Label1->text())
            <= dialog.Label1->contentsRect().width(),
        "the label's text is cut off");

    for (int index : clicks)
        ClickChoice(dialog, index);

    QCOMPARE(dialog.miCurrSel, chosen);
    QCOMPARE(dialog.cmdOK->isEnabled(), chosen != 0);
    QVERIFY(dialog.isVisible());
    const QString wrong = ChoicesDiffer(dialog, toMove == Black ? 'b' : 'g', chosen - 1);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void tst_frmPawnChange::playerChoosesAndLeaves_data()
{
    // Steps: "click N", "double-click N", "drag N M" (press on one, let go over another), "OK",
    // "close box", "Escape", the last two with "refused" when the dialog must stay open.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("chosen");
    QTest::newRow("drag across is no click; knight, OK")
        << "drag 0 1, close box refused, click 1, OK" << int(Knight);
    QTest::newRow("double-click bishop") << "double-click 2" << int(Bishop);
    QTest::newRow("close box refused before a choice")
        << "close box refused, click 3, close box" << int(Queen);
    QTest::newRow("Escape refused before a choice")
        << "Escape refused, click 3, Escape" << int(Queen);
}

void tst_frmPawnChange::playerChoosesAndLeaves()
{
    QFETCH(QString, steps);
    QFETCH(int, chosen);
    frmPawnChange dialog(White);
    const int result = ExecWith(dialog, [&dialog, steps] {
        for (const QString &step : steps.split(QStringLiteral(", "))) {
            const QPoint at = CellCentre(dialog, step.section(u' ', -1).toInt());
            if (step.startsWith(QLatin1String("click"))) {
                ClickChoice(dialog, step.section(u' ', 1).toInt());
            } else if (step.startsWith(QLatin1String("double-click"))) {
                QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, at);
            } else if (step.startsWith(QLatin1String("drag"))) {
                QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {},
                    CellCentre(dialog, step.section(u' ', 1, 1).toInt()));
                QTest::mouseMove(dialog.windowHandle(), at);
                QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, at);
            } else if (step == QLatin1String("OK")) {
                QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
            } else {
                QCloseEvent close; // the close box: the window system asks the window to close
                if (step.startsWith(QLatin1String("Escape")))
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                else
                    QCoreApplication::sendEvent(dialog.windowHandle(), &close);
                QCoreApplication::processEvents();
                QCOMPARE(dialog.isVisible(), step.endsWith(QLatin1String("refused")));
            }
        }
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.miCurrSel, chosen);
    QVERIFY(!dialog.isVisible());
}

void tst_frmPawnChange::missingPicturesLeaveTheChoicesDistinct()
{
    QTemporaryDir emptyFolder;
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
    QVERIFY(!shown[1].isNull() && shown[1] != knightUnmarked);
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j)
            QVERIFY(shown[i] != shown[j]);
    }
}

QTEST_MAIN(tst_frmPawnChange)
#include "tst_frmpawnchange.moc"
