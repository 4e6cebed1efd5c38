// What --show-tracks prints of a video's picture: the facts a player shows, and what a container
// that can't hold one of them says instead.
#include "app/trackslisting.h"

#include "engine/trackplan.h"

#include <QTest>

Q_DECLARE_METATYPE(OutputFormat)
Q_DECLARE_METATYPE(MediaProbe::Picture)

class TracksListingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void picture_data()
    {
        QTest::addColumn<MediaProbe::Picture>("picture");
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QStringList>("printed");
        MediaProbe::Picture dolby;
        dolby.dolbyVisionProfile = 8, dolby.dolbyVisionLevel = 6, dolby.dolbyVisionCompatibility = 4;
        dolby.primaries = "bt2020", dolby.transfer = "arib-std-b67", dolby.matrix = "bt2020nc", dolby.tag = "hvc1";
        QTest::addRow("Dolby Vision 8.4 into MKV") << dolby << OutputFormat::mkv
                                                   << QStringList { "clip.mov: Every track", "  kept  0:0  video  -  hevc  Dolby Vision 8.4, HDR (HLG)" };
        MediaProbe::Picture hdr10;
        hdr10.primaries = "bt2020", hdr10.transfer = "smpte2084", hdr10.matrix = "bt2020nc", hdr10.masteringDisplay = true, hdr10.contentLight = true;
        QTest::addRow("HDR10 into MP4") << hdr10 << OutputFormat::mp4
                                        << QStringList { "clip.mov: Every track", "  kept  0:0  video  -  hevc  HDR10, mastering display, light level" };
        MediaProbe::Picture upsideDown;
        upsideDown.rotation = 180;
        QTest::addRow("turned 180° into MKV") << upsideDown << OutputFormat::mkv
                                              << QStringList { "clip.mov: Every track", "  kept  0:0  video  -  hevc  rotated 180°",
                                                     "  MKV can't record that this video is upside down, so players will show it that way." };
    }
    void picture()
    {
        QFETCH(MediaProbe::Picture, picture);
        QFETCH(OutputFormat, format);
        QFETCH(QStringList, printed);
        MediaProbe::Info info { 10.0, false, {}, "mov,mp4,m4a,3gp,3g2,mj2", 0, true };
        MediaProbe::Stream video { MediaProbe::StreamKind::video, "hevc", 0 };
        video.picture = picture;
        info.streams << video;
        QCOMPARE(TracksListing::lines("clip.mov", TrackPlan::make(info, format, {})), printed);
    }
};

QTEST_GUILESS_MAIN(TracksListingTest)
#include "trackslistingtest.moc"
