// The read-back of a video's picture: what the plan said would arrive against what did, each
// difference a sentence of its own.
#include "engine/remuxchecks.h"

#include <QTest>

Q_DECLARE_METATYPE(MediaProbe::Picture)

class PictureChecksTest : public QObject
{
    Q_OBJECT

    static MediaProbe::Info withVideo(const MediaProbe::Picture &picture)
    {
        MediaProbe::Info info { 10.0, false, {}, "matroska,webm", 0, true };
        MediaProbe::Stream video { MediaProbe::StreamKind::video, "hevc", 0 };
        video.picture = picture;
        info.streams << video;
        return info;
    }

private Q_SLOTS:
    void altered_data()
    {
        QTest::addColumn<MediaProbe::Picture>("planned");
        QTest::addColumn<MediaProbe::Picture>("arrived");
        QTest::addColumn<QStringList>("said");
        MediaProbe::Picture hdr10;
        hdr10.primaries = "bt2020", hdr10.transfer = "smpte2084", hdr10.masteringDisplay = true, hdr10.contentLight = true;
        MediaProbe::Picture noLight = hdr10;
        noLight.contentLight = false;
        MediaProbe::Picture bare = hdr10;
        bare.masteringDisplay = bare.contentLight = false;
        const QString lost = "The video's mastering display and light level didn't arrive.";
        QTest::addRow("HDR10 as it was") << hdr10 << hdr10 << QStringList();
        QTest::addRow("mastering display and light level lost") << hdr10 << bare << QStringList { lost };
        QTest::addRow("light level lost") << hdr10 << noLight << QStringList { lost };
        QTest::addRow("none planned, none asked for") << bare << bare << QStringList();
    }
    void altered()
    {
        QFETCH(MediaProbe::Picture, planned);
        QFETCH(MediaProbe::Picture, arrived);
        QFETCH(QStringList, said);
        QCOMPARE(RemuxChecks::pictureAltered(withVideo(planned), withVideo(arrived)), said);
    }
};

QTEST_GUILESS_MAIN(PictureChecksTest)
#include "picturecheckstest.moc"
