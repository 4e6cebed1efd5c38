// Times reading the tracks of many small files of one folder, as adding them does: each file's
// probe and the side files beside it, on a pool of worker threads sharing one folder listing.
// It makes its media itself: one tiny real file made by ffmpeg, copied --files times, with a few
// subtitles and audio files beside some of the copies.
//
//   trackreadbench [--files N] [--threads 1,2,3,4,6] [--work DIR] [--rounds N]
//
// Every count is timed --rounds times after one untimed pass, on a warm page cache; the last
// line times reading without the shared listing on a sample, to show what it saves.
#include "engine/trackchoice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThreadPool>
#include <algorithm>
#include <atomic>

namespace
{
QTextStream out(stdout);

struct Counts {
    int media = 0;
    int sideFiles = 0;
};

// Reads `paths` on `threads` workers; seconds taken.
double readAll(const QStringList &paths, int threads, bool shared, Counts *counts)
{
    QThreadPool pool;
    pool.setMaxThreadCount(threads);
    const auto listings = shared ? std::make_shared<SideFiles::Listings>() : nullptr;
    std::atomic<int> media = 0, sideFiles = 0;
    QElapsedTimer timer;
    timer.start();
    for (const QString &path : paths) {
        pool.start([&, path] {
            const FileTracks tracks = FileTracks::read(path, true, listings);
            media += tracks.info.has_value();
            sideFiles += int(tracks.sideFiles.size());
        });
    }
    pool.waitForDone();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (counts) {
        *counts = { media, sideFiles };
    }
    return seconds;
}

bool run(const QStringList &arguments)
{
    return QProcess::execute("ffmpeg", QStringList { "-v", "error", "-y" } + arguments) == 0;
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        { "files", "How many files.", "n", "10000" },
        { "threads", "Worker counts to time, comma-separated.", "list", "1,2,3,4,6,8" },
        { "work", "Folder to make the files in (default: a temporary one).", "dir" },
        { "rounds", "Timed rounds per worker count.", "n", "3" },
    });
    parser.process(app);
    QTemporaryDir temporary;
    const QDir work(parser.isSet("work") ? parser.value("work") : temporary.path());
    const int files = parser.value("files").toInt();

    const QString tiny = work.filePath("tiny.source");
    if (!run({ "-f", "lavfi", "-i", "testsrc=d=0.5:s=64x48:r=10", "-f", "lavfi", "-i", "anullsrc=d=0.5", "-c:v", "mpeg4", "-c:a", "aac", "-shortest", "-f",
            "matroska", tiny })
        || !run({ "-f", "lavfi", "-i", "anullsrc=d=0.5", "-c:a", "ac3", work.filePath("tiny.ac3") })) {
        out << "ffmpeg could not make the media" << Qt::endl;
        return 1;
    }
    QDir folder(work.filePath("folder"));
    folder.removeRecursively();
    work.mkpath("folder");
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        const QString name = QStringLiteral("clip %1").arg(i, 5, 10, QLatin1Char('0'));
        paths << folder.filePath(name + ".mkv");
        QFile::copy(tiny, paths.constLast());
        // A few side files: one in a thousand gets subtitles in two languages and an audio file.
        if (i % 1000 == 0) {
            QFile subtitle(folder.filePath(name + ".en.srt"));
            subtitle.open(QIODevice::WriteOnly);
            subtitle.write("1\n00:00:00,000 --> 00:00:00,400\nHello\n\n");
            subtitle.close();
            QFile::copy(subtitle.fileName(), folder.filePath(name + ".de.forced.srt"));
            QFile::copy(work.filePath("tiny.ac3"), folder.filePath(name + ".fr.ac3"));
        }
    }
    out << files << " files in " << folder.path() << Qt::endl;

    readAll(paths, QThread::idealThreadCount(), true, nullptr);
    for (const QString &count : parser.value("threads").split(',')) {
        QList<double> rounds;
        Counts counts;
        for (int round = 0; round < parser.value("rounds").toInt(); ++round) {
            rounds << readAll(paths, count.toInt(), true, &counts);
        }
        std::sort(rounds.begin(), rounds.end());
        out << QStringLiteral("%1 threads: median %2 s (min %3, max %4); %5 read as media, %6 side files")
                   .arg(count.toInt(), 2)
                   .arg(rounds[rounds.size() / 2], 0, 'f', 2)
                   .arg(rounds.constFirst(), 0, 'f', 2)
                   .arg(rounds.constLast(), 0, 'f', 2)
                   .arg(counts.media)
                   .arg(counts.sideFiles)
            << Qt::endl;
    }
    const QStringList sample = paths.mid(0, std::min<qsizetype>(paths.size(), 100));
    const double alone = readAll(sample, QThread::idealThreadCount(), false, nullptr);
    out << QStringLiteral("without the shared listing: %1 s for %2 files, about %3 s for all")
               .arg(alone, 0, 'f', 2)
               .arg(sample.size())
               .arg(alone * files / sample.size(), 0, 'f', 0)
        << Qt::endl;
    return 0;
}
