#include "ui/WaylandStart.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace corvalen {

namespace {

    constexpr int AfterActivationMs = 500;
    constexpr int InAllMs = 3000;

} // namespace

bool IsWaylandPlatform()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void WaitForClipboardOffer(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    QEventLoop loop;
    bool offered = false;
    bool ready = false;
    // Precise timers: a coarse one may fire 5 % late.
    QTimer afterActivation;
    afterActivation.setSingleShot(true);
    afterActivation.setTimerType(Qt::PreciseTimer);
    QObject::connect(&afterActivation, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto check = [&] {
        if (!handle->isActive())
            return;
        if (offered) {
            ready = true;
            loop.quit();
        } else if (!afterActivation.isActive()) {
            afterActivation.start(AfterActivationMs);
        }
    };
    QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &loop, [&] {
        offered = true;
        check();
    });
    QObject::connect(handle, &QWindow::activeChanged, &loop, check);
    QTimer::singleShot(InAllMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    check();
    if (!ready)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace corvalen
