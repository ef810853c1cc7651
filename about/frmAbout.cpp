#include "about/frmAbout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstring>

#include "widgets/Twips.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#ifndef CORVALEN_VERSION
#define CORVALEN_VERSION "0.0.0"
#endif

namespace corvalen {

namespace {

    void SetTextColour(QLabel *label, const QColor &colour)
    {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }

    QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, const QRect &rect,
        const QColor &colour)
    {
        auto *label = new QLabel(text, parent);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetTextColour(label, colour);
        return label;
    }

    QPushButton *MakeButton(
        QWidget *parent, const char *name, const QString &text, const QRect &rect)
    {
        auto *button = new QPushButton(text, parent);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(rect);
        // A screen reader reads an access key's "&" aloud.
        button->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        return button;
    }

    void ShowUnavailable(QWidget *parent)
    {
        QMessageBox box(QMessageBox::NoIcon, frmAbout::tr("Chess"),
            frmAbout::tr("System Information Is Unavailable At This Time"), QMessageBox::Ok,
            parent);
        box.exec();
    }

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Chess"));
    setFixedSize(Px(6165), Px(4290));
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8.25);
    setFont(dialogFont);

    // Created in tab order, so that focus moves from OK to System Info.
    cmdOK = MakeButton(this, "cmdOK", tr("OK"), TwipsRect(4800, 3405, 1260, 345));
    cmdOK->setDefault(true);

    picIcon = MakeLabel(this, "picIcon", QString(), TwipsRect(480, 240, 540, 540), Qt::black);
    const QPixmap icon(QStringLiteral(":/corvalen.png"));
    if (!icon.isNull())
        picIcon->setPixmap(icon);

    cmdSysInfo
        = MakeButton(this, "cmdSysInfo", tr("&System Info..."), TwipsRect(4800, 3855, 1245, 345));

    lblDescription = MakeLabel(this, "lblDescription",
        tr("Chess by e-mail for two players, one turn per run. Copy your opponent's code, make "
           "one move and mail back the new code."),
        TwipsRect(1290, 840, 3405, 870), Qt::black);
    lblDescription->setWordWrap(true);

    lblTitle = MakeLabel(
        this, "lblTitle", QStringLiteral("Corvalen"), TwipsRect(1290, 240, 3435, 240), Qt::red);

    lblVersion
        = MakeLabel(this, "lblVersion", tr("Version %1").arg(QStringLiteral(CORVALEN_VERSION)),
            TwipsRect(1290, 540, 3405, 225), Qt::darkBlue);

    // Below the separator, beside the buttons: the terms the program is given under.
    lblLicence = MakeLabel(this, "lblLicence",
        tr("Free software under the GNU General Public License, version 3 or later (see the "
           "file LICENSE). It comes with no warranty."),
        TwipsRect(180, 2040, 4455, 840), Qt::black);
    lblLicence->setWordWrap(true);

    lblWeb = MakeLabel(this, "lblWeb", tr("Corvalen documentation"),
        TwipsRect(180, 4080, 3405, 225), Qt::darkBlue);
    QFont webFont = dialogFont;
    webFont.setStyleHint(QFont::SansSerif);
    webFont.setBold(true);
    webFont.setUnderline(true);
    lblWeb->setFont(webFont);
    lblWeb->setCursor(Qt::PointingHandCursor);
    lblWeb->setToolTip(DocumentationFile());
    lblWeb->installEventFilter(this);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    cmdOK->setFocus();
}

void frmAbout::ShowModal(QWidget *parent)
{
    frmAbout dialog(parent);
    dialog.exec();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::lblWeb_Click()
{
    // Without a browser or file viewer nothing opens, and the player is not told.
    QDesktopServices::openUrl(QUrl::fromLocalFile(DocumentationFile()));
}

QString frmAbout::DocumentationFile()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/corvalen.html");
}

QStringList frmAbout::SysInfoPrograms()
{
    return { QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
        QStringLiteral("gnome-system-monitor") };
}

#ifdef Q_OS_WIN

void frmAbout::StartSysInfo()
{
    QString path;
    if (GetKeyValue(HKeyLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
            QStringLiteral("PATH"), path)) {
        // The registered path is started as it is, without asking whether the file exists.
        if (!QProcess::startDetached(path, {}))
            ShowUnavailable(this);
        return;
    }
    if (GetKeyValue(HKeyLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
            QStringLiteral("MSINFO"), path)) {
        const QString program = path + QStringLiteral("\\MSINFO32.EXE");
        if (QFileInfo::exists(program) && QProcess::startDetached(program, {}))
            return;
    }
    ShowUnavailable(this);
}

bool frmAbout::GetKeyValue(
    int32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    // The predefined roots are 32-bit values sign-extended into a handle, as windows.h does.
    const HKEY root = reinterpret_cast<HKEY>(static_cast<intptr_t>(KeyRoot));
    HKEY key = nullptr;
    // Read access only: write access to HKEY_LOCAL_MACHINE is refused to ordinary users.
    if (RegOpenKeyExW(root, reinterpret_cast<const wchar_t *>(KeyName.utf16()), 0, KEY_READ, &key)
        != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    const LONG status = RegQueryValueExW(key, reinterpret_cast<const wchar_t *>(SubKeyRef.utf16()),
        nullptr, &type, reinterpret_cast<BYTE *>(buffer), &size);
    if (status != ERROR_SUCCESS) {
        RegCloseKey(key);
        KeyVal.clear();
        return false;
    }
    if (type == REG_SZ) {
        qsizetype length = static_cast<qsizetype>(size / sizeof(wchar_t));
        // Stored strings usually, but not always, end with a zero character.
        if (length > 0 && buffer[length - 1] == L'\0')
            --length;
        KeyVal = QString::fromWCharArray(buffer, length);
    } else if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD value = 0;
        std::memcpy(&value, buffer, sizeof(value));
        KeyVal = QStringLiteral("&h")
            + QString::number(static_cast<qulonglong>(value), 16).rightJustified(8, u'0').toUpper();
    }
    RegCloseKey(key);
    return true;
}

#else

void frmAbout::StartSysInfo()
{
    for (const QString &name : SysInfoPrograms()) {
        const QString program = QStandardPaths::findExecutable(name);
        if (program.isEmpty())
            continue;
        // A program and an argument list, not a command line: no shell ever sees the path.
        if (!QProcess::startDetached(program, {}))
            ShowUnavailable(this);
        return;
    }
    ShowUnavailable(this);
}

bool frmAbout::GetKeyValue(int32_t, const QString &, const QString &, QString &KeyVal)
{
    KeyVal.clear();
    return false;
}

#endif

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblWeb && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton
            && lblWeb->rect().contains(mouse->position().toPoint())) {
            lblWeb_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    // The etched separator: a white line one pixel below a grey one.
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(QPoint(Px(180), Px(1875)), QPoint(Px(6015), Px(1875)));
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(QPoint(Px(165), Px(1860)), QPoint(Px(6000), Px(1860)));
}

} // namespace corvalen
