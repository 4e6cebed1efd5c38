// End to end: the real ffmpeg on small media made at test time. A wrapper script stands in for
// ffmpeg only to record each call's arguments before it execs the real program.
#include "engine/ffmpegrunner.h"
#include "engine/mediaprobe.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using RunError = FFmpegRunner::RunError;
using Stream = MediaProbe::Stream;
using Kind = MediaProbe::StreamKind;

Q_DECLARE_METATYPE(OutputFormat)

namespace
{
QByteArray sha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

// The MP4 muxer stores MPEG audio without its layer, so layer II reads back as "mp3".
QString comparableCodec(const QString &codec)
{
    return codec == QLatin1String("mp2") ? QStringLiteral("mp3") : codec;
}

// "kind codec" for every video, audio and subtitle stream; data streams only as a count.
QStringList mediaStreams(const MediaProbe::Info &info)
{
    QStringList list;
    for (const Stream &stream : info.streams) {
        if (stream.kind != Kind::data) {
            list << MediaProbe::kindName(stream.kind) + u' ' + comparableCodec(stream.codecName);
        }
    }
    return list;
}

// QVERIFY2 builds its message even when the check holds, so it must not touch an absent error.
QString describe(const FFmpegRunner::RemuxOutcome &outcome)
{
    return outcome.error ? outcome.error->errorDescription() : QStringLiteral("succeeded");
}

qsizetype dataStreams(const MediaProbe::Info &info)
{
    return std::count_if(info.streams.cbegin(), info.streams.cend(), [](const Stream &s) { return s.kind == Kind::data; });
}
}

class RemuxTest : public QObject
{
    Q_OBJECT

private:
    bool generate(const QString &name, const QStringList &arguments);
    QString media(const QString &name) const { return m_media.filePath(name); }
    // Remuxes through the recording wrapper; calls are counted in a fresh folder per remux.
    FFmpegRunner::RemuxOutcome remux(const QString &input, const QString &output, OutputFormat format);
    QList<FFmpegRunner::Progress> m_deliveries; // of the latest remux()
    int calls() const { return QDir(m_work->path()).entryList({ QStringLiteral("call*.args") }).size(); }
    QStringList arguments(int call) const;

    QString m_ffmpeg;
    QTemporaryDir m_media;
    QTemporaryDir m_wrapperDir;
    std::unique_ptr<QTemporaryDir> m_work; // fresh for every test function and row
    std::unique_ptr<FFmpegRunner> m_runner;

private Q_SLOTS:
    void initTestCase();
    void init();

    void containers_data();
    void containers();
    void oddPaths_data();
    void oddPaths();
    void badInput_data();
    void badInput();
    void probe_data();
    void probe();
};

bool RemuxTest::generate(const QString &name, const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(m_ffmpeg, QStringList { "-hide_banner", "-loglevel", "error", "-nostdin", "-y" } + arguments + QStringList { media(name) });
    const bool ok = ffmpeg.waitForFinished(60'000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
    if (!ok) {
        qWarning().noquote() << name << ffmpeg.readAllStandardError();
    }
    return ok;
}

void RemuxTest::initTestCase()
{
    const auto installed = FFmpegRunner(FFmpegRunner::Locations { QString(), FFmpegRunner::Locations::platformDefault().searchPaths }).locateFFmpeg();
    if (!installed) {
        QSKIP("no ffmpeg installed at the fixed paths");
    }
    m_ffmpeg = installed->toLocalFile();
    QVERIFY(m_media.isValid() && m_wrapperDir.isValid());

    const QString wrapper = m_wrapperDir.filePath("ffmpeg");
    QFile script(wrapper);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n"
                                "n=1\n"
                                "while [ -e \"$KESTRUNE_CALL_LOG/call$n.args\" ]; do n=$((n+1)); done\n"
                                "printf '%s\\n' \"$@\" > \"$KESTRUNE_CALL_LOG/call$n.args\"\n"
                                "exec '%1' \"$@\"\n")
                     .arg(m_ffmpeg)
                     .toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_runner = std::make_unique<FFmpegRunner>(FFmpegRunner::Locations { m_wrapperDir.path(), {} });

    // One second, 64x48: big enough to have real streams, small enough to keep the suite fast.
    const QStringList video { "-f", "lavfi", "-i", "testsrc=size=64x48:rate=10:duration=1" };
    const QStringList audio { "-f", "lavfi", "-i", "sine=duration=1:sample_rate=48000" };
    const QStringList h264 { "-c:v", "libx264", "-preset", "ultrafast" };
    QFile srt(media("subtitles.srt"));
    QVERIFY(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,000 --> 00:00:00,800\nHello\n\n");
    srt.close();

    QVERIFY(generate("h264-aac.mp4", video + audio + h264 + QStringList { "-c:a", "aac", "-shortest" }));
    QVERIFY(generate("timecode.mov", video + h264 + QStringList { "-timecode", "01:00:00:00" }));
    QVERIFY(generate("timecode.mp4", video + h264 + QStringList { "-timecode", "01:00:00:00" }));
    QVERIFY(generate("subtitles.mkv", video + QStringList { "-i", media("subtitles.srt") } + h264 + QStringList { "-c:s", "srt" }));
    QVERIFY(generate("mpeg2.mpg", video + audio + QStringList { "-c:v", "mpeg2video", "-c:a", "mp2", "-shortest", "-f", "mpeg" }));
    QVERIFY(generate("vp9.webm", video + QStringList { "-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8" }));
    QVERIFY(generate("no-frames.mkv", QStringList { "-f", "lavfi", "-i", "testsrc=size=64x48:rate=10", "-frames:v", "0" } + h264));
}

void RemuxTest::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    qputenv("KESTRUNE_CALL_LOG", QFile::encodeName(m_work->path()));
}

FFmpegRunner::RemuxOutcome RemuxTest::remux(const QString &input, const QString &output, OutputFormat format)
{
    m_deliveries.clear();
    return QCoro::waitFor(
        m_runner->remux(QUrl::fromLocalFile(input), QUrl::fromLocalFile(output), format, [this](const FFmpegRunner::Progress &p) { m_deliveries.append(p); }));
}

QStringList RemuxTest::arguments(int call) const
{
    QFile file(m_work->filePath(QStringLiteral("call%1.args").arg(call)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void RemuxTest::containers_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<OutputFormat>("format");
    // "same": same streams and duration; "dropped": the same without the source's data streams,
    // on the second call; "refused": ffmpeg's failure after one retry; "failed": ffmpeg's failure with no
    // retry; "lost": exit 0 but streams missing, named in `detail`.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("detail"); // a piece of ffmpeg's text, or the lost streams

    const QString webmOnly = "Only VP8 or VP9 or AV1 video and Vorbis or Opus audio and WebVTT subtitles are supported for WebM.";
    const struct {
        const char *source;
        std::array<std::pair<const char *, const char *>, 5> outcomes; // mkv, mp4, mov, webm, mpegts
    } matrix[] = {
        { "h264-aac.mp4", { { { "same", "" }, { "same", "" }, { "same", "" }, { "refused", "webm" }, { "same", "" } } } },
        { "timecode.mov", { { { "dropped", "" }, { "dropped", "new tmcd" }, { "same", "" }, { "refused", "webm" }, { "same", "" } } } },
        { "timecode.mp4", { { { "dropped", "" }, { "dropped", "new tmcd" }, { "same", "" }, { "refused", "webm" }, { "same", "" } } } },
        { "subtitles.mkv",
            { { { "same", "" }, { "refused", "Could not find tag for codec subrip" }, { "refused", "Could not find tag for codec subrip" },
                { "refused", "webm" }, { "lost", "subtitle (subrip)" } } } },
        { "mpeg2.mpg",
            { { { "failed", "Can't write packet with unknown timestamp" }, { "same", "" }, { "same", "" }, { "refused", "webm" }, { "same", "" } } } },
        { "vp9.webm", { { { "same", "" }, { "same", "" }, { "refused", "vp9 only supported in MP4" }, { "same", "" }, { "lost", "video (vp9)" } } } },
    };
    for (const auto &row : matrix) {
        for (int i = 0; i < 5; ++i) {
            const OutputFormat format = OutputFormats::allCases().at(i);
            const QString detail = QString::fromUtf8(row.outcomes[i].second);
            QTest::addRow("%s to %s", row.source, qPrintable(OutputFormats::rawValue(format)))
                << QString::fromUtf8(row.source) << format << QString::fromUtf8(row.outcomes[i].first) << (detail == "webm" ? webmOnly : detail);
        }
    }
}

void RemuxTest::containers()
{
    QFETCH(QString, source);
    QFETCH(OutputFormat, format);
    QFETCH(QString, expected);
    QFETCH(QString, detail);

    const QString input = media(source);
    const QString output = m_work->filePath("output." + OutputFormats::fileExtension(format));
    const QByteArray before = sha256(input);
    const auto outcome = remux(input, output, format);
    QCOMPARE(sha256(input), before);

    const bool retried = expected == "dropped" || expected == "refused";
    QCOMPARE(calls(), retried ? 2 : 1);
    if (retried) {
        QVERIFY(arguments(2).contains("-0:d"));
    }

    if (expected == "same" || expected == "dropped") {
        QVERIFY2(outcome.succeeded(), qPrintable(describe(outcome)));
        QCOMPARE(outcome.droppedDataTracks, expected == "dropped");
        const auto in = MediaProbe::probeFile(input);
        const auto out = MediaProbe::probeFile(output);
        QVERIFY(in && out);
        QCOMPARE(mediaStreams(*out), mediaStreams(*in));
        // Without the source's timecode track the MP4 muxer writes a fresh one from the video
        // stream's timecode tag; every other container leaves the data streams out.
        QCOMPARE(dataStreams(*out), expected == "dropped" ? (detail == "new tmcd" ? 1 : 0) : dataStreams(*in));
        QVERIFY(in->duration && out->duration);
        QVERIFY2(std::abs(*out->duration - *in->duration) <= 0.1, qPrintable(QStringLiteral("%1 vs %2").arg(*out->duration).arg(*in->duration)));
        // ffmpeg's last block reports the whole input written.
        QVERIFY(!m_deliveries.isEmpty());
        QVERIFY(m_deliveries.last().fraction);
        QVERIFY2(*m_deliveries.last().fraction >= 0.9, qPrintable(QString::number(*m_deliveries.last().fraction)));
    } else if (expected == "lost") {
        QVERIFY(outcome.error);
        QCOMPARE(outcome.error->errorCase(), RunError::Case::streamsNotCarried);
        QCOMPARE(outcome.error->lostStreams(), QStringList { detail });
        QVERIFY(outcome.error->errorDescription().contains(detail));
        QVERIFY(QFile::exists(output)); // left where ffmpeg wrote it, as for every failure
    } else {
        QVERIFY(outcome.error);
        QCOMPARE(outcome.error->errorCase(), RunError::Case::processFailed);
        QVERIFY(outcome.error->exitCode() != 0);
        QVERIFY2(outcome.error->stderrText().contains(detail), qPrintable(outcome.error->stderrText()));
        QCOMPARE(outcome.error->errorDescription(), QStringLiteral("ffmpeg exited %1: ").arg(outcome.error->exitCode()) + outcome.error->stderrText());
    }
}

void RemuxTest::oddPaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("blanks") << "my  holiday clip .mp4";
    QTest::addRow("non-ASCII") << "Ünïcødé – 日本語.mp4";
    QTest::addRow("leading dash") << "-i -y.mp4";
    QTest::addRow("percent") << "100% %20done%.mp4";
    QTest::addRow("colons") << "file:a:b.mp4";
}

void RemuxTest::oddPaths()
{
    QFETCH(QString, name);
    if (m_ffmpeg.isEmpty()) {
        QSKIP("no ffmpeg");
    }
    QDir folder(m_work->filePath("odd folder ä %41 -x"));
    QVERIFY(folder.mkpath("."));
    const QString input = folder.filePath(name);
    QVERIFY(QFile::copy(media("h264-aac.mp4"), input));
    const QString output = folder.filePath("out " + name + ".mkv");
    const QByteArray before = sha256(input);

    const auto outcome = remux(input, output, OutputFormat::mkv);
    QVERIFY2(outcome.succeeded(), qPrintable(describe(outcome)));
    QCOMPARE(sha256(input), before);
    const QStringList args = arguments(1);
    QCOMPARE(args.value(args.indexOf("-i") + 1), input);
    QCOMPARE(args.last(), output);
    const auto out = MediaProbe::probeFile(output);
    QVERIFY(out);
    QCOMPARE(mediaStreams(*out), (QStringList { "video h264", "audio aac" }));
}

void RemuxTest::badInput_data()
{
    QTest::addColumn<QString>("what");
    QTest::addRow("empty file") << "empty";
    QTest::addRow("truncated file") << "truncated";
    QTest::addRow("text named .mp4") << "text";
    QTest::addRow("directory named x.mp4") << "directory";
    QTest::addRow("file deleted before its turn") << "missing";
    QTest::addRow("output folder missing") << "no-folder";
    QTest::addRow("output folder is a file") << "file-folder";
    QTest::addRow("output folder read-only") << "read-only";
}

void RemuxTest::badInput()
{
    QFETCH(QString, what);
    if (m_ffmpeg.isEmpty()) {
        QSKIP("no ffmpeg");
    }
    QString input = m_work->filePath("x.mp4");
    QString output = m_work->filePath("x.mkv");
    QFile good(media("h264-aac.mp4"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = good.readAll();
    const auto put = [&](const QByteArray &bytes) {
        QFile file(input);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };

    if (what == "empty") {
        QVERIFY(put({}));
    } else if (what == "truncated") {
        QVERIFY(put(goodBytes.first(goodBytes.size() / 2)));
    } else if (what == "text") {
        QVERIFY(put("This is not a video.\n"));
    } else if (what == "directory") {
        QVERIFY(QDir().mkpath(input));
    } else if (what == "missing") {
        QVERIFY(put(goodBytes));
        QVERIFY(QFile::remove(input));
    } else {
        QVERIFY(put(goodBytes));
        const QString folder = m_work->filePath("target");
        if (what == "file-folder") {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else if (what == "read-only") {
            if (geteuid() == 0) {
                QSKIP("root writes into read-only folders");
            }
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        output = folder + "/x.mkv";
    }
    const QByteArray before = sha256(input);

    const auto outcome = remux(input, output, OutputFormat::mkv);
    QVERIFY(outcome.error);
    QCOMPARE(outcome.error->errorCase(), RunError::Case::processFailed);
    QVERIFY(!outcome.error->stderrText().isEmpty());
    QVERIFY(outcome.error->errorDescription().startsWith("ffmpeg exited "));
    QCOMPARE(sha256(input), before);
    QCOMPARE(calls(), 1);
    if (what == "read-only") {
        QFile::setPermissions(m_work->filePath("target"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

void RemuxTest::probe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hasDuration");
    QTest::addColumn<QStringList>("streams"); // empty: the file cannot be read as media

    QTest::addRow("mp4") << "h264-aac.mp4" << true << QStringList { "video h264", "audio aac" };
    QTest::addRow("mov with timecode") << "timecode.mov" << true << QStringList { "video h264", "data none" };
    QTest::addRow("mkv with subtitles") << "subtitles.mkv" << true << QStringList { "video h264", "subtitle subrip" };
    QTest::addRow("mpeg-2 program stream") << "mpeg2.mpg" << true << QStringList { "video mpeg2video", "audio mp2" };
    QTest::addRow("nothing in time") << "no-frames.mkv" << false << QStringList {};
    QTest::addRow("subtitle text file, no duration") << "subtitles.srt" << false << QStringList { "subtitle subrip" };
    QTest::addRow("missing") << "missing.mp4" << false << QStringList {};
    QTest::addRow("a folder") << "." << false << QStringList {};
}

void RemuxTest::probe()
{
    QFETCH(QString, name);
    QFETCH(bool, hasDuration);
    QFETCH(QStringList, streams);
    if (m_ffmpeg.isEmpty()) {
        QSKIP("no ffmpeg");
    }
    const QUrl url = QUrl::fromLocalFile(media(name));
    const auto duration = QCoro::waitFor(FFmpegRunner::probeDuration(url));
    QCOMPARE(duration.has_value(), hasDuration);
    if (duration) {
        QVERIFY(std::abs(*duration - 1.0) <= 0.1);
    }

    const auto info = QCoro::waitFor(MediaProbe::probe(url));
    QStringList found;
    if (info) {
        for (const Stream &stream : info->streams) {
            found << MediaProbe::kindName(stream.kind) + u' ' + stream.codecName;
        }
    }
    QCOMPARE(found, streams);
}

QTEST_GUILESS_MAIN(RemuxTest)
#include "remuxtest.moc"
