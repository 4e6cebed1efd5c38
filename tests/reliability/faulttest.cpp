// The program run from the terminal under faults met at the edges; what it leaves behind and
// what it ends.
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

class FaultTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_media;

    static bool alive(const QString &pidFile)
    {
        QFile file(pidFile);
        const pid_t pid = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt() : 0;
        return pid > 0 && ::kill(pid, 0) == 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists("/usr/bin/ffmpeg"))
            QSKIP("no ffmpeg installed");
        QCOMPARE(QProcess::execute(
                     "/usr/bin/ffmpeg", { "-v", "error", "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-c:v", "mpeg4", m_media.filePath("a.mp4") }),
            0);
    }

    // An ffmpeg that is a wrapper running the real one without exec: Kestrune's end is the real
    // one's end, however Kestrune ends.
    void wrapperEndsWithKestrune_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addRow("SIGTERM") << SIGTERM;
        QTest::addRow("SIGKILL") << SIGKILL;
    }
    void wrapperEndsWithKestrune()
    {
        QFETCH(int, signal);
        QTemporaryDir bin(KESTRUNE_BINARY_DIR "/faulttest-XXXXXX"), work;
        QVERIFY(::link(KESTRUNE_APP_PATH, qPrintable(bin.filePath("kestrune"))) == 0 || QFile::copy(KESTRUNE_APP_PATH, bin.filePath("kestrune")));
        // The stand-in for the real ffmpeg writes its process id into ffmpeg.pid and never ends.
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", bin.filePath("real")));
        QFile wrapper(bin.filePath("ffmpeg"));
        QVERIFY(wrapper.open(QIODevice::WriteOnly) && wrapper.write("#!/bin/sh\nsh \"$(dirname \"$0\")/real\" \"$@\"\n") > 0);
        wrapper.close();
        QVERIFY(wrapper.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile(work.filePath("slow.mp4")).open(QIODevice::WriteOnly));
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin" });
        process.start(bin.filePath("kestrune"), { "--to", "mkv", work.filePath("slow.mp4") });
        QTRY_VERIFY_WITH_TIMEOUT(alive(bin.filePath("ffmpeg.pid")), 10000);
        QVERIFY(::kill(pid_t(process.processId()), signal) == 0); // Kestrune alone, not its group
        QVERIFY(process.waitForFinished(5000));
        QTRY_VERIFY2_WITH_TIMEOUT(!alive(bin.filePath("ffmpeg.pid")), "the real ffmpeg outlived Kestrune", 5000);
        if (signal == SIGTERM)
            QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "slow.mp4" });
    }

    // A new file is no more open than its source, within the umask (022 here). Where every lock
    // fails, files are converted without one, and a sweep goes by age alone.
    void convert_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("locksFail");
        QTest::addColumn<int>("made");
        QTest::addColumn<QStringList>("left"); // beside the source and the new file
        QTest::addRow("private") << 0600 << false << 0600 << QStringList();
        QTest::addRow("read-only") << 0444 << false << 0444 << QStringList();
        QTest::addRow("for all: the umask holds") << 0666 << false << 0644 << QStringList();
        QTest::addRow("locks fail: the fresh temporary stays") << 0640 << true << 0640 << QStringList { ".kestrune-0000000a.part" };
    }
    void convert()
    {
        QFETCH(int, source);
        QFETCH(bool, locksFail);
        QFETCH(int, made);
        QFETCH(QStringList, left);
        QTemporaryDir work;
        QVERIFY(QFile::copy(m_media.filePath("a.mp4"), work.filePath("a.mp4")));
        QCOMPARE(::chmod(qPrintable(work.filePath("a.mp4")), source), 0);
        // Temporaries nobody holds: a fresh one and one two days old.
        QVERIFY(QFile(work.filePath(".kestrune-0000000a.part")).open(QIODevice::WriteOnly));
        QFile old(work.filePath(".kestrune-0000000b.part"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        old.close();
        QProcess process;
        process.setEnvironment(QStringList { "PATH=/usr/bin:/bin" }
            + (locksFail ? QStringList { "LD_PRELOAD=" KESTRUNE_FAILING_FLOCK, "ASAN_OPTIONS=verify_asan_link_order=0" } : QStringList()));
        process.setChildProcessModifier([] { ::umask(022); });
        process.start(KESTRUNE_APP_PATH, { "--to", "mkv", work.filePath("a.mp4") });
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.readAll(), "a.mp4 → a.mkv: Converted\n1 file converted\n");
        QCOMPARE(QDir(work.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
            left << "a.mkv"
                 << "a.mp4");
        struct stat info {
        };
        QCOMPARE(::stat(qPrintable(work.filePath("a.mkv")), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), made);
    }
};

QTEST_GUILESS_MAIN(FaultTest)
#include "faulttest.moc"
