#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

namespace corvalen {

// A label that shows one picture unscaled from its top-left corner and remembers the file the
// picture came from, so the window (and its tests) can tell what a cell shows.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void ShowPicture(const QPixmap &picture, const QString &file);
    // Shows the picture in `file`, its twice-sized twin where this box has more than one device
    // pixel to a pixel (see LoadPicture). False when the file is missing or cannot be read, and
    // a plain stand-in shows.
    bool ShowPictureFile(const QString &file);
    // The file of the picture shown; a resource path for the window's own pictures.
    QString PictureFile() const { return msPictureFile; }

private:
    QString msPictureFile;
};

} // namespace corvalen
