#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace
{

// A top-level window of the X display, as xwininfo lists them: topmost first.
struct TopLevel {
    QString id;
    QString title;
    QString windowClass;
    QSize size;
};

constexpr int launchTimeoutMs = 15000;

} // namespace

// The installed program as a user meets it, on a private X server and session bus: its window,
// its Quit shortcut, and one instance per session.
class AppLaunchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char *tool : { "Xvfb", "dbus-daemon", "xwininfo", "xdotool", "xmessage" })
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
        QVERIFY(m_home.isValid());

        // -displayfd picks a free display and writes its number to the given descriptor.
        m_xvfb.setProgram(QStringLiteral("sh"));
        m_xvfb.setArguments({ QStringLiteral("-c"), QStringLiteral("exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 >/dev/null 2>&1") });
        m_xvfb.start();
        QVERIFY(m_xvfb.waitForReadyRead(10000));
        m_display = QStringLiteral(":") + QString::fromLatin1(m_xvfb.readLine().trimmed());

        m_bus.setProgram(QStringLiteral("dbus-daemon"));
        m_bus.setArguments({ QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address") });
        m_bus.start();
        QVERIFY(m_bus.waitForReadyRead(10000));
        m_busAddress = QString::fromLatin1(m_bus.readLine().trimmed());
        QVERIFY(!m_busAddress.isEmpty());

        QDir home(m_home.path());
        QVERIFY(home.mkpath(QStringLiteral("runtime")) && home.mkpath(QStringLiteral("config")));
        QFile::setPermissions(home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void cleanup()
    {
        // Whatever a failed test left running goes before the next one starts.
        for (QProcess *process : std::as_const(m_launched)) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
            delete process;
        }
        m_launched.clear();
    }

    void cleanupTestCase()
    {
        for (QProcess *server : { &m_bus, &m_xvfb }) {
            if (server->state() == QProcess::NotRunning)
                continue;
            server->terminate();
            if (!server->waitForFinished(5000)) {
                server->kill();
                server->waitForFinished(5000);
            }
        }
    }

    void opensItsWindowAndQuitsWithCtrlQ()
    {
        QProcess *app = launch(environment());
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 1, launchTimeoutMs);
        const TopLevel window = appWindows().constFirst();
        QCOMPARE(window.title, QStringLiteral("Kestrune"));
        QCOMPARE(window.size, QSize(620, 540));

        QCOMPARE(xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), window.id }), 0);
        QCOMPARE(xdotool({ QStringLiteral("key"), QStringLiteral("ctrl+q") }), 0);
        QVERIFY(app->waitForFinished(launchTimeoutMs));
        QCOMPARE(app->exitStatus(), QProcess::NormalExit);
        QCOMPARE(app->exitCode(), 0);
    }

    void secondLaunchRaisesTheFirstAndLeaves()
    {
        QProcess *first = launch(environment());
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 1, launchTimeoutMs);
        const QString firstWindow = appWindows().constFirst().id;

        // Another program's window now covers ours.
        auto *cover = new QProcess(this);
        m_launched << cover;
        cover->setProcessEnvironment(environment());
        cover->start(QStringLiteral("xmessage"), { QStringLiteral("-geometry"), QStringLiteral("700x600+0+0"), QStringLiteral("cover") });
        QTRY_COMPARE_WITH_TIMEOUT(topmostOf(firstWindow).windowClass.contains(u"xmessage"), true, launchTimeoutMs);

        QProcess *second = launch(environment());
        QVERIFY(second->waitForFinished(launchTimeoutMs));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(topmostOf(firstWindow).id, firstWindow, 5000);
        QCOMPARE(appWindows().size(), 1);
        QCOMPARE(first->state(), QProcess::Running);
    }

    void withoutSessionBusEachLaunchRuns()
    {
        QProcessEnvironment noBus = environment();
        noBus.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + m_home.filePath(QStringLiteral("no-bus")));
        QProcess *first = launch(noBus);
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 1, launchTimeoutMs);
        QProcess *second = launch(noBus);
        QTRY_COMPARE_WITH_TIMEOUT(appWindows().size(), 2, launchTimeoutMs);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(second->state(), QProcess::Running);
    }

private:
    [[nodiscard]] QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Keep the program's settings and sockets out of the real home.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        return env;
    }

    QProcess *launch(const QProcessEnvironment &env)
    {
        auto *process = new QProcess(this);
        m_launched << process;
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(QStringLiteral(KESTRUNE_APP_PATH), {});
        return process;
    }

    [[nodiscard]] QList<TopLevel> topLevels() const
    {
        QProcess xwininfo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        xwininfo.setProcessEnvironment(env);
        xwininfo.start(QStringLiteral("xwininfo"), { QStringLiteral("-root"), QStringLiteral("-children") });
        if (!xwininfo.waitForFinished(5000))
            return {};
        // e.g.   0x200006 "Kestrune": ("kestrune" "Kestrune")  620x540+0+0  +0+0
        static const QRegularExpression line(QStringLiteral("^\\s*(0x[0-9a-f]+) \"(.*)\": \\((.*)\\)\\s+(\\d+)x(\\d+)\\+"));
        QList<TopLevel> windows;
        const auto lines = QString::fromUtf8(xwininfo.readAllStandardOutput()).split(u'\n');
        for (const QString &text : lines) {
            const auto match = line.match(text);
            if (match.hasMatch())
                windows.append({ match.captured(1), match.captured(2), match.captured(3), QSize(match.captured(4).toInt(), match.captured(5).toInt()) });
        }
        return windows;
    }

    // The program's main windows (its helper windows carry no class).
    [[nodiscard]] QList<TopLevel> appWindows() const
    {
        QList<TopLevel> windows;
        for (const TopLevel &window : topLevels()) {
            if (window.windowClass.contains(QStringLiteral("\"kestrune\"")))
                windows.append(window);
        }
        return windows;
    }

    // Of our window and the covering one, whichever is stacked higher.
    [[nodiscard]] TopLevel topmostOf(const QString &appWindow) const
    {
        for (const TopLevel &window : topLevels()) {
            if (window.id == appWindow || window.windowClass.contains(u"xmessage"))
                return window;
        }
        return {};
    }

    int xdotool(const QStringList &arguments) const
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), m_display);
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("xdotool"), arguments);
        return process.waitForFinished(5000) ? process.exitCode() : -1;
    }

    QTemporaryDir m_home;
    QProcess m_xvfb;
    QProcess m_bus;
    QString m_display;
    QString m_busAddress;
    QList<QProcess *> m_launched;
};

QTEST_GUILESS_MAIN(AppLaunchTest)
#include "applaunchtest.moc"
