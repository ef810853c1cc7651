#include "PictureArt.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

#include <cstdio>

using PictureArt::PieceColour;
using PictureArt::PieceKind;

namespace {

struct NamedKind {
    PieceKind kind;
    const char *name;
};

constexpr NamedKind Kinds[] = {
    { PieceKind::Pawn, "pawn" },
    { PieceKind::Rook, "rook" },
    { PieceKind::Knight, "knight" },
    { PieceKind::Bishop, "bishop" },
    { PieceKind::Queen, "queen" },
    { PieceKind::King, "king" },
};

QTextStream &Err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool Write(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    QImageWriter writer(path, QFileInfo(name).suffix().toLatin1());
    if (writer.write(image))
        return true;
    Err() << "cannot write " << path << ": " << writer.errorString() << Qt::endl;
    return false;
}

// The chess symbols must come from DejaVu Sans itself; a substitute font would give other shapes.
bool HasChessFont()
{
    if (!QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))) {
        Err() << "the font DejaVu Sans is not installed (Debian: fonts-dejavu-core)" << Qt::endl;
        return false;
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    const QFontMetrics metrics(font);
    for (char32_t glyph = 0x2654; glyph <= 0x265F; ++glyph) {
        if (!metrics.inFontUcs4(glyph)) {
            Err() << "DejaVu Sans lacks the chess symbols" << Qt::endl;
            return false;
        }
    }
    return true;
}

// The .bmp pictures the board and the promotion dialog show, drawn `scale` times the size; a
// scale above 1 names each "<name>@<scale>x.bmp".
bool WriteSquarePictures(const QDir &folder, int scale)
{
    const QString suffix
        = (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + QLatin1String(".bmp");
    bool ok = Write(PictureArt::Square(true, scale), folder, QStringLiteral("blue") + suffix)
        && Write(PictureArt::Square(false, scale), folder, QStringLiteral("white") + suffix)
        && Write(PictureArt::MateBadge(scale), folder, QStringLiteral("mate") + suffix);
    for (const NamedKind &piece : Kinds) {
        const QString name = QLatin1String(piece.name);
        for (const bool dark : { true, false }) {
            const QString square = QLatin1String(dark ? "b" : "w");
            for (const PieceColour colour : { PieceColour::Black, PieceColour::White }) {
                const QString file = square + (colour == PieceColour::Black ? u'b' : u'g') + name;
                ok = ok
                    && Write(PictureArt::PieceOnSquare(dark, colour, piece.kind, false, scale),
                        folder, file + suffix);
                if (piece.kind == PieceKind::King)
                    ok = ok
                        && Write(PictureArt::PieceOnSquare(dark, colour, piece.kind, true, scale),
                            folder, file + u'x' + suffix);
            }
        }
    }
    return ok;
}

// The 43 files the program loads from its images folder.
bool WriteBoardPictures(const QDir &folder)
{
    bool ok = WriteSquarePictures(folder, 1);
    for (const NamedKind &piece : Kinds) {
        const QString name = QLatin1String(piece.name);
        ok = ok
            && Write(PictureArt::DragIcon(PieceColour::Black, piece.kind), folder,
                name + QLatin1String(".ico"))
            && Write(PictureArt::DragIcon(PieceColour::White, piece.kind), folder,
                u'w' + name + QLatin1String(".ico"));
    }
    return ok;
}

// The pictures compiled into the program: the empty squares, the check badge and the icon.
bool WriteWindowPictures(const QDir &folder)
{
    return Write(PictureArt::Square(false), folder, QStringLiteral("empty-light.png"))
        && Write(PictureArt::Square(true), folder, QStringLiteral("empty-dark.png"))
        && Write(PictureArt::CheckBadge(), folder, QStringLiteral("check.png"))
        && Write(PictureArt::ProgramIcon(), folder, QStringLiteral("corvalen.png"))
        && Write(PictureArt::ProgramIcon(), folder, QStringLiteral("corvalen.ico"));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the Corvalen board pictures and drag icons into a folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("images"),
        QStringLiteral("Folder for the 43 board pictures and icons and the twice-sized "
                       "pictures (created when missing)."));
    const QCommandLineOption windowOption(QStringLiteral("window-pictures"),
        QStringLiteral("Also draw the window's own pictures into <folder>."),
        QStringLiteral("folder"));
    parser.addOption(windowOption);
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    if (!HasChessFont())
        return 1;

    QDir images(parser.positionalArguments().first());
    if (!images.mkpath(QStringLiteral("."))) {
        Err() << "cannot create " << images.path() << Qt::endl;
        return 1;
    }
    // Beside each .bmp its twice-sized drawing, for screens with a device pixel ratio of 2. The
    // drag icons stay single: they become the cursor, which the system sizes.
    if (!WriteBoardPictures(images) || !WriteSquarePictures(images, 2))
        return 1;
    if (parser.isSet(windowOption)) {
        QDir window(parser.value(windowOption));
        if (!window.mkpath(QStringLiteral(".")) || !WriteWindowPictures(window))
            return 1;
    }
    return 0;
}
