// The check before a join as a table of parts, and the pure pieces of a join's input: the list
// ffmpeg reads, the chapters, the arguments. Real joins are in jointest.
#include "engine/joincheck.h"

#include "engine/joinsource.h"

#include <QTest>

namespace
{
using Kind = MediaProbe::StreamKind;

// Tracks separated by "|": "kind codec" then any of WxH, sar=N:D, fps=N/D, prof=N, ps=N (a hash of
// the set-up bytes), N Hz, a channel layout ("stereo"), len=S (seconds); kinds "vasp" (p: cover art).
MediaProbe::Info part(const QString &tracks)
{
    MediaProbe::Info info;
    for (const QString &text : tracks.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList f = text.split(u' ');
        MediaProbe::Stream s { std::array { Kind::video, Kind::audio, Kind::subtitle, Kind::video }[QString("vasp").indexOf(f[0])], f[1] };
        s.attachedPicture = f[0] == "p";
        for (const QString &v : f.mid(2)) {
            const QStringList n = v.section(u'=', -1).split(QRegularExpression("[x:/]"));
            if (v.contains(u'x'))
                std::tie(s.coding.width, s.coding.height) = std::pair(n[0].toInt(), n[1].toInt());
            else if (v.startsWith("sar="))
                std::tie(s.coding.aspectNum, s.coding.aspectDen) = std::pair(n[0].toInt(), n[1].toInt());
            else if (v.startsWith("fps="))
                std::tie(s.coding.rateNum, s.coding.rateDen) = std::pair(n[0].toInt(), n[1].toInt());
            else if (v.startsWith("prof="))
                s.coding.profile = n[0].toInt();
            else if (v.startsWith("ps="))
                s.coding.parameterSets = n[0].toULongLong();
            else if (v.startsWith("len="))
                s.coding.seconds = n[0].toDouble();
            else if (v.toInt() > 0)
                s.coding.sampleRate = v.toInt();
            else
                s.coding.channelLayout = v;
        }
        info.streams << s;
    }
    return info;
}
}

class JoinCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusal_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("later"); // parts 2, 3, … separated by " / "
        QTest::addColumn<QString>("expected"); // "N: reason", or empty when they join
        const QString hd = "v h264 1920x1080 sar=1:1 fps=25/1 prof=100 ps=7|a aac 48000 stereo ps=3";
        QTest::addRow("alike") << hd << hd + " / " + hd << "";
        QTest::addRow("another size") << hd << hd + " / v h264 3840x2160 sar=1:1 fps=25/1 prof=100 ps=7|a aac 48000 stereo ps=3"
                                      << "2: Doesn't match part 1: 3840×2160 here, 1920×1080 there.";
        QTest::addRow("another sample rate") << hd << "v h264 1920x1080 sar=1:1 fps=25/1 prof=100 ps=7|a aac 44100 stereo ps=3"
                                             << "1: Doesn't match part 1: audio at 44100 Hz here, 48000 Hz there.";
        QTest::addRow("other parameter sets") << hd << "v h264 1920x1080 sar=1:1 fps=25/1 prof=100 ps=8|a aac 48000 stereo ps=3"
                                              << "1: Doesn't match part 1: the video was encoded with other settings.";
        QTest::addRow("another audio config") << hd << "v h264 1920x1080 sar=1:1 fps=25/1 prof=100 ps=7|a aac 48000 stereo ps=4"
                                              << "1: Doesn't match part 1: the audio was encoded with other settings.";
        QTest::addRow("another profile") << hd << "v h264 1920x1080 sar=1:1 fps=25/1 prof=77 ps=9|a aac 48000 stereo ps=3"
                                         << "1: Doesn't match part 1: the video was encoded with another profile.";
        QTest::addRow("another codec") << hd << "v hevc 1920x1080|a aac"
                                       << "1: Doesn't match part 1: hevc video here, h264 there.";
        QTest::addRow("another pixel shape") << hd << "v h264 1920x1080 sar=4:3|a aac"
                                             << "1: Doesn't match part 1: pixels shaped 4:3 here, 1:1 there.";
        QTest::addRow("another frame rate") << hd << "v h264 1920x1080 fps=30000/1001|a aac"
                                            << "1: Doesn't match part 1: 29.97 frames a second here, 25 there.";
        QTest::addRow("a rate rounded otherwise") << "v h264 fps=30000/1001"
                                                  << "v h264 fps=2997/100"
                                                  << "";
        QTest::addRow("other channels") << hd << "v h264|a aac 48000 5.1(side)"
                                        << "1: Doesn't match part 1: 5.1(side) audio here, stereo there.";
        QTest::addRow("a track more") << hd << hd + "|s subrip"
                                      << "1: Doesn't match part 1: video, audio, subtitles here, video, audio there.";
        QTest::addRow("kinds in another order") << "v h264|a aac"
                                                << "a aac|v h264"
                                                << "1: Doesn't match part 1: audio, video here, video, audio there.";
        QTest::addRow("another subtitle codec") << "v h264|s subrip"
                                                << "v h264|s ass"
                                                << "1: Doesn't match part 1: ass subtitles here, subrip there.";
        QTest::addRow("cover art only in one") << "v h264|a aac|p mjpeg"
                                               << "v h264|a aac"
                                               << "";
        QTest::addRow("what a container doesn't state") << hd << "v h264|a aac"
                                                        << "";
    }
    void refusal()
    {
        QFETCH(QString, first);
        QFETCH(QString, later);
        QFETCH(QString, expected);
        QList<JoinCheck::Part> parts { { "1", part(first) } };
        for (const QString &p : later.split(" / "))
            parts << JoinCheck::Part { QString::number(parts.size() + 1), part(p) };
        const auto refused = JoinCheck::refusal(parts);
        QCOMPARE(refused ? QStringLiteral("%1: %2").arg(refused->part).arg(refused->reason) : QString(), expected);
    }

    void lengthNotes_data()
    {
        QTest::addColumn<QString>("tracks");
        QTest::addColumn<bool>("noted");
        QTest::addRow("ends together") << "v h264 fps=25/1 len=10|a aac len=10.03" << false;
        QTest::addRow("sound a frame short") << "v h264 fps=25/1 len=10|a aac len=9.96" << false;
        QTest::addRow("sound half a second short") << "v h264 fps=25/1 len=10|a aac len=9.5" << true;
        QTest::addRow("sound longer") << "v h264 fps=25/1 len=10|a aac len=10.2" << true;
        QTest::addRow("no sound") << "v h264 fps=25/1 len=10" << false;
    }
    void lengthNotes()
    {
        QFETCH(QString, tracks);
        QFETCH(bool, noted);
        QCOMPARE(JoinCheck::lengthNotes({ { "a.mp4", part(tracks) } }).size(), noted ? 1 : 0);
    }

    // The read-back: packets as "video audio", durations in seconds.
    void arrival_data()
    {
        QTest::addColumn<QList<qint64>>("sent");
        QTest::addColumn<QList<qint64>>("arrived");
        QTest::addColumn<double>("arrivedSeconds");
        QTest::addColumn<QString>("expected");
        QTest::addRow("whole") << QList<qint64> { 60, 87 } << QList<qint64> { 60, 87 } << 6.05 << "";
        QTest::addRow("a frame lost") << QList<qint64> { 60, 87 } << QList<qint64> { 59, 87 } << 6.0
                                      << "Track 1 of the joined file holds 59 packets, but the parts hold 60 together, so it was not kept.";
        QTest::addRow("only the first part") << QList<qint64> { 60, 87 } << QList<qint64> { 60, 87 } << 2.0
                                             << "The joined file lasts 2.00 s, but its parts together last 6.00 s, so it was not kept.";
    }
    void arrival()
    {
        QFETCH(QList<qint64>, sent);
        QFETCH(QList<qint64>, arrived);
        QFETCH(double, arrivedSeconds);
        QFETCH(QString, expected);
        MediaProbe::Info parts = part("v h264|a aac"), made = part("v h264|a aac");
        parts.duration = 6.0;
        made.duration = arrivedSeconds;
        for (int i = 0; i < 2; ++i) {
            parts.streams[i].coding.packets = sent[i];
            made.streams[i].coding.packets = arrived[i];
        }
        QCOMPARE(JoinCheck::arrivalFailure(parts, made, { { 0, 0 }, { 1, 1 } }, 0.1, 3).value_or(QString()), expected);
    }

    void method_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<double>>("starts"); // each part's first timestamp; negative: doesn't open
        QTest::addColumn<bool>("byteStream");
        QTest::addRow("clock runs on") << QStringList { "a.MTS", "b.MTS" } << QList<double> { 1.4, 11.4 } << true;
        QTest::addRow("later piece doesn't open") << QStringList { "a.vob", "b.vob" } << QList<double> { 0.5, -1 } << true;
        QTest::addRow("each starts anew") << QStringList { "a.ts", "b.ts" } << QList<double> { 1.4, 1.4 } << false;
        QTest::addRow("whole files") << QStringList { "a.mp4", "b.mp4" } << QList<double> { 0, 10 } << false;
        QTest::addRow("mixed") << QStringList { "a.ts", "b.mp4" } << QList<double> { 0, 10 } << false;
    }
    void method()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<double>, starts);
        QFETCH(bool, byteStream);
        QList<JoinSource::Part> parts;
        for (qsizetype i = 0; i < names.size(); ++i) {
            MediaProbe::Info info;
            info.start = starts[i];
            info.duration = 10;
            parts << JoinSource::Part { "/m/" + names[i], starts[i] < 0 ? std::nullopt : std::optional(info) };
        }
        QCOMPARE(JoinSource::make(parts).method == JoinSource::Method::byteStream, byteStream);
    }

    void chapters_data()
    {
        QTest::addColumn<QString>("own"); // per part "start-end title" chapters, parts separated by " / "
        QTest::addColumn<QByteArray>("expected"); // START/END in ms and titles, as "start end title;"
        QTest::addRow("none: one per part") << " / " << QByteArray("0 2000 one\\=1;2000 5000 two\\;2;");
        QTest::addRow("their own, shifted") << "0-1 A,1-2 B / 0-3 C" << QByteArray("0 1000 A;1000 2000 B;2000 5000 C;");
    }
    void chapters()
    {
        QFETCH(QString, own);
        QFETCH(QByteArray, expected);
        const QStringList perPart = own.split(" / ");
        QList<JoinSource::Part> parts;
        for (qsizetype i = 0; i < 2; ++i) {
            MediaProbe::Info info;
            info.duration = i == 0 ? 2 : 3;
            for (const QString &c : perPart[i].split(u',', Qt::SkipEmptyParts))
                info.chapterList << MediaProbe::Info::Chapter { c.section(u'-', 0, 0).toDouble(), c.section(u' ', 0, 0).section(u'-', 1).toDouble(),
                    c.section(u' ', 1) };
            parts << JoinSource::Part { i == 0 ? "/m/one=1.mp4" : "/m/two;2.mp4", info };
        }
        QByteArray shown;
        for (const QByteArray &line : JoinSource::make(parts).chapters().split('\n')) {
            if (line.startsWith("START=") || line.startsWith("END="))
                shown += line.mid(line.indexOf('=') + 1) + ' ';
            else if (line.startsWith("title="))
                shown += line.mid(6) + ';';
        }
        QCOMPARE(shown, expected);
    }

    // Every name quoted; a quote closes the quoting, comes escaped, and the quoting goes on.
    void listQuotesNames()
    {
        JoinSource source = JoinSource::make({ { "/m/it's.mp4", {} }, { "/m/-a\\b.mp4", {} }, { "/m/line\nbreak.mp4", {} } });
        QVERIFY(!source.nameable("/m/line\nbreak.mp4"));
        QCOMPARE(source.list({ {}, {}, "/tmp/part-3.mp4" }),
            QByteArray("ffconcat version 1.0\nfile '/m/it'\\''s.mp4'\nfile '/m/-a\\b.mp4'\nfile '/tmp/part-3.mp4'\n"));
    }
};

QTEST_GUILESS_MAIN(JoinCheckTest)
#include "joinchecktest.moc"
