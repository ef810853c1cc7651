#include "ui/PictureBox.h"

#include "ui/PieceImages.h"

namespace corvalen {

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureBox::ShowPicture(const QPixmap &picture, const QString &file)
{
    setPixmap(picture);
    msPictureFile = file;
}

bool PictureBox::ShowPictureFile(const QString &file)
{
    bool ok = false;
    ShowPicture(LoadPicture(file, ok, QSize(32, 32), devicePixelRatioF()), file);
    return ok;
}

} // namespace corvalen
