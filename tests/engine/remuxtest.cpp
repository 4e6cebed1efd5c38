// End to end: the real ffmpeg on small media made at test time with lavfi. A wrapper script
// stands in for ffmpeg only to count the calls before it execs the real program. The checks of a
// new file are also tried on files ffmpeg writes by itself, as some sources make it write them.
#include "../requiretools.h"
#include "engine/languagecodes.h"
#include "engine/remuxchecks.h"
#include "engine/sidefiles.h"
#include "remuxwait.h"

#include <QtEndian>

Q_DECLARE_METATYPE(OutputFormat)

namespace
{
// The film's streams, as "kind codec language 'title' flags": cover art and data streams carry
// none of it.
QStringList filmStreams(const std::optional<MediaProbe::Info> &info)
{
    QStringList list;
    for (const MediaProbe::Stream &s : info ? info->streams : QList<MediaProbe::Stream>())
        if (s.kind != MediaProbe::StreamKind::data && s.kind != MediaProbe::StreamKind::attachment && !s.attachedPicture)
            list << QStringLiteral("%1 %2 %3 '%4' %5")
                        .arg(MediaProbe::kindName(s.kind), s.codecName, LanguageCodes::meansNoLanguage(s.language) ? "-" : s.language, s.title)
                        .arg(s.flags.toInt());
    return list;
}

// A Dolby Vision sample: ffmpeg's HEVC in MP4 (its index written last, so no offset moves) with
// a configuration for `profile` at level 4, base layer `compatibility`, put into its sample entry
// and every box around it grown to match.
QByteArray withDolbyVision(QByteArray mp4, int profile, int compatibility)
{
    const qsizetype entry = mp4.indexOf("hev1", mp4.indexOf("moov")) - 4;
    const auto sizeAt = [&mp4](qsizetype at) { return qsizetype(qFromBigEndian<quint32>(mp4.constData() + at)); };
    QList<qsizetype> around; // the boxes that hold the entry, outermost first
    for (qsizetype at = 0; at != entry && sizeAt(at) > 0;) {
        const bool holds = entry < at + sizeAt(at);
        around << (holds ? QList { at } : QList<qsizetype>());
        at += holds ? (mp4.mid(at + 4, 4) == "stsd" ? 16 : 8) : sizeAt(at);
    }
    const int bits = profile << 9 | 4 << 3 | 1 << 2 | 1; // level 4, an RPU and a base layer
    mp4.insert(entry + sizeAt(entry),
        QByteArray::fromHex("00000020") + "dvcC" + QByteArray::fromHex("0100") + char(bits >> 8) + char(bits & 0xff) + char(compatibility << 4)
            + QByteArray(19, 0));
    for (const qsizetype at : around << entry)
        qToBigEndian(quint32(sizeAt(at) + 32), mp4.data() + at);
    return mp4;
}
}

class RemuxTest : public QObject
{
    Q_OBJECT

    QString m_ffmpeg;
    QTemporaryDir m_media;
    QTemporaryDir m_bin;
    // Blanks separate the arguments; "@name" stands for that file in the media folder.
    bool ffmpeg(const QString &arguments, const QString &output)
    {
        QStringList list { "-loglevel", "error", "-nostdin", "-y" };
        for (const QString &argument : arguments.split(u' '))
            list << (argument.startsWith(u'@') ? m_media.filePath(argument.mid(1)) : QString(argument).replace(u'~', u' '));
        return QProcess::execute(m_ffmpeg, list << output) == 0;
    }
    bool make(const QString &name, const QString &arguments, int seconds = 1)
    {
        return ffmpeg(QStringLiteral("-f lavfi -i testsrc=size=64x48:rate=10:duration=%1 ").arg(seconds) + arguments, m_media.filePath(name));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const auto installed = FFmpegRunner({ QString(), FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths }).locateFFmpeg();
        if (!installed)
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed at the fixed paths");
        m_ffmpeg = installed->toLocalFile();
        QVERIFY(writeFile(m_bin.filePath("ffmpeg"), "#!/bin/sh\necho >> \"$0.calls\"\nexec '" + QFile::encodeName(m_ffmpeg) + "' \"$@\"\n",
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(writeFile(m_media.filePath("font.ttf"), "not really a font"));
        QVERIFY(writeFile(m_media.filePath("subtitles.srt"), "1\n00:00:00,000 --> 00:00:00,800\nHello\n\n"));
        QVERIFY(writeFile(m_media.filePath("chapters.txt"),
            ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=500\ntitle=One\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=500\nEND=1000\ntitle=Two\n"));
        QVERIFY(writeFile(m_media.filePath("not video.mp4"), "This is not a video.\n"));
        const QString h264 = " -c:v libx264 -preset ultrafast", font = "-attach @font.ttf -metadata:s:t mimetype=application/x-truetype-font";
        QVERIFY(make("h264-aac.mp4", "-f lavfi -i sine=duration=1 -c:a aac -shortest" + h264));
        QVERIFY(make("timecode.mov", "-timecode 01:00:00:00" + h264));
        QVERIFY(make("subtitles.mkv", "-i @subtitles.srt -c:s srt" + h264));
        QVERIFY(make("b-frames.avi", "-c:v mpeg4 -bf 2"));
        QVERIFY(make("cover.mp4", "-f lavfi -i color=size=32x32:duration=0.1 -map 0 -map 1 -c:v:0 libx264 -c:v:1 png -disposition:v:1 attached_pic"));
        QVERIFY(make("chapters.mkv", "-i @chapters.txt -map_chapters 1 " + font + h264));
        QVERIFY(make("ten.mkv", "-g 10" + h264, 10));
        const QByteArray ten = readFile(m_media.filePath("ten.mkv"));
        QVERIFY(writeFile(m_media.filePath("cut in half.mkv"), ten.first(ten.size() / 2)));
        QVERIFY(QFile::copy(m_media.filePath("h264-aac.mp4"), m_media.filePath("-i Ünï %41 x.mp4")));
        const QString sine = "-f lavfi -i sine=duration=1:sample_rate=48000 -strict -2" + h264;
        QVERIFY(make("dts.mkv", sine + " -c:a dca -ac 2"));
        QVERIFY(make("truehd.mkv", sine + " -c:a truehd"));
        QVERIFY(make("fragmented.mp4", sine + " -c:a aac -movflags frag_keyframe+empty_moov+default_base_moof -frag_duration 100000"));
        const QByteArray fragmented = readFile(m_media.filePath("fragmented.mp4")); // the header ends where the first fragment's box begins
        QVERIFY(writeFile(m_media.filePath("init.mp4"), fragmented.first(fragmented.indexOf("moof") - 4)));
        QVERIFY(ffmpeg("-i @cover.mp4 -map 0:1 -c copy -f image2", m_media.filePath("cover.png")));
        QVERIFY(ffmpeg("-i @cover.mp4 -map 0:1 -c copy", m_media.filePath("cover-only.mp4")));
        // Several languages in several spellings, titles and flags; no subtitle default.
        const QString tracks = "-f lavfi -i sine=d=1 -f lavfi -i sine=d=1 -i @subtitles.srt -i @subtitles.srt -map 0 -map 1 -map 1 -map 2 -map 3 -map 4 "
                               "-c:s srt -metadata:s:1 language=fra -metadata:s:1 title=English~5.1 -metadata:s:2 language=deu -metadata:s:3 language=en "
                               "-metadata:s:4 language=eng -metadata:s:5 language=spa -metadata:s:5 title=Forced -disposition:0 default -disposition:1 default "
                               "-disposition:2 0 -disposition:3 comment -disposition:4 hearing_impaired -disposition:5 forced ";
        QVERIFY(make("tracks.mkv", tracks + "-c:v mpeg4 -c:a aac"));
        QVERIFY(make("vp8.mkv", tracks + "-c:v libvpx -deadline realtime -c:a libopus"));
        QVERIFY(
            ffmpeg("-i @tracks.mkv -map 0:v -map 0:a -c copy -disposition:2 hearing_impaired -disposition:3 visual_impaired", m_media.filePath("audio.mkv")));
        QVERIFY(ffmpeg("-i @tracks.mkv -map 0:v -map 0:s -c:v copy -c:s mov_text", m_media.filePath("text.mp4")));
        QVERIFY(make("languages.mkv",
            "-f lavfi -i sine=d=1 -f lavfi -i sine=d=1:f=500 -f lavfi -i sine=d=1:f=600 -map 0 -map 1 -map 2 -map 3 -c:v mpeg4 -c:a aac "
            "-metadata:s:1 language=ger -metadata:s:2 language=eng -metadata:s:3 language=jpn -disposition:1 default -disposition:2 0 "
            "-disposition:3 0"));
        QVERIFY(writeFile(m_media.filePath("languages.en.srt"), "1\n00:00:00,000 --> 00:00:00,800\n\xcf\xf0\xe8\xe2\xe5\xf2\n\n")); // Windows-1251
        const QString utf16 = "1\n00:00:00,000 --> 00:00:00,800\nПривет\n\n";
        QVERIFY(QDir(m_media.path()).mkdir("utf16"));
        QVERIFY(writeFile(m_media.filePath("utf16/languages.en.srt"),
            QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2))); // no byte-order mark; ffmpeg garbles it as it is
        // A phone's clip: turned, HLG, with chapters, in HEVC as ffmpeg tags it (hev1), and in VP9
        // for WebM; a disc's TrueHD and AC-3.
        QVERIFY(writeFile(m_media.filePath("chapter.txt"), ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=500\n"));
        for (const QString codec : { "libx265 -x265-params log-level=0", "libvpx-vp9 -deadline realtime" }) {
            const QString name = codec.startsWith("libx265") ? "phone" : "vp9-phone";
            QVERIFY(make(name + ".mkv", "-color_primaries bt2020 -color_trc arib-std-b67 -colorspace bt2020nc -c:v " + codec));
            QVERIFY(ffmpeg("-i @" + name + ".mkv -i @chapters.txt -map 0 -map_chapters 1 -c copy -metadata:s:v:0 rotate=90", m_media.filePath(name + ".mp4")));
        }
        QVERIFY(ffmpeg("-i @phone.mkv -map 0 -c copy", m_media.filePath("hdr.mp4")));
        for (const auto &[name, profile, compatibility] : { std::tuple { "dolby-vision.mp4", 8, 4 }, { "profile-5.mp4", 5, 0 } })
            QVERIFY(writeFile(m_media.filePath(name), withDolbyVision(readFile(m_media.filePath("hdr.mp4")), profile, compatibility)));
        QVERIFY(make("disc.mkv", "-f lavfi -i sine=d=1:sample_rate=48000 -map 0 -map 1 -map 1 -strict -2 -c:a:0 truehd -c:a:1 ac3" + h264));
        // Silence, then noise: a duration guessed from the first frames' bit rate is far too long.
        QVERIFY(ffmpeg("-f lavfi -i aevalsrc='if(lt(t,1),0,random(0)*2-1)':d=2 -c:a aac -b:a 256k", m_media.filePath("guessed.aac")));
    }

    void remux_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<int>("calls");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("result"); // the notes of a converted file, or "failed: " and part of the reason
        const QString fonts = "An attachment (such as a font) couldn't be copied into %1 and was left out.";
        const QString stamps = "The source lacks timestamps, so new ones were generated.";
        const QString webm = "failed: Only VP8 or VP9 or AV1 video and Vorbis or Opus audio and WebVTT subtitles are supported for WebM.";
        QTest::addRow("odd name") << "-i Ünï %41 x.mp4" << OutputFormat::mpegts << 1 << false << "";
        QTest::addRow("refused codecs, after one retry") << "h264-aac.mp4" << OutputFormat::webm << 2 << false << webm;
        QTest::addRow("timecode into MKV, left out before ffmpeg runs") << "timecode.mov" << OutputFormat::mkv << 1 << true << "";
        QTest::addRow("subtitles lost in TS") << "subtitles.mkv" << OutputFormat::mpegts << 1 << false
                                              << "failed: TS can't carry the subtitle (subrip) stream of this file, so the new file lacks it. Try MKV.";
        QTest::addRow("AVI with B-frames into MKV") << "b-frames.avi" << OutputFormat::mkv << 2 << false << stamps;
        QTest::addRow("chapters and a font into TS") << "chapters.mkv" << OutputFormat::mpegts << 1 << false
                                                     << fonts.arg("TS") + " The chapters couldn't be copied into TS and were left out.";
        QTest::addRow("a source cut in half") << "cut in half.mkv" << OutputFormat::mp4 << 1 << false
                                              << "The source seems damaged: it says it lasts 10.0 s, but only 4.…";
        QTest::addRow("cover art into MKV as an attachment, copied out first") << "cover.mp4" << OutputFormat::mkv << 2 << false << "";
        const QString converted = "The subtitles were converted to ";
        for (const OutputFormat format : { OutputFormat::mkv, OutputFormat::mp4, OutputFormat::mov })
            QTest::addRow("languages, titles, flags into %s", qPrintable(OutputFormats::displayName(format)))
                << "tracks.mkv" << format << 1 << false << (format == OutputFormat::mkv ? "" : converted + "MP4's text format.");
        QTest::addRow("languages, titles, flags into WebM") << "vp8.mkv" << OutputFormat::webm << 1 << false << converted + "WebVTT.";
        QTest::addRow("languages, flags into TS, titles lost")
            << "audio.mkv" << OutputFormat::mpegts << 1 << false << "TS can't record the language or title of every track, so some were left out.";
        QTest::addRow("MP4's text subtitles into MKV") << "text.mp4" << OutputFormat::mkv << 1 << false << converted + "SRT.";
        QTest::addRow("not a video") << "not video.mp4" << OutputFormat::mkv << 1 << false << "failed: Invalid data found when processing input";
        const QString sideways = "%1 can't record that this video is turned 90°, so players will show it sideways.";
        QTest::addRow("phone clip into MKV: the turn told") << "phone.mp4" << OutputFormat::mkv << 1 << false << sideways.arg("MKV");
        QTest::addRow("phone clip into WebM: the turn told") << "vp9-phone.mp4" << OutputFormat::webm << 1 << false << sideways.arg("WEBM");
        QTest::addRow("phone clip into TS: the turn and the chapters told")
            << "phone.mp4" << OutputFormat::mpegts << 1 << false << "The chapters couldn't be copied into TS and were left out. " + sideways.arg("TS");
        for (const OutputFormat format : { OutputFormat::mp4, OutputFormat::mov })
            QTest::addRow("phone clip into %s: all kept, no data track", qPrintable(OutputFormats::displayName(format)))
                << "phone.mp4" << format << 1 << false << "";
        const QString hlg = "%1 can't keep Dolby Vision, so this video will play as HDR (HLG).";
        for (const OutputFormat format : OutputFormats::allCases())
            if (format != OutputFormat::webm)
                QTest::addRow("Dolby Vision 8.4 into %s", qPrintable(OutputFormats::displayName(format)))
                    << "dolby-vision.mp4" << format << 1 << false
                    << (format == OutputFormat::mov || format == OutputFormat::mpegts ? hlg.arg(OutputFormats::displayName(format)) : "");
        QTest::addRow("Dolby Vision 5 into MOV: not written")
            << "profile-5.mp4" << OutputFormat::mov << 0 << false << "failed: MOV can't keep Dolby Vision, and this video plays in wrong colours without it.";
        QTest::addRow("TrueHD into MP4") << "disc.mkv" << OutputFormat::mp4 << 1 << false << "";
        QTest::addRow("TrueHD into MOV: left out, the AC-3 stays")
            << "disc.mkv" << OutputFormat::mov << 1 << false << "TrueHD audio can't go into MOV, so it was left out.";
    }
    void remux()
    {
        QFETCH(QString, source);
        QFETCH(OutputFormat, format);
        QFETCH(int, calls);
        QFETCH(bool, dropped);
        QFETCH(QString, result);
        QTemporaryDir work;
        QFile::remove(m_bin.filePath("ffmpeg.calls"));
        const QString input = m_media.filePath(source);
        const QByteArray before = readFile(input);
        const QString name = OutputNaming::splitExtension(source).base + u'.' + OutputFormats::fileExtension(format);
        FFmpegRunner runner({ m_bin.path(), {} });
        std::optional<double> fraction;
        const auto outcome = finishWithin(runner.remux(QUrl::fromLocalFile(input), QUrl::fromLocalFile(work.filePath(name)), format,
                                              [&](const FFmpegRunner::Progress &p) { fraction = p.saving ? fraction : p.fraction; }),
            60000);
        QVERIFY2(outcome, "remux hung");
        QCOMPARE(readFile(m_bin.filePath("ffmpeg.calls")).count('\n'), calls);
        QCOMPARE(readFile(input), before);
        if (result.startsWith("failed: ")) {
            QVERIFY2(describe(outcome->error).contains(result.mid(8)), qPrintable(describe(outcome->error)));
            QCOMPARE(leftovers(work.path(), {}), QStringList());
            return;
        }
        QCOMPARE(describe(outcome->error), QString());
        const QString notes = (outcome->notes + outcome->warnings).join(u' ');
        QVERIFY2(result.endsWith(u'…') ? notes.startsWith(result.chopped(1)) : notes == result, qPrintable(notes)); // "…": any ending
        QCOMPARE(outcome->droppedDataTracks, dropped);
        QCOMPARE(outcome->output, QUrl::fromLocalFile(work.filePath(name)));
        QCOMPARE(leftovers(work.path(), { name }), QStringList());
        // As the plan says, with the languages, titles and flags the container records.
        const TrackPlan plan = TrackPlan::make(*MediaProbe::probeFile(input), format);
        const auto written = MediaProbe::probeFile(work.filePath(name), MediaProbe::Depth::header); // as the job reads it back
        QCOMPARE(filmStreams(written), filmStreams(plan.expected()));
        // The picture and the chapters as the plan says they arrive, and as they did.
        const auto pictureOf = [](const MediaProbe::Info &info) {
            QStringList facts;
            for (const MediaProbe::Stream &s : info.streams)
                if (s.kind == MediaProbe::StreamKind::video && !s.attachedPicture) // the tag of HEVC only: the plan states no other
                    facts << QStringLiteral("r%1 dv%2 %3 %4")
                                 .arg(s.picture.rotation)
                                 .arg(s.picture.dolbyVisionProfile)
                                 .arg(s.picture.transfer, s.picture.tag.startsWith("hvc") ? s.picture.tag : "");
            return (facts << QString::number(info.chapters)).join(u' ');
        };
        QCOMPARE(pictureOf(*written), pictureOf(plan.expected()));
        QVERIFY2(fraction >= 0.45, "the last report shows the file written");
    }

    // A rule and files beside the video: languages and defaults as chosen, text written in
    // Windows-1251 read back as UTF-8, a side file gone since it was found; a skip runs nothing.
    void chosen_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("keepMain");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("result"); // the film's streams read back, or "failed: " and the reason
        QTest::addColumn<QString>("side"); // the folder of the side file, and its encoding as found
        const QString end = "|audio aac eng '' 1|audio aac jpn '' 0|subtitle ";
        QTest::addRow("MKV, the main audio kept") << "en,ja" << true << OutputFormat::mkv << "video mpeg4 - '' 0|audio aac ger '' 0" + end + "subrip eng '' 0"
                                                  << ":windows-1251";
        QTest::addRow("MP4") << "English,JPN" << false << OutputFormat::mp4 << "video mpeg4 - '' 1" + end + "mov_text eng '' 1"
                             << ":windows-1251";
        QTest::addRow("UTF-16 into MKV") << "en,ja" << false << OutputFormat::mkv << "video mpeg4 - '' 0" + end + "subrip eng '' 0"
                                         << "utf16/:";
        QTest::addRow("skipped") << "fr" << false << OutputFormat::mkv << "failed: Skipped: no French audio"
                                 << ":";
    }
    void chosen()
    {
        QFETCH(QString, lang);
        QFETCH(bool, keepMain);
        QFETCH(OutputFormat, format);
        QFETCH(QString, result);
        QFETCH(QString, side);
        QTemporaryDir work;
        QFile::remove(m_bin.filePath("ffmpeg.calls"));
        TrackChoice choice { TrackRule::fromOptions({ lang, {}, {}, false, "skip", false }).rule };
        choice.rule.keepMainAudio = keepMain;
        choice.rule.defaults = TrackRule::Defaults::followOrder;
        for (const QString name : { "languages.en.srt", "languages.en.forced.srt" }) // the second is gone
            choice.sideFiles << SideInput { m_media.filePath(side.section(':', 0, 0) + name), SideFiles::belongingTo("languages.mkv", { name }, {}).value(0),
                "subrip", side.section(':', 1).toLatin1() };
        const QString output = work.filePath("languages." + OutputFormats::fileExtension(format));
        FFmpegRunner runner({ m_bin.path(), {} });
        const auto outcome
            = finishWithin(runner.remux(QUrl::fromLocalFile(m_media.filePath("languages.mkv")), QUrl::fromLocalFile(output), format, {}, choice), 60000);
        QVERIFY2(outcome, "remux hung");
        if (result.startsWith("failed: ")) {
            QCOMPARE(describe(outcome->error), result.mid(8));
            QCOMPARE(readFile(m_bin.filePath("ffmpeg.calls")), "(unreadable)");
            QCOMPARE(leftovers(work.path(), {}), QStringList());
            return;
        }
        QCOMPARE(describe(outcome->error) + outcome->notes.join(u' '), "languages.en.forced.srt is no longer beside the video, so it was left out.");
        QCOMPARE(filmStreams(MediaProbe::probeFile(output)).join(u'|'), result);
        QProcess text;
        text.start(m_ffmpeg, { "-loglevel", "error", "-i", output, "-map", "0:s:0", "-f", "srt", "-" });
        QVERIFY(text.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(text.readAllStandardOutput()).contains(u"Привет"), "the text arrived as UTF-8");
    }

    // Files beside the video as an add reads them, then written by ffmpeg: what isn't what its
    // name says (nothing, junk, a playlist posing as subtitles) or what the container refuses is
    // left out, named, and the video converts; side audio is its own first audio stream.
    void sideFiles_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("side"); // its name, then "=" and its text or "@" and ffmpeg's arguments that make it
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("result"); // the new file's streams, then the notes
        const auto row = [](const char *what, const QString &source, const QString &side, OutputFormat format, const QString &result) {
            QTest::addRow("%s", what) << source << side << format << result;
        };
        const QString film = "video mpeg4 - '' 0|audio aac ger '' 1|audio aac eng '' 0|audio aac jpn '' 0";
        const QString unread = " can't be read, so it was left out.";
        row("empty", "languages.mkv", "languages.en.srt=", OutputFormat::mkv, film + " languages.en.srt" + unread);
        row("junk", "languages.mkv", "languages.en.srt=\x8f\x90\x9d\xa0\xff\xfe\x81", OutputFormat::mkv, film + " languages.en.srt" + unread);
        row("a playlist posing as subtitles", "languages.mkv", "languages.en.srt=ffconcat version 1.0\nfile languages.mkv\n", OutputFormat::mkv,
            film + " languages.en.srt" + unread);
        row("side audio: its first audio, its language and title", "languages.mkv",
            "languages.mka@-f lavfi -i sine=d=1 -i @subtitles.srt -map 1 -map 0 -c:s srt -c:a aac -metadata:s:a:0 language=swe -metadata:s:a:0 title=Mix",
            OutputFormat::mkv, film + "|audio aac swe 'Mix' 0 ");
        row("side audio the container refuses", "vp8.mkv", "vp8.en.aac@-f lavfi -i sine=d=1 -c:a aac", OutputFormat::webm,
            "video vp8 - '' 1|audio opus fra 'English 5.1' 1|audio opus deu '' 0|audio opus eng '' 0|subtitle webvtt eng '' 0|subtitle webvtt spa 'Forced' 2 "
            "vp8.en.aac can't go into WEBM, so it was left out.");
    }
    void sideFiles()
    {
        QFETCH(QString, source);
        QFETCH(QString, side);
        QFETCH(OutputFormat, format);
        QFETCH(QString, result);
        QTemporaryDir folder, work;
        QVERIFY(QFile::copy(m_media.filePath(source), folder.filePath(source)));
        const QString name = side.section(QRegularExpression("[=@]"), 0, 0);
        if (side.contains(u'@'))
            QVERIFY(ffmpeg(side.section(u'@', 1), folder.filePath(name)));
        else
            QVERIFY(writeFile(folder.filePath(name), side.section(u'=', 1).toLatin1()));
        const FileTracks tracks = FileTracks::read(folder.filePath(source));
        TrackChoice choice { {}, tracks.sideFiles };
        const QString output = work.filePath("new." + OutputFormats::fileExtension(format));
        FFmpegRunner runner({ m_bin.path(), {} });
        const auto outcome = finishWithin(runner.remux(QUrl::fromLocalFile(folder.filePath(source)), QUrl::fromLocalFile(output), format, {}, choice), 60000);
        QVERIFY2(outcome, "remux hung");
        QCOMPARE(describe(outcome->error), QString());
        QCOMPARE(filmStreams(MediaProbe::probeFile(output)).join(u'|') + u' ' + outcome->notes.join(u' '), result);
    }

    // ffmpeg writes the new file with `arguments`; the checks judge it as a remux would.
    void judged_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("verdict"); // why it fails, or "lost: " and the streams, or the notes and warnings
        const auto row = [](const char *what, const QString &source, const QString &arguments, OutputFormat format, const QString &verdict) {
            QTest::addRow("%s", what) << source << arguments << format << verdict;
        };
        const QString attach = "-map 0:0 -c copy -attach @cover.png -metadata:s:t filename=cover.png -metadata:s:t mimetype=";
        const QString nothing = " holds no audio or video samples, so there is nothing to convert.";
        row("DTS audio into TS", "dts.mkv", "-map 0 -c copy", OutputFormat::mpegts, "");
        row("TrueHD audio into TS", "truehd.mkv", "-map 0 -c copy", OutputFormat::mpegts, "");
        row("an initialization segment alone", "init.mp4", "-map 0 -c copy", OutputFormat::mkv, "init.mp4" + nothing);
        row("cover art alone", "cover-only.mp4", "-map 0 -c copy", OutputFormat::mkv, "cover-only.mp4" + nothing);
        row("a new file that can't be read", "cover.mp4", "-map 0:0 -c copy -f data", OutputFormat::mkv,
            "The new file can't be read back, so it was not kept.");
        row("a new file without samples", "h264-aac.mp4", "-t 0 -map 0:v -c copy", OutputFormat::mp4,
            "The new file holds no audio or video samples, so it was not kept.");
        row("cover art as an MKV attachment", "cover.mp4", attach + "image/png", OutputFormat::mkv, "");
        row("cover art as an attachment of no known type", "cover.mp4", attach + "application/octet-stream", OutputFormat::mkv, "");
        row("cover art left out of MKV", "cover.mp4", "-map 0:0 -c copy", OutputFormat::mkv, "The cover art couldn't be copied into MKV and was left out.");
        row("cover art as a video track", "cover.mp4", "-map 0 -c copy", OutputFormat::mkv,
            "The cover art arrived as an ordinary video track, so players may show it as a second video.");
        row("a subtitle made default on the way", "subtitles.mkv", "-map 0 -c copy -disposition:s:0 default", OutputFormat::mkv,
            "A track's language, title or flags didn't arrive as they were.");
        row("a duration guessed from the bit rate", "guessed.aac", "-c copy", OutputFormat::mkv, "");
        row("HEVC as hev1", "phone.mp4", "-map 0:0 -c copy", OutputFormat::mp4, "The video isn't marked hvc1, so Apple's players may not open it.");
        row("the turn lost", "phone.mp4", "-map 0:0 -c copy -tag:0 hvc1 -metadata:s:v:0 rotate=0", OutputFormat::mov,
            "The video's rotation didn't arrive as it was.");
        row("Dolby Vision lost", "dolby-vision.mp4", "-map 0:0 -c copy -tag:0 hvc1", OutputFormat::mp4, "The video's Dolby Vision didn't arrive as planned.");
        row("the colour changed", "hdr.mp4", "-c:v libx265 -x265-params log-level=0 -color_trc bt709 -color_primaries bt709 -tag:0 hvc1", OutputFormat::mp4,
            "The video's colour tags didn't arrive as they were.");
        row("a chapter lost", "phone.mp4", "-i @chapter.txt -map 0:0 -map_chapters 1 -c copy -tag:0 hvc1", OutputFormat::mp4, "1 of 2 chapters arrived.");
    }
    void judged()
    {
        QFETCH(QString, source);
        QFETCH(QString, arguments);
        QFETCH(OutputFormat, format);
        QFETCH(QString, verdict);
        QTemporaryDir work;
        const QString output = work.filePath("new." + OutputFormats::fileExtension(format));
        QVERIFY(ffmpeg("-i @" + source + u' ' + arguments, output));
        const auto input = MediaProbe::probeFile(m_media.filePath(source));
        const auto written = MediaProbe::probeFile(output, MediaProbe::Depth::header);
        QString found = RemuxChecks::failureOnArrival(source, input, written).value_or(QString());
        if (found.isEmpty()) {
            QVERIFY(input && written && RemuxChecks::readAsContainer(*written, format));
            const QStringList lost = RemuxChecks::streamsLost(*input, *written);
            const QStringList altered = RemuxChecks::tracksAltered(TrackPlan::make(*input, format).expected(), *written);
            found = lost.isEmpty()
                ? (RemuxChecks::notesOnArrival(*input, *written, format) + RemuxChecks::warningsOnArrival(*input, *written) + altered).join(u' ')
                : "lost: " + lost.join(", ");
        }
        QCOMPARE(found, verdict);
    }
};

QTEST_GUILESS_MAIN(RemuxTest)
#include "remuxtest.moc"
