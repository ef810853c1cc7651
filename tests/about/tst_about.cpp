#include "about/frmAbout.h"
#include "ui/PieceImages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <functional>

using corvalen::frmAbout;

namespace {

// Calls `act` with the first modal widget that appears while the event loop runs, as long as
// `owner` lives.
void WhenModal(QObject *owner, std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer(owner);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

// Writes an executable shell script that records its own path and arguments, one per line.
bool WriteRecorder(const QString &file, const QString &recordFile)
{
    QFile script(file);
    if (!script.open(QIODevice::WriteOnly))
        return false;
    QTextStream(&script) << "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$#\" \"$@\" > '" << recordFile
                         << "'\n";
    script.close();
    return script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

QStringList ReadLines(const QString &file)
{
    QFile record(file);
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Puts PATH back as it was when a test that replaced it ends.
class PathGuard {
public:
    PathGuard()
        : msPath(qgetenv("PATH"))
    {
    }
    ~PathGuard() { qputenv("PATH", msPath); }
    PathGuard(const PathGuard &) = delete;
    PathGuard &operator=(const PathGuard &) = delete;

private:
    QByteArray msPath;
};

// Stands in for the desktop's opener of local files.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> mlOpened;

public slots:
    void Open(const QUrl &url) { mlOpened.append(url); }
};

} // namespace

class tst_About : public QObject {
    Q_OBJECT

private slots:
    void IsWindowAsDesigned();
    void IsControlAsDesigned_data();
    void IsControlAsDesigned();
    void DoesDescriptionFitItsLabel();
    void DoesTabMoveBetweenTheButtons();
    void DoesKeyCloseTheBox_data();
    void DoesKeyCloseTheBox();
    void DoesSysInfoStartFirstToolFound_data();
    void DoesSysInfoStartFirstToolFound();
    void DoesWebLinkOpenTheGuide();
    void DoesWebLinkReachTheDesktopOpener();
    void AreFoldersFoundBesideTheRealProgram_data();
    void AreFoldersFoundBesideTheRealProgram();
};

void tst_About::IsWindowAsDesigned()
{
    frmAbout dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Chess"));
    QCOMPARE(dialog.size(), QSize(411, 286));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));

#ifdef CORVALEN_TEST_ICON_RESOURCE
    // The icon comes from a resource compiled into a static library, which the linker drops
    // unless something asks for it.
    const QPixmap icon = dialog.findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap();
    QCOMPARE(icon.size(), QSize(32, 32));
#endif
}

void tst_About::IsControlAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("colour");

    const QColor none;
    QTest::newRow("program name in red") << "lblTitle"
                                         << "Corvalen" << QRect(86, 16, 229, 16) << QColor(Qt::red);
    QTest::newRow("version from the build, dark blue")
        << "lblVersion"
        << "Version " CORVALEN_TEST_VERSION << QRect(86, 36, 227, 15) << QColor(Qt::darkBlue);
    QTest::newRow("guide link, dark blue")
        << "lblWeb"
        << "Corvalen documentation" << QRect(12, 272, 227, 15) << QColor(Qt::darkBlue);
    QTest::newRow("OK button") << "cmdOK"
                               << "OK" << QRect(320, 227, 84, 23) << none;
    QTest::newRow("System Info button with access key")
        << "cmdSysInfo"
        << "&System Info..." << QRect(320, 257, 83, 23) << none;
    QTest::newRow("icon box") << "picIcon"
                              << "" << QRect(32, 16, 36, 36) << none;
}

void tst_About::IsControlAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(QColor, colour);

    frmAbout dialog;
    auto *control = dialog.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QPushButton *>(control)->text(), text);
    if (colour.isValid())
        QCOMPARE(control->palette().color(QPalette::WindowText), colour);
}

void tst_About::DoesDescriptionFitItsLabel()
{
    frmAbout dialog;
    auto *description = dialog.findChild<QLabel *>(QStringLiteral("lblDescription"));
    QVERIFY(description);
    QVERIFY(description->wordWrap());
    const QStringList sentences = description->text().split(
        QRegularExpression(QStringLiteral("[.!?](\\s|$)")), Qt::SkipEmptyParts);
    QCOMPARE(sentences.size(), 2);
    // A label cuts off what does not fit, so the wrapped text must fit the designed height.
    QVERIFY2(description->heightForWidth(description->width()) <= description->height(),
        qPrintable(QString::number(description->heightForWidth(description->width()))));

    auto *web = dialog.findChild<QLabel *>(QStringLiteral("lblWeb"));
    QVERIFY(web->font().bold());
    QVERIFY(web->font().underline());
    QVERIFY(web->fontMetrics().horizontalAdvance(web->text()) <= web->width());
}

void tst_About::DoesTabMoveBetweenTheButtons()
{
    frmAbout dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    auto *sysInfo = dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
}

void tst_About::DoesKeyCloseTheBox_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void tst_About::DoesKeyCloseTheBox()
{
    QFETCH(int, key);

    frmAbout dialog;
    bool keySent = false;
    WhenModal(&dialog, [&](QWidget *modal) {
        keySent = true;
        QTest::keyClick(
            QApplication::focusWidget() ? QApplication::focusWidget() : modal, Qt::Key(key));
    });
    // Closes the box anyway after a while, so that a failure does not hang the run.
    bool closedByTest = false;
    QTimer::singleShot(3000, &dialog, [&] {
        closedByTest = true;
        dialog.done(QDialog::Rejected);
    });
    dialog.exec();
    QVERIFY(keySent);
    QVERIFY(!closedByTest);
    QVERIFY(!dialog.isVisible());
}

void tst_About::DoesSysInfoStartFirstToolFound_data()
{
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("startable");

    QTest::newRow("no tool installed") << QStringList() << QString() << true;
    QTest::newRow("hardinfo only") << QStringList { "hardinfo" } << "hardinfo" << true;
    QTest::newRow("all three, hardinfo first")
        << QStringList { "gnome-system-monitor", "kinfocenter", "hardinfo" } << "hardinfo" << true;
    QTest::newRow("kinfocenter before gnome-system-monitor")
        << QStringList { "gnome-system-monitor", "kinfocenter" } << "kinfocenter" << true;
    QTest::newRow("gnome-system-monitor only")
        << QStringList { "gnome-system-monitor" } << "gnome-system-monitor" << true;
    QTest::newRow("a program not in the list") << QStringList { "msinfo32" } << QString() << true;
    QTest::newRow("found but cannot be started")
        << QStringList { "hardinfo" } << QString() << false;
}

void tst_About::DoesSysInfoStartFirstToolFound()
{
    QFETCH(QStringList, tools);
    QFETCH(QString, expected);
    QFETCH(bool, startable);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    // A shell given this path would split it at the blanks and run the part after ';'.
    const QString bin = temp.filePath(QStringLiteral("tools dir;touch injected"));
    QVERIFY(QDir().mkpath(bin));
    const QString record = temp.filePath(QStringLiteral("record"));
    for (const QString &tool : tools) {
        if (startable) {
            QVERIFY(WriteRecorder(bin + u'/' + tool, record));
        } else {
            QFile broken(bin + u'/' + tool);
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write("#!/nonexistent/interpreter\n");
            broken.close();
            QVERIFY(broken.setPermissions(broken.permissions() | QFileDevice::ExeOwner));
        }
    }
    PathGuard pathGuard;
    qputenv("PATH", bin.toLocal8Bit());

    frmAbout dialog;
    dialog.show();
    QString caption;
    QString message;
    WhenModal(&dialog, [&](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            caption = box->windowTitle();
            message = box->text();
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        }
    });
    QTest::mouseClick(
        dialog.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);

    if (expected.isEmpty()) {
        QCOMPARE(caption, QStringLiteral("Chess"));
        QCOMPARE(message, QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(record));
    } else {
        QTRY_VERIFY(QFileInfo::exists(record));
        QTRY_COMPARE(
            ReadLines(record), QStringList({ bin + u'/' + expected, QStringLiteral("0") }));
        QVERIFY2(message.isEmpty(), qPrintable(message));
    }
    QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("injected"))));
    QVERIFY(!QFileInfo::exists(QStringLiteral("injected")));
}

void tst_About::DoesWebLinkOpenTheGuide()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    frmAbout dialog;
    dialog.show();
    auto *web = dialog.findChild<QLabel *>(QStringLiteral("lblWeb"));
    QTest::mouseClick(web, Qt::RightButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(catcher.mlOpened, QList<QUrl>({ QUrl::fromLocalFile(frmAbout::DocumentationFile()) }));
    QCOMPARE(QFileInfo(frmAbout::DocumentationFile()).fileName(), QStringLiteral("corvalen.html"));
    QVERIFY(dialog.isVisible());
}

void tst_About::DoesWebLinkReachTheDesktopOpener()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("The offscreen platform opens no links; tst_about_desktop runs this under Xvfb.");
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString record = temp.filePath(QStringLiteral("record"));
    // Without a desktop environment Qt hands a local file to xdg-open, found on the PATH.
    QVERIFY(WriteRecorder(temp.filePath(QStringLiteral("xdg-open")), record));
    PathGuard pathGuard;
    qputenv("PATH", temp.path().toLocal8Bit());

    frmAbout dialog;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QLabel *>(QStringLiteral("lblWeb")), Qt::LeftButton);
    const QString url
        = QUrl::fromLocalFile(frmAbout::DocumentationFile()).toString(QUrl::FullyEncoded);
    QTRY_COMPARE(ReadLines(record),
        QStringList({ temp.filePath(QStringLiteral("xdg-open")), QStringLiteral("1"), url }));
    QVERIFY(dialog.isVisible());
}

void tst_About::AreFoldersFoundBesideTheRealProgram_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("started directly") << false;
    QTest::newRow("started through a link in another folder") << true;
}

void tst_About::AreFoldersFoundBesideTheRealProgram()
{
    QFETCH(bool, throughLink);

    const QString real = QCoreApplication::applicationFilePath();
    QString program = real;
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    if (throughLink) {
        program = temp.filePath(QStringLiteral("corvalen"));
        QVERIFY(QFile::link(real, program));
    }
    QProcess probe;
    probe.start(program, { QStringLiteral("--print-folders") });
    QVERIFY(probe.waitForFinished(10000));
    QCOMPARE(probe.exitCode(), 0);
    const QString folder = QFileInfo(real).canonicalPath();
    QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
        QStringList(
            { folder + QStringLiteral("/images"), folder + QStringLiteral("/corvalen.html") }));
}

// With "--print-folders" the test program prints the pictures folder and the guide file as the
// program would find them, so a test can start it through a link and see where they are looked
// for.
int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--print-folders") == 0) {
        QCoreApplication app(argc, argv);
        QTextStream(stdout) << corvalen::ImagesFolder() << '\n'
                            << frmAbout::DocumentationFile() << '\n';
        return 0;
    }
    QApplication app(argc, argv);
    tst_About test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_about.moc"
