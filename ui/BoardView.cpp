#include "ui/BoardView.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <algorithm>

#include "ui/PieceImages.h"

// A static library's resources must be registered by name, outside any namespace.
static void RegisterCompiledPictures()
{
    Q_INIT_RESOURCE(corvalen);
}

namespace corvalen {

namespace {
    constexpr int CellSize = 32;

    // The windows' own empty squares, light and dark.
    const QString BuiltInEmptyFiles[2]
        = { QStringLiteral(":/empty-light.png"), QStringLiteral(":/empty-dark.png") };
} // namespace

void RegisterWindowPictures()
{
    static const bool registered = [] {
        RegisterCompiledPictures();
        return true;
    }();
    (void)registered;
}

BoardView::BoardView(QWidget *parent)
    : QFrame(parent)
{
    RegisterWindowPictures();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Each of the two built-in pictures is read once, through QImage: QPixmap's own reading
    // asks the resource's time for its cache key, and each such time costs a time-zone
    // conversion.
    const QPixmap empties[2] = { QPixmap::fromImage(QImage(BuiltInEmptyFiles[0])),
        QPixmap::fromImage(QImage(BuiltInEmptyFiles[1])) };
    const BoardState empty;
    for (int16_t square = 0; square < 64; ++square) {
        auto *cell = new BoardCell(square, this);
        const int dark = IsDarkSquare(square) ? 1 : 0;
        cell->ShowPicture(empties[dark], BuiltInEmptyFiles[dark]);
        cell->setAccessibleName(CellName(empty, square, false, false));
        mCells[static_cast<size_t>(square)] = cell;
    }
    PlaceCells();
}

void BoardView::Show(
    const BoardState &board, const std::vector<int16_t> &marks, int16_t checkSquare, bool flipped)
{
    if (flipped != mbFlipped) {
        mbFlipped = flipped;
        PlaceCells();
    }
    for (BoardCell *cell : mCells) {
        const int16_t square = cell->Index();
        const bool marked = std::find(marks.begin(), marks.end(), square) != marks.end();
        const bool inCheck = square == checkSquare && board.Piece(square) == King;
        if (board.IsEmpty(square)) {
            // The built-in picture of an empty square stands until the square's file is
            // needed for another reason.
            if (!cell->PictureFile().startsWith(QLatin1String(":/empty-")))
                ShowFile(cell, EmptySquareFile(square));
        } else {
            const int16_t colour = board.Colour(square), piece = board.Piece(square);
            ShowFile(cell, PieceFile(square, colour, piece, inCheck));
            if (mbMovable) {
                const QString icon = IconFile(colour, piece);
                if (cell->DragIconFile() != icon)
                    cell->SetDragIcon(Picture(icon, 1.0), icon);
                cell->SetDragMode(true);
            }
        }
        if (board.IsEmpty(square) || !mbMovable) {
            cell->SetDragMode(false);
            cell->ClearDragIcon();
        }
        cell->SetMarked(marked);
        cell->setAccessibleName(CellName(board, square, marked, inCheck));
    }
}

void BoardView::ShowEmpty()
{
    const BoardState empty;
    for (BoardCell *cell : mCells) {
        ShowFile(cell, EmptySquareFile(cell->Index()));
        cell->SetMarked(false);
        cell->setAccessibleName(CellName(empty, cell->Index(), false, false));
    }
}

void BoardView::SetMovable(bool movable)
{
    mbMovable = movable;
    if (movable)
        return;
    for (BoardCell *cell : mCells) {
        cell->SetDragMode(false);
        cell->ClearDragIcon();
    }
}

BoardCell *BoardView::CellAt(const QPoint &point) const
{
    if (!rect().contains(point))
        return nullptr;
    return qobject_cast<BoardCell *>(childAt(point));
}

QSize BoardView::sizeHint() const
{
    const int side = 8 * CellSize + 2 * frameWidth();
    return { side, side };
}

void BoardView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    BoardCell *cell = CellAt(event->position().toPoint());
    if (!cell || !cell->DragMode())
        return;
    mDragSource = cell;
    if (cell->DragIcon().isNull())
        grabMouse();
    else
        grabMouse(QCursor(cell->DragIcon()));
}

void BoardView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !mDragSource)
        return;
    BoardCell *source = mDragSource;
    mDragSource = nullptr;
    releaseMouse();
    if (BoardCell *target = CellAt(event->position().toPoint()))
        emit MoveDropped(source->Index(), target->Index());
}

void BoardView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    PlaceCells();
}

void BoardView::PlaceCells()
{
    const int inset = frameWidth();
    for (BoardCell *cell : mCells) {
        const int16_t square = cell->Index();
        const int column = mbFlipped ? 7 - ColumnOf(square) : ColumnOf(square);
        const int row = mbFlipped ? 7 - RowOf(square) : RowOf(square);
        cell->setGeometry(inset + column * CellSize, inset + row * CellSize, CellSize, CellSize);
    }
}

void BoardView::ShowFile(BoardCell *cell, const QString &file)
{
    if (cell->PictureFile() != file)
        cell->ShowPicture(Picture(file, cell->devicePixelRatioF()), file);
}

const QPixmap &BoardView::Picture(const QString &file, qreal ratio)
{
    const QString key = QString::number(ratio) + u'|' + file;
    auto found = mPictures.find(key);
    if (found != mPictures.end())
        return *found;
    bool ok = false;
    found = mPictures.insert(key, LoadPicture(file, ok, QSize(CellSize, CellSize), ratio));
    if (!ok)
        emit PictureMissing(file);
    return *found;
}

} // namespace corvalen
