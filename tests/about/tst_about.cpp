#include <QDesktopServices>
#include <QTest>

#include "about/frmAbout.h"
#include "ui/WindowTestSupport.h"

using namespace corvalen::testing;
using corvalen::frmAbout;

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    // Programs of that name on the PATH, in a folder whose name a shell would split and run; the
    // one System Info starts (its path and argument count), or the message when none starts.
    void systemInfo_data()
    {
        QTest::addColumn<QStringList>("tools");
        QTest::addColumn<QString>("started");
        Row("none", QStringList(), QString("Chess|System Information Is Unavailable At This Time"));
        Row("all three", QStringList { "gnome-system-monitor", "kinfocenter", "hardinfo" },
            QString("hardinfo 0"));
        Row("cannot be started", QStringList { "hardinfo!" },
            QString("Chess|System Information Is Unavailable At This Time"));
    }

    void systemInfo()
    {
        QFETCH(QStringList, tools);
        QFETCH(QString, started);
        QTemporaryDir temp;
        const QString bin = temp.filePath("tools dir;touch injected"),
                      record = temp.filePath("record");
        QDir().mkpath(bin);
        for (const QString &tool : tools)
            WriteTool(bin + '/' + QString(tool).remove('!'), tool.endsWith('!') ? "" : record);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.toLocal8Bit());
        frmAbout dialog;
        dialog.show();
        ModalAnswers modals;
        modals.Then(ModalAnswers::PressOk());
        QTest::mouseClick(dialog.findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
        QTRY_COMPARE((modals.Seen() + Lines(record)).join(' ').remove(bin + '/'), started);
        qputenv("PATH", path);
        QVERIFY(dialog.isVisible() && !QFileInfo::exists(temp.filePath("injected")));
    }

    // The licence is named; Enter and Escape both close the box.
    void keysClose()
    {
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Escape }) {
            frmAbout dialog;
            dialog.show();
            QVERIFY(dialog.findChild<QLabel *>("lblLicence")->text().contains(
                "GNU General Public License, version 3 or later"));
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(!dialog.isVisible());
        }
    }

    // The link opens the player guide beside the program: through the URL handler here, and
    // under Xvfb (tst_about_desktop) through the desktop's opener, xdg-open, found on the PATH.
    void webLinkOpensTheGuide()
    {
        QTemporaryDir temp;
        const QString opener = temp.filePath("xdg-open"), record = temp.filePath("record");
        WriteTool(opener, record);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", temp.path().toLocal8Bit());
        const QUrl guide = QUrl::fromLocalFile(frmAbout::DocumentationFile());
        QCOMPARE(guide.fileName(), "corvalen.html");
        const bool offscreen = QGuiApplication::platformName() == "offscreen";
        if (offscreen)
            QDesktopServices::setUrlHandler("file", this, "Open");
        frmAbout dialog;
        dialog.show();
        QTest::mouseClick(dialog.findChild<QLabel *>("lblWeb"), Qt::LeftButton);
        if (offscreen)
            QCOMPARE(mOpened, QList<QUrl> { guide });
        else
            QTRY_COMPARE(
                Lines(record), QStringList({ opener, "1", guide.toString(QUrl::FullyEncoded) }));
        qputenv("PATH", path);
    }

public slots:
    void Open(const QUrl &url) { mOpened << url; }

private:
    QList<QUrl> mOpened;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
