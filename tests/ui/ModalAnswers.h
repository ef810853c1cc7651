#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

// Answers the modal windows a test provokes, in order, and records each one it met as
// "title|text" (the text of a message box, or of the dialog's first label). A modal window with
// no answer left is closed and recorded with the mark "unexpected", so no test can hang on one.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget *)>;

    ModalAnswers()
    {
        QObject::connect(&mTimer, &QTimer::timeout, this, [this] { Poll(); });
        mTimer.start(10);
    }

    void Then(Answer answer) { mAnswers.push_back(std::move(answer)); }
    QStringList Seen() const { return mSeen; }
    int Pending() const { return int(mAnswers.size()); }

    // Presses the button of a modal window whose text (without '&') is `text`.
    static void Press(QWidget *window, const QString &text)
    {
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->text().remove(u'&') == text)
                return button->click();
        }
        window->close();
    }

    static Answer PressOk()
    {
        return [](QWidget *w) { Press(w, QStringLiteral("OK")); };
    }

private:
    void Poll()
    {
        QWidget *window = QApplication::activeModalWidget();
        if (!window || !window->isVisible())
            return;
        if (window != mLast) {
            auto *box = qobject_cast<QMessageBox *>(window);
            auto *label = window->findChild<QLabel *>();
            mSeen << window->windowTitle() + u'|'
                    + (box          ? box->text()
                            : label ? label->text()
                                    : "");
        }
        mLast = window;
        if (mAnswers.empty()) {
            mSeen << QStringLiteral("unexpected");
            window->close();
            window->hide();
            return;
        }
        Answer answer = std::move(mAnswers.front());
        mAnswers.erase(mAnswers.begin());
        answer(window);
    }

    QTimer mTimer;
    std::vector<Answer> mAnswers;
    QStringList mSeen;
    QPointer<QWidget> mLast;
};
