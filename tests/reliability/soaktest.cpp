// Proof under faults and load. About three hundred files with hostile names are converted in
// several batches, into their own folders and into chosen ones, while a fault-injecting fake
// ffmpeg (tests/data/reliability/fakeffmpeg.sh) stands in for most runs and the real ffmpeg
// runs the rest on tiny clips made here. Afterwards: no source changed, nothing that existed
// before a batch changed or was replaced, nothing written outside the runs' output paths, every
// file done or failed as its fault demands, the counts agree with the list, no batch stuck.
#include "queuefakes.h"

#include <QAbstractItemModelTester>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using Status = InputFile::FileStatus;

namespace
{
// What the fake ffmpeg does in one remux; "real" hands the run to the installed ffmpeg.
enum class Fault { success, junk, truncated, exit, sigkill, sigsegv, bigstderr, datastream, lingering, orphan, real };
constexpr int faultKinds = 11;
constexpr qsizetype bigStderrBytes = 10 * 1024 * 1024;

const char *faultName(Fault fault)
{
    static const char *const names[faultKinds]
        = { "success", "junk", "truncated", "exit", "sigkill", "sigsegv", "bigstderr", "datastream", "lingering", "orphan", "real" };
    return names[int(fault)];
}

struct Plan {
    Fault fault = Fault::success;
    QByteArray argument; // exit status, stderr size or the real ffmpeg's path
};

// Names on disk are bytes, and some of ours are not text at all, so the file system is walked,
// read and written here with raw paths.
QByteArray raw(const QString &path)
{
    return QFile::encodeName(path);
}

QString printable(const QByteArray &path)
{
    return QString::fromUtf8(path).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

bool writeRaw(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return ::close(fd) == 0 && written;
}

std::optional<QByteArray> readRaw(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0) {
        return std::nullopt;
    }
    QByteArray content;
    char buffer[65536];
    ssize_t n = 0;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
        content.append(buffer, n);
    }
    ::close(fd);
    return n < 0 ? std::nullopt : std::optional<QByteArray>(content);
}

bool existsRaw(const QByteArray &path)
{
    struct stat info {
    };
    return ::lstat(path.constData(), &info) == 0;
}

// Qt's own removal cannot see names that are not text, so temporary trees go this way.
void removeTree(const QByteArray &root)
{
    ::nftw(
        root.constData(), [](const char *path, const struct stat *, int type, FTW *) { return type == FTW_DP ? ::rmdir(path) : ::unlink(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

// A temporary folder that is removed with whatever names it holds.
struct RawTemporaryDir {
    QTemporaryDir dir;
    QByteArray path = raw(dir.path());
    ~RawTemporaryDir() { removeTree(path); }
};

// One entry of a folder tree as found, links not followed. A file is compared by identity,
// time and content, so a replacement with equal bytes is caught too; a folder only by identity,
// since new outputs change its time; a link by identity and target.
struct Entry {
    mode_t type = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 mtime = 0;
    QByteArray content; // SHA-256 of a file, the target of a link
    bool operator==(const Entry &) const = default;
};
using Snapshot = std::map<QByteArray, Entry>;

void walk(const QByteArray &folder, Snapshot &snapshot)
{
    DIR *handle = ::opendir(folder.constData());
    if (!handle) {
        return;
    }
    while (const dirent *item = ::readdir(handle)) {
        const QByteArray name(item->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        const QByteArray path = folder + '/' + name;
        struct stat info {
        };
        if (::lstat(path.constData(), &info) != 0) {
            continue;
        }
        Entry entry { mode_t(info.st_mode & S_IFMT), info.st_ino, 0, 0, {} };
        if (S_ISREG(info.st_mode)) {
            entry.size = info.st_size;
            entry.mtime = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
            entry.content = QCryptographicHash::hash(readRaw(path).value_or("unreadable"), QCryptographicHash::Sha256);
        } else if (S_ISLNK(info.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(path.constData(), target, sizeof target);
            entry.content = QByteArray(target, n > 0 ? n : 0);
        }
        snapshot[path] = entry;
        if (S_ISDIR(info.st_mode)) {
            walk(path, snapshot);
        }
    }
    ::closedir(handle);
}

Snapshot snapshot(const QByteArray &root)
{
    Snapshot result;
    walk(root, result);
    return result;
}

// Every entry of `before` must still be there unchanged (but those the test removed itself),
// and every new entry must be one of `outputs`. Returns the problems found.
QStringList compareSnapshots(const Snapshot &before, const Snapshot &after, const QSet<QByteArray> &removedByTest, const QSet<QByteArray> &outputs)
{
    QStringList problems;
    for (const auto &[path, entry] : before) {
        if (removedByTest.contains(path)) {
            continue;
        }
        const auto found = after.find(path);
        if (found == after.end()) {
            problems.append(QStringLiteral("vanished: ") + printable(path));
            continue;
        }
        Entry now = found->second;
        Entry was = entry;
        if (S_ISDIR(was.type) && S_ISDIR(now.type)) {
            continue;
        }
        if (!(was == now)) {
            problems.append(QStringLiteral("changed or replaced: ") + printable(path));
        }
    }
    for (const auto &[path, entry] : after) {
        if (before.find(path) == before.end() && !outputs.contains(path)) {
            problems.append(QStringLiteral("written outside the runs' outputs: ") + printable(path));
        }
    }
    return problems;
}

// The name a source gives its output: its last component without the last extension.
QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && dot < fileName.size() - 1 ? fileName.left(dot) : fileName;
}

QString parentFolder(const QString &path)
{
    QString trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('/'))) {
        trimmed.chop(1);
    }
    return trimmed.left(std::max<qsizetype>(1, trimmed.lastIndexOf(QLatin1Char('/'))));
}

QString describe(const Status &status)
{
    if (const auto *done = status.asDone()) {
        return QStringLiteral("done -> %1 (%2)").arg(printable(raw(done->outputURL.toLocalFile())), done->note.value_or(QStringLiteral("no note")));
    }
    if (const auto *failed = status.asFailed()) {
        return QStringLiteral("failed: ") + failed->reason.left(200);
    }
    return status.isQueued() ? QStringLiteral("queued") : QStringLiteral("converting");
}

QStringList droppedTrackNotes()
{
    QStringList notes;
    for (const OutputFormat format : OutputFormats::allCases()) {
        notes.append(QStringLiteral("A data track couldn't be copied into ") + OutputFormats::displayName(format)
            + QStringLiteral(" and was dropped (timecode usually survives)"));
    }
    return notes;
}

// The engine as it is, with one look at every run just before it starts: the test checks the
// name it was given and tells the fake what to do.
class ObservedRunner : public FFmpegRunner
{
public:
    using Observer = std::function<void(const QUrl &input, const QUrl &output, OutputFormat format)>;

    ObservedRunner(Locations locations, Observer observer)
        : FFmpegRunner(std::move(locations))
        , m_observer(std::move(observer))
    { }

    int inFlight = 0;
    int maxInFlight = 0;

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress) override
    {
        m_observer(input, output, format);
        maxInFlight = std::max(maxInFlight, ++inFlight);
        const RemuxOutcome outcome = co_await FFmpegRunner::remux(std::move(input), std::move(output), format, std::move(onProgress));
        --inFlight;
        co_return outcome;
    }

private:
    Observer m_observer;
};

// The fake ffmpeg in a folder of its own, the engine finding it there, and a model around both.
struct Rig {
    QTemporaryDir fakeDir;
    ObservedRunner *runner = nullptr;
    FakePicker *picker = nullptr;
    std::unique_ptr<RemuxViewModel> vm;

    bool make(ObservedRunner::Observer observer)
    {
        const QString fake = fakeDir.filePath(QStringLiteral("ffmpeg"));
        if (!fakeDir.isValid() || !QFile::copy(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/reliability/fakeffmpeg.sh"), fake)
            || !QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
            return false;
        }
        auto ownedRunner = std::make_unique<ObservedRunner>(FFmpegRunner::Locations { fakeDir.path(), {} }, std::move(observer));
        auto ownedPicker = std::make_unique<FakePicker>();
        runner = ownedRunner.get();
        picker = ownedPicker.get();
        RemuxViewModel::Dependencies dependencies;
        dependencies.runner = std::move(ownedRunner);
        dependencies.picker = std::move(ownedPicker);
        dependencies.revealer = std::make_unique<FakeRevealer>();
        // The minimum visible duration only paces the view; under load it would be most of the
        // soak's time, so the hold ends at once.
        dependencies.sleeper = [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; };
        vm = std::make_unique<RemuxViewModel>(std::move(dependencies));
        return true;
    }

    void setPlan(const Plan &plan) const
    {
        QFile file(fakeDir.filePath(QStringLiteral("plan")));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(QByteArray(faultName(plan.fault)) + ' ' + (plan.argument.isEmpty() ? QByteArray("-") : plan.argument) + '\n');
        }
    }

    // One line per ffmpeg process the fake stood for: "<kind> <first|retry>".
    [[nodiscard]] QList<QByteArray> log() const
    {
        QFile file(fakeDir.filePath(QStringLiteral("log")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
    }

    // Starts a batch and waits for it on the event loop. False when it did not end in time.
    [[nodiscard]] bool convertAndWait(std::chrono::milliseconds bound) const
    {
        vm->startConvert();
        return QTest::qWaitFor([this] { return !vm->isConverting(); }, int(bound.count()));
    }
};

// What the model says against a recount of its list.
QStringList countProblems(const RemuxViewModel &vm)
{
    int done = 0;
    int failed = 0;
    int noted = 0;
    double converting = 0.0;
    for (const InputFile &file : vm.files()) {
        done += file.status().isDone() ? 1 : 0;
        failed += file.status().isFailed() ? 1 : 0;
        noted += file.status().isDone() && file.status().asDone()->note ? 1 : 0;
        if (const auto *c = file.status().asConverting()) {
            converting += c->fraction.value_or(0.0);
        }
    }
    const int total = int(vm.files().size());
    const bool finished = !vm.isConverting() && total > 0 && done + failed == total;
    const double progress = total == 0 ? 0.0 : (done + converting) / total;
    const QList<double> model { double(vm.doneCount()), double(vm.failedCount()), double(vm.droppedTrackCount()), double(vm.isBatchFinished()),
        vm.overallProgress(), double(vm.fileModel()->rowCount()) };
    const QList<double> recount { double(done), double(failed), double(noted), double(finished), progress, double(total) };
    for (qsizetype i = 0; i < model.size(); ++i) {
        if (std::abs(model[i] - recount[i]) > 1e-9) {
            QString text;
            QDebug(&text) << "counts (done, failed, noted, finished, progress, rows): model" << model << "recount" << recount;
            return { text };
        }
    }
    return {};
}

// Tiny clips made once with the real ffmpeg: the share of runs that use it needs real media.
QList<QByteArray> makeClips(const QString &ffmpeg, const QString &folder)
{
    const QStringList video { "-f", "lavfi", "-i", "testsrc=size=32x24:rate=10:duration=0.3" };
    const QStringList audio { "-f", "lavfi", "-i", "sine=duration=0.3:sample_rate=8000" };
    const QStringList h264 { "-c:v", "libx264", "-preset", "ultrafast" };
    const QList<std::pair<QString, QStringList>> recipes {
        { "clip.mp4", video + audio + h264 + QStringList { "-c:a", "aac", "-shortest" } },
        { "timecode.mov", video + h264 + QStringList { "-timecode", "01:00:00:00" } },
        { "mpeg4.mkv", video + QStringList { "-c:v", "mpeg4" } },
        { "mpeg2.ts", video + audio + QStringList { "-c:v", "mpeg2video", "-c:a", "mp2", "-shortest" } },
    };
    QList<QByteArray> clips;
    for (const auto &[name, arguments] : recipes) {
        const QString path = folder + QLatin1Char('/') + name;
        QProcess process;
        process.start(ffmpeg, QStringList { "-hide_banner", "-loglevel", "error", "-nostdin", "-y" } + arguments + QStringList { path });
        if (process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
            if (const auto content = readRaw(raw(path))) {
                clips.append(*content);
            }
        } else {
            qWarning().noquote() << name << process.readAllStandardError();
        }
    }
    return clips;
}
}

class SoakTest : public QObject
{
    Q_OBJECT

private:
    struct Source {
        enum class Nature { file, link, dangling, directory, unnameable, deleted };
        QUrl url;
        QByteArray path; // the name on disk
        Nature nature = Nature::file;
        bool clip = false;
        QByteArray content; // what reading it gave when made (through a link for links)
    };
    struct Call {
        QUrl input;
        QUrl output;
        Plan plan;
        int batch = 0;
    };

    void setUpTree();
    Source *addSource(const QByteArray &path, Source::Nature nature, bool clip = false);
    Source *makeFile(const QByteArray &folder, const QByteArray &name, bool clip);
    void makeLink(const QByteArray &path, const QByteArray &target);
    Plan choosePlan(const Source &source);
    void enqueue(const QList<Source *> &sources);
    void observeRun(const QUrl &input, const QUrl &output, OutputFormat format);
    void runBatch(int number, std::function<void(int)> hook);
    QString outcomeProblem(const InputFile &file, const Call &call) const;
    void later(std::function<void()> action) { QTimer::singleShot(0, m_rig.vm.get(), std::move(action)); }
    QByteArray folder(const char *name) const { return m_rootRaw + '/' + name; }

    std::mt19937 m_random;
    RawTemporaryDir m_root;
    QByteArray m_rootRaw;
    QString m_ffmpeg; // the installed one, empty when there is none
    QList<QByteArray> m_clips;
    Rig m_rig;
    std::vector<std::unique_ptr<Source>> m_sources;
    QHash<QUrl, Source *> m_sourceByUrl;
    QHash<QUrl, Plan> m_plans;
    QHash<QUrl, Call> m_lastCall;
    QHash<QUuid, Status> m_finished; // statuses checked after an earlier batch
    QSet<QByteArray> m_removedByTest;
    QSet<QByteArray> m_batchOutputs;
    QSet<QUrl> m_addedDuringBatch;
    QStringList m_problems;
    std::function<void(int)> m_hook;
    int m_batch = 0;
    int m_batchCalls = 0;
    int m_bigStderrPlans = 0;
    int m_realPlans = 0;

    // Figures
    int m_batches = 0;
    int m_records = 0;
    int m_calls = 0;
    int m_preexistingVerified = 0;
    std::array<int, faultKinds> m_faults {};

private Q_SLOTS:
    void initTestCase();
    void soak();
    void unnameableSource_data();
    void unnameableSource();
    void folderUrlNaming_data();
    void folderUrlNaming();
};

void SoakTest::initTestCase()
{
    quint32 seed = 20261206;
    if (const QByteArray chosen = qgetenv("KESTRUNE_SOAK_SEED"); !chosen.isEmpty()) {
        seed = chosen.toUInt();
    }
    m_random.seed(seed);
    qInfo("soak seed %u", seed);
    QVERIFY(m_root.dir.isValid());
    m_rootRaw = m_root.path;
    if (const auto installed
        = FFmpegRunner(FFmpegRunner::Locations { QString(), FFmpegRunner::Locations::platformDefault().ffmpegSearchPaths }).locateFFmpeg()) {
        m_ffmpeg = installed->toLocalFile();
        QTemporaryDir clipDir;
        m_clips = makeClips(m_ffmpeg, clipDir.path());
    }
    if (m_clips.isEmpty()) {
        qWarning("no ffmpeg or no clips: every run goes to the fake");
    }
}

SoakTest::Source *SoakTest::addSource(const QByteArray &path, Source::Nature nature, bool clip)
{
    auto source = std::make_unique<Source>();
    source->path = path;
    source->nature = nature;
    source->clip = clip;
    if (nature == Source::Nature::unnameable) {
        // As a drop hands it over: the name's bytes percent-encoded in the URL.
        source->url = QUrl::fromEncoded("file://" + path.toPercentEncoding("/"));
    } else {
        source->url = QUrl::fromLocalFile(QFile::decodeName(path));
        if (raw(source->url.toLocalFile()) != path) {
            m_problems.append(QStringLiteral("a name meant to survive a URL does not: ") + printable(path));
        }
    }
    if (nature == Source::Nature::file || nature == Source::Nature::link || nature == Source::Nature::unnameable) {
        source->content = readRaw(path).value_or(QByteArray());
    }
    m_sources.push_back(std::move(source));
    m_sourceByUrl.insert(m_sources.back()->url, m_sources.back().get());
    return m_sources.back().get();
}

SoakTest::Source *SoakTest::makeFile(const QByteArray &folder, const QByteArray &name, bool clip)
{
    const QByteArray path = folder + '/' + name;
    QByteArray content;
    clip = clip && !m_clips.isEmpty();
    if (clip) {
        content = m_clips.at(int(m_random() % m_clips.size()));
    } else {
        // Each file's bytes are its own, so a swap of two files shows in their hashes.
        content = "junk " + path + '\n';
        const int size = 256 + int(m_random() % 4096);
        for (int i = 0; i < size; ++i) {
            content.append(char(m_random()));
        }
    }
    if (!writeRaw(path, content)) {
        m_problems.append(QStringLiteral("could not make ") + printable(path));
    }
    return addSource(path, Source::Nature::file, clip);
}

void SoakTest::makeLink(const QByteArray &path, const QByteArray &target)
{
    if (::symlink(target.constData(), path.constData()) != 0) {
        m_problems.append(QStringLiteral("could not link ") + printable(path));
    }
}

Plan SoakTest::choosePlan(const Source &source)
{
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    // The real ffmpeg takes ten times as long to start as the fake, so its share is capped.
    if (source.clip && !m_ffmpeg.isEmpty() && m_realPlans < 24 && chance(m_random) < 0.4) {
        ++m_realPlans;
        return { Fault::real, raw(m_ffmpeg) };
    }
    // Weights in the order of Fault, the real ffmpeg left out.
    Fault fault = Fault(std::discrete_distribution<int>({ 30, 10, 10, 12, 6, 6, 3, 10, 3, 3 })(m_random));
    // Each of these keeps 10 MB of text in the model; a handful proves the point.
    if (fault == Fault::bigstderr && ++m_bigStderrPlans > 4) {
        fault = Fault::exit;
    }
    if (fault == Fault::exit) {
        static const char *const statuses[] = { "1", "2", "69", "187", "255" };
        return { fault, statuses[m_random() % 5] };
    }
    if (fault == Fault::bigstderr) {
        return { fault, QByteArray::number(bigStderrBytes) };
    }
    return { fault, {} };
}

void SoakTest::enqueue(const QList<Source *> &sources)
{
    QList<QUrl> urls;
    for (Source *source : sources) {
        m_plans.insert(source->url, choosePlan(*source));
        urls.append(source->url);
    }
    const qsizetype before = m_rig.vm->files().size();
    m_rig.vm->addFiles(urls);
    if (m_rig.vm->files().size() != before + urls.size()) {
        m_problems.append(QStringLiteral("addFiles took %1 of %2 files").arg(m_rig.vm->files().size() - before).arg(urls.size()));
    }
    if (m_rig.vm->isConverting()) {
        m_addedDuringBatch.unite(QSet<QUrl>(urls.cbegin(), urls.cend()));
    }
}

void SoakTest::observeRun(const QUrl &input, const QUrl &output, OutputFormat format)
{
    // Naming, checked against the destination and format of this very moment: the driver
    // chooses the name and hands it over with nothing awaited in between.
    const RemuxViewModel &vm = *m_rig.vm;
    const QString source = input.toLocalFile();
    const QString target = output.toLocalFile();
    const QString expectedFolder
        = (!vm.sameAsInput() && vm.hasOutputDirectory()) ? parentFolder(vm.outputDirectoryPath() + QStringLiteral("/x")) : parentFolder(source);
    const QString extension = OutputFormats::fileExtension(vm.outputFormat());
    const QString name = target.mid(target.lastIndexOf(QLatin1Char('/')) + 1);
    const QString base = baseName(source.mid(parentFolder(source).size() + 1).section(QLatin1Char('/'), 0, 0));
    static const auto suffixed = [](const QString &base, const QString &extension) {
        return QRegularExpression(QStringLiteral("\\A") + QRegularExpression::escape(base) + QStringLiteral("( [1-9][0-9]*)?\\.")
            + QRegularExpression::escape(extension) + QStringLiteral("\\z"));
    };
    if (format != vm.outputFormat()) {
        m_problems.append(QStringLiteral("run got a format other than the chosen one for ") + printable(raw(source)));
    }
    if (parentFolder(target) != expectedFolder) {
        m_problems.append(QStringLiteral("output %1 not in %2").arg(printable(raw(target)), printable(raw(expectedFolder))));
    }
    if (!suffixed(base, extension).match(name).hasMatch()) {
        m_problems.append(QStringLiteral("output name %1 does not follow %2 + .%3").arg(printable(raw(name)), printable(raw(base)), extension));
    }
    if (existsRaw(raw(target))) {
        m_problems.append(QStringLiteral("output already exists: ") + printable(raw(target)));
    }
    // A name may come round again within a batch when the run given it left nothing there.
    m_batchOutputs.insert(raw(target));

    // The running tallies against a recount, at every file of every batch.
    m_problems += countProblems(vm);

    const Plan plan = m_plans.value(input);
    m_rig.setPlan(plan);
    ++m_faults[int(plan.fault)];
    ++m_calls;
    m_lastCall.insert(input, Call { input, output, plan, m_batch });
    if (m_hook) {
        m_hook(++m_batchCalls);
    }
}

QString SoakTest::outcomeProblem(const InputFile &file, const Call &call) const
{
    const Status &status = file.status();
    const Source *source = m_sourceByUrl.value(file.url());
    const QString what = printable(raw(file.url().toLocalFile())) + QStringLiteral(" [") + QLatin1String(faultName(call.plan.fault)) + QStringLiteral("]: ")
        + describe(status);
    if (!status.isFinished()) {
        return QStringLiteral("not finished: ") + what;
    }
    if (status.isFailed() && status.asFailed()->reason.isEmpty()) {
        return QStringLiteral("failed without a reason: ") + what;
    }
    if (const auto *done = status.asDone()) {
        if (done->outputURL != call.output) {
            return QStringLiteral("done with another output than the run's: ") + what;
        }
        struct stat info {
        };
        if (::lstat(raw(done->outputURL.toLocalFile()).constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
            return QStringLiteral("done but no output file: ") + what;
        }
    }
    const bool readable = source && (source->nature == Source::Nature::file || source->nature == Source::Nature::link);
    if (!readable) {
        return status.isFailed() ? QString() : QStringLiteral("an unreadable source did not fail: ") + what;
    }

    const QString reason = status.isFailed() ? status.asFailed()->reason : QString();
    const auto *done = status.asDone();
    const auto fakeOutput = [&] { return readRaw(raw(done->outputURL.toLocalFile())) == "kestrune fake output of " + raw(file.url().toLocalFile()) + '\n'; };
    switch (call.plan.fault) {
    case Fault::success:
    case Fault::junk:
    case Fault::truncated:
    case Fault::lingering:
    case Fault::orphan:
        if (!done || done->note || !fakeOutput()) {
            return QStringLiteral("expected done without a note, with the fake's output: ") + what;
        }
        return {};
    case Fault::datastream:
        if (!done || !done->note || !droppedTrackNotes().contains(*done->note) || !fakeOutput()) {
            return QStringLiteral("expected done with a dropped-track note: ") + what;
        }
        return {};
    case Fault::exit:
        return reason == QStringLiteral("ffmpeg exited %1: Invalid data found when processing input\n").arg(QString::fromLatin1(call.plan.argument))
            ? QString()
            : QStringLiteral("expected the exit status and text: ") + what;
    case Fault::sigkill:
        return reason == QStringLiteral("ffmpeg exited 9: about to be killed\n") ? QString() : QStringLiteral("expected signal 9: ") + what;
    case Fault::sigsegv:
        return reason == QStringLiteral("ffmpeg exited 11: ") ? QString() : QStringLiteral("expected signal 11: ") + what;
    case Fault::bigstderr:
        return reason.size() == QStringLiteral("ffmpeg exited 1: ").size() + bigStderrBytes && reason.startsWith(QStringLiteral("ffmpeg exited 1: Error while"))
            ? QString()
            : QStringLiteral("expected all 10 MB of error text: ") + what;
    case Fault::real:
        return {}; // whatever ffmpeg makes of it, as long as it is final and explained
    }
    return {};
}

void SoakTest::runBatch(int number, std::function<void(int)> hook)
{
    if (QTest::currentTestFailed()) {
        return; // an earlier batch is stuck and reported; the rest would only wait on it
    }
    m_batch = number;
    m_batchCalls = 0;
    m_hook = std::move(hook);
    m_batchOutputs.clear();
    m_addedDuringBatch.clear();
    const QSet<QByteArray> removedBefore = m_removedByTest;
    const Snapshot before = snapshot(m_rootRaw);

    // Generous: a stuck batch is what this catches, not a slow one.
    QVERIFY2(m_rig.convertAndWait(std::chrono::minutes(2)), qPrintable(QStringLiteral("batch %1 did not end").arg(number)));
    m_hook = nullptr;
    ++m_batches;

    const QSet<QByteArray> removedNow = m_removedByTest - removedBefore;
    m_problems += compareSnapshots(before, snapshot(m_rootRaw), removedNow, m_batchOutputs);
    m_preexistingVerified += int(before.size()) - int(removedNow.size());

    for (const InputFile &file : m_rig.vm->files()) {
        if (file.status().isQueued()) {
            if (!m_addedDuringBatch.contains(file.url())) {
                m_problems.append(QStringLiteral("left queued by batch %1: ").arg(number) + printable(raw(file.url().toLocalFile())));
            }
            continue;
        }
        if (const auto earlier = m_finished.constFind(file.id()); earlier != m_finished.cend()) {
            if (*earlier != file.status()) {
                m_problems.append(QStringLiteral("a finished file changed: ") + describe(*earlier) + QStringLiteral(" -> ") + describe(file.status()));
            }
            continue;
        }
        const auto call = m_lastCall.constFind(file.url());
        if (call == m_lastCall.cend() || call->batch != number) {
            m_problems.append(
                QStringLiteral("finished without a run: ") + printable(raw(file.url().toLocalFile())) + QLatin1Char(' ') + describe(file.status()));
            continue;
        }
        if (const QString problem = outcomeProblem(file, *call); !problem.isEmpty()) {
            m_problems.append(problem);
        }
        m_finished.insert(file.id(), file.status());
        ++m_records;
    }
    m_problems += countProblems(*m_rig.vm);
}

void SoakTest::setUpTree()
{
    for (const char *name : { "A", "B odd names \xc3\xbc", "C special", "D bulk", "E bulk \xc3\xa4", "out1", "out2 chosen" }) {
        QVERIFY(::mkdir(folder(name).constData(), 0755) == 0);
    }
}

void SoakTest::soak()
{
    QVERIFY(m_rig.make([this](const QUrl &input, const QUrl &output, OutputFormat format) { observeRun(input, output, format); }));
    QAbstractItemModelTester tester(m_rig.vm->fileModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    RemuxViewModel &vm = *m_rig.vm;
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    setUpTree();
    const QByteArray a = folder("A");
    const QByteArray b = folder("B odd names \xc3\xbc");
    const QByteArray c = folder("C special");
    const QByteArray d = folder("D bulk");
    const QByteArray e = folder("E bulk \xc3\xa4");
    const QByteArray out1 = folder("out1");
    const QByteArray out2 = folder("out2 chosen");

    // A: one base name in many containers, and the names its outputs would take already used
    // by a file, a folder and a link to nowhere; two sources whose first output name is a link
    // (one to a source, one to nowhere) that must never be written through.
    QList<Source *> groupA;
    for (const char *base : { "x", "clip", "movie.final", "Sommer 2024" }) {
        for (const char *extension : { "mov", "mp4", "mkv", "webm", "ts", "avi", "m4v", "mpg" }) {
            groupA.append(makeFile(a, QByteArray(base) + '.' + extension, chance(m_random) < 0.4));
        }
    }
    QVERIFY(writeRaw(a + "/x 1.mkv", "an earlier file"));
    QVERIFY(::mkdir((a + "/x 2.mkv").constData(), 0755) == 0);
    makeLink(a + "/x 3.mkv", "../nowhere/x 3.mkv");
    groupA.append(makeFile(a, "trap.mov", false));
    makeLink(a + "/trap.mkv", "x.mkv");
    groupA.append(makeFile(a, "ghost.mov", false));
    makeLink(a + "/ghost.mkv", "../C special/ghost target.mkv");

    // B: names that break quoting, escaping, option parsing, encodings and URL decoding.
    QList<Source *> groupB;
    const QList<QByteArray> oddNames {
        "with blanks",
        "  leading blanks",
        "trailing blank ",
        "\xc3\x85sa \xe2\x80\x93 sommar",
        "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e",
        "emoji \xf0\x9f\x8e\xac",
        "-leading-dash",
        "-i",
        "--",
        "100%",
        "%41%20",
        "%",
        "it's",
        "say \"hi\"",
        "back\\slash",
        "new\nline",
        "tab\tthere",
        "$(touch pwned)",
        "`id`",
        "star*",
        "question?",
        "[brackets]",
        "semi;colon",
        "a:b",
        "#hash",
        "&amp;",
        "~tilde",
        ".hidden",
        "many.dots.in.name",
        "\xc3\xbc"
        "ber",
        "u\xcc\x88"
        "ber",
        QByteArray(200, 'l'),
    };
    for (qsizetype i = 0; i < oddNames.size(); ++i) {
        groupB.append(makeFile(b, oddNames[i] + ".mp4", chance(m_random) < 0.3));
        if (i % 4 == 0) {
            groupB.append(makeFile(b, oddNames[i] + ".MOV", chance(m_random) < 0.3));
        }
    }

    // C: names that are not text, links to sources, a link to nowhere, a folder named like a
    // video, and two sources that vanish while queued.
    QList<Source *> groupC;
    for (const QByteArray name : { QByteArray("bad\xff\xfe.mp4"), QByteArray("\xc3\x28 invalid.mov"), QByteArray("latin1 caf\xe9.mkv") }) {
        QVERIFY(writeRaw(c + '/' + name, "not text: " + name));
        groupC.append(addSource(c + '/' + name, Source::Nature::unnameable));
    }
    makeLink(c + "/link to x.mov", "../A/x.mov");
    groupC.append(addSource(c + "/link to x.mov", Source::Nature::link, groupA.first()->clip));
    makeLink(c + "/absolute link.mp4", b + "/with blanks.mp4");
    groupC.append(addSource(c + "/absolute link.mp4", Source::Nature::link, groupB.first()->clip));
    makeLink(c + "/gone.mp4", "../A/never there.mp4");
    groupC.append(addSource(c + "/gone.mp4", Source::Nature::dangling));
    QVERIFY(::mkdir((c + "/folder.mp4").constData(), 0755) == 0);
    QVERIFY(writeRaw(c + "/folder.mp4/inside.txt", "inside a folder named like a video"));
    groupC.append(addSource(c + "/folder.mp4", Source::Nature::directory));
    QList<Source *> doomed { makeFile(c, "doomed 1.mp4", false), makeFile(c, "doomed 2.mov", true) };

    // D and E: bulk, with base names that collide across containers.
    QList<Source *> groupD;
    QList<Source *> groupE;
    static const char *const extensions[] = { "mkv", "mp4", "mov", "webm", "ts", "avi", "m4v", "m4a", "3gp", "wmv", "m2ts", "mpg", "mpeg", "flv" };
    for (auto [group, where, stem] : { std::tuple { &groupD, d, "take" }, std::tuple { &groupE, e, "sc\xc3\xa8ne" } }) {
        QSet<QByteArray> taken;
        while (group->size() < 110) {
            const QByteArray name = QByteArray(stem) + ' ' + QByteArray::number(m_random() % 80).rightJustified(3, '0') + '.' + extensions[m_random() % 14];
            if (!taken.contains(name)) {
                taken.insert(name);
                group->append(makeFile(where, name, chance(m_random) < 0.3));
            }
        }
    }

    // The chosen folders already hold names the outputs would take.
    QVERIFY(writeRaw(out1 + "/take 001.mp4", "already here"));
    QVERIFY(writeRaw(out1 + "/x.mp4", "already here"));
    QVERIFY(::mkdir((out1 + "/take 002.mp4").constData(), 0755) == 0);
    makeLink(out1 + "/take 003.mp4", "../D bulk/take 003.mp4");
    QVERIFY(writeRaw(out2 + "/sc\xc3\xa8ne 005.mov", "already here"));
    makeLink(out2 + "/sc\xc3\xa8ne 006.mov", "nowhere");
    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(u'\n')));
    const int sourcesMade = int(m_sources.size());

    // 1: A and B beside their sources as MKV. Files added during the batch wait for the next;
    // a second Convert and a Clear during the batch change nothing.
    vm.setOutputFormat(OutputFormat::mkv);
    enqueue(groupA + groupB);
    runBatch(1, [&](int call) {
        if (call == 5) {
            later([&] { enqueue(groupD.mid(0, 10)); });
        }
        if (call == 10) {
            later([&] {
                const qsizetype count = vm.files().size();
                vm.startConvert();
                vm.clearFinished();
                if (vm.files().size() != count) {
                    m_problems.append(QStringLiteral("the list changed under a running batch"));
                }
            });
        }
    });

    // 2: C and part of D as MP4 into a chosen folder; two queued sources vanish, the format
    // and the folder change mid-batch.
    vm.setOutputFormat(OutputFormat::mp4);
    m_rig.picker->folder = { true, QUrl::fromLocalFile(QFile::decodeName(out1)) };
    vm.chooseOutputFolder();
    enqueue(groupC + doomed + groupD.mid(10, 50));
    runBatch(2, [&](int call) {
        if (call == 1) {
            for (Source *source : doomed) {
                ::unlink(source->path.constData());
                source->nature = Source::Nature::deleted;
                m_removedByTest.insert(source->path);
            }
        }
        if (call == 25) {
            later([&] { vm.setOutputFormat(OutputFormat::mov); });
        }
        if (call == 40) {
            later([&] {
                m_rig.picker->folder = { true, QUrl::fromLocalFile(QFile::decodeName(out2)) };
                vm.chooseOutputFolder();
            });
        }
    });

    // 3: the rest of D and most of E as MOV, switching between beside-the-source and the
    // remembered folder mid-batch.
    vm.setOutputFormat(OutputFormat::mov);
    vm.setSameAsInput(true);
    enqueue(groupD.mid(60) + groupE.mid(0, 60));
    runBatch(3, [&](int call) {
        if (call == 20) {
            later([&] { vm.setSameAsInput(false); });
        }
        if (call == 45) {
            later([&] { vm.setSameAsInput(true); });
        }
        if (call == 50) {
            later([&] { vm.setOutputFormat(OutputFormat::webm); });
        }
    });

    // 4: after a Clear, earlier outputs become sources, and earlier sources are added again.
    vm.clearFinished();
    if (!vm.files().isEmpty()) {
        m_problems.append(QStringLiteral("Clear left %1 files").arg(vm.files().size()));
    }
    QList<Source *> again;
    for (const auto &[input, call] : m_lastCall.asKeyValueRange()) {
        if (again.size() < 20 && call.batch == 1 && existsRaw(raw(call.output.toLocalFile())) && !m_sourceByUrl.contains(call.output)) {
            again.append(addSource(raw(call.output.toLocalFile()), Source::Nature::file));
        }
    }
    enqueue(again + groupA.mid(0, 12) + groupB.mid(0, 8) + groupE.mid(60, 30));
    vm.setOutputFormat(OutputFormat::mpegts);
    runBatch(4, nullptr);

    // 5: the last of E as WebM into the remembered folder.
    vm.setSameAsInput(false);
    vm.setOutputFormat(OutputFormat::webm);
    enqueue(groupE.mid(90));
    runBatch(5, nullptr);

    // Every source still reads exactly as it was made.
    int sourcesVerified = 0;
    for (const auto &source : m_sources) {
        if (source->nature != Source::Nature::file && source->nature != Source::Nature::link && source->nature != Source::Nature::unnameable) {
            continue;
        }
        if (readRaw(source->path) != source->content) {
            m_problems.append(QStringLiteral("source changed: ") + printable(source->path));
        }
        ++sourcesVerified;
    }
    for (const InputFile &file : vm.files()) {
        if (!file.status().isFinished()) {
            m_problems.append(QStringLiteral("not finished at the end: ") + printable(raw(file.url().toLocalFile())));
        }
    }
    if (m_rig.runner->maxInFlight != 1) {
        m_problems.append(QStringLiteral("%1 runs at once").arg(m_rig.runner->maxInFlight));
    }
    // The fake saw each data-stream fault twice: the retry without data streams happened.
    const QList<QByteArray> log = m_rig.log();
    const auto retries = std::count(log.cbegin(), log.cend(), QByteArray("datastream retry"));
    const auto finished
        = [this](bool (Status::*is)() const) { return std::count_if(m_finished.cbegin(), m_finished.cend(), [is](const Status &s) { return (s.*is)(); }); };
    const auto droppedTrack = std::count_if(m_finished.cbegin(), m_finished.cend(), [](const Status &s) { return s.isDone() && s.asDone()->note; });
    QStringList faults;
    for (int kind = 0; kind < faultKinds; ++kind) {
        faults.append(QLatin1String(faultName(Fault(kind))) + QLatin1Char(' ') + QString::number(m_faults[kind]));
    }
    qInfo().noquote().nospace() << "soak: " << sourcesMade << " source files in 7 folders (+" << again.size() << " earlier outputs as sources), " << m_records
                                << " files converted in " << m_batches << " batches, " << m_calls << " ffmpeg runs (" << log.size() - 1
                                << " processes); runs by kind: " << faults.join(QStringLiteral(", ")) << "; " << retries << " retries without data streams, "
                                << droppedTrack << " done with a dropped track; " << finished(&Status::isDone) << " done, " << finished(&Status::isFailed)
                                << " failed; " << sourcesVerified << " sources verified unchanged, " << m_preexistingVerified
                                << " pre-existing entries verified unchanged";

    QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.mid(0, 40).join(u'\n')));
    QVERIFY(m_records >= 300);
    QVERIFY(retries > 0);
}

// A dropped URL carries a name's bytes percent-encoded; a name that is not valid UTF-8 loses
// them on the way to a path, and must then fail rather than reach some other file.
void SoakTest::unnameableSource_data()
{
    QTest::addColumn<bool>("lookAlike");
    QTest::addRow("nothing else in the folder") << false;
    QTest::addRow("the decoded name exists too") << true;
}

void SoakTest::unnameableSource()
{
    QFETCH(bool, lookAlike);
    Rig rig;
    QSet<QByteArray> outputs;
    QVERIFY(rig.make([&rig, &outputs](const QUrl &, const QUrl &output, OutputFormat) {
        rig.setPlan({ Fault::success, {} });
        outputs.insert(raw(output.toLocalFile()));
    }));
    RawTemporaryDir dir;
    const QByteArray folder = dir.path;
    const QByteArray name = folder + "/clip\xff.mov";
    QVERIFY(writeRaw(name, "the dropped file"));
    if (lookAlike) {
        QVERIFY(writeRaw(folder + "/clip\xef\xbf\xbd.mov", "another file, named with U+FFFD"));
    }
    const Snapshot before = snapshot(folder);

    rig.vm->addFiles({ QUrl::fromEncoded("file://" + name.toPercentEncoding("/")) });
    if (rig.vm->files().isEmpty()) {
        return; // skipping it is as good as failing it
    }
    QVERIFY(rig.convertAndWait(std::chrono::minutes(1)));
    const Status status = rig.vm->files().constFirst().status();
    const QStringList changes = compareSnapshots(before, snapshot(folder), {}, outputs);
    QVERIFY2(changes.isEmpty(), qPrintable(changes.join(u'\n')));
    QVERIFY2(status.isFailed(), qPrintable(describe(status)));
}

// A folder named like a video is accepted by extension; its output name must still be made
// beside it, from its own name, however its URL ends.
void SoakTest::folderUrlNaming_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addRow("without a trailing slash") << "";
    QTest::addRow("with a trailing slash") << "/";
}

void SoakTest::folderUrlNaming()
{
    QFETCH(QString, suffix);
    Rig rig;
    QVERIFY(rig.make([](const QUrl &, const QUrl &, OutputFormat) {}));
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.mp4")));
    const QUrl output = rig.vm->outputURL(QUrl::fromLocalFile(dir.filePath(QStringLiteral("folder.mp4")) + suffix));
    QCOMPARE(output.toLocalFile(), dir.filePath(QStringLiteral("folder.mkv")));
}

QTEST_GUILESS_MAIN(SoakTest)
#include "soaktest.moc"
