#include "run.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

constexpr int launchTimeoutMs = 20000;

// The real program killed in the middle of a file, on a private X server and session bus, with
// a slow stand-in for ffmpeg beside a copy of it (the copy is found before any installed one).
class FaultTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QDir home(m_home.path());
        QVERIFY(home.mkpath("runtime") && home.mkpath("config") && home.mkpath("bin"));
        QFile::setPermissions(home.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(
            QFile::copy(KESTRUNE_APP_PATH, home.filePath("bin/kestrune")) && QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", home.filePath("bin/ffmpeg")));
        QVERIFY(QFile::setPermissions(home.filePath("bin/ffmpeg"), QFile::ReadOwner | QFile::ExeOwner));
        const auto serve = [this](const QString &command) {
            QProcess *server = start("sh", { "-c", command });
            return server->waitForReadyRead(10000) ? QString::fromLatin1(server->readLine().trimmed()) : QString();
        };
        m_env.insert("DISPLAY", ':' + serve("exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 >/dev/null 2>&1"));
        m_env.insert("DBUS_SESSION_BUS_ADDRESS", serve("exec dbus-daemon --session --nofork --print-address"));
        m_env.insert("QT_QPA_PLATFORM", "xcb");
        m_env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        m_env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    }
    void cleanupTestCase()
    {
        for (QProcess *process : std::as_const(m_launched))
            process->kill(), process->waitForFinished();
    }

    void killedMidFile_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("temporaryLeft"); // until the next conversion into the folder
        QTest::addRow("SIGKILL") << SIGKILL << true;
        QTest::addRow("SIGTERM, as at logout") << SIGTERM << false;
        QTest::addRow("SIGHUP") << SIGHUP << false;
    }
    // ffmpeg never outlives the program; its temporary goes at once on a signal that can be
    // caught, and otherwise with the next conversion into the same folder.
    void killedMidFile()
    {
        QFETCH(int, signal);
        QFETCH(bool, temporaryLeft);
        QTemporaryDir media(m_home.filePath("media-XXXXXX"));
        QFile::remove(m_home.filePath("bin/ffmpeg.pid"));
        QVERIFY(QFile(media.filePath("slow.mp4")).open(QIODevice::WriteOnly) && QFile(media.filePath("next.mp4")).open(QIODevice::WriteOnly));
        QProcess *app = start(m_home.filePath("bin/kestrune"), { "slow.mp4" }, media.path());
        qint64 ffmpeg = 0;
        const auto started = [&] {
            // Return again while the file converts would stop it: pressed only while nothing runs.
            if (convert(app))
                (void)QTest::qWaitFor([&] { return (ffmpeg = readPid()) > 0; }, 3000);
            return ffmpeg > 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(started(), launchTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!temporaries(media.path()).isEmpty(), 5000);

        QVERIFY(::kill(pid_t(app->processId()), signal) == 0);
        QVERIFY(app->waitForFinished(5000));
        QTRY_VERIFY2_WITH_TIMEOUT(!alive(ffmpeg), "ffmpeg outlived the program", 2000);
        QCOMPARE(temporaries(media.path()).isEmpty(), !temporaryLeft);

        app = start(m_home.filePath("bin/kestrune"), { "next.mp4" }, media.path());
        QTRY_VERIFY_WITH_TIMEOUT(convert(app) && QFile::exists(media.filePath("next.mkv")), launchTimeoutMs);
        QCOMPARE(temporaries(media.path()), QStringList());
        QVERIFY(!QFile::exists(media.filePath("slow.mkv")));
        app->kill();
    }

private:
    QProcess *start(const QString &program, const QStringList &arguments, const QString &dir = {})
    {
        auto *process = new QProcess(this);
        m_launched << process;
        process->setProcessEnvironment(m_env);
        process->setWorkingDirectory(dir);
        process->start(program, arguments);
        return process;
    }
    // Presses Return in the program's window, which converts the files it was given.
    bool convert(QProcess *app) const
    {
        const QString window = run("xdotool", { "search", "--all", "--onlyvisible", "--pid", QString::number(app->processId()), "--class", "kestrune" }, m_env)
                                   .section(u'\n', 0, 0);
        return !window.startsWith("\nexit") && run("xdotool", { "windowfocus", "--sync", window }, m_env).endsWith("\nexit 0")
            && run("xdotool", { "key", "Return" }, m_env).endsWith("\nexit 0");
    }
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

    QTemporaryDir m_home;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QList<QProcess *> m_launched;
};

QTEST_GUILESS_MAIN(FaultTest)
#include "faulttest.moc"
