// The track plan as a table, and the argument vectors it gives, pinned literally. Real ffmpeg
// writing by the plan is in remuxtest.
#include "engine/containertable.h"
#include "engine/ffmpegrunner.h"
#include "engine/languagecodes.h"
#include "engine/sidefiles.h"

#include <QTest>

Q_DECLARE_METATYPE(OutputFormat)

namespace
{
using Kind = MediaProbe::StreamKind;
const QString flagLetters = "dfhvco"; // default, forced, hearing and visual impaired, commentary, original

// Streams separated by "|", each "kind codec language title flags marks" ("-" none, "_" a blank,
// marks ffmpeg's names of the others joined by "+"); a video's codec may carry its picture:
// "@r90" turned, "@dv8.1.4" Dolby Vision profile.level.compatibility, "@hlg" HLG colour;
// kinds "vasdtp?c": video, audio, subtitle, data, attachment, cover art, unknown, and MP4's
// chapter track (two chapters). "mkv>" first: read from Matroska, where a picture is an
// attachment and its title is its file name.
MediaProbe::Info source(QString streams)
{
    MediaProbe::Info info;
    if (streams.startsWith("mkv>"))
        info.formatName = "matroska,webm", streams.remove(0, 4);
    for (const QString &text : streams.split(u'|')) {
        const QStringList f = (text + " - - - - -").split(u' ');
        const auto field = [&f](int i) { return f[i] == "-" ? QString() : QString(f[i]).replace(u'_', u' '); };
        const auto kind = std::array { Kind::video, Kind::audio, Kind::subtitle, Kind::data, Kind::attachment, Kind::video, Kind::other, Kind::data };
        MediaProbe::Stream stream { kind[QString("vasdtp?c").indexOf(f[0])], f[1].section(u'@', 0, 0), int(info.streams.size()), f[0] == "p", {}, field(2),
            field(3) };
        for (const QString &fact : f[1].split(u'@').mid(1)) {
            const QStringList dv = fact.mid(2).split(u'.');
            if (fact.startsWith("dv"))
                std::tie(stream.picture.dolbyVisionProfile, stream.picture.dolbyVisionLevel, stream.picture.dolbyVisionCompatibility)
                    = std::tuple(dv[0].toInt(), dv[1].toInt(), dv[2].toInt());
            stream.picture.rotation = fact.startsWith(u'r') ? fact.mid(1).toInt() : stream.picture.rotation;
            stream.picture.transfer = fact == "hlg" ? "arib-std-b67" : stream.picture.transfer;
        }
        stream.chapterTrack = f[0] == "c";
        info.chapters += f[0] == "c" ? 2 : 0;
        for (const QChar c : field(4))
            stream.flags |= MediaProbe::Flag(1 << flagLetters.indexOf(c));
        stream.otherMarks = field(5).split(u'+', Qt::SkipEmptyParts);
        if (!info.formatName.isEmpty() && stream.attachedPicture)
            std::swap(stream.fileName, stream.title);
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
                   .arg(t.input ? QStringLiteral("s%1").arg(t.input) : QString::number(t.source), t.codec, t.encoder.isEmpty() ? "" : "=" + t.encoder,
                       orNone(t.language), t.recordedLanguage == t.language ? "" : "/" + orNone(t.recordedLanguage), t.title,
                       t.recordedTitle == t.title ? "" : "/" + orNone(t.recordedTitle), t.attachedPicture ? "p" : letters(t.flags), letters(t.recordedFlags));
    for (qsizetype i = 0; i < plan.tracks.size(); ++i) {
        const MediaProbe::Picture &p = plan.tracks[i].recordedPicture;
        if (p != MediaProbe::Picture())
            out[i] += QStringLiteral(" [%1 r%2 dv%3 %4]").arg(orNone(p.tag)).arg(p.rotation).arg(p.dolbyVisionProfile).arg(orNone(p.transfer));
    }
    for (const auto &c : plan.covers)
        out << QStringLiteral("%1:%2 %3").arg(QString::number(c.source), c.fileName, c.mimeType);
    if (!plan.strict.isEmpty() || !plan.chapterTitles.isEmpty())
        out << QStringLiteral("strict %1, %2 chapters, %3 tracks listed").arg(orNone(plan.strict)).arg(plan.chapterTitles.size()).arg(plan.decisions.size());
    return out.join(u'|');
}

// Files beside "m.mkv", separated by "|": a name the matcher reads, then "=codec" (else the
// extension's), "@charset" for text read through one, "@?" for a charset guessed.
QList<SideInput> sides(const QString &names)
{
    QList<SideInput> inputs;
    for (const QString &item : names.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QRegularExpression("[=@]"));
        const QHash<QString, QString> codecs { { "srt", "subrip" }, { "ass", "ass" }, { "vtt", "webvtt" }, { "aac", "aac" }, { "ac3", "ac3" },
            { "mka", "opus" } };
        const QString codec = item.contains(u'=') ? f[1] : codecs.value(f[0].section(u'.', -1));
        const QString charset = item.contains(u'@') ? f.last() : QString();
        inputs << SideInput { "/v/" + f[0], SideFiles::belongingTo("m.mkv", { f[0] }, {}).value(0), codec, charset == "?" ? "windows-1252" : charset.toLatin1(),
            charset == "?" };
    }
    return inputs;
}

// The rule the terminal's words make ("--lang en,ja", "--if-no-audio skip", …), then the
// window's switches by plain words; "x:KEY+" and "x:KEY-" tick and untick a track.
TrackChoice choiceOf(const QString &words, const QString &sideNames)
{
    const QStringList w = words.split(u' ', Qt::SkipEmptyParts);
    const auto value = [&w](const QString &option) { return w.contains(option) ? std::optional(w[w.indexOf(option) + 1]) : std::nullopt; };
    TrackChoice choice { TrackRule::fromOptions({ value("--lang"), value("--audio-lang"), value("--sub-lang"), w.contains("--keep-commentary"),
                                                    value("--if-no-audio"), w.contains("--no-side-files"), w.contains("--keep-main-audio") })
                             .rule,
        sides(sideNames) };
    choice.rule.keepNoLanguage = !w.contains("no-language-out");
    choice.rule.leaveOutAudioDescription = w.contains("description-out");
    choice.rule.keepForcedInAudioLanguages = w.contains("forced");
    choice.rule.defaults = w.contains("my-order") ? TrackRule::Defaults::followOrder : TrackRule::Defaults::asInSource;
    for (const QString &word : w)
        if (word.startsWith("x:"))
            choice.exceptions.insert(word.mid(2).chopped(1), word.endsWith(u'+'));
    return choice;
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

    // What each container takes, as measured with ffmpeg 5.1: "Y" as is, "E" with -strict
    // experimental, "U" with -strict unofficial, "N" not; the order MKV, MP4, MOV, WebM, TS.
    void table()
    {
        QStringList got;
        for (const QString what :
            { "aac", "ac3", "eac3", "dts", "truehd", "flac", "opus", "vorbis", "mp3", "pcm_s16le", "unmeasured", "rotation", "dv", "hvc1" }) {
            got << what + u' ';
            for (const OutputFormat format : OutputFormats::allCases()) {
                const auto records = TrackPlan::records(format);
                const QString takes = QString("YEUN")[int(ContainerTable::audio(what, format))];
                got.last() += what == "rotation" ? (records.rotation ? "Y" : "N")
                    : what == "dv"               ? (!records.dolbyVision                          ? "N"
                                            : ContainerTable::dolbyVisionStrict(format).isEmpty() ? "Y"
                                                                                                  : "U")
                    : what == "hvc1"             ? (ContainerTable::videoTag("hevc", format) == what ? "Y" : "N")
                                                 : takes;
            }
        }
        QCOMPARE(got.join(u'|'),
            "aac YYYNY|ac3 YYYNY|eac3 YYYNY|dts YYYNY|truehd YENNY|flac YENNN|opus YYNYY|vorbis YYYYN|mp3 YYYNY|pcm_s16le YNYNN|"
            "unmeasured YYYNY|rotation NYYNN|dv YUNNN|hvc1 NYYNN");
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
        row("MKV from MKV: each picture an attachment again, by its own name", "mkv>v h264|p png - font.png|p mjpeg - cover.jpg", OutputFormat::mkv,
            "0:h264 - '' -/-|1:font.png image/png|2:cover.jpg image/jpeg", "");
        row("TS: one audio type, hearing first", s2, OutputFormat::mpegts, "0:h264 - '' -/-|1:aac zho '' vo/v|2:aac swe '' hv/h|3:mov_text - '' -/-", "");
        // A phone's clip: turned, Dolby Vision over HLG, with MP4's chapter track.
        const QString phone = "v hevc@r-90@dv8.4.4@hlg|a aac|c bin_data",
                      p = "0:hevc - '' -/%1 [%2 r%3 dv%4 %6]|1:aac - '' -/%1|strict %5, 2 chapters, 2 tracks listed";
        const QString sideways = "%1 can't record that this video is turned 90°, so players will show it sideways.",
                      hlg = " %1 can't keep Dolby Vision, so this video will play as HDR (HLG).";
        row("phone clip into MKV: Dolby Vision kept, turned no more", phone, OutputFormat::mkv, p.arg("-", "-", "0", "8", "-", "arib-std-b67"),
            sideways.arg("MKV"));
        row("phone clip into MP4: all kept, hvc1, unofficially", phone, OutputFormat::mp4, p.arg("d", "hvc1", "-90", "8", "unofficial", "arib-std-b67"), "");
        row("phone clip into MOV: plays as HLG", phone, OutputFormat::mov, p.arg("d", "hvc1", "-90", "-1", "-", "arib-std-b67"), hlg.arg("MOV").mid(1));
        row("phone clip into TS: colour in the stream alone", phone, OutputFormat::mpegts,
            "0:hevc - '' -/-|1:aac - '' -/-|strict -, 2 chapters, 2 tracks listed", sideways.arg("TS") + hlg.arg("TS"));
        row("profile 5 into MOV: not written", "v hevc@dv5.6.0", OutputFormat::mov, "0:hevc - '' -/d [hvc1 r0 dv-1 -]",
            "MOV can't keep Dolby Vision, and this video plays in wrong colours without it. MOV can't keep Dolby Vision, so this video will play as SDR.");
        row("a disc into MOV: what MOV refuses left out", "v h264|a truehd|a flac|a dts", OutputFormat::mov, "0:h264 - '' -/d|3:dts - '' -/d",
            "TrueHD audio can't go into MOV, so it was left out. FLAC audio can't go into MOV, so it was left out.");
        row("a disc into MP4: experimental", "v h264|a truehd|a flac|a dts", OutputFormat::mp4,
            "0:h264 - '' -/d|1:truehd - '' -/d|2:flac - '' -/-|3:dts - '' -/-|strict experimental, 0 chapters, 4 tracks listed", "");
    }
    void plan()
    {
        QFETCH(QString, streams);
        QFETCH(OutputFormat, format);
        QFETCH(QString, tracks);
        QFETCH(QString, sentences);
        const TrackPlan plan = TrackPlan::make(source(streams), format);
        QCOMPARE(render(plan), tracks);
        QCOMPARE(
            (QStringList(plan.skipped.value_or(QString())) + plan.notes + plan.warnings).join(u' ').trimmed() + (plan.dropsDataTracks ? "+" : ""), sentences);
    }

    // The rule applied: what is kept and how, what is left out and why, the notes, and the row's line.
    void rule_data()
    {
        QTest::addColumn<QString>("streams");
        QTest::addColumn<QString>("sideNames");
        QTest::addColumn<QString>("words");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("tracks");
        QTest::addColumn<QString>("leftOut"); // "key why" of each track left out, "*" by the user's tick
        QTest::addColumn<QString>("said"); // notes, warnings, then the row's line
        const auto row = [](const char *name, const QString &streams, const QString &sides, const QString &words, OutputFormat format, const QString &tracks,
                             const QString &leftOut,
                             const QString &said) { QTest::addRow("%s", name) << streams << sides << words << format << tracks << leftOut << said; };
        const auto mkv = OutputFormat::mkv;
        const QString four = "v h264|a aac ger - d|a aac EN|a aac jpn|a aac fre|s subrip en|s subrip GER|s ass fra";
        row("every spelling; the main audio stays", four, "", "--lang eng,Japanese --keep-main-audio", mkv,
            "0:h264 - '' -/-|1:aac ger '' d/d|2:aac eng '' -/-|3:aac jpn '' -/-|5:subrip eng '' -/-",
            "0:4 French: not in your languages|0:6 German: not in your "
            "languages|0:7 French: not in your languages",
            "3 of 4 audio · 1 of 3 subtitles");
        row("a language known by its 639-3 code alone", "v h264|a aac eng - d|a aac yue", "m.yue.srt", "--lang yue", mkv,
            "0:h264 - '' -/-|2:aac yue '' -/-|s1:subrip yue '' -/-", "0:1 English: not in your languages", "1 of 2 audio · 1 side file");
        row("tracks with no language", "v h264|a aac ger - d|a aac und|a aac -|s subrip zxx|s subrip xyz", "", "--lang en", mkv,
            "0:h264 - '' -/-|2:aac - '' -/-|3:aac - '' -/-|4:subrip - '' -/-", "0:1 German: not in your languages|0:5 xyz: not in your languages",
            "2 of 3 audio · 1 of 2 subtitles");
        row("no language left out too: no match", "v h264|a aac ger - d|a aac und", "", "--lang en no-language-out", mkv, "0:h264 - '' -/-|1:aac ger '' d/d",
            "0:2 No language", "No English audio here, so the main audio (German) was kept. 1 of 2 audio");
        row("commentary by flag and by title, in any case",
            "v h264|a aac eng - d|a aac eng - c|a aac eng Director's_Comments|a aac eng COMMENTARY|s subrip "
            "eng Kommentar|a aac eng - v",
            "", "--lang en description-out", mkv, "0:h264 - '' -/-|1:aac eng '' d/d",
            "0:2 Commentary|0:3 Commentary|0:4 Commentary|0:5 Commentary|0:6 Audio description", "1 of 5 audio · 0 of 1 subtitle");
        row("no match: the main audio, said", "v h264|a aac fre|a aac ger - d|s subrip ger", "", "--lang en,ja", mkv, "0:h264 - '' -/-|2:aac ger '' d/d",
            "0:1 French: not in your languages|0:3 German: not in your languages",
            "No English or Japanese audio here, so the main audio (German) was kept. No English or Japanese subtitles here, so none were kept. 1 of 2 audio · "
            "0 of "
            "1 subtitle");
        row("no match: skipped", "v h264|a aac ger - d|s subrip eng", "", "--lang en,ja --if-no-audio skip", mkv, "0:h264 - '' -/-|2:subrip eng '' -/-",
            "0:1 German: not in your languages", "Skipped: no English or Japanese audio");
        row("audio with no language is never skipped", "v h264|a aac und", "", "--lang en --if-no-audio skip", mkv, "0:h264 - '' -/-|1:aac - '' -/-", "",
            "Every track");
        row("forced subtitles in the kept audio's languages", "v h264|a aac jpn|s ass jpn - f|s ass eng - f|s ass jpn|s ass - - f", "",
            "--audio-lang ja --sub-lang none forced", mkv, "0:h264 - '' -/-|1:aac jpn '' -/-|2:ass jpn '' f/f",
            "0:3 No subtitles chosen|0:4 No subtitles chosen|0:5 No subtitles chosen", "1 of 1 audio · 1 of 4 subtitles");
        row("defaults in the order of the languages", "v h264 - - d|a aac eng - d|a aac jpn|a aac jpn|s ass eng - df|s ass jpn - f|s ass jpn - f", "",
            "--lang ja,en my-order", OutputFormat::mp4,
            "0:h264 - '' d/d|1:aac eng '' -/-|2:aac jpn '' d/d|3:aac jpn '' -/-|4:mov_text=mov_text eng '' f/f|5:mov_text=mov_text jpn '' "
            "df/df|6:mov_text=mov_text jpn '' f/f",
            "", "The subtitles were converted to MP4's text format; their styling was lost. Every track");
        row("ticks: the video stays, a track in and one out", four, "", "--lang en x:0:0- x:0:4+ x:0:5- x:0:7+", mkv,
            "0:h264 - '' -/-|2:aac eng '' -/-|4:aac fre '' -/-|7:ass fra '' -/-",
            "0:1 German: not in your languages|0:3 Japanese: not in your languages|0:5 Left out by you*|0:6 German: not in your languages",
            "2 of 4 audio · 1 of 3 subtitles");
        row("bitmaps into MP4, a rule choosing: left out, said", "v h264|a aac eng|s hdmv_pgs_subtitle eng|s dvb_subtitle eng|s hdmv_pgs_subtitle eng", "",
            "--lang en", OutputFormat::mp4, "0:h264 - '' -/d|1:aac eng '' -/d",
            "0:2 PGS subtitles can't go into MP4|0:3 DVB subtitles can't go into MP4|0:4 PGS subtitles can't go into MP4",
            "PGS subtitles can't go into MP4, so they were left out. DVB subtitles can't go into MP4, so they were left out. 1 of 1 audio · 0 of 3 subtitles");
        row("side files of every tag into MP4", "v h264|a aac eng - d|s subrip eng",
            "m.srt|m.en.forced.srt@windows-1251|m.ja.sdh.default.ass|m.ja.commentary.aac|m.Director.mka|m.pt-BR.cc.vtt@?|m.fr.srt", "--lang en,ja",
            OutputFormat::mp4,
            "0:h264 - '' -/d|1:aac eng '' d/d|2:mov_text=mov_text eng '' -/-|s1:mov_text=mov_text - '' -/-|s2:mov_text=mov_text eng '' "
            "f/f|s3:mov_text=mov_text jpn '' dh/dh|"
            "s4:opus - 'Director' -/-",
            "side:m.ja.commentary.aac Commentary|side:m.pt-BR.cc.vtt Portuguese: not in your languages|side:m.fr.srt French: not in your languages",
            "The subtitles were converted to MP4's text format; their styling was lost. Every track · 4 side files");
        row("side files into TS: text can't go in", "v h264|a aac eng", "m.en.srt|m.de.aac|m.en.vtt@?", "--lang en,de", OutputFormat::mpegts,
            "0:h264 - '' -/-|1:aac eng '' -/-|s1:aac ger '' -/-",
            "side:m.en.srt SRT subtitles can't go into TS|side:m.en.vtt WebVTT subtitles can't go into TS",
            "m.en.srt can't go into TS, so it was left out. m.en.vtt can't go into TS, so it was left out. Every track · 1 side file");
        row("side files kept, text read through a charset guessed", "v h264|a aac eng", "m.en.srt@?|m.ac3|m.aac=", "", mkv,
            "0:h264 - '' -/-|1:aac eng '' -/-|s1:subrip=srt eng '' -/-|s2:ac3 - '' -/-", "side:m.aac Can't be read",
            "m.aac can't be read, so it was left out. The encoding of m.en.srt couldn't be told, so it was read as Windows-1252. Every track · 2 side files");
        row("side files not wanted", "v h264|a aac eng", "m.en.srt", "--no-side-files", mkv, "0:h264 - '' -/-|1:aac eng '' -/-", "", "Every track");
        // Never a file without sound: the English AAC can't go into WebM, the next that can takes its place.
        const QString silent = "v vp9|a aac eng - d|a opus jpn";
        const QString english = "0:1 AAC audio can't go into WEBM";
        const QString inPlace
            = "AAC audio can't go into WEBM, so it was left out. The %1 audio was kept in its place, so the new file has sound. 1 of %2 audio";
        row("no sound in WebM: the other language", silent, "", "--lang en", OutputFormat::webm, "0:vp9 - '' -/-|2:opus jpn '' -/-", english,
            inPlace.arg("Japanese").arg(2));
        row("no sound in WebM: the languages first", silent + "|a opus eng - c|a vorbis fre", "", "--lang en", OutputFormat::webm,
            "0:vp9 - '' -/-|3:opus eng '' c/-", english + "|0:2 Japanese: not in your languages|0:4 French: not in your languages",
            inPlace.arg("English").arg(4));
        row("no sound in WebM: then the main audio", "v vp9|a aac eng|a opus fre|a opus ger - d", "", "--lang en", OutputFormat::webm,
            "0:vp9 - '' -/-|3:opus ger '' d/d", english + "|0:2 French: not in your languages", inPlace.arg("German").arg(3));
        row("no sound in WebM: none can go in, the ticked one neither", "v vp9|a aac eng - d|a ac3 jpn", "", "--lang en x:0:1+", OutputFormat::webm,
            "0:vp9 - '' -/-", english + "*|0:2 Japanese: not in your languages",
            "AAC audio can't go into WEBM, so it was left out. None of this file's audio can go into WEBM.");
        row("no sound in WebM: none can go in, skipped", "v vp9|a aac eng - d|a ac3 jpn", "", "--lang en --if-no-audio skip", OutputFormat::webm,
            "0:vp9 - '' -/-", english + "|0:2 Japanese: not in your languages",
            "AAC audio can't go into WEBM, so it was left out. Skipped: no audio that can go into WEBM");
        for (const auto format : { OutputFormat::mkv, OutputFormat::mp4, OutputFormat::mov, OutputFormat::mpegts })
            QTest::addRow("the same file into %s", qPrintable(OutputFormats::rawValue(format))) << silent << ""
                                                                                                << "--lang en" << format
                                                                                                << "0:vp9 - '' -/"
                    + QString(format == OutputFormat::mp4 || format == OutputFormat::mov ? "d" : "-") + "|1:aac eng '' d/"
                    + (format == OutputFormat::mpegts ? "-" : "d") << "0:2 Japanese: not in your languages"
                                                                                                << "1 of 2 audio";
        row("side audio WebM can't take", "v vp9|a opus eng", "m.en.aac|m.de.mka", "", OutputFormat::webm,
            "0:vp9 - '' -/-|1:opus eng '' -/-|s1:opus ger '' -/-", "side:m.en.aac AAC audio can't go into WEBM",
            "m.en.aac can't go into WEBM, so it was left out. Every track · 1 side file");
    }
    void rule()
    {
        QFETCH(QString, streams);
        QFETCH(QString, sideNames);
        QFETCH(QString, words);
        QFETCH(OutputFormat, format);
        QFETCH(QString, tracks);
        QFETCH(QString, leftOut);
        QFETCH(QString, said);
        const TrackChoice choice = choiceOf(words, sideNames);
        const TrackPlan plan = TrackPlan::make(source(streams), format, choice);
        QCOMPARE(render(plan), tracks);
        QStringList out;
        for (const auto &d : plan.decisions)
            if (!d.kept)
                out << d.key + u' ' + d.why + (d.byException ? "*" : "");
        QCOMPARE(out.join(u'|'), leftOut);
        QCOMPARE((plan.notes + plan.warnings + QStringList { plan.summary() }).join(u' '), said);
        // Every track and every side file given is decided; a kept side file is the input its decision names.
        QCOMPARE(plan.decisions.size(), source(streams).streams.size() + (choice.rule.addSideFiles ? choice.sideFiles.size() : 0));
        for (const auto &d : plan.decisions)
            if (d.kept && d.input > 0)
                QCOMPARE(plan.sideInputs.value(d.input - 1).path, "/v/" + d.key.mid(5));
    }

    void arguments_data()
    {
        QTest::addColumn<QString>("streams"); // "": the source could not be read; " + " then side files
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
        row("MKV, side files: text in another charset decoded", "v h264|a aac eng + m.de.aac|m.ru.srt@windows-1251|m.en.forced.ass|m.fr.srt@?",
            OutputFormat::mkv, "d",
            "-i IN -f aac -i /v/m.de.aac -sub_charenc windows-1251 -f srt -i /v/m.ru.srt -f ass -i /v/m.en.forced.ass -sub_charenc windows-1252 -f srt -i "
            "/v/m.fr.srt -map 0:0 -map 0:1 -map 1:a:0 -map 2:s:0 -map 3:s:0 -map 4:s:0 -c copy -disposition:0 0 -disposition:1 0 -metadata:s:1 language=eng "
            "-disposition:2 0 -metadata:s:2 "
            "language=ger -c:3 srt -disposition:3 0 -metadata:s:3 language=rus -disposition:4 forced -metadata:s:4 language=eng -c:5 srt -disposition:5 0 "
            "-metadata:s:5 language=fre -f matroska -y OUT");
        row("MP4, a side SRT in UTF-8", "v h264 + m.ja.default.srt", OutputFormat::mp4, "",
            "-i IN -f srt -i /v/m.ja.default.srt -map 0:0 -map 1:s:0 -c copy -disposition:0 0 -c:1 mov_text -disposition:1 default -metadata:s:1 language=jpn "
            "-movflags +faststart -f mp4 -y OUT");
        row("MP4: HEVC tagged, TrueHD experimental, chapters stated, their track never copied", "v hevc|a truehd eng|c bin_data", OutputFormat::mp4, "",
            "-i IN -map 0:0 -map 0:1 -c copy -tag:0 hvc1 -disposition:0 0 -disposition:1 0 -metadata:s:1 language=eng -map_chapters 0 -strict experimental "
            "-movflags +faststart -f mp4 -y OUT");
        row("TS: no chapters to state", "v hevc|c bin_data", OutputFormat::mpegts, "", "-i IN -map 0:0 -c copy -disposition:0 0 -f mpegts -y OUT");
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
        const QStringList parts = streams.split(" + "); // then files beside the video
        auto plan = streams.isEmpty() ? std::nullopt : std::optional(TrackPlan::make(source(parts[0]), format, choiceOf("", parts.value(1))));
        for (qsizetype i = 0; plan && i < plan->covers.size(); ++i)
            plan->covers[i].path = "/C"; // as if copied out
        QCOMPARE(FFmpegRunner::buildArguments(QUrl::fromLocalFile("/IN"), QUrl::fromLocalFile("/OUT"), format, retry, plan).join(u' '),
            "-hide_banner -loglevel error -nostats -progress pipe:1 " + QString(vector).replace("IN", "/IN").replace("OUT", "/OUT"));
    }
};

QTEST_GUILESS_MAIN(TrackPlanTest)
#include "trackplantest.moc"
