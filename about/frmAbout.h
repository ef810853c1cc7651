#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace corvalen {

// The about box: the program's name, version, purpose and licence, a link to its documentation and a
// button that starts the operating system's system-information program.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows a new about box modally over `parent` and returns when it is closed.
    static void ShowModal(QWidget *parent = nullptr);

    // Starts the system-information program detached, never through a shell. When none can be
    // started, tells the player so in a message box; the about box stays open.
    void StartSysInfo();

    // Reads the text of the registry value `SubKeyRef` of the key `KeyName` below the predefined
    // root `KeyRoot` (for example HKeyLocalMachine) into `KeyVal`. Returns false, with `KeyVal`
    // empty, when the key or the value cannot be read; always false where there is no registry.
    bool GetKeyValue(
        int32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    // The system-information programs looked for on the PATH outside Windows, in order.
    static QStringList SysInfoPrograms();

    // The player guide that lblWeb opens: "corvalen.html" beside the program file.
    static QString DocumentationFile();

    static constexpr int32_t HKeyLocalMachine = static_cast<int32_t>(0x80000002u);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblWeb_Click();

    QPushButton *cmdOK;
    QLabel *picIcon;
    QPushButton *cmdSysInfo;
    QLabel *lblDescription;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblWeb;
    QLabel *lblLicence;
};

} // namespace corvalen
