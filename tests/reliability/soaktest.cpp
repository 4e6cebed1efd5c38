// Proof under faults and load. A few hundred files with hostile names, in folders given whole and
// files given one by one, are converted in two batches while a fault-injecting fake ffmpeg
// (tests/data/reliability/fakeffmpeg.sh) stands in for the real one, with the destination and
// format changing under the running batches. After each batch: every entry that was there before
// is unchanged, nothing new but the runs' outputs and no temporary left, every file done or
// failed as its fault demands, the counts equal a recount. At the end every source reads as made.
#include "queuefakes.h"

#include <QProcess>
#include <dirent.h>
#include <map>
#include <random>

namespace
{
// The fault table: what the fake does, how often, and what the file must become: "done" without
// a note, "note" for done with the dropped-track note, or the start of its failure reason.
struct Fault {
    const char *kind;
    int weight;
    QString outcome;
};
const QList<Fault> faults { { "success", 30, "done" }, { "junk", 10, "done" }, { "truncated", 10, "done" }, { "lingering", 3, "done" }, { "orphan", 3, "done" },
    { "datastream", 10, "note" }, { "exit", 12, "failed ffmpeg exited 69: Invalid data found when processing input" },
    { "sigkill", 6, "failed ffmpeg was ended by signal 9 (Killed): about to be killed" },
    { "sigsegv", 6, "failed ffmpeg was ended by signal 11 (Segmentation fault): " },
    { "bigstderr", 3, "failed ffmpeg exited 1: Error while decoding stream #0:0" } };

// Every entry under `folder`, links not followed, by its raw name: its type, identity, size, time
// and link target, so a change or a replacement shows. Folders change time with new outputs.
using Snapshot = std::map<QByteArray, QByteArray>;
void walk(const QByteArray &folder, Snapshot &into)
{
    DIR *dir = ::opendir(folder.constData());
    while (const dirent *item = dir ? ::readdir(dir) : nullptr) {
        const QByteArray name(item->d_name), path = folder + '/' + name;
        struct stat info = {};
        if (name == "." || name == ".." || ::lstat(path.constData(), &info) != 0)
            continue;
        char target[512] {};
        const bool isDir = S_ISDIR(info.st_mode);
        const qint64 time = isDir ? 0 : info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
        into[path] = QByteArray::number(info.st_mode) + ' ' + QByteArray::number(info.st_ino) + ' ' + QByteArray::number(isDir ? 0 : info.st_size) + ' '
            + QByteArray::number(time) + ' ' + QByteArray(target, int(std::max<ssize_t>(0, ::readlink(path.constData(), target, sizeof target))));
        if (isDir)
            walk(path, into);
    }
    if (dir)
        ::closedir(dir);
}

// The engine as it is, with a look at every run just before it starts.
class WatchedRunner : public FFmpegRunner
{
public:
    using FFmpegRunner::FFmpegRunner;
    std::function<void(const QUrl &, const QUrl &)> beforeRun;
    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice) override
    {
        beforeRun(input, output);
        co_return co_await FFmpegRunner::remux(std::move(input), std::move(output), format, std::move(onProgress));
    }
};
}

class SoakTest : public QObject
{
    Q_OBJECT

private:
    QStringList m_problems;
    QHash<QUrl, QByteArray> m_sources; // content as made
    QHash<QUrl, int> m_faultOf;
    QHash<QUrl, QUrl> m_outputOf; // of the latest run
    QSet<QByteArray> m_removed; // by the test itself
    int m_runs = 0;
    int m_batchRuns = 0;
    std::function<void(int)> m_duringBatch;

    // Runs one batch; then every invariant.
    void batch(Harness &h, const std::function<void(int)> &duringBatch)
    {
        Snapshot before, after;
        walk(QFile::encodeName(h.dir.path()), before);
        m_batchRuns = 0;
        m_duringBatch = duringBatch;
        const qsizetype positions = h.vm->files().size();
        // A guard against a hang, not a timing goal: under a sanitizer on a loaded machine a batch takes minutes.
        QVERIFY2(h.convert(400'000), "the batch did not end");
        walk(QFile::encodeName(h.dir.path()), after);
        for (const auto &[path, entry] : before)
            if (!m_removed.contains(path) && after[path] != entry)
                m_problems << "changed or replaced: " + QString::fromUtf8(path);
        int done = 0, failed = 0, noted = 0;
        QSet<QByteArray> finished; // the only new names a batch may leave: a failed or stopped run leaves nothing
        const QStringList statuses = h.statuses();
        for (int row = 0; row < statuses.size(); ++row) {
            const QUrl source = h.vm->files().at(row).url();
            const QString &status = statuses.at(row), outcome = faults.at(m_faultOf.value(source)).outcome;
            const bool ok = row >= positions                                  ? status == QLatin1String("queued") // added during the batch
                : m_removed.contains(QFile::encodeName(source.toLocalFile())) ? status.startsWith(QLatin1String("failed "))
                : outcome == QLatin1String("done")                            ? status.startsWith(QLatin1String("done ")) && !status.contains(u'|')
                : outcome == QLatin1String("note")                            ? status.contains(QLatin1String("A data track couldn't be copied"))
                                                                              : status.startsWith(outcome);
            const auto *output = h.vm->files().at(row).status().asDone();
            if (output)
                finished.insert(QFile::encodeName(output->outputURL.toLocalFile()));
            if (!ok || (output && (output->outputURL != m_outputOf.value(source) || !QFileInfo(output->outputURL.toLocalFile()).isFile())))
                m_problems << source.toLocalFile() + " [" + faults.at(m_faultOf.value(source)).kind + "]: " + status.left(200);
            done += status.startsWith(QLatin1String("done ")), failed += status.startsWith(QLatin1String("failed ")), noted += status.contains(u'|');
        }
        for (const auto &[path, entry] : after)
            if (!before.count(path) && !finished.contains(path))
                m_problems << "left behind: " + QString::fromUtf8(path);
        const int total = int(statuses.size());
        if (h.vm->doneCount() != done || h.vm->failedCount() != failed || h.vm->droppedTrackCount() != noted
            || h.vm->isBatchFinished() != (done + failed == total) || std::abs(h.vm->overallProgress() - double(done) / total) > 1e-9)
            m_problems << QStringLiteral("counts differ from a recount of %1 + %2 of %3").arg(done).arg(failed).arg(total);
    }

private Q_SLOTS:
    void soak()
    {
        std::mt19937 random(20261206);
        std::discrete_distribution<int> pickFault(faults.size(), 0, faults.size(), [](double i) { return faults.at(int(i)).weight; });
        QTemporaryDir fakeDir;
        const QString fake = fakeDir.filePath(QStringLiteral("ffmpeg"));
        QVERIFY(QFile::copy(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/reliability/fakeffmpeg.sh"), fake));
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // What the fake writes as a finished file: real media, since a new file is read back.
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/ffmpeg"),
                     { "-v", "error", "-f", "lavfi", "-i", "color=s=16x16:d=0.2", "-c:v", "mpeg4", "-f", "matroska", fakeDir.filePath("sample") }),
            0);
        auto *engine = new WatchedRunner(FFmpegRunner::Locations { fakeDir.path(), {} });
        Harness h(engine);
        engine->beforeRun = [&](const QUrl &input, const QUrl &output) {
            if (QFileInfo(output.toLocalFile()).exists() || QFileInfo(output.toLocalFile()).isSymLink())
                m_problems << "given a taken name: " + output.toLocalFile();
            QFile plan(fakeDir.filePath(QStringLiteral("plan")));
            QVERIFY(plan.open(QIODevice::WriteOnly) && plan.write(QByteArray(faults.at(m_faultOf.value(input)).kind) + '\n') > 0);
            m_outputOf[input] = output;
            ++m_runs;
            m_duringBatch(++m_batchRuns);
        };
        const auto source = [&](const QString &name) {
            const QByteArray content = name.toUtf8().repeated(1 + int(random() % 64)); // its own bytes, so a swap shows
            const QUrl url = h.make(name, content);
            m_sources[url] = content;
            m_faultOf[url] = pickFault(random);
            return url;
        };

        // Names that break quoting, option parsing, encodings and URL decoding; a tree given
        // whole; names the outputs would take held by a file, a folder and a link to nowhere;
        // and entries that must never be listed: a pipe, a dangling link, a name that is not text.
        QList<QUrl> odd;
        for (const QString base : { "with blanks", "  leading", "trailing ", "Åsa – sommar", "日本語", "emoji 🎬", "-i", "--", "100%", "%41%20", "it's",
                 "say \"hi\"", "back\\slash", "new\nline", "tab\tthere", "$(touch pwned)", "`id`", "star*", "[brackets]", "a:b", "#hash", "~tilde",
                 "many.dots.in.name", "über", "u\u0308ber" })
            odd << source("odd ü/" + base + ".mp4") << source("odd ü/" + base + ".MOV");
        const QStringList extensions = RemuxViewModel::acceptedInputExtensions();
        for (int i = 0; i < 280; ++i) {
            const QString name = QStringLiteral("bulk/sub %1/take %2.").arg(i % 9).arg(i % 40) + extensions.at(int(random() % extensions.size()));
            if (!QFileInfo::exists(h.path(name)))
                source(name);
        }
        for (int i = 0; i < 36; ++i)
            h.make(QStringLiteral("out/take %1").arg(i / 3) + QLatin1String(std::array { ".mov", " 1.mov/", " 2.mov@nowhere" }[i % 3]));
        QByteArray unnameable = QFile::encodeName(h.path(QStringLiteral("odd ü/bad"))) + "\xff.mkv";
        h.make(QFile::decodeName(unnameable).mid(h.dir.path().size() + 1)); // where its URL decodes to
        const int fd = ::open(unnameable.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0 && ::close(fd) == 0);
        const QList<QUrl> ignored { h.make("odd ü/pipe.mkv|"), h.make("odd ü/dangling.mkv@nowhere"),
            QUrl::fromEncoded("file://" + unnameable.toPercentEncoding("/")) };

        // 1: the odd names beside their sources as MKV; part of the tree and a second Convert
        // arrive during the batch, a Clear is refused, and the format changes.
        h.vm->addFiles(odd + ignored);
        QVERIFY(h.added());
        QCOMPARE(h.vm->files().size(), odd.size());
        batch(h, [&](int run) {
            if (run == 5) {
                h.vm->addFiles({ h.url("bulk/sub 0") });
                h.vm->startConvert();
                const qsizetype listed = h.vm->files().size();
                h.vm->clearFinished();
                if (h.vm->files().size() != listed)
                    m_problems << QStringLiteral("the list shrank under a batch");
            }
            if (run == 20)
                h.vm->setOutputFormatId(QStringLiteral("mp4"));
        });

        // 2: the whole tree into a chosen folder as MOV; a queued source vanishes, and the
        // destination switches back and forth.
        h.picker->folder = { true, h.url("out") };
        h.vm->chooseOutputFolder();
        h.vm->setOutputFormatId(QStringLiteral("mov"));
        h.vm->addFiles({ h.url("bulk") });
        QVERIFY(h.added());
        batch(h, [&](int run) {
            if (run == 2) {
                const QUrl doomed = h.vm->files().constLast().url();
                m_removed.insert(QFile::encodeName(doomed.toLocalFile()));
                QVERIFY(QFile::remove(doomed.toLocalFile()));
            }
            if (run == 40 || run == 90)
                h.vm->setSameAsInput(run == 90);
        });

        for (auto it = m_sources.cbegin(); it != m_sources.cend(); ++it) {
            QFile file(it.key().toLocalFile());
            if (!m_removed.contains(QFile::encodeName(file.fileName())) && (!file.open(QIODevice::ReadOnly) || file.readAll() != it.value()))
                m_problems << "source changed: " + file.fileName();
        }
        ::unlink(unnameable.constData()); // the scratch folder's own removal cannot name it
        qInfo("soak: %d sources, %d runs", int(m_sources.size()), m_runs);
        QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.mid(0, 30).join(u'\n')));
        QVERIFY(m_runs > 300);
    }
};

QTEST_GUILESS_MAIN(SoakTest)
#include "soaktest.moc"
