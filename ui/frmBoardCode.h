#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace corvalen {

// What the player's texts call the clipboard: "Windows Clipboard" on Windows, else "Clipboard".
QString ClipboardName();

// Asks the player for a position code when the clipboard holds none. Each button stores its
// answer in sBoardCode and closes the dialog; closing it by the close box or Escape leaves the
// answer empty, as Cancel does.
class frmBoardCode : public QDialog {
    Q_OBJECT
public:
    explicit frmBoardCode(QWidget *parent = nullptr);

    // The answer: the clipboard text (OK), the prefixed starting code (New Game) or empty.
    QString sBoardCode;

    QLabel *lblCaption;
    QPushButton *cmdOK;
    QPushButton *cmdNew;
    QPushButton *cmdCancel;

private slots:
    void cmdOK_Click();
    void cmdNew_Click();
    void cmdCancel_Click();
};

} // namespace corvalen
