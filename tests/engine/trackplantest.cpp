// The track plan as a table, and the argument vectors it gives, pinned literally. Real ffmpeg
// writing by the plan is in remuxtest.
#include "engine/ffmpegrunner.h"
#include "engine/languagecodes.h"

#include <QTest>

Q_DECLARE_METATYPE(OutputFormat)

namespace
{
using Kind = MediaProbe::StreamKind;
const QString flagLetters = "dfhvco"; // default, forced, hearing and visual impaired, commentary, original

// Streams separated by "|", each "kind codec language title flags marks" ("-" none, "_" a blank,
// marks ffmpeg's names of the others joined by "+");
// kinds "vasdtp?": video, audio, subtitle, data, attachment, cover art, unknown.
MediaProbe::Info source(const QString &streams)
{
    MediaProbe::Info info;
    for (const QString &text : streams.split(u'|')) {
        const QStringList f = (text + " - - - - -").split(u' ');
        const auto field = [&f](int i) { return f[i] == "-" ? QString() : QString(f[i]).replace(u'_', u' '); };
        const auto kind = std::array { Kind::video, Kind::audio, Kind::subtitle, Kind::data, Kind::attachment, Kind::video, Kind::other };
        MediaProbe::Stream stream { kind[QString("vasdtp?").indexOf(f[0])], f[1], int(info.streams.size()), f[0] == "p", {}, field(2), field(3) };
        for (const QChar c : field(4))
            stream.flags |= MediaProbe::Flag(1 << flagLetters.indexOf(c));
        stream.otherMarks = field(5).split(u'+', Qt::SkipEmptyParts);
        info.streams << stream;
    }
    return info;
}

QString letters(MediaProbe::Flags flags)
{
    QString out;
    for (int i = 0; i < flagLetters.size(); ++i)
        out += flags.testFlag(MediaProbe::Flag(1 << i)) ? QString(flagLetters[i]) : QString();
    return out.isEmpty() ? "-" : out;
}
QString orNone(const QString &s)
{
    return s.isEmpty() ? "-" : s;
}
// "source:codec[=encoder] language[/recorded] 'title'[/recorded] flags/recorded", "p" for a picture.
QString render(const TrackPlan &plan)
{
    QStringList out;
    for (const auto &t : plan.tracks)
        out << QStringLiteral("%1:%2%3 %4%5 '%6'%7 %8/%9")
                   .arg(QString::number(t.source), t.codec, t.encoder.isEmpty() ? "" : "=" + t.encoder, orNone(t.language),
                       t.recordedLanguage == t.language ? "" : "/" + orNone(t.recordedLanguage), t.title,
                       t.recordedTitle == t.title ? "" : "/" + orNone(t.recordedTitle), t.attachedPicture ? "p" : letters(t.flags), letters(t.recordedFlags));
    for (const auto &c : plan.covers)
        out << QStringLiteral("%1:%2 %3").arg(QString::number(c.source), c.fileName, c.mimeType);
    return out.join(u'|');
}

const QString s1
    = "v h264 - - d|a aac fra English_5.1 d|a aac deu|a aac en - c|s subrip eng|s ass ger Signs f|s hdmv_pgs_subtitle spa - h|p mjpeg|d tmcd|t ttf|? none";
const QString s2 = "v h264|a aac zho - ov|a aac sve - hv|s mov_text und";
const QString s3 = "v h264 - - d|a aac en English_5.1 d|s subrip fre - h|d tmcd|p png";
}

class TrackPlanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A code's spelling in MKV, MP4, MOV, WebM and TS; each names the code's language. The plan
    // rows below show more ("en", "deu", "zho", "sve").
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("spellings");
        QTest::addRow("capitals") << QString("ENG") << QString("eng eng eng eng eng");
        QTest::addRow("bibliographic") << QString("fre") << QString("fre fre fra fre fre");
        QTest::addRow("Norwegian") << QString("nor") << QString("nor nor nor nor nor");
        QTest::addRow("Bokmål") << QString("nob") << QString("nob nob nor nob nob");
        QTest::addRow("Croatian: QuickTime's two letters") << QString("hrv") << QString("hrv hrv hr_ hrv hrv");
        QTest::addRow("unknown code") << QString("xyz") << QString("xyz xyz - xyz xyz");
        QTest::addRow("undetermined") << QString("und") << QString("- - - - -");
    }
    void languages()
    {
        QFETCH(QString, code);
        QFETCH(QString, spellings);
        QStringList got;
        for (const OutputFormat format : OutputFormats::allCases()) {
            const QString spelling = LanguageCodes::spellingFor(format, code);
            QVERIFY2(spelling.isEmpty() || LanguageCodes::sameLanguage(code, spelling), qPrintable(spelling));
            got << orNone(spelling).replace(u' ', u'_');
        }
        QCOMPARE(got.join(u' '), spellings);
        QVERIFY(!LanguageCodes::sameLanguage(code, "ita"));
    }

    // Each container with flags, languages in several spellings, titles, text and bitmap
    // subtitles, cover art, data, a font and a stream of no known type.
    void plan_data()
    {
        QTest::addColumn<QString>("streams");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("tracks");
        QTest::addColumn<QString>("sentences"); // notes, then warnings; "+" the data-track note is owed
        const auto row = [](const char *name, const QString &streams, OutputFormat format, const QString &tracks, const QString &sentences) {
            QTest::addRow("%s", name) << streams << format << tracks << sentences;
        };
        const QString unknown = "A stream ffmpeg doesn't know was left out.", styled = "; their styling was lost.";
        const QString text = unknown + " The subtitles were converted to MP4's text format" + styled;
        const QString t = "0:h264 - '' d/d|1:aac fra 'English 5.1' d/d|2:aac %1 '' -/-|3:aac eng '' c/%2|";
        row("MKV: every flag; cover art attached; data and the unknown out", s1, OutputFormat::mkv,
            t.arg("deu", "c") + "4:subrip eng '' -/-|5:ass ger 'Signs' f/f|6:hdmv_pgs_subtitle spa '' h/h|9:ttf - '' -/-|7:cover.jpg image/jpeg",
            unknown + "+");
        row("MP4: text converted, first subtitle default", s1, OutputFormat::mp4,
            t.arg("deu", "c")
                + "4:mov_text=mov_text eng '' -/d|5:mov_text=mov_text ger 'Signs' f/f|6:hdmv_pgs_subtitle spa '' h/h|7:mjpeg - '' p/-|8:tmcd - '' -/-",
            text);
        row("MOV: its own table, default alone", s1, OutputFormat::mov,
            t.arg("ger", "-")
                + "4:mov_text=mov_text eng '' -/d|5:mov_text=mov_text ger 'Signs' f/-|6:hdmv_pgs_subtitle spa '' h/-|7:mjpeg - '' p/-|8:tmcd - '' -/-",
            text);
        row("WebM: WebVTT, default and forced", s1, OutputFormat::webm,
            t.arg("deu", "-") + "4:webvtt=webvtt eng '' -/-|5:webvtt=webvtt ger 'Signs' f/f|6:hdmv_pgs_subtitle spa '' h/-|7:mjpeg - '' p/-",
            unknown + " The subtitles were converted to WebVTT" + styled + "+");
        row("TS: no titles, text subtitles left to fail", s1, OutputFormat::mpegts,
            "0:h264 - '' d/-|1:aac fra 'English 5.1'/- d/-|2:aac deu '' -/-|3:aac eng '' c/-|4:subrip eng '' -/-|5:ass ger 'Signs'/- f/-|"
            "6:hdmv_pgs_subtitle spa '' h/h|7:mjpeg - '' p/-|8:tmcd - '' -/-",
            unknown + " TS can't record the language or title of every track, so some were left out.");
        row("MKV: MP4 text becomes SRT", s2, OutputFormat::mkv, "0:h264 - '' -/-|1:aac zho '' vo/vo|2:aac swe '' hv/hv|3:subrip=srt - '' -/-",
            "The subtitles were converted to SRT.");
        row("MP4: first of each kind default, no original", s2, OutputFormat::mp4, "0:h264 - '' -/d|1:aac zho '' vo/dv|2:aac swe '' hv/hv|3:mov_text - '' -/d",
            "");
        row("TS: one audio type, hearing first", s2, OutputFormat::mpegts, "0:h264 - '' -/-|1:aac zho '' vo/v|2:aac swe '' hv/h|3:mov_text - '' -/-", "");
    }
    void plan()
    {
        QFETCH(QString, streams);
        QFETCH(OutputFormat, format);
        QFETCH(QString, tracks);
        QFETCH(QString, sentences);
        const TrackPlan plan = TrackPlan::make(source(streams), format);
        QCOMPARE(render(plan), tracks);
        QCOMPARE((plan.notes + plan.warnings).join(u' ') + (plan.dropsDataTracks ? "+" : ""), sentences);
    }

    void arguments_data()
    {
        QTest::addColumn<QString>("streams"); // "": the source could not be read
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("attempt"); // "d" leaving out data, "g" new timestamps, digits streams left out
        QTest::addColumn<QString>("vector"); // after the common opening
        const auto row = [](const char *name, const QString &streams, OutputFormat format, const QString &attempt, const QString &vector) {
            QTest::addRow("%s", name) << streams << format << attempt << vector;
        };
        const QString mp4 = " -disposition:0 default -disposition:1 default -metadata:s:1 language=eng -metadata:s:1 handler_name=English 5.1 -c:2 mov_text "
                            "-disposition:2 hearing_impaired -metadata:s:2 language=fre";
        const QString three
            = "-i IN -map 0:0 -map 0:1 -map 0:2 -map 0:3 -c copy -disposition:0 0 -disposition:1 visual_impaired+original -metadata:s:1 language=";
        row("marks not modelled, as they were", "v h264|a aac eng - d dub+karaoke", OutputFormat::mkv, "",
            "-i IN -map 0:0 -map 0:1 -c copy -disposition:0 0 -disposition:1 default+dub+karaoke -metadata:s:1 language=eng -f matroska -y OUT");
        row("no plan: the plain copy", "", OutputFormat::mkv, "", "-i IN -map 0 -c copy -f matroska -y OUT");
        row("no plan, without data", "", OutputFormat::mp4, "d", "-i IN -map 0 -map -0:d -c copy -movflags +faststart -f mp4 -y OUT");
        row("MKV", s2, OutputFormat::mkv, "",
            three + "zho -disposition:2 hearing_impaired+visual_impaired -metadata:s:2 language=swe -c:3 srt -disposition:3 0 -f matroska -y OUT");
        row("MOV", s2, OutputFormat::mov, "",
            three + "chi -disposition:2 hearing_impaired+visual_impaired -metadata:s:2 language=sve -disposition:3 0 -movflags +faststart -f mov -y OUT");
        row("MKV, cover art attached", s3, OutputFormat::mkv, "",
            "-i IN -map 0:0 -map 0:1 -map 0:2 -c copy -disposition:0 default -disposition:1 default -metadata:s:1 language=eng -metadata:s:1 title=English 5.1 "
            "-disposition:2 hearing_impaired -metadata:s:2 language=fre -attach /C -metadata:s:t:0 mimetype=image/png -metadata:s:t:0 filename=cover.png -f "
            "matroska -y OUT");
        row("MP4", s3, OutputFormat::mp4, "",
            "-i IN -map 0:0 -map 0:1 -map 0:2 -map 0:3 -map 0:4 -c copy" + mp4 + " -disposition:4 attached_pic -movflags +faststart -f mp4 -y OUT");
        row("MP4, third attempt", s3, OutputFormat::mp4, "dg4",
            "-fflags +genpts -i IN -map 0:0 -map 0:1 -map 0:2 -c copy" + mp4 + " -movflags +faststart -f mp4 -y OUT");
        row("WebM", s3, OutputFormat::webm, "",
            "-i IN -map 0:0 -map 0:1 -map 0:2 -map 0:4 -c copy -disposition:0 default -disposition:1 default -metadata:s:1 language=eng "
            "-metadata:s:1 title=English 5.1 -c:2 webvtt -disposition:2 hearing_impaired -metadata:s:2 language=fre -disposition:3 attached_pic -f webm -y "
            "OUT");
        row("TS", s3, OutputFormat::mpegts, "",
            "-i IN -map 0:0 -map 0:1 -map 0:2 -map 0:3 -map 0:4 -c copy -disposition:0 default -disposition:1 default -metadata:s:1 language=eng "
            "-disposition:2 hearing_impaired -metadata:s:2 language=fre -disposition:4 attached_pic -f mpegts -y OUT");
    }
    void arguments()
    {
        QFETCH(QString, streams);
        QFETCH(OutputFormat, format);
        QFETCH(QString, attempt);
        QFETCH(QString, vector);
        RemuxAttempt retry { attempt.contains(u'd'), {}, false, attempt.contains(u'g') };
        for (const QChar c : attempt)
            if (c.isDigit())
                retry.leftOutIndexes << c.digitValue();
        auto plan = streams.isEmpty() ? std::nullopt : std::optional(TrackPlan::make(source(streams), format));
        for (qsizetype i = 0; plan && i < plan->covers.size(); ++i)
            plan->covers[i].path = "/C"; // as if copied out
        QCOMPARE(FFmpegRunner::buildArguments(QUrl::fromLocalFile("/IN"), QUrl::fromLocalFile("/OUT"), format, retry, plan).join(u' '),
            "-hide_banner -loglevel error -nostats -progress pipe:1 " + QString(vector).replace("IN", "/IN").replace("OUT", "/OUT"));
    }
};

QTEST_GUILESS_MAIN(TrackPlanTest)
#include "trackplantest.moc"
