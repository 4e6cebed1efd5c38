// The engine with a fake ffmpeg: a shell script that records its arguments and behaves as each
// row says. Real files come only where the checks after a run need them.
#include "engine/diskcall.h"
#include "engine/outputcommit.h"
#include "engine/remuxchecks.h"
#include "remuxwait.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

Q_DECLARE_METATYPE(OutputFormat)

namespace
{
// $n is the call's number, $out the path ffmpeg is told to write.
const QByteArray prelude = R"(#!/bin/sh
here=$(dirname "$0"); n=1
while [ -e "$here/call$n.args" ]; do n=$((n+1)); done
printf '%s\n' "$@" > "$here/call$n.args"; echo $$ > "$here/pid"
for out; do :; done
printf 'out_time_us=500000\nprogress=continue\n'
)";
constexpr QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QByteArray sourceBytes = "source bytes";
}

class FFmpegRunnerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_bin; // the fake
    std::unique_ptr<QTemporaryDir> m_dir; // input and outputs, fresh per row
    QTemporaryDir m_clipDir;
    QString m_media; // a real clip, when ffmpeg is installed
    QStringList arguments(int call) const { return QString::fromUtf8(readFile(m_bin.filePath(u"call%1.args"_qs.arg(call)))).split(u'\n', Qt::SkipEmptyParts); }
    int calls() const { return QDir(m_bin.path()).entryList({ QStringLiteral("call*.args") }).size(); }
    bool useFake(const QByteArray &body)
    {
        for (const QString &name : QDir(m_bin.path()).entryList(QDir::Files))
            QFile::remove(m_bin.filePath(name));
        m_dir = std::make_unique<QTemporaryDir>();
        return m_dir->isValid() && writeFile(m_bin.filePath(QStringLiteral("ffmpeg")), prelude + body + "\ntrue\n", executable);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_bin.isValid());
        m_media = m_clipDir.filePath("clip.mp4");
        QProcess::execute(
            QStringLiteral("ffmpeg"), { "-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=size=64x48:duration=0.3", "-c:v", "mpeg4", m_media });
    }

    void locate_data()
    {
        // At the resource folder, the first and the second fixed path: "x" an executable file, "r" one
        // without permission, "d" a directory, "l" a link to an executable, "b" a dangling link, "-" nothing.
        QTest::addColumn<QString>("places");
        QTest::addColumn<int>("expected"); // which place is found; -1 none
        QTest::addRow("resource wins") << "xxx" << 0;
        QTest::addRow("resource without permission skipped") << "rxx" << 1;
        QTest::addRow("second when the first is not executable") << "-rx" << 2;
        QTest::addRow("nothing executable") << "rr-" << -1;
        QTest::addRow("directories are not executables") << "ddx" << 2;
        QTest::addRow("links followed, dangling ones skipped") << "lxx" << 0;
        QTest::addRow("dangling links skipped") << "bbx" << 2;
    }
    void locate()
    {
        QFETCH(QString, places);
        QFETCH(int, expected);
        QTemporaryDir root;
        const QString target = root.filePath("real");
        QVERIFY(writeFile(target, "#!/bin/sh\n", executable));
        const QStringList paths { root.filePath("res/ffmpeg"), root.filePath("a/ffmpeg"), root.filePath("b/ffmpeg") };
        for (int i = 0; i < 3; ++i) {
            QVERIFY(QDir().mkpath(QFileInfo(paths[i]).path()));
            const QChar what = places[i];
            QVERIFY(what == u'-' || (what == u'x' && writeFile(paths[i], "#!/bin/sh\n", executable)) || (what == u'r' && writeFile(paths[i], "#!/bin/sh\n"))
                || (what == u'd' && QDir().mkpath(paths[i])) || (what == u'l' && QFile::link(target, paths[i]))
                || (what == u'b' && QFile::link(root.filePath("gone"), paths[i])));
        }
        const FFmpegRunner runner({ root.filePath("res"), { paths[1], paths[2] } });
        QCOMPARE(runner.locateFFmpeg(), expected < 0 ? std::nullopt : std::optional(QUrl::fromLocalFile(paths[expected])));
        QCOMPARE(runner.ffmpegAvailable(), expected >= 0);
        QCOMPARE(FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths, (QStringList { "/usr/local/bin/ffmpeg", "/usr/bin/ffmpeg" }));
    }

    // Streams: "v" video, "p" cover art, "d" data, "t" an attachment, "?" unknown; an attempt: "d"
    // leaving out data, "t" attachments, "g" generating timestamps, digits the streams left out.
    void retryPolicy_data()
    {
        QTest::addColumn<QString>("streams");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("next"); // "none": no further attempt
        QTest::addColumn<bool>("dropsData");
        const auto row = [](const char *name, const char *streams, const char *last, int attempts, const char *error, const char *next, bool drops = false) {
            QTest::addRow("%s", name) << streams << last << attempts << error << next << drops;
        };
        row("marker in capitals, streams unknown", "?", "", 1, "COULD NOT Write Header", "d", true);
        row("a data stream refused", "vd", "", 1, "Could not find tag for codec x", "d", true);
        row("cover art and a font refused", "vpt", "", 1, "codec not currently supported in container", "dt1");
        row("nothing else explains the retry", "v", "", 1, "could not write header", "d", true);
        row("cover art left out once", "vp", "1", 1, "could not write header", "d1");
        row("missing timestamps", "v", "", 1, "[mp4 @ 0x5] first pts and dts value must be set", "g");
        row("timestamps after leaving out keep both", "vd", "d", 2, "Timestamps are unset", "dg");
        row("one retry per cause: data", "vd", "d", 2, "not currently supported in container", "none");
        row("one retry per cause: timestamps", "v", "g", 2, "unknown timestamp", "none");
        row("three attempts at most", "v", "d", 3, "unknown timestamp", "none");
        row("unrelated failure", "v", "", 1, "Invalid data found when processing input", "none");
    }
    void retryPolicy()
    {
        QFETCH(QString, streams);
        QFETCH(QString, last);
        QFETCH(int, attempts);
        QFETCH(QString, error);
        QFETCH(QString, next);
        QFETCH(bool, dropsData);
        std::optional<MediaProbe::Info> info;
        if (streams != "?") {
            info.emplace();
            for (int i = 0; i < streams.size(); ++i) {
                const auto kind = QString("vapdt").indexOf(streams[i]);
                info->streams.append({ std::array { MediaProbe::StreamKind::video, MediaProbe::StreamKind::audio, MediaProbe::StreamKind::video,
                                           MediaProbe::StreamKind::data, MediaProbe::StreamKind::attachment }[kind],
                    "c", i, streams[i] == u'p' });
            }
        }
        const auto decode = [](const QString &code) {
            RemuxAttempt attempt { code.contains(u'd'), {}, code.contains(u't'), code.contains(u'g') };
            for (const QChar c : code)
                if (c.isDigit())
                    attempt.leftOutIndexes << c.digitValue();
            return attempt;
        };
        const auto decided = RetryPolicy::next(error, info, decode(last), attempts);
        QCOMPARE(decided.has_value(), next != "none");
        if (decided) {
            QCOMPARE(decided->attempt, decode(next));
            QCOMPARE(decided->dropsDataTracks, dropsData);
            QCOMPARE(decided->warning.isEmpty(), !decided->attempt.generateTimestamps || last.contains(u'g'));
        }
    }

    void remux_data()
    {
        QTest::addColumn<QByteArray>("body"); // the fake's behaviour
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("vectors"); // per call: "" plain, "d" leaving out, "g" timestamps
        QTest::addColumn<QString>("finalName"); // "" when the remux fails
        QTest::addColumn<QString>("text"); // the notes, or the error's description
        const auto row = [](const char *name, const QByteArray &body, const QString &setup, const QStringList &vectors, const QString &finalName,
                             const QString &text) { QTest::addRow("%s", name) << body << setup << vectors << finalName << text; };
        const QByteArray mark = "[ $n = 1 ] && { echo 'COULD NOT Write Header' >&2; exit 1; }";
        const QString lacks = "The source lacks timestamps, so new ones were generated.";
        row("exit 0 with a marker", "echo 'could not write header' >&2", "", { "" }, "in.mkv", "");
        row("both causes: three attempts", mark + "\n[ $n = 2 ] && { echo 'Timestamps are unset' >&2; exit 1; }", "", { "", "d", "dg" }, "in.mkv", lacks);
        row("the retry's own status and text", mark + "\necho second >&2; exit 69", "", { "", "d" }, "", "ffmpeg exited 69: second");
        row("unrelated failure, partial output", "echo partial > \"$out\"; echo 'Invalid data' >&2; exit 1", "", { "" }, "", "ffmpeg exited 1: Invalid data");
        row("error text not UTF-8", "printf 'bad \\377\\n' >&2; exit 1", "", { "" }, "", "ffmpeg exited 1: ");
        row("megabytes of error text: the last 64 KiB", "head -c 4194304 /dev/zero | tr '\\000' e >&2; exit 3", "", { "" }, "",
            "ffmpeg exited 3: " + QString(65536, u'e'));
        // A tiny WAV: it opens, but as another container than the one written.
        row("output read back as another format is no verdict",
            R"(printf 'RIFF\054\0\0\0WAVEfmt \020\0\0\0\001\0\001\0\100\037\0\0\100\037\0\0\001\0\010\0data\010\0\0\0\200\200\200\200\200\200\200\200' > "$out")",
            "media", { "" }, "in.mkv", "");
        row("name taken during the probe", {}, "probe", { "" }, "in 1.mkv", "");
        row("name taken during the run", {}, "run", { "" }, "in 1.mkv", "");
        row("a pipe named like a clip", {}, "fifo", {}, "", "in.mov isn't a regular file, so it can't be converted.");
        row("name not valid UTF-8, a look-alike exists", {}, "not-utf8", {}, "",
            "This file's name is not valid UTF-8, so it can't be handed to ffmpeg. Rename it and add it again.");
        row("no ffmpeg", {}, "no-ffmpeg", {}, "", "ffmpeg wasn't found. Install the ffmpeg package and try again.");
    }
    void remux()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, setup);
        QFETCH(QStringList, vectors);
        QFETCH(QString, finalName);
        QFETCH(QString, text);
        QVERIFY(useFake(body));
        const QString input = m_dir->filePath("in.mov");
        const QString taken = m_dir->filePath("in.mkv");
        QUrl inputUrl = QUrl::fromLocalFile(input);
        if (setup == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
        else
            QVERIFY2(setup == "media" ? QFile::copy(m_media, input) : writeFile(input, sourceBytes), "no ffmpeg to make a clip");
        if (setup == "not-utf8") {
            inputUrl = QUrl(QUrl::fromLocalFile(m_dir->path()).toString() + "/in%FF.mov");
            QVERIFY(writeFile(inputUrl.toLocalFile(), sourceBytes)); // the name U+FFFD stands for
        }
        if (setup == "no-ffmpeg")
            QVERIFY(QFile::setPermissions(m_bin.filePath("ffmpeg"), QFile::ReadOwner));
        FFmpegRunner runner({ m_bin.path(), {} });
        runner.setProbeWatch(std::chrono::seconds(10), [&](MediaProbe::Control &) { setup == "probe" && writeFile(taken, "the user's"); });
        int deliveries = 0, savings = 0;
        bool onMainThread = true;
        const auto outcome = finishWithin(runner.remux(inputUrl, QUrl::fromLocalFile(taken), OutputFormat::mkv,
                                              [&](const FFmpegRunner::Progress &p) {
                                                  if (p.saving)
                                                      return void(++savings);
                                                  onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
                                                  ++deliveries == 1 && setup == "run" && writeFile(taken, "the user's");
                                              }),
            20000);
        QVERIFY2(outcome, "remux hung");
        QCOMPARE(describe(outcome->error), finalName.isEmpty() ? text : QString());
        QCOMPARE((outcome->notes + outcome->warnings).join(u' '), finalName.isEmpty() ? QString() : text);
        QCOMPARE(calls(), vectors.size());
        QCOMPARE(deliveries, vectors.size());
        QCOMPARE(savings, outcome->succeeded() ? 1 : 0); // told once the file is being saved, and only then
        QVERIFY(onMainThread);
        QCOMPARE(outcome->droppedDataTracks, !finalName.isEmpty() && vectors.contains("d")); // the fake's input has unknown streams
        const auto source = setup == "media" ? MediaProbe::probeFile(input) : std::nullopt; // a real clip gets a plan
        for (int call = 1; call <= vectors.size(); ++call) {
            QStringList vector = arguments(call);
            QVERIFY2(vector.size() > 1 && OutputCommit::isTemporaryName(QFileInfo(vector.takeLast()).fileName()), qPrintable(vector.join(u' ')));
            const QString r = vectors[call - 1];
            QCOMPARE(vector,
                FFmpegRunner::buildArguments(inputUrl, {}, OutputFormat::mkv, { r.contains(u'd'), {}, false, r.contains(u'g') },
                    source ? std::optional(TrackPlan::make(*source, OutputFormat::mkv)) : std::nullopt)
                    .mid(0, vector.size()));
        }
        QCOMPARE(outcome->output, finalName.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_dir->filePath(finalName)));
        QStringList expectedFiles { "in.mov", finalName };
        if (setup == "probe" || setup == "run") {
            QCOMPARE(readFile(taken), QByteArray("the user's"));
            expectedFiles << "in.mkv";
        } else if (setup == "not-utf8")
            expectedFiles << inputUrl.fileName();
        QCOMPARE(leftovers(m_dir->path(), expectedFiles), QStringList());
        if (setup.isEmpty())
            QCOMPARE(readFile(input), sourceBytes);
    }

    // Stop, quit (the runner destroyed) and a stalled source, at the probe and while ffmpeg runs:
    // the remux ends at once and leaves nothing behind.
    void stop_data()
    {
        QTest::addColumn<QString>("when"); // then how: stop, destroy, or wait for the stall limit
        QTest::addColumn<QString>("expected");
        const QString stopped = "Stopped.";
        QTest::addRow("Stop while ffmpeg runs") << QString("run stop") << stopped;
        QTest::addRow("quit while ffmpeg runs") << QString("run destroy") << stopped;
        QTest::addRow("Stop during the probe") << QString("probe stop") << stopped;
        const QString stalled = "in.mov stopped answering while it was read, so it was skipped. Check that its drive or share is still there.";
        QTest::addRow("a source that never answers") << QString("probe wait") << stalled;
        QTest::addRow("ffmpeg that never answers") << QString("run wait") << stalled;
        QTest::addRow("a disk that never answers") << QString("disk wait") << stalled;
    }
    void stop()
    {
        QFETCH(QString, when);
        const QString how = when.section(u' ', 1);
        when = when.section(u' ', 0, 0);
        QFETCH(QString, expected);
        // ffmpeg that writes part of its output, reports once and then never ends by itself, in a
        // child of its own, as a wrapper script that doesn't exec the real one.
        QVERIFY(useFake("echo partial > \"$out\"; sleep 60 & echo $! > \"$here/child\"; wait"));
        QVERIFY(writeFile(m_dir->filePath("in.mov"), sourceBytes));
        // A call that never returns holds the thread of the folder's mount.
        const auto held = std::make_shared<QSemaphore>();
        const auto release = qScopeGuard([held] { held->release(); });
        if (when == "disk")
            (void)DiskCall::run(m_dir->path(), [held] { held->acquire(); });
        auto runner = std::make_unique<FFmpegRunner>(FFmpegRunner::Locations { m_bin.path(), {} });
        auto probing = std::make_shared<std::atomic<bool>>(false);
        runner->setProbeWatch(std::chrono::milliseconds(how == "wait" ? 500 : 60000), [when, probing](MediaProbe::Control &control) {
            *probing = true;
            for (int i = 0; when == "probe" && !control.stop && i < 2000; ++i)
                QThread::msleep(5);
        });
        bool reported = false;
        auto task = runner->remux(QUrl::fromLocalFile(m_dir->filePath("in.mov")), QUrl::fromLocalFile(m_dir->filePath("in.mkv")), OutputFormat::mkv,
            [&reported](const FFmpegRunner::Progress &) { reported = true; });
        QTRY_VERIFY_WITH_TIMEOUT(when == "run" ? reported : when == "disk" || probing->load(), 10000);
        if (how == "stop")
            runner->stopRunning();
        if (how == "destroy")
            runner.reset();
        const auto outcome = finishWithin(std::move(task), 5000);
        QVERIFY2(outcome, "remux hung after it was stopped");
        QCOMPARE(describe(outcome->error), expected);
        QCOMPARE(leftovers(m_dir->path(), { "in.mov" }), QStringList());
        // Dead, or a zombie: an orphan waits for whoever adopted it to reap it, which may take a
        // while on a busy machine, but it runs no more.
        const auto ended = [](pid_t pid) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
        };
        for (const QString &process : when == "run" ? QStringList { "pid", "child" } : QStringList()) {
            const pid_t pid = readFile(m_bin.filePath(process)).trimmed().toInt();
            QTRY_VERIFY2_WITH_TIMEOUT(pid > 0 && ended(pid), qPrintable(process + " still runs"), 5000);
        }
    }

    // A sweep removes only temporaries nobody holds: not a live one, nor anything merely like one.
    void sweep()
    {
        QTemporaryDir dir;
        int error = 0;
        const auto live = OutputCommit::createTemporary(dir.path(), &error);
        QVERIFY(live && OutputCommit::isTemporaryName(QFileInfo(live->path).fileName()));
        const QStringList users { ".kestrune-0123abc.part", "kestrune-0123abcd.part", ".kestrune-0123abcd.part.mkv", ".kestrune-0123ABCD.part", "target" };
        for (const QString &name : users + QStringList { ".kestrune-0123abcd.part" })
            QVERIFY(writeFile(dir.filePath(name), "bytes"));
        QVERIFY(QFile::link(dir.filePath("target"), dir.filePath(".kestrune-linklink.part")));
        QCOMPARE(OutputCommit::sweep(dir.path()), 1);
        QCOMPARE(leftovers(dir.path(), users + QStringList { QFileInfo(live->path).fileName(), ".kestrune-linklink.part" }), QStringList());
        QCOMPARE(readFile(dir.filePath("target")), QByteArray("bytes"));
        OutputCommit::discard(*live);
        QCOMPARE(OutputCommit::sweep(dir.path()), 0);
    }
};

QTEST_GUILESS_MAIN(FFmpegRunnerTest)
#include "ffmpegrunnertest.moc"
