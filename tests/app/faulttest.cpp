#include "run.h"

#include <QRegularExpression>
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
        QVERIFY2(m_desktop.open({ "bin" }), "no private X server or session bus");
        const QString bin = m_home.filePath("bin");
        QVERIFY(QFile::copy(KESTRUNE_APP_PATH, bin + "/kestrune") && QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", bin + "/ffmpeg"));
        QVERIFY(QFile::setPermissions(bin + "/ffmpeg", QFile::ReadOwner | QFile::ExeOwner));
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
        m_desktop.workDir = media.path();
        QProcess *app = m_desktop.start(m_home.filePath("bin/kestrune"), { "slow.mp4" });
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

        app = m_desktop.start(m_home.filePath("bin/kestrune"), { "next.mp4" });
        QTRY_VERIFY_WITH_TIMEOUT(convert(app) && QFile::exists(media.filePath("next.mkv")), launchTimeoutMs);
        QCOMPARE(temporaries(media.path()), QStringList());
        QVERIFY(!QFile::exists(media.filePath("slow.mkv")));
        app->kill();
    }

private:
    // Presses Return in the program's window, which converts the files it was given.
    bool convert(QProcess *app) const
    {
        const QString window = run("xdotool", { "search", "--all", "--onlyvisible", "--pid", QString::number(app->processId()), "--class", "kestrune" }, m_env)
                                   .section(u'\n', 0, 0);
        return !window.startsWith("\nexit") && m_desktop.press(window, "Return");
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

    Desktop m_desktop;
    const QTemporaryDir &m_home = m_desktop.home;
    const QProcessEnvironment &m_env = m_desktop.env;
};

QTEST_GUILESS_MAIN(FaultTest)
#include "faulttest.moc"
