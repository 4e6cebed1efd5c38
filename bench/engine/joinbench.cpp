// Times the check before a join of many small parts, and a whole join against ffmpeg's own
// concat of the same parts (`-f concat -safe 0 -i list -c copy`), on media it makes itself:
// a lavfi file cut by ffmpeg's segment muxer.
//
//   joinbench [--parts N] [--seconds S] [--rounds N] [--work DIR]
//
// --parts small parts are checked (100 by default); the join is of the --seconds long file cut
// into ten parts. Each time is the median of --rounds runs after one untimed run (warm cache).
#include "engine/ffmpegrunner.h"
#include "engine/joinjob.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <unistd.h>

namespace
{
QTextStream out(stdout);

bool ffmpeg(const QStringList &arguments)
{
    return QProcess::execute("ffmpeg", QStringList { "-v", "error", "-y" } + arguments) == 0;
}

// Cut into parts of `seconds` each by the segment muxer; the parts' paths in order.
QStringList makeParts(const QString &folder, int length, int seconds, const QString &size)
{
    QDir().mkpath(folder);
    const QString whole = folder + "/whole.mp4";
    if (!ffmpeg({ "-f", "lavfi", "-i", QStringLiteral("testsrc2=size=%1:rate=25:duration=%2").arg(size).arg(length), "-f", "lavfi", "-i",
            QStringLiteral("sine=duration=%1").arg(length), "-c:v", "libx264", "-preset", "ultrafast", "-g", "25", "-c:a", "aac", "-shortest", whole })
        || !ffmpeg(
            { "-i", whole, "-c", "copy", "-f", "segment", "-segment_time", QString::number(seconds), "-reset_timestamps", "1", folder + "/part%03d.mp4" })) {
        return {};
    }
    QFile::remove(whole);
    QStringList parts;
    for (const QString &name : QDir(folder).entryList({ "part*.mp4" }, QDir::Files, QDir::Name))
        parts << folder + "/" + name;
    return parts;
}

template<typename F> double median(int rounds, F run)
{
    run();
    QList<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times << timer.nsecsElapsed() / 1e9;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({ { "parts", "parts to check", "N", "100" }, { "seconds", "length of the joined file", "S", "300" }, { "rounds", "timed runs", "N", "3" },
        { "work", "folder for the media", "DIR" } });
    parser.process(app);
    QTemporaryDir temporary;
    const QString work = parser.isSet("work") ? parser.value("work") : temporary.path();
    const int rounds = parser.value("rounds").toInt();

    const QStringList small = makeParts(work + "/small", parser.value("parts").toInt(), 1, "320x240");
    QList<QUrl> smallUrls;
    for (const QString &path : small)
        smallUrls << QUrl::fromLocalFile(path);
    const double checking = median(rounds, [&] { (void)JoinJob::check(smallUrls); });
    out << QStringLiteral("check of %1 parts: %2 s").arg(small.size()).arg(checking, 0, 'f', 3) << Qt::endl;

    const int seconds = parser.value("seconds").toInt();
    const QStringList big = makeParts(work + "/big", seconds, seconds / 10, "1280x720");
    QList<QUrl> bigUrls;
    QByteArray list;
    for (const QString &path : big) {
        bigUrls << QUrl::fromLocalFile(path);
        list += "file '" + QFile::encodeName(path) + "'\n";
    }
    QFile listFile(work + "/list.txt");
    if (!listFile.open(QIODevice::WriteOnly) || listFile.write(list) != list.size())
        return 1;
    listFile.close();
    const QString theirs = work + "/theirs.mkv";
    const double concat = median(rounds, [&] { ffmpeg({ "-f", "concat", "-safe", "0", "-i", work + "/list.txt", "-map", "0", "-c", "copy", theirs }); });
    // Kestrune flushes every new file to the disk before naming it; the same for ffmpeg's file.
    const double concatFlushed = median(rounds, [&] {
        ffmpeg({ "-f", "concat", "-safe", "0", "-i", work + "/list.txt", "-map", "0", "-c", "copy", theirs });
        QFile file(theirs);
        if (file.open(QIODevice::ReadWrite))
            ::fsync(file.handle());
    });
    out << QStringLiteral("ffmpeg's concat with its file flushed to the disk: %1 s").arg(concatFlushed, 0, 'f', 2) << Qt::endl;
    const auto installed = FFmpegRunner({ QString(), FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths }).locateFFmpeg();
    const double ours = median(rounds, [&] {
        QDir(work + "/ours").removeRecursively();
        QDir().mkpath(work + "/ours");
        JoinJob job({ *installed, std::chrono::seconds(30), {}, true }, bigUrls, QUrl::fromLocalFile(work + "/ours/joined.mkv"), OutputFormat::mkv, {});
        QEventLoop loop;
        QCoro::connect(job.run(), &loop, [&loop](const RemuxOutcome &outcome) {
            if (!outcome.succeeded())
                out << "join failed: " << outcome.error->errorDescription() << Qt::endl;
            loop.quit();
        });
        loop.exec();
    });
    // Where Kestrune's extra time goes: the check before, and the read-back's count of every packet.
    const double checkBig = median(rounds, [&] { (void)JoinJob::check(bigUrls); });
    const double counting = median(rounds, [&] {
        for (const QString &path : big + QStringList { work + "/ours/joined.mkv" })
            (void)MediaProbe::probeFile(path, MediaProbe::Depth::packets);
    });
    out << QStringLiteral("of which the check %1 s, counting the packets of the parts and the new file %2 s").arg(checkBig, 0, 'f', 2).arg(counting, 0, 'f', 2)
        << Qt::endl;
    out << QStringLiteral("join of %1 parts (%2 MB, %3 s): ffmpeg's concat %4 s, Kestrune %5 s (%6 %)")
               .arg(big.size())
               .arg(QFileInfo(theirs).size() / 1e6, 0, 'f', 0)
               .arg(seconds)
               .arg(concat, 0, 'f', 2)
               .arg(ours, 0, 'f', 2)
               .arg(100 * (ours - concat) / concat, 0, 'f', 0)
        << Qt::endl;
    return 0;
}
