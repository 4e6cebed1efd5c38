#include "../requiretools.h"
#include "run.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

// A sanitizer build, starting beside the package and soak tests on two cores, has taken over
// 20 s to show its first window.
constexpr int launchTimeoutMs = 60000;

// The installed program as a user meets it, on a private X server and session bus: its command
// line, its window on X and on Wayland, one instance per session, its Quit shortcut, a screen
// reader's view of it, what a kill or a logout in the middle of a file leaves, and a dead share.
class AppLaunchTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QDir home(m_home.path());
        QVERIFY(home.mkpath("runtime") && home.mkpath("config") && home.mkpath("media") && home.mkpath("bin"));
        // A copy of the program with a slow stand-in for ffmpeg beside it, found before any other.
        QVERIFY(
            QFile::copy(KESTRUNE_APP_PATH, home.filePath("bin/kestrune")) && QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", home.filePath("bin/ffmpeg")));
        QVERIFY(QFile::setPermissions(home.filePath("bin/ffmpeg"), QFile::ReadOwner | QFile::ExeOwner));
        QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Each server prints where to reach it on its first line.
        const auto serve = [this](const QString &command) {
            QProcess *server = start("sh", { "-c", command }, m_env);
            return server->waitForReadyRead(10000) ? QString::fromLatin1(server->readLine().trimmed()) : QString();
        };
        m_env.insert("DISPLAY", ':' + serve("exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 >/dev/null 2>&1"));
        m_env.insert("DBUS_SESSION_BUS_ADDRESS", serve("exec dbus-daemon --session --nofork --print-address"));
        m_env.insert("QT_QPA_PLATFORM", "xcb");
        // The accessibility bus, with a screen reader's switch on, as Orca would leave it.
        m_accessibilityBus = start("/usr/libexec/at-spi-bus-launcher", { "--launch-immediately" }, m_env);
        QTRY_VERIFY_WITH_TIMEOUT(run("dbus-send",
                                     { "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                                         "string:org.a11y.Status", "string:ScreenReaderEnabled", "variant:boolean:true" },
                                     m_env)
                                     .endsWith("\nexit 0"),
            10000);
        // Keep the program's settings and sockets out of the real home.
        m_env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        m_env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        m_servers = std::exchange(m_launched, {});
        for (const char *clip : { "media/a.mp4", "media/c.mp4", "media/d.mp4" })
            QCOMPARE(run("ffmpeg", { "-v", "error", "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-c:v", "mpeg4", home.filePath(clip) }), "\nexit 0");
        // Names of every kind for a second launch, and a look-alike of a name that is not text.
        for (const QString &name : m_names + QStringList { "x\uFFFD.mp4" })
            QVERIFY(QFile::copy(home.filePath("media/a.mp4"), home.filePath("media/" + name)));
        QVERIFY(::link(qPrintable(home.filePath("media/a.mp4")), QFile::encodeName(home.filePath("media/x")).append("\xff.mp4").constData()) == 0);
    }
    // Whatever a test left running goes before the next one starts; the servers go last.
    void cleanup() { stop(m_launched); }
    void cleanupTestCase()
    {
        // Killed, the launcher would leave its bus running; asked, it takes it down.
        if (m_accessibilityBus)
            m_accessibilityBus->terminate(), m_accessibilityBus->waitForFinished(5000);
        stop(m_servers);
        // QTemporaryDir can't remove a name that is not text.
        ::unlink(QFile::encodeName(m_home.filePath("media/x")).append("\xff.mp4").constData());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addRow("help") << QStringList { "--help" }
                              << "Usage: .*kestrune \\[options\\] \\[FILE\\|FOLDER\\]\\.\\.\\.[\\s\\S]*\n  --to <container> [\\s\\S]*\nexit 0$";
        QTest::addRow("version") << QStringList { "--version" } << "^kestrune " KESTRUNE_VERSION "\n\nexit 0$";
        QTest::addRow("unknown option") << QStringList { "--frobnicate", "a.mp4" } << "^kestrune: Unknown option 'frobnicate'.\n\nexit 1$";
    }
    // Answered on the terminal, without a display to open a window on.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QProcessEnvironment env = m_env;
        env.remove("DISPLAY");
        const QString printed = run(KESTRUNE_APP_PATH, arguments, env);
        QVERIFY2(printed.contains(QRegularExpression(output)), qPrintable(printed));
    }

    // Files named on the command line are listed as if dropped (Return converts them); a second
    // launch hands its files to the first window, raises it and leaves; Ctrl+Q quits.
    void filesFromTheCommandLine()
    {
        QProcess *first = start(KESTRUNE_APP_PATH, { "a.mp4" }, m_env);
        QTRY_COMPARE_WITH_TIMEOUT(windows(ours).size(), 1, launchTimeoutMs);
        const QString window = windows(ours).constFirst();
        QVERIFY2(window.contains("\"Kestrune\": (\"kestrune\" \"Kestrune\")  620x540+"), qPrintable(window));
        QTRY_VERIFY_WITH_TIMEOUT(press(window, "Return") && QFileInfo::exists(m_home.filePath("media/a.mkv")), launchTimeoutMs);

        // Another program's window covers ours; the second launch brings ours back on top.
        start("xmessage", { "-geometry", "700x600+0+0", "cover" }, m_env);
        const QString oursOrCover = "(\"kestrune\"|xmessage)";
        QTRY_VERIFY_WITH_TIMEOUT(windows(oursOrCover).value(0).contains("xmessage"), launchTimeoutMs);
        // Every name arrives; the one that is not text is refused where it was given, first, so
        // that its look-alike, had it been taken instead, would be converted before the others.
        QProcess *second = start("sh", QStringList { "-c", "exec \"$0\" -- \"$(printf 'x\\377.mp4')\" \"$@\"", KESTRUNE_APP_PATH } + m_names, m_env);
        QVERIFY(second->waitForFinished(launchTimeoutMs) && second->exitCode() == 0);
        QVERIFY(second->readAllStandardError().contains("/media/x\uFFFD.mp4 isn't valid UTF-8"));
        QTRY_COMPARE_WITH_TIMEOUT(windows(oursOrCover).value(0).section(u' ', 0, 0), window.section(u' ', 0, 0), 5000);
        // Return again only when the first found nothing listed yet: pressed during the batch, it
        // would stop it. Waited for against the clock, as each press takes a while.
        const auto converted = [this] { return QTest::qWaitFor([this] { return QFile::exists(m_home.filePath("media/ü 日.mkv")); }, 20000); };
        QVERIFY(QTest::qWaitFor([&] { return press(window, "Return") && converted(); }, launchTimeoutMs));
        for (const QString &name : m_names)
            QVERIFY2(QFile::exists(m_home.filePath("media/" + name.chopped(3) + "mkv")), qPrintable(name));
        QVERIFY(!QFile::exists(m_home.filePath("media/x\uFFFD.mkv")));
        QCOMPARE(windows(ours).size(), 1);

        QVERIFY(press(window, "ctrl+q"));
        QVERIFY(first->waitForFinished(launchTimeoutMs) && first->exitStatus() == QProcess::NormalExit && first->exitCode() == 0);
    }

    // A screen reader, from outside the process, finds the window, its list with the file it
    // was given and the Convert button, and presses it: in German on a German desktop, the row
    // still "name, status".
    void screenReaderConverts()
    {
        QProcessEnvironment german = m_env;
        german.remove("LC_ALL"), german.remove("LANGUAGE"), german.insert("LANG", "de_DE.UTF-8");
        start(KESTRUNE_APP_PATH, { "d.mp4" }, german);
        const QString tree = readerSees("\n +list 'Umzuwandelnde Dateien'[\\s\\S]*\n +list item 'd\\.mp4, In Warteschlange'");
        QVERIFY2(tree.contains(QRegularExpression("\n  frame 'Kestrune' ")), qPrintable(tree));
        const QString pressed = screenReader({ "press", "Umwandeln" });
        QVERIFY2(pressed.endsWith("\nexit 0"), qPrintable(pressed));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_home.filePath("media/d.mkv")), launchTimeoutMs);
    }

    // Browse opens the file dialog transient for the window: raising the window never hides it.
    // The reader finds the rule for the tracks by its name, the button that edits it, and the join switch.
    void browseDialogBelongsToWindow()
    {
        start(KESTRUNE_APP_PATH, {}, m_env);
        const QString seen = "\n +push button 'Browse…'[\\s\\S]*\n +[a-z ]+ 'Tracks: Keeping every track'[^\n]*\n +push button 'Edit…'[\\s\\S]*\n +check box 'Join[^']*'";
        const QString tree = readerSees(seen);
        QVERIFY2(tree.contains(QRegularExpression(seen)), qPrintable(tree));
        // The press is answered once the dialog closes, so it is left running.
        start("timeout", { "20", "/usr/bin/python3", KESTRUNE_ATSPI_SCRIPT, "Kestrune", "press", "Browse…" }, m_env);
        QTRY_COMPARE_WITH_TIMEOUT(windows("\"Add Files\": ").size(), 1, launchTimeoutMs);
        const QString dialog = windows("\"Add Files\": ").constFirst().section(u' ', 0, 0);
        const QString window = windows("\"Kestrune\": \\(" + ours).value(0).section(u' ', 0, 0);
        // A slow machine may show the dialog a moment before its owner is set on it.
        QTRY_COMPARE_WITH_TIMEOUT(
            run("xprop", { "-id", dialog, "WM_TRANSIENT_FOR" }, m_env), "WM_TRANSIENT_FOR(WINDOW): window id # " + window + "\n\nexit 0", launchTimeoutMs);
    }

    // On a Wayland session the window is Wayland's own, and takes keys: inside a compositor that
    // draws onto our X server, Return converts the file it was given.
    void opensOnWayland()
    {
        QProcessEnvironment env = m_env;
        env.insert("WAYLAND_DISPLAY", "kestrune-wayland");
        QProcess *weston = start("weston", { "--backend=x11-backend.so", "--use-pixman", "--socket=kestrune-wayland", "--width=1000", "--height=800" }, env);
        QTRY_VERIFY2_WITH_TIMEOUT(windows("Weston Compositor").size() == 1, weston->readAll().constData(), launchTimeoutMs);
        env.insert("QT_QPA_PLATFORM", "wayland");
        start(KESTRUNE_APP_PATH, { "c.mp4" }, env);
        QTRY_VERIFY_WITH_TIMEOUT(press(windows("Weston Compositor").value(0), "Return") && QFileInfo::exists(m_home.filePath("media/c.mkv")), launchTimeoutMs);
        QCOMPARE(windows(ours).size(), 0);
    }

    void killedMidFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("temporaryLeft"); // until the next conversion into the folder
        QTest::addRow("SIGKILL") << SIGKILL << true;
        QTest::addRow("SIGTERM, as at logout") << SIGTERM << false;
        QTest::addRow("SIGHUP") << SIGHUP << false;
    }
    // Killed in the middle of a file, the program leaves no ffmpeg behind; its temporary goes at
    // once on a signal that can be caught, and otherwise with the next conversion into the folder.
    void killedMidFile()
    {
        QFETCH(int, signal);
        QFETCH(bool, temporaryLeft);
        QTemporaryDir media(m_home.filePath("media-XXXXXX"));
        QFile::remove(m_home.filePath("bin/ffmpeg.pid"));
        QVERIFY(QFile(media.filePath("slow.mp4")).open(QIODevice::WriteOnly) && QFile(media.filePath("next.mp4")).open(QIODevice::WriteOnly));
        QProcess *app = start(m_home.filePath("bin/kestrune"), { media.filePath("slow.mp4") }, m_env);
        qint64 ffmpeg = 0;
        // Return again while the file converts would stop it: pressed only while nothing runs.
        const auto started = [&] { return press(windows(ours).value(0), "Return") && QTest::qWaitFor([&] { return (ffmpeg = readPid()) > 0; }, 3000); };
        QTRY_VERIFY_WITH_TIMEOUT(started(), launchTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!temporaries(media.path()).isEmpty(), 5000);

        QVERIFY(::kill(pid_t(app->processId()), signal) == 0);
        QVERIFY(app->waitForFinished(5000));
        QTRY_VERIFY2_WITH_TIMEOUT(!alive(ffmpeg), "ffmpeg outlived the program", 2000);
        QCOMPARE(temporaries(media.path()).isEmpty(), !temporaryLeft);

        start(m_home.filePath("bin/kestrune"), { media.filePath("next.mp4") }, m_env);
        QTRY_VERIFY_WITH_TIMEOUT(press(windows(ours).value(0), "Return") && QFile::exists(media.filePath("next.mkv")), launchTimeoutMs);
        QCOMPARE(temporaries(media.path()), QStringList());
        QVERIFY(!QFile::exists(media.filePath("slow.mkv")));
    }

    void deadShare_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<int>("signal"); // none: Ctrl+Q in the window
        QTest::addRow("window, Ctrl+Q") << true << 0;
        QTest::addRow("window, SIGTERM as at logout") << true << SIGTERM;
        QTest::addRow("terminal, Ctrl+C") << false << SIGINT;
    }
    // A share that stops answering holds up only the workers that touch it: the window opens for
    // a file named on it and quits at once, and so does a terminal run.
    void deadShare()
    {
        QFETCH(bool, window);
        QFETCH(int, signal);
        QTemporaryDir mount(m_home.filePath("share-XXXXXX")); // the media folder, shared
        QProcess *share = start("/usr/bin/python3", { KESTRUNE_SHARE_SCRIPT, m_home.filePath("media"), mount.path() }, m_env);
        if (!QTest::qWaitFor([&] { return QFile::exists(mount.filePath("a.mp4")); }, 10000))
            KESTRUNE_SKIP_WITHOUT_TOOL(qPrintable("No FUSE mount here: " + share->readAllStandardError()));
        const auto unmount = qScopeGuard([&] { ::kill(pid_t(share->processId()), SIGCONT), run("fusermount3", { "-u", mount.path() }); });
        QVERIFY(::kill(pid_t(share->processId()), SIGSTOP) == 0);

        // The leak check at exit first stops every thread, and one waiting on the share can't be.
        QProcessEnvironment env = m_env;
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":detect_leaks=0");
        const QString clip = mount.filePath("a.mp4");
        QProcess *app = start(KESTRUNE_APP_PATH, window ? QStringList { clip } : QStringList { "--to", "mkv", clip }, env);
        // A thread of the program waits for the share's answer.
        const QString waiting = QStringLiteral("grep -qx request_wait_answer /proc/%1/task/*/wchan").arg(app->processId());
        QTRY_VERIFY_WITH_TIMEOUT(run("sh", { "-c", waiting }).endsWith("\nexit 0"), launchTimeoutMs);
        if (window)
            QTRY_COMPARE_WITH_TIMEOUT(windows(ours).size(), 1, launchTimeoutMs);
        QVERIFY(signal ? ::kill(pid_t(app->processId()), signal) == 0 : press(windows(ours).value(0), "ctrl+q"));
        QVERIFY2(app->waitForFinished(5000), "the program waited for the dead share");
        QCOMPARE(app->exitStatus() == QProcess::NormalExit ? app->exitCode() : -signal, window ? 0 : 128 + signal);
    }

private:
    static QStringList temporaries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\.kestrune-"));
    }
    qint64 readPid() const
    {
        QFile file(m_home.filePath("bin/ffmpeg.pid"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
    }
    // A zombie counts as gone: it runs nothing, and only its new parent can reap it.
    static bool alive(qint64 pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        return pid > 0 && stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
    }
    QProcess *start(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
    {
        auto *process = new QProcess(this);
        m_launched << process;
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(m_home.filePath("media"));
        process->start(program, arguments);
        return process;
    }
    static void stop(QList<QProcess *> &processes)
    {
        for (QProcess *process : std::as_const(processes))
            process->kill(), process->waitForFinished();
        qDeleteAll(std::exchange(processes, {}));
    }

    // What a screen reader reads or does in the program's window (see atspi.py).
    QString screenReader(const QStringList &arguments) const
    {
        return run("timeout", QStringList { "20", "/usr/bin/python3", KESTRUNE_ATSPI_SCRIPT, "Kestrune" } + arguments, m_env);
    }
    // The window's objects once they match `pattern`; each look takes a while, so it is retried
    // against the clock rather than QTRY's count.
    QString readerSees(const QString &pattern) const
    {
        QString tree;
        for (QDeadlineTimer deadline(launchTimeoutMs); !(tree = screenReader({ "dump" })).contains(QRegularExpression(pattern)) && !deadline.hasExpired();)
            QTest::qWait(200);
        if (!tree.contains(QRegularExpression(pattern)))
            qWarning("%s", qPrintable(tree));
        return tree;
    }

    // The X server's top-level windows that match `pattern`, topmost first, as xwininfo lists
    // them: e.g. 0x200006 "Kestrune": ("kestrune" "Kestrune")  620x540+0+0  +0+0
    [[nodiscard]] QStringList windows(const QString &pattern) const
    {
        return run("xwininfo", { "-root", "-children" }, m_env)
            .split(u'\n')
            .filter(QRegularExpression("^\\s+0x[0-9a-f]+ .*" + pattern))
            .replaceInStrings(QRegularExpression("^\\s+"), "");
    }

    bool press(const QString &window, const QString &keys) const
    {
        return run("xdotool", { "windowfocus", "--sync", window.section(u' ', 0, 0) }, m_env).endsWith("\nexit 0")
            && run("xdotool", { "key", keys }, m_env).endsWith("\nexit 0");
    }

    QTemporaryDir m_home;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QList<QProcess *> m_launched;
    QList<QProcess *> m_servers;
    QProcess *m_accessibilityBus = nullptr;
    const QString ours = "\"kestrune\""; // the program's main windows (its helper windows carry no class)
    const QStringList m_names { "two b.mp4", "#1 ?%.mp4", "-dash.mp4", "ü 日.mp4" };
};

QTEST_GUILESS_MAIN(AppLaunchTest)
#include "applaunchtest.moc"
