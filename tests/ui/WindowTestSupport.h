#pragma once

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "Support.h"
#include "ui/PictureBox.h"
#include "ui/PieceImages.h"

namespace corvalen::testing {

inline const QString StartFen = QStringLiteral("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w");
// What the player meets, as ModalAnswers records it ("title|text").
inline const QString Damaged = QStringLiteral("Chess|The CHESS-CODE on the Clipboard is incomplete "
                                              "or damaged.\n\nPlease copy the whole CHESS-CODE "
                                              "from the e-mail again.");
inline const QString Dialog = QStringLiteral("Copy the Chess Code|Unable to find the CHESS-CODE in "
                                             "the Clipboard.\n\nPlease COPY the CHESS-CODE "
                                             "into the Clipboard and press OK.");
inline const QString Sent = QStringLiteral("Chess|Your CHESS-CODE has been copied to the "
                                           "Clipboard.\n\nNow PASTE this CHESS-CODE into an email "
                                           "message and send it.");
inline const QString Opponents = QStringLiteral("Chess|You cannot move your opponents pieces.");

// Answers the modal windows a test provokes, in order, and records each as "title|text" (a
// message box's text, or a dialog's first label). A modal window with no answer left is closed
// and recorded as "unexpected", so no test hangs on one.
class ModalAnswers : public QTimer {
public:
    using Answer = std::function<void(QWidget *)>;
    ModalAnswers()
    {
        connect(this, &QTimer::timeout, this, [this] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || !window->isVisible() || window == mLast)
                return;
            auto *box = qobject_cast<QMessageBox *>(window);
            auto *label = window->findChild<QLabel *>();
            mSeen << window->windowTitle() + '|' + (box ? box->text() : label ? label->text() : "");
            mLast = window;
            if (mAnswers.empty()) {
                mSeen << "unexpected";
                window->close();
                return;
            }
            mAnswers.takeFirst()(window);
            mLast = nullptr;
        });
        start(10);
    }
    void Then(Answer answer) { mAnswers << std::move(answer); }
    QStringList Seen() const { return mSeen; }
    int Pending() const { return int(mAnswers.size()); }

    // Presses the button whose text (without '&') is `text`, or closes the window.
    static void Press(QWidget *window, const QString &text)
    {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->text().remove('&') == text)
                return button->click();
        window->close();
    }
    static Answer PressOk()
    {
        return [](QWidget *w) { Press(w, "OK"); };
    }

private:
    QList<Answer> mAnswers;
    QStringList mSeen;
    QWidget *mLast = nullptr;
};

// A private copy of the program's picture folder that a test may spoil; the windows load from it
// while it lives.
class PictureFolder {
public:
    PictureFolder()
    {
        const QDir committed(CORVALEN_SOURCE_DIR "/images");
        for (const QString &name : committed.entryList({ "*.bmp", "*.ico" }))
            QFile::copy(committed.filePath(name), mDir.filePath(name));
        SetImagesFolder(mDir.path());
    }
    ~PictureFolder() { SetImagesFolder(QString()); }
    QString Path() const { return mDir.path(); }

private:
    QTemporaryDir mDir;
};

// A program that writes its path, its argument count and arguments to `record`; without a
// record, one that cannot be started. Stands in for the desktop's programs on the PATH.
inline void WriteTool(const QString &file, const QString &record)
{
    QFile script(file);
    script.open(QIODevice::WriteOnly);
    script.write(record.isEmpty()
            ? "#!/nonexistent\n"
            : "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$#\" \"$@\" > '" + record.toUtf8() + "'\n");
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

inline QStringList Lines(const QString &file)
{
    QFile record(file);
    return record.open(QIODevice::ReadOnly)
        ? QString::fromUtf8(record.readAll()).split('\n', Qt::SkipEmptyParts)
        : QStringList();
}

inline void SetClipboard(const QString &text)
{
    if (text.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(text);
}

// The file name of the picture a box shows ("wbrook.bmp"); the window's own empty squares count
// as the empty-square files.
inline QString Shown(const PictureBox *box)
{
    return QFileInfo(box->PictureFile())
        .fileName()
        .replace("empty-light.png", "white.bmp")
        .replace("empty-dark.png", "blue.bmp");
}

} // namespace corvalen::testing
