#include "app/desktopsession.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <poll.h>
#include <unistd.h>

// Stands in for logind, the desktop portal and the notification service, and records what each
// was asked. A logind hold lasts while a copy of the pipe end it handed out is open anywhere.
class FakeDesktop : public QObject
{
    Q_OBJECT
public:
    QStringList calls;
    ~FakeDesktop() override { ::close(m_readEnd); }
    // The calls, and once logind has handed out a hold, whether it is still held.
    [[nodiscard]] QStringList record() const
    {
        if (m_readEnd < 0)
            return calls;
        pollfd fd { m_readEnd, POLLIN, 0 };
        char byte;
        return calls + QStringList { ::poll(&fd, 1, 0) == 1 && ::read(m_readEnd, &byte, 1) == 0 ? "released" : "held" };
    }
public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        calls << "Inhibit " + what + ' ' + who + ' ' + why + ' ' + mode;
        int ends[2];
        if (::pipe(ends) != 0)
            return {};
        m_readEnd = ends[0];
        const QDBusUnixFileDescriptor lock(ends[1]);
        ::close(ends[1]);
        return lock;
    }
    QDBusObjectPath Inhibit(const QString &window, uint flags, const QVariantMap &options)
    {
        calls << "Inhibit " + window + ' ' + QString::number(flags) + ' ' + options.value("reason").toString();
        return QDBusObjectPath("/org/freedesktop/portal/desktop/request/1");
    }
    void Close() { calls << "Close"; }
    uint Notify(
        const QString &app, uint, const QString &icon, const QString &title, const QString &body, const QStringList &actions, const QVariantMap &hints, int)
    {
        calls << "Notify " + QStringList { app, icon, title, body, hints.value("desktop-entry").toString(), actions.join(u',') }.join(u'|');
        return 7;
    }

private:
    int m_readEnd = -1; // the far end of the hold handed out by logind
};

// The sleep inhibitor and the notifier, driven step by step against stand-in services.
class DesktopSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_bus.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        QVERIFY2(m_bus.waitForReadyRead(10000), "no private dbus-daemon");
        const QString address = QString::fromLatin1(m_bus.readLine().trimmed());
        m_client = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, "client"));
        m_service = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(address, "service"));
        QVERIFY(m_client->isConnected() && m_service->isConnected());
    }
    void cleanupTestCase() { m_bus.kill(), m_bus.waitForFinished(); }
    void cleanup()
    {
        for (const QStringList &service : m_services)
            m_service->unregisterService(service[0]), m_service->unregisterObject(service[1]);
    }

    void steps_data()
    {
        QTest::addColumn<QStringList>("services"); // "login1", "portal", "Notifications", and "system" for a system bus without logind
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("record"); // what the services saw, "held"/"released" after each settle and at the end
        const QString logind = "Inhibit sleep Kestrune Converting block", portal = "Inhibit  4 Converting";
        const QString shown = "Notify Kestrune|org.kestrune.Kestrune|Conversion finished|2 files converted|org.kestrune.Kestrune|default,Show Kestrune";
        QTest::addRow("logind first") << QStringList { "login1", "portal" } << "hold settle release" << QStringList { logind, "held", "released" };
        QTest::addRow("logind, quit") << QStringList { "login1" } << "hold settle quit" << QStringList { logind, "held", "released" };
        QTest::addRow("logind, released before it answers") << QStringList { "login1" } << "hold release" << QStringList { logind, "released" };
        QTest::addRow("portal without logind") << QStringList { "system", "portal" } << "hold settle release" << QStringList { portal, "Close" };
        QTest::addRow("portal without system bus, quit") << QStringList { "portal" } << "hold settle quit" << QStringList { portal, "Close" };
        QTest::addRow("neither, then logind") << QStringList { "system" } << "hold settle release up hold release" << QStringList { logind, "released" };
        QTest::addRow("clicked") << QStringList { "Notifications" } << "notify settle click:7:default settle" << QStringList { shown, "activated" };
        QTest::addRow("other notification") << QStringList { "Notifications" } << "notify settle click:8:default settle" << QStringList { shown };
        QTest::addRow("another action") << QStringList { "Notifications" } << "notify settle click:7:close settle" << QStringList { shown };
        QTest::addRow("no notification service") << QStringList {} << "notify settle click:0:default settle" << QStringList {};
    }
    void steps()
    {
        QFETCH(QStringList, services);
        QFETCH(QString, steps);
        QFETCH(QStringList, record);
        FakeDesktop fake;
        serve(services, &fake);
        const bool systemBus = services.contains("login1") || services.contains("system");
        auto inhibitor = std::make_unique<SleepInhibitor>(systemBus ? *m_client : QDBusConnection(QString()), *m_client);
        DesktopNotifier notifier(*m_client);
        connect(&notifier, &DesktopNotifier::activated, &fake, [&fake] { fake.calls << "activated"; });
        for (const QString &step : steps.split(u' ')) {
            if (step == u"hold")
                inhibitor->hold("Converting");
            else if (step == u"release")
                inhibitor->release();
            else if (step == u"quit")
                inhibitor.reset();
            else if (step == u"up")
                serve({ "login1" }, &fake);
            else if (step == u"notify")
                notifier.notify("Conversion finished", "2 files converted");
            else if (step == u"settle")
                QTest::qWait(200), fake.calls = fake.record();
            else if (step.startsWith(u"click:"))
                QVERIFY(m_service->send(QDBusMessage::createSignal("/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked")
                    << step.section(u':', 1, 1).toUInt() << step.section(u':', 2)));
        }
        QTRY_COMPARE_WITH_TIMEOUT(fake.record(), record, 5000);
    }

private:
    // Brings up the stand-ins for the services named: "login1", "portal" or "Notifications".
    void serve(const QStringList &services, FakeDesktop *fake)
    {
        for (const QStringList &entry : m_services) {
            if (services.contains(entry[0].section(u'.', 2, 2)))
                QVERIFY(m_service->registerObject(entry[1], entry[2], fake, QDBusConnection::ExportAllSlots) && m_service->registerService(entry[0]));
        }
    }

    const QList<QStringList> m_services { // name, path, interface
        { "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager" },
        { "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit" },
        { "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop/request/1", "org.freedesktop.portal.Request" },
        { "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.freedesktop.Notifications" }
    };
    QProcess m_bus;
    std::unique_ptr<QDBusConnection> m_client;
    std::unique_ptr<QDBusConnection> m_service;
};

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "desktopsessiontest.moc"
