// Joins with the real ffmpeg, on parts made at test time with lavfi and cut by ffmpeg's segment
// muxer or at odd bytes. The check's rules alone are in joinchecktest.
#include "../requiretools.h"
#include "engine/joinjob.h"
#include "remuxwait.h"

Q_DECLARE_METATYPE(OutputFormat)

class JoinTest : public QObject
{
    Q_OBJECT

    QString m_ffmpeg;
    QTemporaryDir m_media;
    bool ffmpeg(const QString &arguments)
    {
        QStringList list { "-loglevel", "error", "-nostdin", "-y" };
        for (const QString &argument : arguments.split(u' '))
            list << (argument.startsWith(u'@') ? m_media.filePath(argument.mid(1)) : argument);
        return QProcess::execute(m_ffmpeg, list) == 0;
    }
    // Picture and sound, `seconds` long, a key frame a second.
    bool make(const QString &name, int seconds, const QString &extra = {})
    {
        return ffmpeg(QStringLiteral("-f lavfi -i testsrc=size=64x48:rate=10:duration=%1 -f lavfi -i sine=duration=%1 %2 -c:v libx264 "
                                     "-preset ultrafast -g 10 -c:a aac -shortest @%3")
                          .arg(seconds)
                          .arg(extra, name)
                          .simplified());
    }
    QList<QUrl> urls(const QStringList &names)
    {
        QList<QUrl> list;
        for (const QString &name : names)
            list << QUrl::fromLocalFile(m_media.filePath(name));
        return list;
    }
    std::optional<RemuxOutcome> join(const QStringList &parts, const QString &output, OutputFormat format = OutputFormat::mkv, JoinJob **running = nullptr)
    {
        JoinJob job({ QUrl::fromLocalFile(m_ffmpeg), std::chrono::seconds(30), {}, true }, urls(parts), QUrl::fromLocalFile(output), format,
            [&job, running](const ProgressParser::Progress &) {
                if (running)
                    job.stop();
            });
        return finishWithin(job.run(), 60000);
    }
    static qint64 packets(const MediaProbe::Info &info, MediaProbe::StreamKind kind)
    {
        for (const auto &s : info.streams)
            if (s.kind == kind)
                return s.coding.packets;
        return -2;
    }

private Q_SLOTS:
    void initTestCase()
    {
        const auto installed = FFmpegRunner({ QString(), FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths }).locateFFmpeg();
        if (!installed)
            KESTRUNE_SKIP_WITHOUT_TOOL("no ffmpeg installed at the fixed paths");
        m_ffmpeg = installed->toLocalFile();
        QVERIFY(make("whole.mp4", 6));
        QVERIFY(ffmpeg("-i @whole.mp4 -c copy -f segment -segment_time 2 -reset_timestamps 1 @clip%d.mp4"));
        QVERIFY(make("whole.ts", 6));
        QVERIFY(writeFile(m_media.filePath("chapters.txt"),
            ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=In\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Out\n"));
        QVERIFY(make("own_chapters.mkv", 2, "-i @chapters.txt -map 0 -map 1 -map_chapters 2"));
        QVERIFY(make("bigger.mp4", 2, "-s 128x96"));
        QVERIFY(make("22050.mp4", 2, "-ar 22050"));
        QVERIFY(make("more_refs.mp4", 2, "-refs 3"));
        const QByteArray ts = readFile(m_media.filePath("whole.ts"));
        QVERIFY(ts.size() > 30000 && ts.size() % 188 == 0);
        // Cut where no packet ends: the later pieces begin in the middle of one.
        QVERIFY(writeFile(m_media.filePath("REC_0001.MTS"), ts.first(10001)));
        QVERIFY(writeFile(m_media.filePath("REC_0002.MTS"), ts.mid(10001, 12345)));
        QVERIFY(writeFile(m_media.filePath("REC_0003.MTS"), ts.mid(22346)));
        for (const QString &name : { "it's.mp4", "back\\slash.mp4", "new\nline.mp4" })
            QVERIFY(QFile::copy(m_media.filePath("clip" + QString::number(name.size() % 3) + ".mp4"), m_media.filePath(name)));
    }

    // Every packet arrives and the duration adds up; a chapter per part or the parts' own.
    void joins_data()
    {
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QString>("whole"); // what the parts were cut from, or empty
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QStringList>("chapters");
        QTest::addRow("segments into mkv") << QStringList { "clip0.mp4", "clip1.mp4", "clip2.mp4" } << "whole.mp4" << OutputFormat::mkv
                                           << QStringList { "clip0", "clip1", "clip2" };
        QTest::addRow("segments into mp4") << QStringList { "clip0.mp4", "clip1.mp4", "clip2.mp4" } << "whole.mp4" << OutputFormat::mp4
                                           << QStringList { "clip0", "clip1", "clip2" };
        QTest::addRow("cut at odd bytes") << QStringList { "REC_0001.MTS", "REC_0002.MTS", "REC_0003.MTS" } << "whole.ts" << OutputFormat::mkv
                                          << QStringList { "REC_0001", "REC_0002", "REC_0003" };
        QTest::addRow("their own chapters") << QStringList { "own_chapters.mkv", "own_chapters.mkv" } << "" << OutputFormat::mkv
                                            << QStringList { "In", "Out", "In", "Out" };
        QTest::addRow("a quote, a backslash, a line break")
            << QStringList { "it's.mp4", "back\\slash.mp4", "new\nline.mp4" } << "" << OutputFormat::mkv << QStringList { "it's", "back\\slash", "new\nline" };
    }
    void joins()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, whole);
        QFETCH(OutputFormat, format);
        QFETCH(QStringList, chapters);
        QTemporaryDir out;
        const auto outcome = join(parts, out.filePath("joined." + OutputFormats::fileExtension(format)), format);
        QVERIFY(outcome);
        QVERIFY2(outcome->succeeded(), qPrintable(describe(outcome->error)));
        QCOMPARE(leftovers(out.path(), { "joined." + OutputFormats::fileExtension(format) }), QStringList());
        const auto made = MediaProbe::probeFile(outcome->output.toLocalFile(), MediaProbe::Depth::packets);
        QVERIFY(made);
        QStringList titles;
        for (const auto &chapter : made->chapterList)
            titles << chapter.title;
        QCOMPARE(titles, chapters);
        double seconds = 0;
        qint64 video = 0, audio = 0;
        for (const QString &part : whole.isEmpty() ? parts : QStringList { whole }) {
            const auto info = MediaProbe::probeFile(m_media.filePath(part), MediaProbe::Depth::packets);
            QVERIFY(info && info->duration);
            seconds += *info->duration;
            video += packets(*info, MediaProbe::StreamKind::video);
            audio += packets(*info, MediaProbe::StreamKind::audio);
        }
        QCOMPARE(packets(*made, MediaProbe::StreamKind::video), video);
        QCOMPARE(packets(*made, MediaProbe::StreamKind::audio), audio);
        QVERIFY2(std::abs(*made->duration - seconds) <= 0.1 * (parts.size() - 1), qPrintable(QString::number(*made->duration)));
        QVERIFY2(made->chapterList.last().end <= *made->duration + 0.1, qPrintable(QString::number(made->chapterList.last().end)));
    }

    // Refused by name before anything is written.
    void refusals_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("reason");
        QTest::addRow("another size") << "bigger.mp4"
                                      << "bigger.mp4: Doesn't match part 1: 128×96 here, 64×48 there.";
        QTest::addRow("another sample rate") << "22050.mp4"
                                             << "22050.mp4: Doesn't match part 1: audio at 22050 Hz here, 44100 Hz there.";
        QTest::addRow("other parameter sets") << "more_refs.mp4"
                                              << "more_refs.mp4: Doesn't match part 1: the video was encoded with other settings.";
    }
    void refusals()
    {
        QFETCH(QString, part);
        QFETCH(QString, reason);
        QTemporaryDir out;
        const auto outcome = join({ "clip0.mp4", part }, out.filePath("joined.mkv"));
        QVERIFY(outcome && !outcome->succeeded());
        QCOMPARE(describe(outcome->error), reason);
        QCOMPARE(leftovers(out.path(), {}), QStringList());
    }

    void stopLeavesNothing()
    {
        QTemporaryDir out;
        JoinJob *running = nullptr;
        const auto outcome = join({ "clip0.mp4", "clip1.mp4", "clip2.mp4" }, out.filePath("joined.mkv"), OutputFormat::mkv, &running);
        QVERIFY(outcome);
        QCOMPARE(outcome->error ? outcome->error->errorCase() : RunError::Case::platformError, RunError::Case::stopped);
        QCOMPARE(leftovers(out.path(), {}), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(childrenReaped(), 10000);
    }

    // A job dropped while its parts are still being checked (a window closed, a list cleared):
    // the check's end must not reach into the gone job, and nothing is written.
    void droppedWhileChecking()
    {
        QTemporaryDir out;
        auto *job = new JoinJob({ QUrl::fromLocalFile(m_ffmpeg), std::chrono::seconds(30), {}, true }, urls({ "clip0.mp4", "clip1.mp4", "clip2.mp4" }),
            QUrl::fromLocalFile(out.filePath("joined.mkv")), OutputFormat::mkv, {});
        auto running = job->run();
        delete job;
        const auto outcome = finishWithin(std::move(running), 60000);
        QVERIFY(outcome);
        QCOMPARE(outcome->error ? outcome->error->errorCase() : RunError::Case::platformError, RunError::Case::stopped);
        QCOMPARE(leftovers(out.path(), {}), QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(childrenReaped(), 10000);
    }
};

QTEST_GUILESS_MAIN(JoinTest)
#include "jointest.moc"
