#include "engine/ffmpegrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using RunError = FFmpegRunner::RunError;
using Progress = FFmpegRunner::Progress;
using OptionalError = std::optional<RunError>;

Q_DECLARE_METATYPE(OutputFormat)
Q_DECLARE_METATYPE(OptionalError)

namespace
{
// A fake "ffmpeg" that replays call N from the files callN.out (stdout), callN.err (stderr) and
// callN.code (exit status) beside it, and records its arguments, one a line, in callN.args.
const char *const replayingFake = R"(#!/bin/sh
here=$(dirname "$0")
n=1
while [ -e "$here/call$n.args" ]; do n=$((n+1)); done
printf '%s\n' "$@" > "$here/call$n.args"
[ -f "$here/call$n.out" ] && cat "$here/call$n.out"
[ -f "$here/call$n.err" ] && cat "$here/call$n.err" >&2
exit $(cat "$here/call$n.code" 2>/dev/null || echo 0)
)";

bool writeFile(const QString &path, const QByteArray &content, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.setPermissions(permissions);
}

constexpr QFile::Permissions executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QString stringOf(const OptionalError &error)
{
    return error ? error->errorDescription() : QStringLiteral("(no error)");
}
}

class FFmpegRunnerTest : public QObject
{
    Q_OBJECT

private:
    // A fresh folder holding a fake ffmpeg with the given script, and a runner that finds it.
    struct Fake {
        QTemporaryDir dir;
        std::unique_ptr<FFmpegRunner> runner;
        QString path(const QString &name) const { return dir.filePath(name); }
        QUrl executableUrl() const { return QUrl::fromLocalFile(path(QStringLiteral("ffmpeg"))); }
        int calls() const { return QDir(dir.path()).entryList({ QStringLiteral("call*.args") }).size(); }
        QStringList arguments(int call) const
        {
            QFile file(path(QStringLiteral("call%1.args").arg(call)));
            if (!file.open(QIODevice::ReadOnly)) {
                return {};
            }
            return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        }
    };
    static std::unique_ptr<Fake> makeFake(const QByteArray &script);

    struct Run {
        OptionalError error;
        QList<Progress> deliveries;
        bool allOnMainThread = true;
    };
    static Run runDirect(FFmpegRunner &runner, const QUrl &executable, std::optional<double> duration = std::nullopt);

private Q_SLOTS:
    void buildArguments_data();
    void buildArguments();
    void isDataTrackFailure_data();
    void isDataTrackFailure();
    void descriptions_data();
    void descriptions();
    void locate_data();
    void locate();
    void platformDefault();

    void retry_data();
    void retry();
    void notFoundRunsNothing();
    void killedBySignal();
    void stderrOfSeveralMegabytes();
    void stderrNotUtf8();
    void progressDeliveredPerBlockInOrder();
    void endBlockThenFailure();
    void exitWithoutTrailingLineEnd();
    void launchFailure_data();
    void launchFailure();
    void outputNotReadAsItsContainerIsNoVerdict();
    void stopRunningEndsChildAndRemovesOnlyItsOwnFile_data();
    void stopRunningEndsChildAndRemovesOnlyItsOwnFile();
};

std::unique_ptr<FFmpegRunnerTest::Fake> FFmpegRunnerTest::makeFake(const QByteArray &script)
{
    auto fake = std::make_unique<Fake>();
    if (!fake->dir.isValid() || !writeFile(fake->path(QStringLiteral("ffmpeg")), script, executable)) {
        return nullptr;
    }
    fake->runner = std::make_unique<FFmpegRunner>(FFmpegRunner::Locations { fake->dir.path(), {} });
    return fake;
}

FFmpegRunnerTest::Run FFmpegRunnerTest::runDirect(FFmpegRunner &runner, const QUrl &executable, std::optional<double> duration)
{
    Run result;
    result.error = QCoro::waitFor(runner.run(executable, {}, duration, [&result](const Progress &p) {
        result.deliveries.append(p);
        result.allOnMainThread = result.allOnMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
    }));
    return result;
}

void FFmpegRunnerTest::buildArguments_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<OutputFormat>("format");
    QTest::addColumn<bool>("drop");
    QTest::addColumn<QStringList>("expected");

    const QStringList head { "-hide_banner", "-loglevel", "error", "-nostats", "-progress", "pipe:1", "-i" };
    QTest::addRow("mkv") << "/in/a.mp4"
                         << "/out/a.mkv" << OutputFormat::mkv << false
                         << head + QStringList { "/in/a.mp4", "-map", "0", "-c", "copy", "-f", "matroska", "-y", "/out/a.mkv" };
    QTest::addRow("mp4 dropping data") << "/in/a.mov"
                                       << "/out/a.mp4" << OutputFormat::mp4 << true
                                       << head
            + QStringList { "/in/a.mov", "-map", "0", "-map", "-0:d", "-c", "copy", "-movflags", "+faststart", "-f", "mp4", "-y", "/out/a.mp4" };
    QTest::addRow("mov") << "/in/a.mkv"
                         << "/out/a.mov" << OutputFormat::mov << false
                         << head + QStringList { "/in/a.mkv", "-map", "0", "-c", "copy", "-movflags", "+faststart", "-f", "mov", "-y", "/out/a.mov" };
    QTest::addRow("webm dropping data") << "/in/a.mkv"
                                        << "/out/a.webm" << OutputFormat::webm << true
                                        << head + QStringList { "/in/a.mkv", "-map", "0", "-map", "-0:d", "-c", "copy", "-f", "webm", "-y", "/out/a.webm" };
    QTest::addRow("mpegts") << "/in/a.mkv"
                            << "/out/a.ts" << OutputFormat::mpegts << false
                            << head + QStringList { "/in/a.mkv", "-map", "0", "-c", "copy", "-f", "mpegts", "-y", "/out/a.ts" };
    QTest::addRow("blanks and non-ASCII stay one argument")
        << "/in/my holiday – Åsa.mp4"
        << "/out dir/my holiday – Åsa.mkv" << OutputFormat::mkv << false
        << head + QStringList { "/in/my holiday – Åsa.mp4", "-map", "0", "-c", "copy", "-f", "matroska", "-y", "/out dir/my holiday – Åsa.mkv" };
    QTest::addRow("percent, colon and leading dash unescaped")
        << "/in/-100% a:b.mp4"
        << "/out/-100% a:b.ts" << OutputFormat::mpegts << false
        << head + QStringList { "/in/-100% a:b.mp4", "-map", "0", "-c", "copy", "-f", "mpegts", "-y", "/out/-100% a:b.ts" };
    QTest::addRow("percent-encoded look-alike") << "/in/%20%41.mp4"
                                                << "/out/%20%41.mkv" << OutputFormat::mkv << false
                                                << head
            + QStringList { "/in/%20%41.mp4", "-map", "0", "-c", "copy", "-f", "matroska", "-y", "/out/%20%41.mkv" };
}

void FFmpegRunnerTest::buildArguments()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(OutputFormat, format);
    QFETCH(bool, drop);
    QFETCH(QStringList, expected);
    QCOMPARE(FFmpegRunner::buildArguments(QUrl::fromLocalFile(input), QUrl::fromLocalFile(output), format, drop), expected);
}

void FFmpegRunnerTest::isDataTrackFailure_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::addRow("mp4 refusing tmcd") << "[mp4 @ 0x55] Could not find tag for codec none in stream #1, codec not currently supported in container\n"
                                          "Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument\n"
                                       << true;
    QTest::addRow("matroska refusing data") << "[matroska @ 0x56] Only audio, video, and subtitles are supported for Matroska.\n"
                                               "Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument\n"
                                            << true;
    QTest::addRow("capitals") << "COULD NOT WRITE HEADER" << true;
    QTest::addRow("only the first marker") << "codec not currently supported in container" << true;
    QTest::addRow("only the third marker") << "could not find tag for codec" << true;
    QTest::addRow("unrelated failure") << "/in/a.mp4: Invalid data found when processing input\n" << false;
    QTest::addRow("marker words apart") << "could not write the header" << false;
    QTest::addRow("empty") << "" << false;
}

void FFmpegRunnerTest::isDataTrackFailure()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(FFmpegRunner::isDataTrackFailure(text), expected);
}

void FFmpegRunnerTest::descriptions_data()
{
    QTest::addColumn<OptionalError>("error");
    QTest::addColumn<QString>("expected");

    QTest::addRow("process failed keeps the trailing line feed")
        << OptionalError(RunError::processFailed(1, "moov atom not found\n")) << "ffmpeg exited 1: moov atom not found\n";
    QTest::addRow("process failed, empty stderr") << OptionalError(RunError::processFailed(234, "")) << "ffmpeg exited 234: ";
    QTest::addRow("negative status") << OptionalError(RunError::processFailed(-22, "x")) << "ffmpeg exited -22: x";
    QTest::addRow("not found") << OptionalError(RunError::ffmpegNotFound()) << "ffmpeg binary not found in app bundle.";
    QTest::addRow("one stream lost") << OptionalError(RunError::streamsNotCarried({ "subtitle (subrip)" }, "MPEG-TS"))
                                     << "MPEG-TS can't carry the subtitle (subrip) stream of this file, so the new file lacks it. Try MKV.";
    QTest::addRow("three streams lost") << OptionalError(RunError::streamsNotCarried({ "video (vp9)", "audio (opus)", "subtitle (subrip)" }, "MPEG-TS"))
                                        << "MPEG-TS can't carry the video (vp9), audio (opus) and subtitle (subrip) streams of this file, so the new "
                                           "file lacks them. Try MKV.";
    QTest::addRow("no advice to try what failed") << OptionalError(RunError::streamsNotCarried({ "audio (pcm_s16be)" }, "MKV"))
                                                  << "MKV can't carry the audio (pcm_s16be) stream of this file, so the new file lacks it.";
    QTest::addRow("platform wording passes through") << OptionalError(RunError::platformError("Permission denied")) << "Permission denied";
}

void FFmpegRunnerTest::descriptions()
{
    QFETCH(OptionalError, error);
    QFETCH(QString, expected);
    QCOMPARE(error->errorDescription(), expected);
}

void FFmpegRunnerTest::locate_data()
{
    // What lies at each place: "" nothing, "x" an executable file, "r" a file without execute
    // permission, "d" a directory, "l" a link to an executable file, "b" a dangling link.
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("expected"); // "resource", "first", "second" or "" for none

    QTest::addRow("resource wins over both fixed paths") << "x"
                                                         << "x"
                                                         << "x"
                                                         << "resource";
    QTest::addRow("resource without permission skipped") << "r"
                                                         << "x"
                                                         << "x"
                                                         << "first";
    QTest::addRow("only the first fixed path") << ""
                                               << "x"
                                               << ""
                                               << "first";
    QTest::addRow("first not executable, second is") << ""
                                                     << "r"
                                                     << "x"
                                                     << "second";
    QTest::addRow("nothing anywhere") << ""
                                      << ""
                                      << ""
                                      << "";
    QTest::addRow("nothing executable") << "r"
                                        << "r"
                                        << "r"
                                        << "";
    QTest::addRow("directories are not executables") << "d"
                                                     << "d"
                                                     << "x"
                                                     << "second";
    QTest::addRow("link to an executable is followed") << "l"
                                                       << "x"
                                                       << "x"
                                                       << "resource";
    QTest::addRow("dangling links skipped") << "b"
                                            << "b"
                                            << "x"
                                            << "second";
}

void FFmpegRunnerTest::locate()
{
    QFETCH(QString, resource);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir dir(root.path());
    QVERIFY(dir.mkpath("resources") && dir.mkpath("local/bin") && dir.mkpath("usr/bin") && dir.mkpath("target"));
    const QString target = root.filePath("target/real-ffmpeg");
    QVERIFY(writeFile(target, "#!/bin/sh\n", executable));

    const QMap<QString, QString> places {
        { "resource", root.filePath("resources/ffmpeg") },
        { "first", root.filePath("local/bin/ffmpeg") },
        { "second", root.filePath("usr/bin/ffmpeg") },
    };
    const auto put = [&](const QString &what, const QString &path) {
        if (what == "x") {
            return writeFile(path, "#!/bin/sh\n", executable);
        }
        if (what == "r") {
            return writeFile(path, "#!/bin/sh\n");
        }
        if (what == "d") {
            return QDir().mkpath(path);
        }
        if (what == "l") {
            return QFile::link(target, path);
        }
        if (what == "b") {
            return QFile::link(root.filePath("target/missing"), path);
        }
        return true;
    };
    QVERIFY(put(resource, places["resource"]));
    QVERIFY(put(first, places["first"]));
    QVERIFY(put(second, places["second"]));

    const FFmpegRunner runner(FFmpegRunner::Locations { root.filePath("resources"), { places["first"], places["second"] } });
    const auto found = runner.locateFFmpeg();
    if (expected.isEmpty()) {
        QCOMPARE(found, std::nullopt);
        QVERIFY(!runner.ffmpegAvailable());
    } else {
        QCOMPARE(found, std::optional<QUrl>(QUrl::fromLocalFile(places[expected])));
        QVERIFY(runner.ffmpegAvailable());
    }
}

void FFmpegRunnerTest::platformDefault()
{
    const auto locations = FFmpegRunner::Locations::platformDefault();
    QCOMPARE(locations.resourceDirectory, QCoreApplication::applicationDirPath());
    QCOMPARE(locations.searchPaths, (QStringList { "/usr/local/bin/ffmpeg", "/usr/bin/ffmpeg" }));
}

void FFmpegRunnerTest::retry_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QStringList>("stderrs");
    QTest::addColumn<int>("expectedCalls");
    QTest::addColumn<bool>("expectedDropped");
    QTest::addColumn<OptionalError>("expectedError");

    const QString header = "Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument\n";
    QTest::addRow("plain success") << QList<int> { 0 } << QStringList { "" } << 1 << false << OptionalError();
    QTest::addRow("exit 0 with stderr text, even a marker") << QList<int> { 0 } << QStringList { header } << 1 << false << OptionalError();
    QTest::addRow("marker in capitals retried, retry succeeds")
        << QList<int> { 1, 0 } << QStringList { "COULD NOT Write Header\n", "" } << 2 << true << OptionalError();
    QTest::addRow("tag marker retried") << QList<int> { 1, 0 } << QStringList { "Could not find tag for codec none in stream #1\n", "" } << 2 << true
                                        << OptionalError();
    QTest::addRow("container marker retried, any status")
        << QList<int> { 234, 0 } << QStringList { "codec not currently supported in container\n", "ignored\n" } << 2 << true << OptionalError();
    QTest::addRow("unrelated failure not retried") << QList<int> { 1, 0 } << QStringList { "Invalid data found when processing input\n", "" } << 1 << false
                                                   << OptionalError(RunError::processFailed(1, "Invalid data found when processing input\n"));
    QTest::addRow("retry fails too: its own code and text") << QList<int> { 1, 69 } << QStringList { header, "second attempt failed\n" } << 2 << false
                                                            << OptionalError(RunError::processFailed(69, "second attempt failed\n"));
    QTest::addRow("no third attempt") << QList<int> { 1, 1, 0 } << QStringList { header, header, "" } << 2 << false
                                      << OptionalError(RunError::processFailed(1, header));
    QTest::addRow("empty stderr") << QList<int> { 1 } << QStringList { "" } << 1 << false << OptionalError(RunError::processFailed(1, ""));
}

void FFmpegRunnerTest::retry()
{
    QFETCH(QList<int>, codes);
    QFETCH(QStringList, stderrs);
    QFETCH(int, expectedCalls);
    QFETCH(bool, expectedDropped);
    QFETCH(OptionalError, expectedError);

    const auto fake = makeFake(replayingFake);
    QVERIFY(fake);
    for (int i = 0; i < codes.size(); ++i) {
        QVERIFY(writeFile(fake->path(QStringLiteral("call%1.code").arg(i + 1)), QByteArray::number(codes[i])));
        QVERIFY(writeFile(fake->path(QStringLiteral("call%1.err").arg(i + 1)), stderrs[i].toUtf8()));
        QVERIFY(writeFile(fake->path(QStringLiteral("call%1.out").arg(i + 1)), "out_time_us=500000\nprogress=end\n"));
    }

    const QUrl input = QUrl::fromLocalFile(fake->path("in put.mov"));
    const QUrl output = QUrl::fromLocalFile(fake->path("out put.mp4"));
    int deliveries = 0;
    const auto outcome = QCoro::waitFor(fake->runner->remux(input, output, OutputFormat::mp4, [&deliveries](const Progress &) { ++deliveries; }));

    QCOMPARE(stringOf(outcome.error), stringOf(expectedError));
    QCOMPARE(outcome.error, expectedError);
    QCOMPARE(outcome.succeeded(), !expectedError.has_value());
    QCOMPARE(outcome.droppedDataTracks, expectedDropped);
    QCOMPARE(fake->calls(), expectedCalls);
    QCOMPARE(deliveries, expectedCalls);
    QCOMPARE(fake->arguments(1), FFmpegRunner::buildArguments(input, output, OutputFormat::mp4, false));
    if (expectedCalls == 2) {
        QCOMPARE(fake->arguments(2), FFmpegRunner::buildArguments(input, output, OutputFormat::mp4, true));
    }
}

void FFmpegRunnerTest::notFoundRunsNothing()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("ffmpeg"), replayingFake)); // present but not executable
    FFmpegRunner runner(FFmpegRunner::Locations { dir.path(), { dir.filePath("missing") } });
    bool progressed = false;
    const QUrl output = QUrl::fromLocalFile(dir.filePath("out.mkv"));
    const auto outcome
        = QCoro::waitFor(runner.remux(QUrl::fromLocalFile(dir.filePath("in.mp4")), output, OutputFormat::mkv, [&](const Progress &) { progressed = true; }));
    QCOMPARE(outcome.error, OptionalError(RunError::ffmpegNotFound()));
    QCOMPARE(outcome.error->errorDescription(), "ffmpeg binary not found in app bundle.");
    QVERIFY(!outcome.droppedDataTracks);
    QVERIFY(!progressed);
    QVERIFY(!QFile::exists(dir.filePath("call1.args")));
    QVERIFY(!QFile::exists(output.toLocalFile()));
}

void FFmpegRunnerTest::killedBySignal()
{
    const auto fake = makeFake("#!/bin/sh\nprintf 'about to die\\n' >&2\nprintf 'progress=continue\\n'\nkill -KILL $$\n");
    QVERIFY(fake);
    const auto result = runDirect(*fake->runner, fake->executableUrl());
    QCOMPARE(result.error, OptionalError(RunError::processFailed(9, "about to die\n")));
    QCOMPARE(result.error->errorDescription(), "ffmpeg exited 9: about to die\n");
    QCOMPARE(result.deliveries.size(), 1);
}

void FFmpegRunnerTest::stderrOfSeveralMegabytes()
{
    // Far more than a pipe holds: if stderr were only read after stdout ends, the fake would block
    // on its write and never close stdout.
    const auto fake = makeFake("#!/bin/sh\nprintf 'progress=continue\\n'\nhead -c 8388608 /dev/zero | tr '\\000' e >&2\n"
                               "printf 'progress=end\\n'\nprintf 'tail\\n' >&2\nexit 3\n");
    QVERIFY(fake);
    const auto result = runDirect(*fake->runner, fake->executableUrl());
    QVERIFY(result.error);
    QCOMPARE(result.error->errorCase(), RunError::Case::processFailed);
    QCOMPARE(result.error->exitCode(), 3);
    QCOMPARE(result.error->stderrText().size(), 8388608 + 5);
    QVERIFY(result.error->stderrText().endsWith("eeetail\n"));
    QCOMPARE(result.deliveries.size(), 2);
}

void FFmpegRunnerTest::stderrNotUtf8()
{
    const auto fake = makeFake("#!/bin/sh\nprintf 'bad \\377\\376 bytes\\n' >&2\nexit 1\n");
    QVERIFY(fake);
    const auto result = runDirect(*fake->runner, fake->executableUrl());
    QCOMPARE(result.error, OptionalError(RunError::processFailed(1, "")));
    QCOMPARE(result.error->errorDescription(), "ffmpeg exited 1: ");
}

void FFmpegRunnerTest::progressDeliveredPerBlockInOrder()
{
    // The fake waits for the handler to acknowledge each block (by creating a file) before it
    // writes the next, so blocks must reach the handler while ffmpeg still runs, one by one.
    // Line ends vary on purpose: LF, CR LF, bare CR, and a block split mid-line.
    const auto fake = makeFake(R"(#!/bin/sh
here=$(dirname "$0")
await() {
  i=0
  while [ ! -e "$here/ack$1" ]; do
    i=$((i+1)); [ $i -gt 500 ] && { echo "no ack for block $1" >&2; exit 7; }
    sleep 0.01
  done
}
printf 'frame=1\nout_time_us=1000000\nspeed=0.5x\nprogress=continue\n'
await 1
printf 'out_time_ms=2500000\r\nspeed=   1x\r\nprogress=continue\r\n'
await 2
printf 'out_time_us=N/A\rspeed=N/A\rprogr'
sleep 0.05
printf 'ess=continue\r'
await 3
printf 'out_time_us=4000000\nspeed=2e+00x\nprogress=end'
)");
    QVERIFY(fake);
    int acknowledged = 0;
    QList<Progress> deliveries;
    bool onMainThread = true;
    const auto error = QCoro::waitFor(fake->runner->run(fake->executableUrl(), {}, 4.0, [&](const Progress &p) {
        deliveries.append(p);
        onMainThread = onMainThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        writeFile(fake->path(QStringLiteral("ack%1").arg(++acknowledged)), "");
    }));
    QCOMPARE(stringOf(error), stringOf(std::nullopt));
    const QList<Progress> expected { { 0.25, 0.5 }, { 0.625, 1.0 }, { 0.625, std::nullopt }, { 1.0, 2.0 } };
    QCOMPARE(deliveries, expected);
    QVERIFY(onMainThread);
}

void FFmpegRunnerTest::endBlockThenFailure()
{
    const auto fake = makeFake("#!/bin/sh\nprintf 'out_time_us=1000000\\nprogress=end\\n'\nprintf 'Error writing trailer\\n' >&2\nexit 1\n");
    QVERIFY(fake);
    const auto result = runDirect(*fake->runner, fake->executableUrl(), 2.0);
    QCOMPARE(result.deliveries, (QList<Progress> { { 0.5, std::nullopt } }));
    QCOMPARE(result.error, OptionalError(RunError::processFailed(1, "Error writing trailer\n")));
    QVERIFY(result.allOnMainThread);
}

void FFmpegRunnerTest::exitWithoutTrailingLineEnd()
{
    // The last block's line has no terminator and the process is gone when it is read.
    const auto fake = makeFake("#!/bin/sh\nprintf 'speed=3x\\nprogress=end'\n");
    QVERIFY(fake);
    const auto result = runDirect(*fake->runner, fake->executableUrl());
    QCOMPARE(result.error, std::nullopt);
    QCOMPARE(result.deliveries, (QList<Progress> { { std::nullopt, 3.0 } }));
}

void FFmpegRunnerTest::launchFailure_data()
{
    QTest::addColumn<QString>("what");
    QTest::addRow("missing file") << "missing";
    QTest::addRow("not executable") << "plain";
    QTest::addRow("a directory") << "directory";
}

void FFmpegRunnerTest::launchFailure()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("plain"), replayingFake));
    QVERIFY(QDir(dir.path()).mkdir("directory"));
    FFmpegRunner runner(FFmpegRunner::Locations { dir.path(), {} });

    const auto result = runDirect(runner, QUrl::fromLocalFile(dir.filePath(what)));
    QVERIFY(result.error);
    QCOMPARE(result.error->errorCase(), RunError::Case::platformError);
    QVERIFY(!result.error->errorDescription().isEmpty());
    QVERIFY(result.deliveries.isEmpty());
}

// Writes something that is not media where the output should go, and reports success.
static const char *const textWritingFake = R"(#!/bin/sh
for last; do :; done
printf 'not a video, just text that some demuxer might still claim\n' > "$last"
printf 'progress=end\n'
)";

void FFmpegRunnerTest::outputNotReadAsItsContainerIsNoVerdict()
{
    const auto fake = makeFake(textWritingFake);
    QVERIFY(fake);
    const QString source = fake->path(QStringLiteral("in.mp4"));
    QProcess make;
    make.start(QStringLiteral("ffmpeg"),
        { "-hide_banner", "-loglevel", "error", "-f", "lavfi", "-i", "testsrc2=size=64x64:rate=10:duration=0.3", "-c:v", "mpeg4", "-y", source });
    QVERIFY(make.waitForFinished(30000) && make.exitCode() == 0);

    for (const OutputFormat format : OutputFormats::allCases()) {
        const QString output = fake->path(QStringLiteral("out.") + OutputFormats::fileExtension(format));
        const auto outcome = QCoro::waitFor(fake->runner->remux(QUrl::fromLocalFile(source), QUrl::fromLocalFile(output), format, {}));
        QVERIFY2(outcome.succeeded(), qPrintable(stringOf(outcome.error)));
    }
}

// Writes part of its output, reports once, then keeps going until it is stopped.
static const char *const endlessFake = R"(#!/bin/sh
for last; do :; done
printf 'partial' > "$last"
printf 'out_time_us=1000\nprogress=continue\n'
exec sleep 60
)";

void FFmpegRunnerTest::stopRunningEndsChildAndRemovesOnlyItsOwnFile_data()
{
    QTest::addColumn<bool>("outputExistedBefore");
    QTest::addRow("fresh name: the partial file goes") << false;
    QTest::addRow("name already taken: the file stays") << true;
}

void FFmpegRunnerTest::stopRunningEndsChildAndRemovesOnlyItsOwnFile()
{
    QFETCH(bool, outputExistedBefore);
    const auto fake = makeFake(endlessFake);
    QVERIFY(fake);
    const QString source = fake->path(QStringLiteral("in.mov"));
    const QString output = fake->path(QStringLiteral("out.mkv"));
    QVERIFY(writeFile(source, "source bytes"));
    if (outputExistedBefore) {
        QVERIFY(writeFile(output, "the user's file"));
    }

    int deliveries = 0;
    auto task = fake->runner->remux(QUrl::fromLocalFile(source), QUrl::fromLocalFile(output), OutputFormat::mkv, [&](const Progress &) { ++deliveries; });
    // The child is under way once it has reported.
    QTRY_COMPARE_WITH_TIMEOUT(deliveries, 1, 10000);

    fake->runner->stopRunning(std::chrono::seconds(5));
    const auto outcome = QCoro::waitFor(std::move(task));

    QVERIFY(!outcome.succeeded());
    QCOMPARE(outcome.error->errorCase(), RunError::Case::processFailed);
    QCOMPARE(QFile::exists(output), outputExistedBefore);
    QFile kept(source);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("source bytes"));
}

QTEST_GUILESS_MAIN(FFmpegRunnerTest)
#include "ffmpegrunnertest.moc"
