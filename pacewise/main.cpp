// The tray application: an icon with the 5-hour figure and a panel, and the
// background services behind them.
#include "PacewiseCoreInfo.h"
#include "app/ControlService.h"
#include "app/TrayApplication.h"
#include "system/ProcessSignals.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>

#include <cstdio>
#include <string_view>

#include <unistd.h>

using namespace pacewise;

namespace {

const char usageText[] = R"(Usage: pacewise [--help | --version]

Puts an icon in the system tray that shows how much of the 5-hour usage
window of a Claude subscription is used, coloured by the most used window;
a click opens a panel with every limit, the sessions the Endrun guard
paused, and the switches. Starting it again opens the panel of the one that
runs. Without a display it shows `pacewisectl status` instead.

Everything it does can also be done with pacewisectl; see 'pacewisectl --help'.
)";

// Without a display Qt would abort; over SSH or in a container the figures
// are still worth showing, so pacewisectl shows them instead.
[[noreturn]] void showStatusInstead(const char *program)
{
    std::fputs("pacewise: no display to put a tray icon on (over SSH, or in a container?); "
               "showing `pacewisectl status` instead\n", stderr);
    std::fflush(stderr);
    // The pacewisectl beside this program (a build tree, a package), else
    // the one on PATH.
    const QByteArray beside =
        QFileInfo(QString::fromLocal8Bit(program)).absoluteDir().filePath(QStringLiteral("pacewisectl")).toLocal8Bit();
    for (const char *candidate : {beside.constData(), "pacewisectl"}) {
        char *const arguments[] = {const_cast<char *>("pacewisectl"), const_cast<char *>("status"), nullptr};
        ::execvp(candidate, arguments);
    }
    std::fputs("pacewise: pacewisectl was not found either\n", stderr);
    std::exit(1);
}

bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// A Pacewise already running: a tray app opens its panel and this one ends;
// the daemon steps aside for this one. True when this one should end.
bool handOverToRunning(const QDBusConnection &bus)
{
    if (!ControlService::isRunningOn(bus))
        return false;
    const QDBusMessage status = ControlService::callRunning(bus, QStringLiteral("Status"));
    const QVariantMap values =
        status.arguments().isEmpty() ? QVariantMap() : qdbus_cast<QVariantMap>(status.arguments().constFirst());
    if (values.value(QStringLiteral("hasPanel")).toBool()) {
        ControlService::callRunning(bus, QStringLiteral("ShowPanel"));
        QTextStream(stdout) << "Pacewise is already running; its panel is open\n";
        return true;
    }
    ControlService::callRunning(bus, QStringLiteral("StandBy"));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before anything needs a display: over SSH too.
    if (argc > 1) {
        const std::string_view option = argv[1];
        if (option == "-h" || option == "--help") {
            std::fputs(usageText, stdout);
            return 0;
        }
        if (option == "-v" || option == "--version") {
            std::printf("pacewise %s\n", PacewiseCoreInfo::version);
            return 0;
        }
        std::fprintf(stderr, "pacewise: unknown argument '%s'; see 'pacewise --help'\n", argv[1]);
        return 2;
    }
    if (!hasDisplay())
        showStatusInstead(argv[0]);

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pacewise"));
    QApplication::setApplicationName(QStringLiteral("Pacewise"));
    QApplication::setApplicationVersion(QString::fromLatin1(PacewiseCoreInfo::version));
    const QString applicationId = QString::fromLatin1(PacewiseCoreInfo::applicationId);
    // Shells find the name and icon through the desktop file; title bars
    // (KDE's, XFCE's) take the window icon.
    QApplication::setDesktopFileName(applicationId);
    QApplication::setWindowIcon(QIcon::fromTheme(applicationId, QIcon(u":/icons/"_qs + applicationId + u".svg"_qs)));
    // Only a tray icon and a panel that comes and goes: closing the panel
    // must not end the application.
    QApplication::setQuitOnLastWindowClosed(false);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    // A small panel that opens now and then needs no GPU: the software
    // renderer keeps the OpenGL driver (tens of MiB) out of a process that
    // stays in memory all day. QT_QUICK_BACKEND still chooses otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);

    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (handOverToRunning(bus))
        return 0;

    ProcessSignals processSignals;
    QObject::connect(&processSignals, &ProcessSignals::terminationRequested, &application, &QApplication::quit);
    QSettings appSettings;
    TrayApplication tray({
        .environment = QProcessEnvironment::systemEnvironment(),
        .claudePaths = ClaudePaths::forCurrentUser(),
        .appSettings = &appSettings,
        .sessionBus = bus,
    });
    QObject::connect(&processSignals, &ProcessSignals::hangUp, &tray, &TrayApplication::reloadSettings);
    tray.start();
    return QApplication::exec();
}
