#include "ui/PictureBox.h"

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

} // namespace corvalen
