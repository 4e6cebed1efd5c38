#include "../requiretools.h"
#include "run.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QScopeGuard>
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
        for (const char *copy : { "folder/b.mkv", "take:2.mp4", "x\uFFFD.mp4", "e\x1b[2Jx.mp4", "side.mp4" })
            QVERIFY(QFile::copy(m_media.filePath("a.mp4"), m_media.filePath(copy)));
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", m_media.filePath("folder/not video.mp4"))); // text, not video
        // Beside side.mp4, nothing, and a playlist that names a video: neither is subtitles.
        QVERIFY(QFile(m_media.filePath("side.en.srt")).open(QIODevice::WriteOnly));
        QFile playlist(m_media.filePath("side.fr.srt"));
        QVERIFY(playlist.open(QIODevice::WriteOnly) && playlist.write("ffconcat version 1.0\nfile a.mp4\n") > 0);
        playlist.close();
        // Audio in three languages and a commentary, two subtitles, and one more beside it.
        QFile side(m_media.filePath("tracks.ja.srt"));
        QVERIFY(side.open(QIODevice::WriteOnly) && side.write("1\n00:00:00,000 --> 00:00:00,400\nHello\n") > 0);
        side.close();
        QCOMPARE(run("ffmpeg",
                     { "-v", "error", "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-f", "lavfi", "-i", "sine=d=0.5", "-i", side.fileName(), "-map", "0",
                         "-map", "1", "-map", "1", "-map", "1", "-map", "1", "-map", "2", "-map", "2", "-c:v", "mpeg4", "-c:a", "aac", "-c:s", "srt",
                         "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=jpn", "-metadata:s:a:2", "language=ger", "-metadata:s:a:3",
                         "language=eng", "-metadata:s:a:3", "title=Commentary", "-metadata:s:s:0", "language=eng", "-metadata:s:s:1", "language=ger",
                         m_media.filePath("tracks.mkv") }),
            "\nexit 0");
        // A phone's clip: HEVC in HLG, turned, with two chapters.
        QFile chapters(m_media.filePath("chapters.txt"));
        QVERIFY(chapters.open(QIODevice::WriteOnly)
            && chapters.write(";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/10\nSTART=0\nEND=2\n[CHAPTER]\nTIMEBASE=1/10\nSTART=2\nEND=5\n"));
        chapters.close();
        QCOMPARE(run("ffmpeg",
                     { "-v", "error", "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-c:v", "libx265", "-x265-params", "log-level=0", "-color_primaries",
                         "bt2020", "-color_trc", "arib-std-b67", "-colorspace", "bt2020nc", m_media.filePath("hlg.mkv") }),
            "\nexit 0");
        QCOMPARE(run("ffmpeg",
                     { "-v", "error", "-i", m_media.filePath("hlg.mkv"), "-i", chapters.fileName(), "-map_chapters", "1", "-c", "copy", "-metadata:s:v:0",
                         "rotate=90", m_media.filePath("phone.mp4") }),
            "\nexit 0");
    }

    void convert_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // stdout, then stderr; "*" stands for any text
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("streams"); // of the first file made, as ffprobe lists them
        QTest::addRow("languages, a side file added") << QStringList { "--to", "mkv", "--lang", "en,ja", "tracks.mkv" } << 0
                                                      << "tracks.mkv → tracks 1.mkv: Converted\n1 file converted\n"
                                                      << QStringList { "tracks 1.mkv" } << "video audio,eng audio,jpn subtitle,eng subtitle,jpn";
        QTest::addRow("commentary kept, a name in capitals, every subtitle but those beside")
            << QStringList { "--to", "mkv", "--lang=ENGLISH", "--sub-lang", "all", "--keep-commentary", "--no-side-files", "tracks.mkv" } << 0
            << "tracks.mkv → tracks 1.mkv: Converted\n1 file converted\n"
            << QStringList { "tracks 1.mkv" } << "video audio,eng audio,eng,Commentary subtitle,eng subtitle,ger";
        QTest::addRow("no audio in the languages: the main audio kept, and said")
            << QStringList { "--to", "mkv", "--audio-lang", "fr", "--sub-lang=none", "tracks.mkv" } << 0
            << "tracks.mkv → tracks 1.mkv: Converted: No French audio here, so the main audio (English) was kept.\n1 file converted  ·  1 with a dropped "
               "track\n"
            << QStringList { "tracks 1.mkv" } << "video audio,eng";
        QTest::addRow("only the languages chosen") << QStringList { "--to", "mkv", "--audio-lang", "ja", "--sub-lang=none", "--no-side-files", "tracks.mkv" }
                                                   << 0 << "tracks.mkv → tracks 1.mkv: Converted\n1 file converted\n"
                                                   << QStringList { "tracks 1.mkv" } << "video audio,jpn";
        QTest::addRow("the main audio kept too") << QStringList { "--to", "mkv", "--audio-lang", "ja", "--sub-lang=none", "--keep-main-audio",
            "--no-side-files", "tracks.mkv" } << 0
                                                 << "tracks.mkv → tracks 1.mkv: Converted\n1 file converted\n"
                                                 << QStringList { "tracks 1.mkv" } << "video audio,eng audio,jpn";
        QTest::addRow("side files that aren't subtitles left out, the video converted")
            << QStringList { "--to", "mkv", "side.mp4" } << 0
            << "side.mp4 → side.mkv: Converted: side.en.srt can't be read, so it was left out.*\n1 file converted*\n"
            << QStringList { "side.mkv" } << "video";
        QTest::addRow("control characters in a name shown, not acted on")
            << QStringList { "--to", "mkv", "e\\033[2Jx.mp4" } << 0 << "e\uFFFD[2Jx.mp4 → e\uFFFD[2Jx.mkv: Converted\n1 file converted\n"
            << QStringList { "e\x1b[2Jx.mkv" } << QString();
        QTest::addRow("no audio in the languages: skipped") << QStringList { "--to", "mkv", "--audio-lang", "fr", "--if-no-audio", "skip", "tracks.mkv" } << 1
                                                            << "tracks.mkv: Skipped: no French audio\n1 failed\n"
                                                            << QStringList() << QString();
        QTest::addRow("unknown language") << QStringList { "--to", "mkv", "--lang", "en", "--audio-lang", "xx", "tracks.mkv" } << 2
                                          << "kestrune: unknown language 'xx' in --audio-lang\n"
                                          << QStringList() << QString();
        QTest::addRow("a track option without --to") << QStringList { "--sub-lang", "en", "tracks.mkv" } << 2
                                                     << "kestrune: --sub-lang works only with --to. Name the container to convert into.\n"
                                                     << QStringList() << QString();
        QTest::addRow("tracks shown, nothing written")
            << QStringList { "--to", "mp4", "--lang", "en,ja", "--show-tracks", "tracks.mkv" } << 0
            << "Keeping English and Japanese audio and subtitles, and tracks with no language; leaving out commentary.\n"
               "tracks.mkv: 2 of 4 audio · 1 of 2 subtitles · 1 side file\n"
               "  kept       0:0            video      -    mpeg4\n"
               "  kept       0:1            audio      eng  aac     [default]\n"
               "  kept       0:2            audio      jpn  aac\n"
               "  left out   0:3            audio      ger  aac     German: not in your languages\n"
               "  left out   0:4            audio      eng  aac     \"Commentary\"  Commentary\n"
               "  converted  0:5            subtitles  eng  subrip  [default]  Converted to MP4's text format\n"
               "  left out   0:6            subtitles  ger  subrip  German: not in your languages\n"
               "  added      tracks.ja.srt  subtitles  ja   subrip  Converted to MP4's text format\n"
               "  The subtitles were converted to MP4's text format.\n"
            << QStringList() << QString();
        QTest::addRow("a phone's clip shown") << QStringList { "--to", "mkv", "--show-tracks", "phone.mp4" } << 0
                                              << "Keeping every track\nphone.mp4: Every track\n"
                                                 "  kept  0:0  video  und  hevc  [default]  rotated 90°, HDR (HLG)\n  2 chapters\n"
                                                 "  MKV can't record that this video is turned 90°, so players will show it sideways.\n"
                                              << QStringList() << QString();
        QTest::addRow("dates not kept, a colon in the name")
            << QStringList { "--to", "MOV", "--no-keep-dates", "take:2.mp4" } << 0 << "take:2.mp4 → take:2.mov: Converted\n1 file converted\n"
            << QStringList { "take:2.mov" } << QString();
        QTest::addRow("tracks unreadable, a rule choosing: failed, not copied whole")
            << QStringList { "--to", "mkv", "--lang", "en", "folder/not video.mp4" } << 1
            << "not video.mp4: Failed: The tracks of not video.mp4 couldn't be read, so the tracks you chose can't be picked out.\n1 failed\n"
            << QStringList() << QString();
        QTest::addRow("failed") << QStringList { "--to", "mkv", "folder/not video.mp4" } << 1 << "not video.mp4: Failed: *\n1 failed\n"
                                << QStringList() << QString();
        QTest::addRow("mixed, a folder walked") << QStringList { "--to=ts", "--output-dir", ".", "folder" } << 1
                                                << "b.mkv → b.ts: Converted\nnot video.mp4: Failed: *\n1 file converted  ·  1 failed\n"
                                                << QStringList { "b.ts" } << QString();
        QTest::addRow("a pipe") << QStringList { "--to", "mkv", "pipe.mp4", "a.mp4" } << 1
                                << "a.mp4 → a.mkv: Converted\n1 file converted\nkestrune: */pipe.mp4 isn't a regular file, so it can't be converted.\n"
                                << QStringList { "a.mkv" } << QString();
        QTest::addRow("nothing to convert: a name missing, one not text beside its look-alike")
            << QStringList { "--to", "mkv", "missing.mp4", "x\\377.mp4" } << 1
            << "Nothing to convert\nkestrune: The name */x\uFFFD.mp4 isn't valid UTF-8, so it can't be used. Rename it and try again.\n"
               "kestrune: */missing.mp4 wasn't found, so it can't be converted.\n"
            << QStringList() << QString();
        QTest::addRow("unknown container") << QStringList { "--to", "avi", "a.mp4" } << 2
                                           << "kestrune: Unknown container \"avi\". Choose mkv, mp4, mov, webm or ts.\n"
                                           << QStringList() << QString();
        QTest::addRow("missing folder") << QStringList { "--to", "mkv", "--output-dir", "nowhere", "a.mp4" } << 2
                                        << "kestrune: The folder nowhere doesn't exist.\n"
                                        << QStringList() << QString();
        QTest::addRow("a folder's name not text") << QStringList { "--to", "mkv", "--output-dir", "folder\\377", "a.mp4" } << 2
                                                  << "kestrune: The name folder\uFFFD isn't valid UTF-8, so it can't be used. Rename it and try again.\n"
                                                  << QStringList() << QString();
        QTest::addRow("no files") << QStringList { "--to", "mkv" } << 2 << "kestrune: Name the files or folders to convert.\n" << QStringList() << QString();
    }
    void convert()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, printed);
        QFETCH(QStringList, made);
        QFETCH(QString, streams);
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
        // Beside its look-alike x\uFFFD.mp4; not listed by files(), nor removed by QTemporaryDir.
        const QByteArray notText = QFile::encodeName(dir.filePath("x")).append("\xff.mp4");
        const auto unlink = qScopeGuard([&] { ::unlink(notText.constData()); });
        QVERIFY(::link(qPrintable(dir.filePath("a.mp4")), notText.constData()) == 0);
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin" }); // no display, no session bus
        process.setWorkingDirectory(dir.path());
        // Through printf, so that an argument can hold a byte that is not text ("\377").
        process.start(
            "sh", QStringList { "-c", "for a; do shift; set -- \"$@\" \"$(printf %b \"$a\")\"; done; exec \"$0\" \"$@\"", KESTRUNE_APP_PATH } + arguments);
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
        if (!streams.isEmpty())
            QCOMPARE(run("ffprobe", { "-v", "error", "-show_entries", "stream=codec_type:stream_tags=language,title", "-of", "csv=p=0", dir.filePath(made[0]) })
                         .simplified(),
                streams + " exit 0");
        const bool datesKept = !arguments.contains("--no-keep-dates");
        for (const QString &name : made) {
            const QDateTime modified = QFileInfo(dir.filePath(name)).lastModified();
            QVERIFY2(datesKept ? modified == m_old : modified.secsTo(QDateTime::currentDateTime()) < 60, qPrintable(modified.toString()));
        }
    }

    void stopped_data()
    {
        QTest::addColumn<QList<int>>("sent"); // sent to its group in turn; none: its reader is gone
        QTest::addColumn<int>("status"); // -1: killed by the last signal, at once
        QTest::addRow("SIGTERM") << QList<int> { SIGTERM } << 128 + SIGTERM;
        QTest::addRow("SIGINT, Ctrl+C") << QList<int> { SIGINT } << 128 + SIGINT;
        QTest::addRow("output closed, as by | head") << QList<int> {} << 128 + SIGPIPE;
        QTest::addRow("Ctrl+C, then SIGTERM before the first is acted on") << QList<int> { SIGINT, SIGTERM } << -1;
    }
    // Stopped in the middle of a file, the program leaves nothing behind (ffmpeg dies with it
    // anyway), unless a second signal ends it at once.
    void stopped()
    {
        QFETCH(QList<int>, sent);
        QFETCH(int, status);
        // A copy of the program with a slow stand-in for ffmpeg beside it, found before any other.
        QTemporaryDir bin(KESTRUNE_BINARY_DIR "/terminaltest-XXXXXX"), work;
        QVERIFY(::link(KESTRUNE_APP_PATH, qPrintable(bin.filePath("kestrune"))) == 0 || QFile::copy(KESTRUNE_APP_PATH, bin.filePath("kestrune")));
        QVERIFY(QFile::copy(KESTRUNE_TEST_DATA_DIR "/slowffmpeg.sh", bin.filePath("ffmpeg")));
        QVERIFY(QFile::setPermissions(bin.filePath("ffmpeg"), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile(work.filePath("a.mp4")).open(QIODevice::WriteOnly) && QFile(work.filePath("slow.mp4")).open(QIODevice::WriteOnly));
        QProcess process;
        process.setEnvironment({ "PATH=/usr/bin:/bin" }); // no display, no session bus
        process.setChildProcessModifier([closed = sent.isEmpty()] {
            int pipe[2];
            if (::setpgid(0, 0) == 0 && closed && ::pipe(pipe) == 0)
                ::dup2(pipe[1], STDOUT_FILENO), ::close(pipe[0]);
        });
        process.start(bin.filePath("kestrune"), { "--to", "mkv", work.filePath("a.mp4"), work.filePath("slow.mp4") });
        // The slow file converts once the first one's line is out; the signals wait until its
        // stand-in runs (it has become "sleep"), in a group of its own.
        const auto slowRunning = [&bin] {
            QFile pid(bin.filePath("ffmpeg.pid")), command;
            if (pid.open(QIODevice::ReadOnly))
                command.setFileName("/proc/" + QString::fromLatin1(pid.readAll().trimmed()) + "/cmdline");
            return command.open(QIODevice::ReadOnly) && command.readAll().startsWith("sleep");
        };
        if (!sent.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(process.bytesAvailable() > 0 && slowRunning(), 10000);
        // Held still meanwhile, so that none is acted on before the last is sent.
        const auto pid = pid_t(process.processId());
        if (sent.size() > 1)
            QTRY_VERIFY(::kill(pid, SIGSTOP) == 0 && run("cat", { QStringLiteral("/proc/%1/stat").arg(pid) }).contains(") T "));
        for (const int signal : sent)
            QVERIFY(::kill(-pid, signal) == 0); // its group, as a terminal signals
        ::kill(pid, SIGCONT);
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, status);
        if (status != -1)
            QCOMPARE(files(work.path()), QStringList({ "a.mkv", "a.mp4", "slow.mp4" }));
        // The file did not fail: it was stopped.
        QCOMPARE(process.readAllStandardOutput(), sent.isEmpty() ? QByteArray() : QByteArray("a.mp4 → a.mkv: Converted\n"));
    }
};

QTEST_GUILESS_MAIN(TerminalTest)
#include "terminaltest.moc"
