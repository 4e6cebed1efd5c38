#include "engine/sidefiles.h"

#include "../requiretools.h"
#include "engine/textencoding.h"
#include "engine/trackchoice.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <iconv.h>

namespace
{
// One found file as a line: its name, kind, language, then its flags and title.
QStringList described(const QList<SideFiles::File> &files)
{
    QStringList lines;
    for (const SideFiles::File &f : files) {
        QString line = f.name + (f.kind == SideFiles::Kind::audio ? " audio " : " sub ");
        line += f.language == QLocale::AnyLanguage ? QStringLiteral("none") : QLocale::languageToString(f.language);
        line += QString(f.forced ? " forced" : "") + (f.hearingImpaired ? " hi" : "") + (f.isDefault ? " default" : "") + (f.commentary ? " commentary" : "");
        lines.append(f.title.isEmpty() ? line : line + " '" + f.title + "'");
    }
    return lines;
}

// `text` as a file written in the legacy set `charset` holds it.
QByteArray encoded(const QString &text, const char *charset)
{
    QByteArray in = text.toUtf8(), out(in.size() * 4, '\0');
    char *from = in.data(), *to = out.data();
    size_t left = in.size(), room = out.size();
    const iconv_t converter = iconv_open(charset, "UTF-8");
    iconv(converter, &from, &left, &to, &room);
    iconv_close(converter);
    return out.first(out.size() - qsizetype(room));
}

QString cues(const char *first, const char *second)
{
    return QStringLiteral("1\n00:00:01,000 --> 00:00:03,000\n%1\n\n2\n00:00:04,000 --> 00:00:06,000\n%2\n\n").arg(first, second);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What ffmpeg writes to its output, run with `arguments`.
QString ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.start("ffmpeg", QStringList { "-v", "error" } + arguments);
    return process.waitForFinished() && process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : "failed";
}
}

class SideFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void belongingTo_data()
    {
        QTest::addColumn<QString>("video");
        QTest::addColumn<QStringList>("otherVideos");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("files");
        const auto row = [](const char *what, const QString &video, const QStringList &others, const QStringList &names, const QStringList &files) {
            QTest::addRow("%s", what) << video << others << names << files;
        };
        row("no tag: no language", "movie.mkv", {}, { "movie.mkv", "movie.srt", "movie.txt", "other.srt" }, { "movie.srt sub none" });
        row("every extension, any case", "m.mkv", {},
            { "m.ASS", "m.Ssa", "m.vtt", "m.mka", "m.m4a", "m.aac", "m.AC3", "m.eac3", "m.dts", "m.flac", "m.opus", "m.mp3", "m.idx" },
            { "m.ASS sub none", "m.Ssa sub none", "m.vtt sub none", "m.mka audio none", "m.m4a audio none", "m.aac audio none", "m.AC3 audio none",
                "m.eac3 audio none", "m.dts audio none", "m.flac audio none", "m.opus audio none", "m.mp3 audio none" });
        row("languages in every spelling", "m.mkv", {},
            { "m.en.srt", "m.GER.srt", "m.deu.srt", "m.pt-BR.srt", "m.zh_Hans.srt", "m.JAPANESE.srt", "m.日本語.srt", "m.es-419.srt", "m.français.srt",
                "m.no.srt" },
            { "m.en.srt sub English", "m.GER.srt sub German", "m.deu.srt sub German", "m.pt-BR.srt sub Portuguese", "m.zh_Hans.srt sub Chinese",
                "m.JAPANESE.srt sub Japanese", "m.日本語.srt sub Japanese", "m.es-419.srt sub Spanish", "m.français.srt sub French",
                "m.no.srt sub Norwegian Bokmal" });
        row("every flag; hi is no Hindi on subtitles, but is on audio", "m.mkv", {},
            { "m.en.forced.srt", "m.FOREIGN.srt", "m.signs.en.ass", "m.en.sdh.srt", "m.cc.srt", "m.de.hi.srt", "m.en.default.srt", "m.en.Commentary.mka",
                "m.hi.ac3" },
            { "m.en.forced.srt sub English forced", "m.FOREIGN.srt sub none forced", "m.signs.en.ass sub English forced", "m.en.sdh.srt sub English hi",
                "m.cc.srt sub none hi", "m.de.hi.srt sub German hi", "m.en.default.srt sub English default", "m.en.Commentary.mka audio English commentary",
                "m.hi.ac3 audio Hindi" });
        row("other tags make the title", "m.mkv", {}, { "m.en.Director's cut.srt", "m.fr.de.srt", "m.xx.part2.srt", "m.Full.Song Lyrics.srt", "m..en.srt" },
            { "m.en.Director's cut.srt sub English 'Director's cut'", "m.fr.de.srt sub French 'de'", "m.xx.part2.srt sub none 'xx.part2'",
                "m.Full.Song Lyrics.srt sub none 'Full.Song Lyrics'", "m..en.srt sub English" });
        row("no language", "m.mkv", {}, { "m.und.srt", "m.zxx.srt" }, { "m.und.srt sub none", "m.zxx.srt sub none" });
        row("hidden files skipped, even beside a hidden video", ".m.mkv", {}, { ".m.en.srt", ".m.srt" }, {});
        row("the longer base wins", "m.mkv", { "m.part2.mkv" }, { "m.en.srt", "m.part2.en.srt", "m.part2.srt", "m.part3.srt" },
            { "m.en.srt sub English", "m.part3.srt sub none 'part3'" });
        row("nor does a blank extend the base", "movie.mkv", { "movie 2.mkv" }, { "movie 2.en.srt", "movies.srt", "Movie.srt" }, {});
    }
    void belongingTo()
    {
        QFETCH(QString, video);
        QFETCH(QStringList, otherVideos);
        QFETCH(QStringList, names);
        QFETCH(QStringList, files);
        QCOMPARE(described(SideFiles::belongingTo(video, names, otherVideos)), files);
    }

    void read_data()
    {
        QTest::addColumn<QString>("video");
        QTest::addColumn<bool>("withSideFiles");
        QTest::addColumn<QStringList>("files"); // as described(), then the codec and the encoding
        // "movie.en.m4a" is the film's side file, and never takes "movie.en.vtt" from it; added as
        // a source of its own, it finds its own side files by the longer base. Each is read by
        // its extension's reader: what isn't what its name says (text as audio, a playlist or
        // junk as subtitles, nothing at all) has no codec, and is left out. UTF-16 without a
        // byte-order mark is read as text; side audio gives its own language and title.
        QTest::addRow("all tags; neighbours, hidden and nested left out")
            << "movie.mkv" << true
            << QStringList { "movie.Commentary.mka audio none commentary ", "movie.de.ac3 audio German ac3", "movie.en.forced.ASS sub English forced ",
                   "movie.en.m4a audio English ", "movie.en.vtt sub English webvtt", "movie.fr.srt sub French ", "movie.hi.mka audio Hindi 'Stereo' aac",
                   "movie.ja.sdh.srt sub Japanese hi subrip SHIFT_JIS", "movie.ko.srt sub Korean subrip", "movie.mka audio Swedish 'Mix' aac",
                   "movie.x.ssa sub none 'x'  WINDOWS-1252 guessed" };
        QTest::addRow("audio as a source") << "movie.en.m4a" << true << QStringList { "movie.en.forced.ASS sub none forced ", "movie.en.vtt sub none webvtt" };
        QTest::addRow("the longer base") << "movie.part2.mkv" << true << QStringList { "movie.part2.en.srt sub English subrip" };
        QTest::addRow("empty") << "movie 2.mkv" << true << QStringList { "movie 2.en.srt sub English " };
        QTest::addRow("side files off") << "movie.mkv" << false << QStringList {};
    }
    void read()
    {
        QFETCH(QString, video);
        QFETCH(bool, withSideFiles);
        QFETCH(QStringList, files);
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        for (const char *name :
            { "movie.mkv", "movie.part2.mkv", "movie.Commentary.mka", ".movie.en.srt", "sub/movie.en.srt", "movie.en.forced.ASS", "movie.en.m4a" })
            QVERIFY(write(dir.filePath(name), "not media"));
        QVERIFY(write(dir.filePath("movie 2.en.srt"), ""));
        QVERIFY(write(dir.filePath("movie.part2.en.srt"), cues("Hello", "there").toUtf8()));
        QVERIFY(write(dir.filePath("movie.en.vtt"), "WEBVTT\n\n00:01.000 --> 00:03.000\nHello\n"));
        QVERIFY(write(dir.filePath("movie.fr.srt"), "ffconcat version 1.0\nfile movie.part2.en.srt\n"));
        QVERIFY(write(dir.filePath("movie.ko.srt"), QStringEncoder(QStringEncoder::Utf16LE)(cues("안녕하세요", "오늘"))));
        const QString mix = "-f lavfi -i anullsrc=d=0.2 -c:a aac -metadata:s:a:0 language=";
        QCOMPARE(ffmpeg((mix + "swe -metadata:s:a:0 title=Mix").split(u' ') << dir.filePath("movie.mka")), "");
        QCOMPARE(ffmpeg((mix + "und -metadata:s:a:0 title=Stereo").split(u' ') << dir.filePath("movie.hi.mka")), "");
        QVERIFY(write(dir.filePath("movie.x.ssa"), "\x81\x8d\x8f\x90\x9d, \x81\x8d"));
        QVERIFY(write(
            dir.filePath("movie.ja.sdh.srt"), encoded(cues("こんにちは、今日はお元気ですか？", "これからどうすればいいのか分かりません。"), "SHIFT_JIS")));
        QCOMPARE(ffmpeg({ "-f", "lavfi", "-i", "anullsrc=d=0.2", "-c:a", "ac3", dir.filePath("movie.de.ac3") }), "");
        QVERIFY(QFile::copy(dir.filePath("movie.de.ac3"), dir.filePath("movie 2.mkv")));

        // One listing for all the rows' readings, as one add shares it; a source that is no media
        // still has its side files.
        const FileTracks tracks = FileTracks::read(dir.filePath(video), withSideFiles, std::make_shared<SideFiles::Listings>());
        QCOMPARE(tracks.info.has_value(), video == "movie 2.mkv");
        QStringList found;
        for (const SideInput &side : tracks.sideFiles) {
            QCOMPARE(side.path, dir.filePath(side.file.name));
            found << described({ side.file }).constFirst() + ' ' + side.codec + (side.encoding.isEmpty() ? "" : ' ' + side.encoding)
                    + (side.encodingGuessed ? " guessed" : "");
        }
        QCOMPARE(found, files);
    }

    void encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("guessed");
        QTest::addColumn<QString>("text"); // what ffmpeg, told the name, must read; empty: not tried
        QTest::addColumn<bool>("wide"); // UTF-16 or UTF-32, which goes to ffmpeg as a UTF-8 copy
        const auto legacy = [](const char *what, const QString &text, const char *written, const char *name) {
            QTest::addRow("%s", what) << encoded(text, written) << QByteArray(name) << false << text << false;
        };
        const QString russian = cues("Привет, как у тебя дела сегодня?", "Я не знаю, что нам теперь делать с этим.");
        legacy("Cyrillic", russian, "WINDOWS-1251", "WINDOWS-1251");
        legacy("Greek", cues("Γεια σου, πώς είσαι σήμερα;", "Δεν ξέρω τι να κάνουμε τώρα με αυτό."), "ISO-8859-7", "ISO-8859-7");
        legacy("Chinese", cues("你好，你今天怎么样？", "我不知道我们现在该怎么办。"), "GB18030", "GB18030");
        legacy("Chinese, traditional", cues("你好，你今天怎麼樣？", "我不知道我們現在該怎麼辦。"), "BIG5", "BIG5");
        legacy("Japanese", cues("こんにちは、今日はお元気ですか？", "これからどうすればいいのか分かりません。"), "SHIFT_JIS", "SHIFT_JIS");
        legacy("Korean, named as its superset", cues("안녕하세요, 오늘 어떻게 지내세요?", "이제 우리가 무엇을 해야 할지 모르겠어요."), "EUC-KR", "UHC");
        const auto wide = [](QStringEncoder::Encoding form, bool bom, const QString &text) {
            return QByteArray(QStringEncoder(form, bom ? QStringEncoder::Flag::WriteBom : QStringEncoder::Flag::Default)(text));
        };
        const QString english = cues("Hello", "there");
        QTest::addRow("UTF-8") << russian.toUtf8() << QByteArray() << false << QString() << false;
        QTest::addRow("UTF-8 with a BOM") << "\xEF\xBB\xBF" + russian.toUtf8() << QByteArray() << false << russian << false;
        QTest::addRow("UTF-16LE with a BOM") << wide(QStringEncoder::Utf16LE, true, russian) << QByteArray() << false << QString() << true;
        QTest::addRow("UTF-16BE with a BOM") << wide(QStringEncoder::Utf16BE, true, russian) << QByteArray() << false << QString() << true;
        QTest::addRow("UTF-16LE without one") << wide(QStringEncoder::Utf16LE, false, russian) << QByteArray() << false << QString() << true;
        QTest::addRow("UTF-16BE without one") << wide(QStringEncoder::Utf16BE, false, english) << QByteArray() << false << QString() << true;
        QTest::addRow("UTF-32LE without one") << wide(QStringEncoder::Utf32LE, false, russian) << QByteArray() << false << QString() << true;
        QTest::addRow("UTF-32BE without one") << wide(QStringEncoder::Utf32BE, false, english) << QByteArray() << false << QString() << true;
        QTest::addRow("ASCII") << english.toLatin1() << QByteArray() << false << QString() << false;
        QTest::addRow("UTF-8 cut inside a character at the limit")
            << "a" + QString(TextEncoding::readLimit, u'я').toUtf8() << QByteArray() << false << QString() << false;
        QTest::addRow("undetectable") << QByteArray("\x81\x8d\x8f\x90\x9d, \x81\x8d") << QByteArray("WINDOWS-1252") << true << QString() << false;
    }
    void encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, name);
        QFETCH(bool, guessed);
        QFETCH(QString, text);
        QFETCH(bool, wide);
        QCOMPARE(TextEncoding::of(bytes), (TextEncoding::Found { name, guessed }));
        QCOMPARE(TextEncoding::wideOf(bytes).has_value(), wide);
        if (text.isEmpty())
            return;
        if (QStandardPaths::findExecutable("ffmpeg").isEmpty())
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed");
        QTemporaryDir dir;
        QVERIFY(write(dir.filePath("text.srt"), bytes));
        const QStringList charset = name.isEmpty() ? QStringList() : QStringList { "-sub_charenc", name };
        QCOMPARE(ffmpeg(charset + QStringList { "-i", dir.filePath("text.srt"), "-f", "srt", "-" }), text);
    }
};

QTEST_GUILESS_MAIN(SideFilesTest)
#include "sidefilestest.moc"
