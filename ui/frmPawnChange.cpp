#include "ui/frmPawnChange.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "rules/BoardState.h"
#include "ui/PieceImages.h"
#include "widgets/Twips.h"

namespace corvalen {

namespace {

    // Stands in for a missing picture: the piece's letter on a light or dark square, so that the
    // four choices and the chosen one can still be told apart.
    QPixmap FallbackChoice(PieceType piece, bool selected, QSize size)
    {
        static const char letters[] = "PRNBQK";
        QPixmap picture(size);
        picture.fill(selected ? QColor(70, 100, 170) : QColor(235, 235, 235));
        QPainter painter(&picture);
        painter.setPen(selected ? Qt::white : Qt::black);
        painter.drawText(picture.rect(), Qt::AlignCenter, QString(QLatin1Char(letters[PieceNumber(piece)])));
        return picture;
    }

    // The label keeps its designed width; with a wider system font its text gets a smaller size
    // rather than losing its last words.
    void FitTextToWidth(QLabel &label)
    {
        QFont fitted = label.font();
        while (fitted.pointSizeF() > 6.0
            && QFontMetrics(fitted).horizontalAdvance(label.text()) > label.contentsRect().width())
            fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        label.setFont(fitted);
    }

} // namespace

frmPawnChange::frmPawnChange(Colour toMove, QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(tr("Select the piece you would like:"), this))
    , Picture1(new QFrame(this))
    , cmdOK(new QPushButton(tr("OK"), this))
    , miToMove(toMove)
{
    setWindowTitle(tr("Change Pawn"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(Px(2880), Px(1890));
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(TwipsRect(120, 120, 2595, 255));
    FitTextToWidth(*Label1);

    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(120, 420, 2595, 795));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setAccessibleName(tr("Pieces"));
    Picture1->setAccessibleDescription(
        tr("The arrow keys or R, N, B and Q choose a piece; Enter takes it."));

    static constexpr int cellLefts[] = { 120, 720, 1320, 1920 };
    for (int16_t i = 0; i < 4; ++i) {
        auto *cell = new QLabel(Picture1);
        cell->setObjectName(QStringLiteral("imgCell_%1").arg(i));
        cell->setGeometry(TwipsRect(cellLefts[i], 120, 510, 510));
        cell->setFrameStyle(QFrame::Box | QFrame::Plain);
        cell->setLineWidth(1);
        cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        cell->setToolTip(PieceDisplayName(PieceFromNumber(i + 1)));
        cell->installEventFilter(this);
        imgCell[i] = cell;
    }

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(tr("OK"));
    cmdOK->setGeometry(TwipsRect(840, 1380, 1215, 375));
    cmdOK->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmPawnChange::cmdOK_Click);

    setTabOrder(Picture1, cmdOK);
    Picture1->setFocus();

    ShowChoices();
}

void frmPawnChange::ShowChoices()
{
    for (int16_t i = 0; i < 4; ++i)
        DrawChoice(i, false);
}

// Shows choice `index` on a dark square picture when selected, else on a light one; the pieces
// are those of the promoting side. Index -1 (no choice yet) draws nothing.
void frmPawnChange::DrawChoice(int16_t index, bool selected)
{
    if (index < 0 || index > 3)
        return;
    const PieceType piece = PieceFromNumber(index + 1);
    const QString file = ImagesFolder() + QLatin1String(selected ? "/b" : "/w")
        + QLatin1Char(miToMove != White ? 'b' : 'g') + PieceName(piece) + QLatin1String(".bmp");
    const QSize size = imgCell[index]->contentsRect().size();
    bool ok = false;
    QPixmap picture = LoadPicture(file, ok, size, imgCell[index]->devicePixelRatioF());
    if (!ok)
        picture = FallbackChoice(piece, selected, size);
    imgCell[index]->setPixmap(picture);
    imgCell[index]->setAccessibleName(
        PieceDisplayName(piece) + (selected ? tr(", chosen") : QString()));
}

void frmPawnChange::imgCell_Click(int16_t index)
{
    cmdOK->setEnabled(true);
    DrawChoice(static_cast<int16_t>(miCurrSel - 1), false);
    DrawChoice(index, true);
    miCurrSel = static_cast<int16_t>(index + 1);
}

void frmPawnChange::imgCell_DblClick(int16_t index)
{
    // The click of the double-click has normally chosen already; a lone double-click event
    // (no press before it) still chooses, so the dialog never closes without a choice.
    if (miCurrSel != index + 1)
        imgCell_Click(index);
    accept();
}

void frmPawnChange::cmdOK_Click()
{
    accept();
}

void frmPawnChange::reject()
{
    if (miCurrSel == 0)
        return;
    accept();
}

void frmPawnChange::closeEvent(QCloseEvent *event)
{
    if (miCurrSel == 0) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void frmPawnChange::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QDialog::keyPressEvent(event);
    // Before a choice the arrows start from the rook's place: Right reaches the knight, Left
    // the queen.
    const int current = miCurrSel == 0 ? 0 : miCurrSel - 1;
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        next = (current + 1) % 4;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = (current + 3) % 4;
        break;
    case Qt::Key_R:
    case Qt::Key_N:
    case Qt::Key_B:
    case Qt::Key_Q:
        next = int(QStringLiteral("RNBQ").indexOf(QChar(event->key())));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (miCurrSel != 0)
            cmdOK->click();
        return;
    default:
        return QDialog::keyPressEvent(event);
    }
    imgCell_Click(static_cast<int16_t>(next));
}

int16_t frmPawnChange::CellIndex(const QObject *watched) const
{
    for (int16_t i = 0; i < 4; ++i) {
        if (imgCell[i] == watched)
            return i;
    }
    return -1;
}

bool frmPawnChange::eventFilter(QObject *watched, QEvent *event)
{
    const int16_t index = CellIndex(watched);
    if (index < 0)
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return true;
    case QEvent::MouseButtonRelease: {
        // The cell that took the press receives the release: a click when it ends over that cell.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && imgCell[index]->rect().contains(mouse->position().toPoint()))
            imgCell_Click(index);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            imgCell_DblClick(index);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace corvalen
