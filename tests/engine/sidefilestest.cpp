#include "engine/sidefiles.h"

#include <QTest>

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
        row("every flag; hi is no Hindi here", "m.mkv", {},
            { "m.en.forced.srt", "m.FOREIGN.srt", "m.signs.en.ass", "m.en.sdh.srt", "m.cc.srt", "m.de.hi.srt", "m.en.default.srt", "m.en.Commentary.mka" },
            { "m.en.forced.srt sub English forced", "m.FOREIGN.srt sub none forced", "m.signs.en.ass sub English forced", "m.en.sdh.srt sub English hi",
                "m.cc.srt sub none hi", "m.de.hi.srt sub German hi", "m.en.default.srt sub English default", "m.en.Commentary.mka audio English commentary" });
        row("other tags make the title", "m.mkv", {}, { "m.en.Director's cut.srt", "m.fr.de.srt", "m.xx.part2.srt", "m.Full.Song Lyrics.srt", "m..en.srt" },
            { "m.en.Director's cut.srt sub English 'Director's cut'", "m.fr.de.srt sub French 'de'", "m.xx.part2.srt sub none 'xx.part2'",
                "m.Full.Song Lyrics.srt sub none 'Full.Song Lyrics'", "m..en.srt sub English" });
        row("no language", "m.mkv", {}, { "m.und.srt", "m.zxx.srt" }, { "m.und.srt sub none", "m.zxx.srt sub none" });
        row("hidden files skipped, even beside a hidden video", ".m.mkv", {}, { ".m.en.srt", ".m.srt" }, {});
        row("the longer base wins", "m.mkv", { "m.part2.mkv" }, { "m.en.srt", "m.part2.en.srt", "m.part2.srt", "m.part3.srt" },
            { "m.en.srt sub English", "m.part3.srt sub none 'part3'" });
        row("the longer video takes its own", "m.part2.mkv", { "m.mkv" }, { "m.en.srt", "m.part2.en.srt" }, { "m.part2.en.srt sub English" });
        row("a blank is no tag", "movie 2.mkv", { "movie.mkv" }, { "movie.en.srt", "movie 2.en.srt" }, { "movie 2.en.srt sub English" });
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

    void inFolder()
    {
        // A video that is also a side file's kind ("m.m4a") never takes itself.
        const auto found = SideFiles::inFolder({ "m.mkv", "m.m4a", "m.part2.mkv", "n.mkv" }, { "m.en.srt", "m.part2.srt", "m.m4a" });
        QCOMPARE(found.size(), 3);
        QCOMPARE(described(found["m.mkv"]), (QStringList { "m.en.srt sub English", "m.m4a audio none" }));
        QCOMPARE(described(found["m.m4a"]), QStringList { "m.en.srt sub English" });
        QCOMPARE(described(found["m.part2.mkv"]), QStringList { "m.part2.srt sub none" });
    }
};

QTEST_GUILESS_MAIN(SideFilesTest)
#include "sidefilestest.moc"
