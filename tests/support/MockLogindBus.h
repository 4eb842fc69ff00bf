#pragma once

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace pacewise::test {

// A private dbus-daemon with systemd-logind as python-dbusmock plays it:
// tests use it as both the session and the system bus, never the machine's.
class MockLogindBus {
public:
    static bool isAvailable()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() &&
               QFileInfo::exists(QStringLiteral("/usr/bin/python3"));
    }

    // Call through QVERIFY(bus.start()).
    bool start()
    {
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--print-address=1")});
        if (!m_bus.waitForReadyRead(10'000))
            return false;
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), m_address);
        m_logind.setProcessEnvironment(environment);
        m_logind.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"), QStringLiteral("logind")});
        QDeadlineTimer deadline(15'000);
        while (!deadline.hasExpired()) {
            if (connection().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.login1")).value())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // A notification server as well, on the same bus; call after start().
    bool startNotificationServer()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_notifications.setProcessEnvironment(environment);
        m_notifications.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-m"), QStringLiteral("dbusmock"),
                                                                  QStringLiteral("--template"), QStringLiteral("notification_daemon")});
        QDeadlineTimer deadline(15'000);
        while (!deadline.hasExpired()) {
            if (connection().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications")).value())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    // The summaries of the notifications shown so far.
    QStringList notificationSummaries() const
    {
        const QDBusMessage reply = connection().call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("GetMethodCalls")) << QStringLiteral("Notify"));
        QStringList summaries;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return summaries;
        const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
        calls.beginArray();
        while (!calls.atEnd()) {
            quint64 timestamp = 0;
            QVariantList arguments;
            calls.beginStructure();
            calls >> timestamp >> arguments;
            calls.endStructure();
            summaries << arguments.value(3).toString();
        }
        calls.endArray();
        return summaries;
    }

    ~MockLogindBus()
    {
        for (QProcess *process : {&m_notifications, &m_logind, &m_bus}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    QString address() const { return m_address; }
    QDBusConnection connection() const { return QDBusConnection::connectToBus(m_address, QStringLiteral("test-bus")); }

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
        QDBusMessage signal = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                           QStringLiteral("/org/freedesktop/login1"),
                                                           QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
        signal << QStringLiteral("org.freedesktop.login1.Manager") << QStringLiteral("PrepareForSleep") << QStringLiteral("b")
               << QVariant::fromValue(QVariantList{start});
        connection().call(signal);
    }

private:
    QProcess m_bus;
    QProcess m_logind;
    QProcess m_notifications;
    QString m_address;
};

} // namespace pacewise::test
