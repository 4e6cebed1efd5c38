#include "queue/remuxviewmodel.h"

#include "engine/outputnaming.h"
#include "queue/desktopservices.h"
#include "queue/sourcecollector.h"

#include <QCoroFuture>
#include <QCoroTimer>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QtConcurrent>
#include <exception>

namespace
{
const QString addFilesPrompt = QStringLiteral("Add Files");
const QString chooseFolderPrompt = QStringLiteral("Choose Output Folder");

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
    return QStringLiteral("A data track couldn't be copied into ") + OutputFormats::displayName(format)
        + QStringLiteral(" and was dropped (timecode usually survives)");
}
}

struct RemuxViewModel::Private {
    // Shared between the driver and the progress handler of the file in work.
    struct WorkingState {
        std::chrono::steady_clock::time_point start;
        std::optional<double> lastSpeed;
        bool fractionSeen = false;
    };

    // The derived values as last announced; a recount that differs is announced again.
    struct Derived {
        int done = 0;
        int failed = 0;
        int dropped = 0;
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
    bool stopRequested = false;
    // addFiles() calls not yet listed, oldest first; while one walks, later ones wait behind it.
    QList<QList<QUrl>> pendingAdds;
    bool adding = false;
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
    connect(d->files, &FileListModel::filesChanged, this, [this] { recountDerived(); });
    d->ffmpegAvailable = d->runner->locateFFmpeg().has_value();
}

RemuxViewModel::~RemuxViewModel() = default;

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

void RemuxViewModel::stop()
{
    if (!d->isConverting || d->stopRequested) {
        return;
    }
    d->stopRequested = true;
    d->runner->stopRunning();
}

QCoro::Task<void> RemuxViewModel::convert()
{
    refreshFfmpegAvailable();
    if (d->files->count() == 0 || d->isConverting || !ffmpegAvailable()) {
        co_return;
    }
    // The model lives as long as the application, but a driver that outlives it must not touch it.
    const QPointer<RemuxViewModel> self(this);
    setConverting(true);
    setErrorMessage(std::nullopt);

    // Files appended while the batch runs wait for the next one.
    const int positions = d->files->count();
    d->stopRequested = false;
    for (int i = 0; i < positions && i < d->files->count() && !d->stopRequested; ++i) {
        const InputFile file = d->files->files().at(i);
        if (!file.status().isQueued()) {
            continue;
        }
        setCurrentIndex(i);

        // ffmpeg is run with "-y", so the name must be as fresh as possible: it is chosen here,
        // with the destination and format of this moment, right before remux, which checks it
        // again after its probe and never lets ffmpeg replace a file that appeared meanwhile.
        const QUrl output = outputURL(file.url());
        d->files->setStatus(i, InputFile::FileStatus::converting());
        auto state = std::make_shared<Private::WorkingState>();
        state->start = d->clock();
        const OutputFormat format = d->outputFormat;

        const QUuid id = file.id();
        auto onProgress = [self, id, state](const FFmpegRunner::Progress &progress) {
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

        FFmpegRunner::RemuxOutcome outcome;
        try {
            // The task is made outside the co_await: GCC 12 may destroy temporaries of a
            // co_await expression twice.
            QCoro::Task<FFmpegRunner::RemuxOutcome> remuxing = d->runner->remux(file.url(), output, format, onProgress);
            outcome = co_await remuxing;
        } catch (const std::exception &error) {
            // remux reports its failures in the outcome; anything thrown still ends as this file's failure.
            outcome.error = FFmpegRunner::RunError::platformError(QString::fromLocal8Bit(error.what()));
        }
        if (!self) {
            co_return;
        }
        // Rows are found by id after each wait: the list is not meant to shrink during a batch,
        // but if it did, no other file may receive this one's outcome.
        int row = d->files->rowOf(id);
        if (row < 0) {
            continue;
        }
        if (d->stopRequested && !outcome.succeeded()) {
            // Stopped: the file waits for the next Convert. A run that had already finished
            // keeps its file and is marked done below; the loop ends after it.
            d->files->setStatus(row, InputFile::FileStatus::queued());
            break;
        }
        if (!outcome.succeeded()) {
            d->files->setStatus(row, InputFile::FileStatus::failed(outcome.error->errorDescription()));
            continue;
        }

        d->files->setStatus(row, InputFile::FileStatus::converting(state->fractionSeen ? std::optional<double>(1.0) : std::nullopt, state->lastSpeed));
        // Measured on the monotonic clock: a wall-clock jump must not stretch or skip the hold.
        const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(minVisibleDuration - (d->clock() - state->start));
        if (remaining > std::chrono::milliseconds::zero()) {
            QCoro::Task<void> hold = d->sleeper(remaining);
            co_await hold;
            if (!self) {
                co_return;
            }
            row = d->files->rowOf(id);
            if (row < 0) {
                continue;
            }
        }
        QStringList notes = outcome.notes + outcome.warnings;
        if (outcome.droppedDataTracks) {
            notes.prepend(droppedTrackNote(d->outputFormat));
        }
        const std::optional<QString> note = notes.isEmpty() ? std::nullopt : std::optional<QString>(notes.join(QLatin1Char(' ')));
        d->files->setStatus(row, InputFile::FileStatus::done(outcome.output.isEmpty() ? output : outcome.output, note));
    }

    d->stopRequested = false;
    setConverting(false);
    refreshFfmpegAvailable();
}

void RemuxViewModel::startConvert()
{
    QCoro::connect(convert(), this, [this] { Q_EMIT batchFinished(); });
}

QUrl RemuxViewModel::outputURL(const QUrl &source) const
{
    // A folder given as "…/name.mp4/" is named after its last component, not inside itself.
    const QUrl file = source.adjusted(QUrl::StripTrailingSlash);
    const QString folder = (!d->sameAsInput && d->outputDirectory) ? d->outputDirectory->toLocalFile() : file.adjusted(QUrl::RemoveFilename).toLocalFile();
    const QString base = OutputNaming::splitExtension(file.fileName()).base;
    const QString extension = OutputFormats::fileExtension(d->outputFormat);

    return QUrl::fromLocalFile(OutputNaming::freePath(folder, base, extension));
}

void RemuxViewModel::chooseOutputFolder()
{
    const FilePicker::FolderChoice choice = d->picker->pickFolder(chooseFolderPrompt);
    if (!choice.accepted) {
        return;
    }
    setOutputDirectory(choice.url.isEmpty() ? std::nullopt : std::optional<QUrl>(choice.url));
    setSameAsInput(false);
}

void RemuxViewModel::presentAddFilesPanel()
{
    const FilePicker::FilesChoice choice = d->picker->pickFiles(addFilesPrompt);
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
    const QPointer<RemuxViewModel> self(this);
    d->adding = true;
    while (!d->pendingAdds.isEmpty()) {
        const QList<QUrl> urls = d->pendingAdds.takeFirst();
        const QStringList extensions = acceptedInputExtensions();
        const QSet<QString> accepted(extensions.cbegin(), extensions.cend());
        QList<InputFile> records;
        records.reserve(urls.size());
        bool hasFolder = false;
        for (const QUrl &url : urls) {
            const SourceCollector::Kind kind = SourceCollector::kindOf(url, accepted);
            hasFolder = hasFolder || kind == SourceCollector::Kind::folder;
            if (kind == SourceCollector::Kind::file && !hasFolder) {
                records.append(InputFile(url));
            }
        }
        if (hasFolder) {
            // A folder may hold thousands of files: walked, and its records made, off the GUI
            // thread; listed in one insert.
            QFuture<QList<InputFile>> walking = QtConcurrent::run([urls, accepted] {
                QList<InputFile> found;
                for (const QUrl &url : SourceCollector::collect(urls, accepted)) {
                    found.append(InputFile(url));
                }
                return found;
            });
            records = co_await walking;
            if (!self) {
                co_return;
            }
        }
        appendNew(records);
    }
    d->adding = false;
}

void RemuxViewModel::appendNew(const QList<InputFile> &records)
{
    // The duplicate test looks only at records listed before this call, so a URL given twice
    // here is added twice.
    QList<InputFile> fresh;
    fresh.reserve(records.size());
    for (const InputFile &record : records) {
        if (!d->files->containsUrl(record.url())) {
            fresh.append(record);
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
    const Private::Derived now { doneCount(), failedCount(), droppedTrackCount(), isBatchFinished(), overallProgress() };
    if (now == d->derived) {
        return;
    }
    d->derived = now;
    Q_EMIT derivedValuesChanged();
}
