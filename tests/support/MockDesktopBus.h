#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace pacewise::test {

// A private dbus-daemon with the desktop's services as python-dbusmock
// plays them (systemd-logind; on request a tray's StatusNotifierWatcher):
// tests use it as both the session and the system bus, never the machine's.
class MockDesktopBus {
public:
    static bool isAvailable()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() &&
               QFileInfo::exists(QStringLiteral("/usr/bin/python3"));
    }

    // Call through QVERIFY(bus.start()). With activatableNotifications the
    // bus starts a notification server on the first call to it, as desktops
    // install theirs.
    bool start(bool activatableNotifications = false)
    {
        QStringList configuration{QStringLiteral("--session")};
        if (activatableNotifications) {
            const QString services = m_files.filePath(QStringLiteral("services"));
            QDir().mkpath(services);
            QFile service(services + QStringLiteral("/org.freedesktop.Notifications.service"));
            QFile config(m_files.filePath(QStringLiteral("session.conf")));
            if (!service.open(QIODevice::WriteOnly) || !config.open(QIODevice::WriteOnly))
                return false;
            service.write("[D-BUS Service]\nName=org.freedesktop.Notifications\n"
                          "Exec=/bin/sh -c 'DBUS_SESSION_BUS_ADDRESS=\"$DBUS_STARTER_ADDRESS\" exec /usr/bin/python3 -m dbusmock "
                          "--template notification_daemon'\n");
            config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><servicedir>" + services.toUtf8() +
                         "</servicedir><policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                         "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
            configuration = {u"--config-file="_qs + config.fileName()};
        }
        m_bus.start(QStringLiteral("dbus-daemon"), configuration + QStringList{QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_bus.waitForReadyRead(10'000))
            return false;
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        return startMock(m_logind, QStringLiteral("org.freedesktop.login1"),
                         {QStringLiteral("--template"), QStringLiteral("logind")});
    }

    // A tray's StatusNotifierWatcher with a host, as KDE's or GNOME's
    // AppIndicator extension runs it, which says so as a watcher does when
    // its host registers.
    bool startTrayWatcher()
    {
        const QString name = QStringLiteral("org.kde.StatusNotifierWatcher");
        const QString path = QStringLiteral("/StatusNotifierWatcher");
        const QVariantMap host{{QStringLiteral("IsStatusNotifierHostRegistered"), true},
                               {QStringLiteral("ProtocolVersion"), 0},
                               {QStringLiteral("RegisteredStatusNotifierItems"), QStringList()}};
        return startMock(m_trayWatcher, name, {QStringLiteral("--session"), name, path, name}) &&
               mock(name, path, QStringLiteral("AddMethod"), {name, QStringLiteral("RegisterStatusNotifierItem"), QStringLiteral("s"), QString(), QString()}) &&
               mock(name, path, QStringLiteral("AddProperties"), {name, host}) &&
               mock(name, path, QStringLiteral("EmitSignal"), {name, QStringLiteral("StatusNotifierHostRegistered"), QString(), QVariantList()});
    }

    // How many tray icons registered with the watcher.
    int trayItems() const { return int(mockCalls(QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
                                                 QStringLiteral("RegisterStatusNotifierItem")).size()); }

    // The tooltip title of the tray icon registered last with our watcher.
    QString lastTrayItemToolTip() const
    {
        const QList<QVariantList> registered = mockCalls(QStringLiteral("org.kde.StatusNotifierWatcher"),
                                                         QStringLiteral("/StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
        return registered.isEmpty() ? QString() : trayItemToolTip(registered.constLast().value(0).toString());
    }

    // The tooltip title of a tray icon, named as watchers list them: a bus
    // name, with the object path after it or not.
    QString trayItemToolTip(const QString &item) const
    {
        const qsizetype slash = item.indexOf(u'/');
        QDBusMessage get = QDBusMessage::createMethodCall(item.left(slash), slash < 0 ? QStringLiteral("/StatusNotifierItem") : item.mid(slash),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("ToolTip");
        const QDBusMessage reply = connection().call(get);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return reply.errorMessage();
        // (icon name, icon pictures, title, text)
        const QDBusArgument tip = reply.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusArgument>();
        QString iconName, title, text;
        tip.beginStructure();
        tip >> iconName;
        tip.beginArray();
        while (!tip.atEnd()) {
            int width = 0, height = 0;
            QByteArray pixels;
            tip.beginStructure();
            tip >> width >> height >> pixels;
            tip.endStructure();
        }
        tip.endArray();
        tip >> title >> text;
        tip.endStructure();
        return title;
    }

    // The summaries (or, with field 4, the bodies) of the notifications
    // shown so far.
    QStringList notificationSummaries(int field = 3) const
    {
        QStringList summaries;
        for (const QVariantList &arguments : mockCalls(QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("Notify")))
            summaries << arguments.value(field).toString();
        return summaries;
    }

    ~MockDesktopBus()
    {
        for (QProcess *process : {&m_trayWatcher, &m_logind, &m_bus}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    QString address() const { return m_address; }
    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, QStringLiteral("test-bus-") + m_address); }

    // The block-mode idle-sleep inhibitors Pacewise holds; -1 when logind
    // cannot be asked.
    int inhibitors() const
    {
        const QDBusMessage reply = connection().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("ListInhibitors")));
        if (reply.type() != QDBusMessage::ReplyMessage)
            return -1;
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        int count = 0;
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            if (what == u"sleep:idle" && who == u"Pacewise" && mode == u"block")
                ++count;
        }
        list.endArray();
        return count;
    }

    void emitPrepareForSleep(bool start) const
    {
        mock(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"), QStringLiteral("EmitSignal"),
             {QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), QStringLiteral("b"), QVariantList{start}});
    }

private:
    // Calls a method of dbusmock's own interface on one of its objects.
    bool mock(const QString &service, const QString &path, const QString &method, const QVariantList &arguments) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), method);
        call.setArguments(arguments);
        return connection().call(call).type() == QDBusMessage::ReplyMessage;
    }

    // A dbusmock service on this bus, whichever bus (session or system) its
    // template expects.
    bool startMock(QProcess &process, const QString &name, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-m"), QStringLiteral("dbusmock")} + arguments);
        QDeadlineTimer deadline(15'000);
        while (!deadline.hasExpired()) {
            if (connection().interface()->isServiceRegistered(name).value())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // The arguments of each call of a mocked method so far.
    QList<QVariantList> mockCalls(const QString &service, const QString &path, const QString &method) const
    {
        const QDBusMessage reply = connection().call(
            QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetMethodCalls"))
            << method);
        QList<QVariantList> calls;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return calls;
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            quint64 timestamp = 0;
            QVariantList arguments;
            list.beginStructure();
            list >> timestamp >> arguments;
            list.endStructure();
            calls << arguments;
        }
        list.endArray();
        return calls;
    }

    QTemporaryDir m_files;
    QProcess m_bus;
    QProcess m_logind;
    QProcess m_trayWatcher;
    QString m_address;
};

} // namespace pacewise::test
