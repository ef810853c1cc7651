#include "ui/frmBoardCode.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "code/PositionCode.h"

namespace corvalen {

QString ClipboardName()
{
#ifdef Q_OS_WIN
    return frmBoardCode::tr("Windows Clipboard");
#else
    return frmBoardCode::tr("Clipboard");
#endif
}

frmBoardCode::frmBoardCode(QWidget *parent)
    : QDialog(parent)
    , lblCaption(new QLabel(this))
    , cmdOK(new QPushButton(tr("&OK"), this))
    , cmdNew(new QPushButton(tr("&New Game"), this))
    , cmdCancel(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(QStringLiteral("frmBoardCode"));
    setWindowTitle(tr("Copy the Chess Code"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(309, 119);
    // Laid out for the same small face as the main window: four lines fit the label.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setGeometry(12, 8, 285, 65);
    lblCaption->setWordWrap(true);
    lblCaption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCaption->setText(tr("Unable to find the CHESS-CODE in the %1.\n\n"
                           "Please COPY the CHESS-CODE into the Clipboard and press OK.")
                            .arg(ClipboardName()));

    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(24, 84, 81, 25);
    cmdNew->setObjectName(QStringLiteral("cmdNew"));
    cmdNew->setGeometry(112, 84, 81, 25);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(200, 84, 81, 25);
    // A screen reader reads an access key's "&" aloud.
    for (QPushButton *button : { cmdOK, cmdNew, cmdCancel })
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    setTabOrder(cmdOK, cmdNew);
    setTabOrder(cmdNew, cmdCancel);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmBoardCode::cmdOK_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmBoardCode::cmdNew_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBoardCode::cmdCancel_Click);
}

void frmBoardCode::cmdOK_Click()
{
    sBoardCode = QGuiApplication::clipboard()->text();
    accept();
}

void frmBoardCode::cmdNew_Click()
{
    sBoardCode = QString::fromLatin1(CodePrefix.data(), qsizetype(CodePrefix.size()))
        + QString::fromLatin1(StartingCode.data(), qsizetype(StartingCode.size()));
    accept();
}

void frmBoardCode::cmdCancel_Click()
{
    sBoardCode.clear();
    reject();
}

} // namespace corvalen
