#include "queue/remuxviewmodel.h"

#include "engine/outputnaming.h"
#include "engine/remuxjob.h"
#include "app/desktopservices.h"
#include "queue/sourcecollector.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QCoroTimer>
#include <QPointer>
#include <QSet>
#include <QSettings>
#include <QTimer>
#include <QtConcurrent>
#include <atomic>
#include <coroutine>
#include <exception>

namespace
{
// A hold of "at least this long": a precise timer, since a coarse one may fire early.
QCoro::Task<void> preciseSleep(std::chrono::milliseconds duration)
{
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    timer.start(duration);
    co_await timer;
}

QString droppedTrackNote(OutputFormat format)
{
    return RemuxViewModel::tr("A data track couldn't be copied into %1 and was dropped (timecode usually survives)").arg(OutputFormats::displayName(format));
}

std::optional<QString> sentences(const QStringList &parts)
{
    return parts.isEmpty() ? std::nullopt : std::optional<QString>(InputFile::joinSentences(parts));
}

// What a file that was written becomes: what was left out is its note, what arrived changed is
// its warning, so the summary can count the two apart.
InputFile::FileStatus doneStatus(const FFmpegRunner::RemuxOutcome &outcome, const QUrl &output, OutputFormat format)
{
    QStringList leftOut = outcome.notes;
    if (outcome.droppedDataTracks) {
        leftOut.prepend(droppedTrackNote(format));
    }
    return InputFile::FileStatus::done(outcome.output.isEmpty() ? output : outcome.output, sentences(leftOut), sentences(outcome.warnings));
}

// remux reports its failures in the outcome; anything thrown still ends as this file's failure.
QCoro::Task<FFmpegRunner::RemuxOutcome> guarded(QCoro::Task<FFmpegRunner::RemuxOutcome> remuxing)
{
    try {
        co_return co_await remuxing;
    } catch (const std::exception &error) {
        FFmpegRunner::RemuxOutcome outcome;
        outcome.error = FFmpegRunner::RunError::platformError(QString::fromLocal8Bit(error.what()));
        co_return outcome;
    }
}

QString refusalReason(const SourceCollector::Refused &refused)
{
    const QString name = refused.url.toLocalFile();
    switch (refused.why) {
    case SourceCollector::Why::missing:
        return QCoreApplication::translate("RemuxViewModel", "%1 wasn't found, so it can't be converted.").arg(name);
    case SourceCollector::Why::notRegular:
        break;
    case SourceCollector::Why::notAccepted:
        return QCoreApplication::translate("RemuxViewModel", "%1 isn't a kind of video file Kestrune converts.").arg(name);
    }
    // The engine's own words for a source that would be read forever.
    return QCoreApplication::translate("RemuxViewModel", "%1 isn't a regular file, so it can't be converted.").arg(name);
}

QString notLocalMessage(const QList<QUrl> &urls)
{
    const QString first = urls.constFirst().toDisplayString();
    if (urls.size() == 1) {
        return RemuxViewModel::tr("%1 isn't on this computer, so it can't be added. Open its share in the file manager first.").arg(first);
    }
    return RemuxViewModel::tr(
        "%1 and %n more aren't on this computer, so they can't be added. Open their share in the file manager first.", nullptr, int(urls.size() - 1))
        .arg(first);
}
}

struct RemuxViewModel::Private {
    // Shared between the driver and the progress handler of the file in work.
    struct WorkingState {
        std::chrono::steady_clock::time_point start;
        std::optional<double> lastSpeed;
        bool fractionSeen = false;
    };

    // The run of the file in work, as Stop finds it. The driver waits for it to end, which the
    // run's end, Stop or the model's end brings about, whichever comes first.
    struct InWork {
        QUuid id;
        QUrl output;
        std::optional<FFmpegRunner::RemuxOutcome> outcome;
        bool ended = false;
        std::coroutine_handle<> driver;

        void end()
        {
            ended = true;
            if (const std::coroutine_handle<> waiting = std::exchange(driver, {})) {
                waiting.resume();
            }
        }
        struct Ended {
            InWork *work;
            [[nodiscard]] bool await_ready() const noexcept { return work->ended; }
            void await_suspend(std::coroutine_handle<> handle) const noexcept { work->driver = handle; }
            void await_resume() const noexcept { }
        };
    };

    // The derived values as last announced; a recount that differs is announced again.
    struct Derived {
        int done = 0;
        int failed = 0;
        int dropped = 0;
        int warned = 0;
        bool batchFinished = false;
        double progress = 0.0;
        bool operator==(const Derived &) const = default;
    };

    FileListModel *files = nullptr;
    OutputFormat outputFormat = OutputFormat::mkv;
    std::optional<QUrl> outputDirectory;
    bool sameAsInput = true;
    bool isConverting = false;
    int currentIndex = 0;
    std::optional<QString> errorMessage;
    std::unique_ptr<FFmpegRunner> runner;
    std::unique_ptr<FilePicker> picker;
    std::unique_ptr<FileRevealer> revealer;
    Clock clock;
    Sleeper sleeper;
    Derived derived;
    bool ffmpegAvailable = false;
    // Bumped when a batch starts or is stopped: a driver whose number is stale touches nothing.
    int batch = 0;
    std::shared_ptr<InWork> inWork;
    // addFiles() calls not yet listed, oldest first; while one walks, later ones wait behind it.
    QList<QList<QUrl>> pendingAdds;
    bool adding = false;
    // Read by the walker between entries: set when the model goes or the application quits.
    std::shared_ptr<std::atomic_bool> cancelWalk = std::make_shared<std::atomic_bool>(false);
    std::function<void()> walkHook;
    std::unique_ptr<QSettings> settings; // none: choices are not remembered
    bool keepFileDates = true;
};

RemuxViewModel::RemuxViewModel(QObject *parent)
    : RemuxViewModel(Dependencies {}, parent)
{ }

RemuxViewModel::RemuxViewModel(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->files = new FileListModel(this);
    d->runner = dependencies.runner ? std::move(dependencies.runner) : std::make_unique<FFmpegRunner>();
    d->picker = dependencies.picker ? std::move(dependencies.picker) : std::make_unique<DialogFilePicker>();
    d->revealer = dependencies.revealer ? std::move(dependencies.revealer) : std::make_unique<DesktopFileRevealer>();
    d->clock = dependencies.clock ? std::move(dependencies.clock) : [] { return std::chrono::steady_clock::now(); };
    d->sleeper = dependencies.sleeper ? std::move(dependencies.sleeper) : Sleeper(preciseSleep);
    d->walkHook = std::move(dependencies.walkHook);
    if (dependencies.rememberChoices) {
        d->settings = dependencies.settings
            ? std::move(dependencies.settings)
            : std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kestrune"), QStringLiteral("Kestrune"));
        d->keepFileDates = d->settings->value(QString::fromLatin1(keepFileDatesKey), true).toBool();
    }
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [cancel = d->cancelWalk] { *cancel = true; });
    }
    connect(d->files, &FileListModel::filesChanged, this, [this] { recountDerived(); });
    d->ffmpegAvailable = d->runner->locateFFmpeg().has_value();
}

RemuxViewModel::~RemuxViewModel()
{
    // A walk in flight ends after the entry it is looking at; nothing here waits for it.
    *d->cancelWalk = true;
    // A driver waiting on a run finds its batch stale and ends, rather than wait forever; it
    // announces nothing from a model on its way out.
    blockSignals(true);
    ++d->batch;
    if (const std::shared_ptr<Private::InWork> work = std::exchange(d->inWork, nullptr)) {
        work->end();
    }
}

const QList<InputFile> &RemuxViewModel::files() const
{
    return d->files->files();
}

FileListModel *RemuxViewModel::fileModel() const
{
    return d->files;
}

OutputFormat RemuxViewModel::outputFormat() const
{
    return d->outputFormat;
}

void RemuxViewModel::setOutputFormat(OutputFormat format)
{
    if (d->outputFormat == format) {
        return;
    }
    d->outputFormat = format;
    Q_EMIT outputFormatChanged();
}

QString RemuxViewModel::outputFormatId() const
{
    return OutputFormats::id(d->outputFormat);
}

void RemuxViewModel::setOutputFormatId(const QString &id)
{
    if (const auto format = OutputFormats::fromRawValue(id)) {
        setOutputFormat(*format);
    }
}

QVariantList RemuxViewModel::formatChoices() const
{
    QVariantList choices;
    for (const OutputFormat format : OutputFormats::allCases()) {
        choices.append(QVariantMap {
            { QStringLiteral("id"), OutputFormats::id(format) },
            { QStringLiteral("displayName"), OutputFormats::displayName(format) },
        });
    }
    return choices;
}

QUrl RemuxViewModel::outputDirectory() const
{
    return d->outputDirectory.value_or(QUrl());
}

bool RemuxViewModel::hasOutputDirectory() const
{
    return d->outputDirectory.has_value();
}

QString RemuxViewModel::outputDirectoryPath() const
{
    return d->outputDirectory ? d->outputDirectory->toLocalFile() : QString();
}

QString RemuxViewModel::outputDirectoryName() const
{
    if (!d->outputDirectory) {
        return {};
    }
    const QString name = d->outputDirectory->adjusted(QUrl::StripTrailingSlash).fileName();
    return name.isEmpty() ? outputDirectoryPath() : name;
}

bool RemuxViewModel::sameAsInput() const
{
    return d->sameAsInput;
}

void RemuxViewModel::setSameAsInput(bool sameAsInput)
{
    if (d->sameAsInput == sameAsInput) {
        return;
    }
    d->sameAsInput = sameAsInput;
    Q_EMIT sameAsInputChanged();
}

bool RemuxViewModel::keepOriginal() const
{
    return true;
}

bool RemuxViewModel::isConverting() const
{
    return d->isConverting;
}

int RemuxViewModel::currentIndex() const
{
    return d->currentIndex;
}

QString RemuxViewModel::errorMessage() const
{
    return d->errorMessage.value_or(QString());
}

bool RemuxViewModel::hasErrorMessage() const
{
    return d->errorMessage.has_value();
}

FFmpegRunner &RemuxViewModel::runner() const
{
    return *d->runner;
}

int RemuxViewModel::doneCount() const
{
    return d->files->doneCount();
}

int RemuxViewModel::failedCount() const
{
    return d->files->failedCount();
}

int RemuxViewModel::droppedTrackCount() const
{
    return d->files->doneWithNoteCount();
}

int RemuxViewModel::warningCount() const
{
    return d->files->doneWithWarningCount();
}

bool RemuxViewModel::isBatchFinished() const
{
    const int total = d->files->count();
    return !d->isConverting && total > 0 && doneCount() + failedCount() == total;
}

double RemuxViewModel::overallProgress() const
{
    const int total = d->files->count();
    if (total == 0) {
        return 0.0;
    }
    return (doneCount() + d->files->convertingFractionSum()) / total;
}

bool RemuxViewModel::ffmpegAvailable() const
{
    return d->ffmpegAvailable;
}

void RemuxViewModel::refreshFfmpegAvailable()
{
    const bool available = d->runner->locateFFmpeg().has_value();
    if (available == d->ffmpegAvailable) {
        return;
    }
    d->ffmpegAvailable = available;
    Q_EMIT ffmpegAvailableChanged();
}

bool RemuxViewModel::keepFileDates() const
{
    return d->keepFileDates;
}

void RemuxViewModel::setKeepFileDates(bool keep)
{
    if (d->keepFileDates == keep) {
        return;
    }
    d->keepFileDates = keep;
    if (d->settings) {
        d->settings->setValue(QString::fromLatin1(keepFileDatesKey), keep);
        d->settings->sync();
    }
    Q_EMIT keepFileDatesChanged();
}

void RemuxViewModel::stop()
{
    if (!d->isConverting) {
        return;
    }
    // The window is idle at once; the driver, when it wakes, finds its batch stale and leaves.
    ++d->batch;
    d->runner->stopRunning();
    const std::shared_ptr<Private::InWork> work = std::exchange(d->inWork, nullptr);
    if (const int row = work ? d->files->rowOf(work->id) : -1; row >= 0) {
        // A run that had already written its file keeps it; otherwise nothing was written.
        const bool written = work->outcome && work->outcome->succeeded();
        d->files->setStatus(row, written ? doneStatus(*work->outcome, work->output, d->outputFormat) : InputFile::FileStatus::queued());
    }
    endBatch();
    if (work) {
        work->end();
    }
}

QCoro::Task<void> RemuxViewModel::convert()
{
    if (!canStartBatch()) {
        co_return;
    }
    // The model lives as long as the application, but a driver that outlives it must not touch it.
    const QPointer<RemuxViewModel> self(this);
    const int batch = beginBatch();
    // Files appended while the batch runs wait for the next one.
    const int positions = d->files->count();
    for (int i = 0; i < positions && i < d->files->count(); ++i) {
        if (d->files->files().at(i).status().isQueued()) {
            // Made outside the co_await: GCC 12 may destroy temporaries of a co_await twice.
            QCoro::Task<void> converting = convertFile(batch, i);
            co_await converting;
        }
        if (!self || !isCurrentBatch(batch)) {
            co_return;
        }
    }
    endBatch();
}

bool RemuxViewModel::canStartBatch()
{
    refreshFfmpegAvailable();
    return d->files->count() > 0 && !d->isConverting && ffmpegAvailable();
}

int RemuxViewModel::beginBatch()
{
    setConverting(true);
    setErrorMessage(std::nullopt);
    // The whole batch keeps the choice it started with.
    d->runner->setKeepDates(d->keepFileDates);
    return ++d->batch;
}

bool RemuxViewModel::isCurrentBatch(int batch) const
{
    return d->isConverting && d->batch == batch;
}

void RemuxViewModel::endBatch()
{
    d->inWork.reset();
    setConverting(false);
    refreshFfmpegAvailable();
}

QCoro::Task<void> RemuxViewModel::convertFile(int batch, int position)
{
    const QPointer<RemuxViewModel> self(this);
    const InputFile file = d->files->files().at(position);
    setCurrentIndex(position);
    // The destination and format of this moment; ffmpeg is run with "-y", so the name is chosen
    // right before remux, which checks it again and never lets ffmpeg replace a file.
    const OutputFormat format = d->outputFormat;
    QCoro::Task<QUrl> naming = outputURL(file.url());
    const QUrl output = co_await naming;
    if (!self || !isCurrentBatch(batch) || d->files->rowOf(file.id()) < 0) {
        co_return;
    }
    const auto start = d->clock();
    d->files->setStatus(d->files->rowOf(file.id()), InputFile::FileStatus::converting());

    QCoro::Task<std::optional<FFmpegRunner::RemuxOutcome>> running = runFile(file, output, format);
    const std::optional<FFmpegRunner::RemuxOutcome> outcome = co_await running;
    // Rows are found by id after each wait: the list is not meant to shrink during a batch, but
    // if it did, no other file may receive this one's outcome.
    if (!outcome || !self || !isCurrentBatch(batch) || d->files->rowOf(file.id()) < 0) {
        co_return;
    }
    if (!outcome->succeeded()) {
        d->inWork.reset();
        d->files->setStatus(d->files->rowOf(file.id()), InputFile::FileStatus::failed(outcome->error->errorDescription()));
        co_return;
    }
    QCoro::Task<bool> holding = holdInView(batch, start);
    if (co_await holding && self && isCurrentBatch(batch) && d->files->rowOf(file.id()) >= 0) {
        d->inWork.reset();
        d->files->setStatus(d->files->rowOf(file.id()), doneStatus(*outcome, output, d->outputFormat));
    }
}

QCoro::Task<std::optional<FFmpegRunner::RemuxOutcome>> RemuxViewModel::runFile(const InputFile &file, QUrl output, OutputFormat format)
{
    auto state = std::make_shared<Private::WorkingState>();
    auto work = std::make_shared<Private::InWork>();
    work->id = file.id();
    work->output = output;
    d->inWork = work;

    const QPointer<RemuxViewModel> self(this);
    auto onProgress = [self, id = file.id(), state](const FFmpegRunner::Progress &progress) {
        if (!self) {
            return;
        }
        FileListModel *files = self->d->files;
        const int row = files->rowOf(id);
        if (row < 0) {
            return;
        }
        if (progress.speed) {
            state->lastSpeed = progress.speed;
        }
        if (progress.fraction) {
            state->fractionSeen = true;
        }
        if (files->files().at(row).status().isConverting()) {
            files->setStatus(row, InputFile::FileStatus::converting(progress.fraction, progress.speed));
        }
    };
    // Stop must not wait for ffmpeg to die, so the run is not awaited itself: its end, or Stop,
    // ends the wait of this driver.
    QCoro::connect(guarded(d->runner->remux(file.url(), output, format, onProgress)), this,
        [weak = std::weak_ptr<Private::InWork>(work)](FFmpegRunner::RemuxOutcome outcome) {
            if (const auto work = weak.lock(); work && !work->ended) {
                work->outcome = std::move(outcome);
                work->end();
            }
        });
    // Held by the model only, so that a stopped run's wait leaves nothing behind.
    const std::weak_ptr<Private::InWork> watched(work);
    co_await Private::InWork::Ended { std::exchange(work, nullptr).get() };
    const auto ended = watched.lock();
    if (!self || !ended || !ended->outcome || d->inWork != ended) {
        co_return std::nullopt;
    }
    if (const int row = d->files->rowOf(file.id()); row >= 0 && ended->outcome->succeeded()) {
        d->files->setStatus(row, InputFile::FileStatus::converting(state->fractionSeen ? std::optional<double>(1.0) : std::nullopt, state->lastSpeed));
    }
    co_return ended->outcome;
}

QCoro::Task<bool> RemuxViewModel::holdInView(int batch, std::chrono::steady_clock::time_point start)
{
    // Measured on the monotonic clock: a wall-clock jump must not stretch or skip the hold.
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(minVisibleDuration - (d->clock() - start));
    if (remaining <= std::chrono::milliseconds::zero()) {
        co_return true;
    }
    const QPointer<RemuxViewModel> self(this);
    QCoro::Task<void> hold = d->sleeper(remaining);
    co_await hold;
    co_return self &&isCurrentBatch(batch);
}

void RemuxViewModel::startConvert()
{
    QCoro::connect(convert(), this, [this] { Q_EMIT batchFinished(); });
}

QCoro::Task<QUrl> RemuxViewModel::outputURL(const QUrl &source) const
{
    // A folder given as "…/name.mp4/" is named after its last component, not inside itself.
    const QUrl file = source.adjusted(QUrl::StripTrailingSlash);
    const QString folder = (!d->sameAsInput && d->outputDirectory) ? d->outputDirectory->toLocalFile() : file.adjusted(QUrl::RemoveFilename).toLocalFile();
    const QString base = OutputNaming::splitExtension(file.fileName()).base;
    const QString extension = OutputFormats::fileExtension(d->outputFormat);
    QFuture<QString> searching = QtConcurrent::run(RemuxJob::workers(), OutputNaming::freePath, folder, base, extension);
    co_return QUrl::fromLocalFile(co_await searching);
}

void RemuxViewModel::chooseOutputFolder()
{
    const FilePicker::FolderChoice choice = d->picker->pickFolder(tr("Choose Output Folder"));
    if (!choice.accepted) {
        return;
    }
    setOutputDirectory(choice.url.isEmpty() ? std::nullopt : std::optional<QUrl>(choice.url));
    setSameAsInput(false);
}

void RemuxViewModel::presentAddFilesPanel()
{
    const FilePicker::FilesChoice choice = d->picker->pickFiles(tr("Add Files"));
    if (choice.accepted) {
        addFiles(choice.urls);
    }
}

void RemuxViewModel::addFiles(const QList<QUrl> &urls)
{
    refreshFfmpegAvailable();
    d->pendingAdds.append(urls);
    if (!d->adding) {
        QCoro::connect(addPending(), this, [] {});
    }
}

bool RemuxViewModel::isAddingFiles() const
{
    return d->adding;
}

QCoro::Task<void> RemuxViewModel::addPending()
{
    struct Found {
        QList<InputFile> records;
        QList<qsizetype> listed; // positions of records whose URL was listed when the call began
        QList<QUrl> notLocal;
        QStringList refused;
    };
    const QPointer<RemuxViewModel> self(this);
    const std::shared_ptr<std::atomic_bool> cancel = d->cancelWalk;
    const SourceCollector::Proceed proceed = [cancel, hook = d->walkHook] {
        if (hook) {
            hook();
        }
        return !*cancel;
    };
    d->adding = true;
    while (!d->pendingAdds.isEmpty()) {
        const QList<QUrl> urls = d->pendingAdds.takeFirst();
        const QStringList extensions = acceptedInputExtensions();
        // Every stat, the records and the duplicate test off the GUI thread: a dead share must
        // not stop the window painting, and 10,000 records cost more than their one insert. Calls
        // are listed one after another, so nothing is listed meanwhile that the snapshot misses.
        // On the workers that are never waited for: Qt waits for its own pool's threads at
        // quit, and one stuck on a dead share would keep the program from ever ending.
        QFuture<Found> collecting
            = QtConcurrent::run(RemuxJob::workers(), [urls, accepted = QSet<QString>(extensions.cbegin(), extensions.cend()), proceed, listed = d->files->listedUrls()] {
                  SourceCollector::Collected collected = SourceCollector::collect(urls, accepted, proceed);
                  Found found { {}, {}, std::move(collected.notLocal), {} };
                  for (const SourceCollector::Refused &refused : std::as_const(collected.refused)) {
                      found.refused.append(refusalReason(refused));
                  }
                  found.records.reserve(collected.files.size());
                  for (const QUrl &url : std::as_const(collected.files)) {
                      if (listed.contains(url)) {
                          found.listed.append(found.records.size());
                      }
                      found.records.append(InputFile(url));
                  }
                  return found;
              });
        const Found found = co_await collecting;
        if (!self || *cancel) {
            co_return;
        }
        setErrorMessage(found.notLocal.isEmpty() ? std::nullopt : std::optional<QString>(notLocalMessage(found.notLocal)));
        if (!found.refused.isEmpty()) {
            Q_EMIT filesRefused(found.refused);
        }
        appendNew(found.records, found.listed);
    }
    d->adding = false;
}

void RemuxViewModel::appendNew(const QList<InputFile> &records, const QList<qsizetype> &listed)
{
    // The duplicate test looks only at records listed before this call, so a URL given twice
    // here is added twice. Only the records listed when the call began are looked at again: a
    // removal since may have freed their URL.
    if (listed.isEmpty()) {
        d->files->append(records);
        Q_EMIT filesAdded();
        return;
    }
    QList<InputFile> fresh;
    fresh.reserve(records.size());
    for (qsizetype i = 0, next = 0; i < records.size(); ++i) {
        const bool wasListed = next < listed.size() && listed.at(next) == i;
        next += wasListed ? 1 : 0;
        if (!wasListed || !d->files->containsUrl(records.at(i).url())) {
            fresh.append(records.at(i));
        }
    }
    d->files->append(fresh);
    Q_EMIT filesAdded();
}

void RemuxViewModel::remove(const QUuid &id)
{
    d->files->removeIf([&id](const InputFile &file) { return file.id() == id; });
}

void RemuxViewModel::removeFile(const QString &id)
{
    const QUuid uuid = QUuid::fromString(id);
    if (!uuid.isNull()) {
        remove(uuid);
    }
}

void RemuxViewModel::clearFinished()
{
    // The driver walks the list by position; it must not shrink under it.
    if (d->isConverting) {
        return;
    }
    d->files->removeIf([](const InputFile &file) { return file.status().isFinished(); });
}

void RemuxViewModel::reveal(const InputFile &file)
{
    if (const auto *done = file.status().asDone()) {
        d->revealer->reveal(done->outputURL);
    }
}

void RemuxViewModel::revealFile(const QString &id)
{
    const int row = d->files->rowOf(QUuid::fromString(id));
    if (row >= 0) {
        reveal(d->files->files().at(row));
    }
}

QStringList RemuxViewModel::acceptedInputExtensions()
{
    QStringList extensions;
    for (const OutputFormat format : OutputFormats::allCases()) {
        extensions.append(OutputFormats::fileExtension(format));
    }
    for (const char *extra : { "avi", "ts", "m4v", "m4a", "3gp", "wmv", "m2ts", "mpg", "mpeg", "flv" }) {
        extensions.append(QString::fromLatin1(extra));
    }
    extensions.removeDuplicates();
    return extensions;
}

void RemuxViewModel::setConverting(bool converting)
{
    if (d->isConverting == converting) {
        return;
    }
    d->isConverting = converting;
    Q_EMIT isConvertingChanged();
    recountDerived();
}

void RemuxViewModel::setCurrentIndex(int index)
{
    if (d->currentIndex == index) {
        return;
    }
    d->currentIndex = index;
    Q_EMIT currentIndexChanged();
}

void RemuxViewModel::setErrorMessage(const std::optional<QString> &message)
{
    if (d->errorMessage == message) {
        return;
    }
    d->errorMessage = message;
    Q_EMIT errorMessageChanged();
}

void RemuxViewModel::setOutputDirectory(const std::optional<QUrl> &directory)
{
    if (d->outputDirectory == directory) {
        return;
    }
    d->outputDirectory = directory;
    Q_EMIT outputDirectoryChanged();
}

void RemuxViewModel::recountDerived()
{
    const Private::Derived now { doneCount(), failedCount(), droppedTrackCount(), warningCount(), isBatchFinished(), overallProgress() };
    if (now == d->derived) {
        return;
    }
    d->derived = now;
    Q_EMIT derivedValuesChanged();
}
