// `kestrune --join`, the real program on parts cut from one lavfi-made file: a folder's files in
// natural order, a refusal that writes nothing, and --show-tracks, which writes nothing either.
#include "../engine/remuxwait.h"
#include "../requiretools.h"
#include "engine/mediaprobe.h"
#include "run.h"

#include <QDirIterator>
#include <csignal>
#include <unistd.h>

class TerminalJoinTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_ffmpeg;
    QString kestrune(const QStringList &arguments) { return run(KESTRUNE_APP_PATH, arguments, QProcessEnvironment::systemEnvironment(), m_dir.path()); }

private Q_SLOTS:
    void initTestCase()
    {
        const auto installed = FFmpegRunner({ QString(), FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths }).locateFFmpeg();
        if (!installed)
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed at the fixed paths");
        m_ffmpeg = installed->toLocalFile();
        QVERIFY(QDir(m_dir.path()).mkpath("clips") && QDir(m_dir.path()).mkpath("out"));
        // Eleven parts, so "clip 10" sorts after "clip 9" only in natural order.
        QCOMPARE(QProcess::execute(m_ffmpeg,
                     { "-loglevel", "error", "-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=11", "-c:v", "libx264", "-preset", "ultrafast", "-g",
                         "10", "-f", "segment", "-segment_time", "1", "-reset_timestamps", "1", m_dir.filePath("clips/clip %d.mp4") }),
            0);
        QCOMPARE(QProcess::execute(m_ffmpeg,
                     { "-loglevel", "error", "-f", "lavfi", "-i", "testsrc=size=32x24:rate=10:duration=1", "-c:v", "libx264", "-preset", "ultrafast",
                         m_dir.filePath("small.mp4") }),
            0);
    }

    void runs_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QStringList>("written");
        QTest::addRow("a folder in natural order") << QStringList { "--join", "--to", "mkv", "--output-dir", "out", "clips" }
                                                   << "clip 0.mp4 and 10 more → clip 0.mkv: Joined\n\nexit 0" << QStringList { "clip 0.mkv" };
        QTest::addRow("a part that doesn't match") << QStringList { "--join", "--to", "mkv", "--output-dir", "out", "clips/clip 0.mp4", "small.mp4" }
                                                   << "clip 0.mp4 and 1 more: Not joined: small.mp4: Doesn't match part 1: 32×24 here, 64×48 there.\n\nexit 1"
                                                   << QStringList();
        QTest::addRow("the check and the plan")
            << QStringList { "--join", "--show-tracks", "--to", "mp4", "--output-dir", "out", "clips/clip 0.mp4", "clips/clip 1.mp4" }
            << "2 parts, joined one after the other:\n  1. clip 0.mp4 (0.00 s)\n  2. clip 1.mp4 (1.00 s)\nTracks, from part 1:\n"
               "  + video h264 und\n\nexit 0"
            << QStringList();
    }
    void runs()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        QFETCH(QStringList, written);
        QDir(m_dir.filePath("out")).removeRecursively();
        QVERIFY(QDir(m_dir.path()).mkpath("out"));
        QCOMPARE(kestrune(arguments), printed);
        QCOMPARE(QDir(m_dir.filePath("out")).entryList(QDir::Files | QDir::Hidden), written);
        if (written.isEmpty())
            return;
        const auto joined = MediaProbe::probeFile(m_dir.filePath("out/" + written.first()), MediaProbe::Depth::packets);
        QVERIFY(joined && joined->duration);
        QCOMPARE(joined->chapterList.size(), 11);
        QCOMPARE(joined->chapterList[10].title, "clip 10"); // the chapters follow the parts' order
        QCOMPARE(joined->streams.first().coding.packets, 110);
    }

    // Ctrl+C mid-join ends it as Stop does: exit 130, and neither the file nor a temporary left.
    void interrupted()
    {
        // A copy of the program with a slow stand-in for ffmpeg beside it, found before any other.
        QTemporaryDir bin(KESTRUNE_BINARY_DIR "/terminaljointest-XXXXXX"), work;
        QVERIFY(::link(KESTRUNE_APP_PATH, qPrintable(bin.filePath("kestrune"))) == 0 || QFile::copy(KESTRUNE_APP_PATH, bin.filePath("kestrune")));
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", bin.filePath("ffmpeg")));
        QVERIFY(QFile::setPermissions(bin.filePath("ffmpeg"), QFile::ReadOwner | QFile::ExeOwner));
        // The list of parts is written in the temporary folder: its name keeps the stand-in running.
        QVERIFY(QDir(work.path()).mkpath("slow"));
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin", "TMPDIR=" + work.filePath("slow") });
        process.setChildProcessModifier([] { ::setpgid(0, 0); });
        process.start(bin.filePath("kestrune"),
            { "--join", "--to", "mkv", "--output-dir", work.path(), m_dir.filePath("clips/clip 0.mp4"), m_dir.filePath("clips/clip 1.mp4") });
        const auto slowRunning = [&bin] {
            QFile pid(bin.filePath("ffmpeg.pid")), command;
            if (pid.open(QIODevice::ReadOnly))
                command.setFileName("/proc/" + QString::fromLatin1(pid.readAll().trimmed()) + "/cmdline");
            return command.open(QIODevice::ReadOnly) && command.readAll().startsWith("sleep");
        };
        QTRY_VERIFY_WITH_TIMEOUT(slowRunning(), 10000);
        QVERIFY(::kill(-pid_t(process.processId()), SIGINT) == 0); // its group, as a terminal signals
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, 128 + SIGINT);
        QStringList left;
        for (QDirIterator it(work.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories); it.hasNext();)
            left << QDir(work.path()).relativeFilePath(it.next());
        QCOMPARE(left, QStringList { "slow" });
    }
};

QTEST_GUILESS_MAIN(TerminalJoinTest)
#include "terminaljointest.moc"
