#include "run.h"
#include "../requiretools.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

// The program run from a script, on files made by lavfi: what it prints, the files it leaves and
// its exit status, with no display and no session bus.
class TerminalTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_media;
    const QDateTime m_old = QDateTime::fromSecsSinceEpoch(978350400);

    // Every file under `folder`, hidden ones too, as paths relative to it.
    static QStringList files(const QString &folder)
    {
        QStringList found;
        for (QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(folder).relativeFilePath(it.next());
        found.sort();
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists("/usr/bin/ffmpeg"))
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed");
        QVERIFY(QDir(m_media.path()).mkpath("folder"));
        QCOMPARE(run("ffmpeg", { "-v", "error", "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-c:v", "mpeg4", m_media.filePath("a.mp4") }), "\nexit 0");
        QVERIFY(QFile::copy(m_media.filePath("a.mp4"), m_media.filePath("folder/b.mkv")) && QFile::copy(m_media.filePath("a.mp4"), m_media.filePath("take:2.mp4")));
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", m_media.filePath("folder/not video.mp4"))); // text, not video
    }

    void convert_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // stdout, then stderr; "*" stands for any text
        QTest::addColumn<QStringList>("made");
        QTest::addRow("converted") << QStringList { "--to", "mkv", "a.mp4" } << 0 << "a.mp4 → a.mkv: Converted\n1 file converted\n" << QStringList { "a.mkv" };
        QTest::addRow("dates not kept, a colon in the name") << QStringList { "--to", "MOV", "--no-keep-dates", "take:2.mp4" } << 0
                                                          << "take:2.mp4 → take:2.mov: Converted\n1 file converted\n" << QStringList { "take:2.mov" };
        QTest::addRow("failed") << QStringList { "--to", "mkv", "folder/not video.mp4" } << 1 << "not video.mp4: Failed: *\n1 failed\n" << QStringList();
        QTest::addRow("mixed, a folder walked") << QStringList { "--to=ts", "--output-dir", ".", "folder" } << 1
                                                << "b.mkv → b.ts: Converted\nnot video.mp4: Failed: *\n1 file converted  ·  1 failed\n"
                                                << QStringList { "b.ts" };
        QTest::addRow("a pipe") << QStringList { "--to", "mkv", "pipe.mp4", "a.mp4" } << 1
                                << "a.mp4 → a.mkv: Converted\n1 file converted\nkestrune: */pipe.mp4 isn't a regular file, so it can't be converted.\n"
                                << QStringList { "a.mkv" };
        QTest::addRow("nothing to convert") << QStringList { "--to", "mkv", "missing.mp4" } << 1
                                            << "Nothing to convert\nkestrune: */missing.mp4 wasn't found, so it can't be converted.\n"
                                            << QStringList();
        QTest::addRow("unknown container") << QStringList { "--to", "avi", "a.mp4" } << 2
                                           << "kestrune: Unknown container \"avi\". Choose mkv, mp4, mov, webm or ts.\n"
                                           << QStringList();
        QTest::addRow("missing folder") << QStringList { "--to", "mkv", "--output-dir", "nowhere", "a.mp4" } << 2
                                        << "kestrune: The folder nowhere doesn't exist.\n"
                                        << QStringList();
        QTest::addRow("no files") << QStringList { "--to", "mkv" } << 2 << "kestrune: Name the files or folders to convert.\n" << QStringList();
    }
    void convert()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QStringList, made);
        QTemporaryDir work;
        QDir dir(work.path());
        QVERIFY(dir.mkpath("folder") && ::mkfifo(qPrintable(dir.filePath("pipe.mp4")), 0600) == 0);
        QStringList sources { "pipe.mp4" };
        for (const QString &name : files(m_media.path())) {
            QVERIFY(QFile::copy(m_media.filePath(name), dir.filePath(name)));
            QFile source(dir.filePath(name));
            QVERIFY(source.open(QIODevice::ReadWrite) && source.setFileTime(m_old, QFileDevice::FileModificationTime));
            sources << name;
        }
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin" }); // no display, no session bus
        process.setWorkingDirectory(dir.path());
        process.start(KESTRUNE_APP_PATH, arguments);
        QVERIFY(process.waitForFinished(20000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        QStringList parts = printed.split(u'*');
        for (QString &part : parts)
            part = QRegularExpression::escape(part);
        QVERIFY2(QRegularExpression('^' + parts.join(".*") + '$').match(out).hasMatch(), qPrintable(out));
        QCOMPARE(process.exitCode(), status);
        QStringList expected = made + sources;
        expected.sort();
        QCOMPARE(files(dir.path()), expected);
        const bool datesKept = !arguments.contains("--no-keep-dates");
        for (const QString &name : made) {
            const QDateTime modified = QFileInfo(dir.filePath(name)).lastModified();
            QVERIFY2(datesKept ? modified == m_old : modified.secsTo(QDateTime::currentDateTime()) < 60, qPrintable(modified.toString()));
        }
    }

    void stopped_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addRow("SIGTERM") << SIGTERM;
        QTest::addRow("SIGINT, Ctrl+C") << SIGINT;
    }
    // Stopped in the middle of a file, the program leaves nothing behind (ffmpeg dies with it
    // anyway).
    void stopped()
    {
        QFETCH(int, signal);
        // A copy of the program with a slow stand-in for ffmpeg beside it, found before any other.
        QTemporaryDir bin(KESTRUNE_BINARY_DIR "/terminaltest-XXXXXX"), work;
        QVERIFY(::link(KESTRUNE_APP_PATH, qPrintable(bin.filePath("kestrune"))) == 0 || QFile::copy(KESTRUNE_APP_PATH, bin.filePath("kestrune")));
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", bin.filePath("ffmpeg")));
        QVERIFY(QFile::setPermissions(bin.filePath("ffmpeg"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile(work.filePath("slow.mp4")).open(QIODevice::WriteOnly));
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin" }); // no display, no session bus
        process.setChildProcessModifier([] { ::setpgid(0, 0); });
        process.start(bin.filePath("kestrune"), { "--to", "mkv", work.filePath("slow.mp4") });
        QTRY_VERIFY_WITH_TIMEOUT(files(work.path()).size() == 2 && QFile::exists(bin.filePath("ffmpeg.pid")), 10000);
        QVERIFY(::kill(-pid_t(process.processId()), signal) == 0); // its group, as a terminal signals
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 128 + signal);
        QCOMPARE(files(work.path()), QStringList { "slow.mp4" });
        QCOMPARE(process.readAllStandardOutput(), QByteArray()); // the file did not fail: it was stopped
    }
};

QTEST_GUILESS_MAIN(TerminalTest)
#include "terminaltest.moc"
