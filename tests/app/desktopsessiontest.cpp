#include "app/batchsession.h"
#include "run.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QSignalSpy>
#include <QTest>
#include <poll.h>
#include <unistd.h>

// Stands in for logind, the desktop portal, the notification service and a dock listening for
// launcher entries, and records what each was asked or told. A logind hold lasts while a copy of the pipe end it handed out is open anywhere.
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
    void CloseNotification(uint id) { calls << "CloseNotification " + QString::number(id); }
    void Update(const QString &app, const QVariantMap &properties)
    {
        QStringList values;
        for (auto it = properties.begin(); it != properties.end(); ++it)
            values << it.key() + '=' + it.value().toString();
        calls << "Update " + app + ' ' + values.join(u' ');
    }

private:
    int m_readEnd = -1; // the far end of the hold handed out by logind
};

// What a batch asks of the desktop, driven step by step against stand-in services.
class DesktopSessionTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_bus.open(), "no private dbus-daemon"); }
    void cleanup()
    {
        for (const QStringList &service : m_services)
            m_service.unregisterService(service[0]), m_service.unregisterObject(service[1]);
    }

    void steps_data()
    {
        QTest::addColumn<QStringList>("services"); // "login1", "portal", "Notifications", "dock", and "system" for a system bus without logind
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("record"); // what the services saw, "held"/"released" after each settle and at the end
        const QString logind = "Inhibit sleep Kestrune Converting video files block", portal = "Inhibit  4 Converting video files";
        const QString shown = "Notify Kestrune|org.kestrune.Kestrune|Conversion finished|2 files converted|org.kestrune.Kestrune|default,Show Kestrune";
        const QString entry = "Update application://org.kestrune.Kestrune.desktop ";
        QTest::addRow("logind and portal") << QStringList { "login1", "portal" } << "start settle end"
                                           << QStringList { logind, portal, "held", "Close", "released" };
        QTest::addRow("logind, quit") << QStringList { "login1" } << "start settle quit" << QStringList { logind, "held", "released" };
        QTest::addRow("logind, ended before it answers") << QStringList { "login1" } << "start end" << QStringList { logind, "released" };
        QTest::addRow("portal without logind") << QStringList { "system", "portal" } << "start settle end" << QStringList { portal, "Close" };
        QTest::addRow("portal without system bus, quit") << QStringList { "portal" } << "start settle quit" << QStringList { portal, "Close" };
        QTest::addRow("neither, then logind") << QStringList { "system" } << "start settle end up start end" << QStringList { logind, "released" };
        QTest::addRow("launcher progress") << QStringList { "dock" } << "start progress settle end progress settle"
                                           << QStringList { entry + "count=2 count-visible=true progress=0.25 progress-visible=true",
                                                  entry + "count-visible=false progress-visible=false" };
        QTest::addRow("launcher, quit") << QStringList { "dock" } << "start progress quit progress settle"
                                        << QStringList { entry + "count=2 count-visible=true progress=0.25 progress-visible=true",
                                               entry + "count-visible=false progress-visible=false" };
        QTest::addRow("away, clicked") << QStringList { "Notifications" } << "notify:away settle click:7:default:token-1 settle"
                                       << QStringList { shown, "activated token-1" };
        QTest::addRow("away, back") << QStringList { "Notifications" } << "notify:away settle back settle" << QStringList { shown, "CloseNotification 7" };
        QTest::addRow("back before it answers") << QStringList { "Notifications" } << "notify:away back settle" << QStringList { shown, "CloseNotification 7" };
        QTest::addRow("looking at the window") << QStringList { "Notifications" } << "notify:here settle" << QStringList {};
        QTest::addRow("after quit") << QStringList { "Notifications" } << "start quit notify:away settle" << QStringList {};
        QTest::addRow("other notification") << QStringList { "Notifications" } << "notify:away settle click:8:default:x settle" << QStringList { shown };
        QTest::addRow("another action") << QStringList { "Notifications" } << "notify:away settle click:7:close:x settle" << QStringList { shown };
        QTest::addRow("no notification service") << QStringList {} << "notify:away settle click:0:default:x settle" << QStringList {};
    }
    void steps()
    {
        QFETCH(QStringList, services);
        QFETCH(QString, steps);
        QFETCH(QStringList, record);
        FakeDesktop fake;
        serve(services, &fake);
        if (services.contains("dock"))
            QVERIFY(m_service.connect({}, {}, "com.canonical.Unity.LauncherEntry", "Update", &fake, SLOT(Update(QString, QVariantMap))));
        const bool systemBus = services.contains("login1") || services.contains("system");
        BatchSession session(systemBus ? m_client : QDBusConnection(QString()), m_client);
        connect(&session, &BatchSession::activated, &fake, [&fake](const QString &token) { fake.calls << "activated " + token; });
        for (const QString &step : steps.split(u' ')) {
            if (step == u"start" || step == u"end")
                session.setConverting(step == u"start");
            else if (step == u"progress")
                session.setProgress(0.25, 2);
            else if (step == u"quit")
                session.quit();
            else if (step == u"up")
                serve({ "login1" }, &fake);
            else if (step.startsWith(u"notify:"))
                session.finished("Conversion finished", "2 files converted", step.endsWith(u"here"));
            else if (step == u"back")
                session.windowActivated();
            else if (step == u"settle")
                QTest::qWait(200), fake.calls = fake.record();
            else if (step.startsWith(u"click:")) {
                const uint id = step.section(u':', 1, 1).toUInt();
                const QString path = "/org/freedesktop/Notifications", name = "org.freedesktop.Notifications";
                QVERIFY(m_service.send(QDBusMessage::createSignal(path, name, "ActivationToken") << id << step.section(u':', 3)));
                QVERIFY(m_service.send(QDBusMessage::createSignal(path, name, "ActionInvoked") << id << step.section(u':', 2, 2)));
            }
        }
        QTRY_COMPARE_WITH_TIMEOUT(fake.record(), record, 5000);
        m_service.disconnect({}, {}, "com.canonical.Unity.LauncherEntry", "Update", &fake, SLOT(Update(QString, QVariantMap)));
    }

private:
    // Brings up the stand-ins for the services named: "login1", "portal" or "Notifications".
    void serve(const QStringList &services, FakeDesktop *fake)
    {
        for (const QStringList &entry : m_services) {
            if (services.contains(entry[0].section(u'.', 2, 2)))
                QVERIFY(m_service.registerObject(entry[1], entry[2], fake, QDBusConnection::ExportAllSlots) && m_service.registerService(entry[0]));
        }
    }

    const QList<QStringList> m_services { // name, path, interface
        { "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager" },
        { "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop", "org.freedesktop.portal.Inhibit" },
        { "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop/request/1", "org.freedesktop.portal.Request" },
        { "org.freedesktop.Notifications", "/org/freedesktop/Notifications", "org.freedesktop.Notifications" }
    };
    PrivateBus m_bus;
    QDBusConnection &m_client = m_bus.one, &m_service = m_bus.two;
};

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "desktopsessiontest.moc"
