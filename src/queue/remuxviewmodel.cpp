#include "queue/remuxviewmodel.h"

#include "queue/batchdriver.h"
#include "queue/fileadder.h"
#include "queue/outputdestination.h"
#include "queue/trackreader.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSet>
#include <QSettings>
#include <QTimer>

struct RemuxViewModel::Private {
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
    std::unique_ptr<OutputDestination> destination;
    std::optional<QString> errorMessage;
    bool addingSaid = false; // the message is about files that could not be added
    std::unique_ptr<FFmpegRunner> runner;
    std::unique_ptr<FilePicker> picker;
    std::unique_ptr<FileRevealer> revealer;
    // After the runner and the list, so they go first: their waits end while both are there.
    std::unique_ptr<BatchDriver> driver;
    std::unique_ptr<FileAdder> adder;
    std::unique_ptr<TrackReader> reader;
    QSet<QUuid> gone; // rows removed by the call in progress, whose readings are not wanted
    Derived derived;
    bool ffmpegAvailable = false;
    std::unique_ptr<QSettings> settings; // none: choices are not remembered
    bool keepFileDates = true;
    TrackRule trackRule;

    // The row of a file whose tracks may still be chosen: listed, queued, and not the one a
    // batch is on (its name may be being searched before it shows as converting); else -1.
    [[nodiscard]] int choosableRow(const QString &fileId) const
    {
        const QUuid id = QUuid::fromString(fileId);
        const int row = id.isNull() ? -1 : files->rowOf(id);
        return row >= 0 && files->files().at(row).status().isQueued() && driver->fileInWork() != id ? row : -1;
    }
    // Reads the tracks of these rows; a removal meanwhile is safe, its reading is dropped, and so
    // is a reading overtaken by a newer one of its row.
    void readTracks(int first, int last)
    {
        QList<TrackReader::File> wanted;
        wanted.reserve(last - first + 1);
        for (int row = first; row <= last; ++row) {
            const InputFile &file = files->files().at(row);
            wanted.append({ file.id(), file.url(), files->askReading(row) });
        }
        reader->read(wanted, trackRule.addSideFiles);
    }
    void forgetGone()
    {
        if (!gone.isEmpty()) {
            reader->forget(std::exchange(gone, {}));
        }
    }
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
    d->picker = std::move(dependencies.picker);
    d->revealer = std::move(dependencies.revealer);
    d->destination = std::make_unique<OutputDestination>(dependencies.walkHook);
    d->driver = std::make_unique<BatchDriver>(
        d->files, d->runner.get(), d->destination.get(), std::move(dependencies.clock), std::move(dependencies.sleeper), dependencies.diskStallLimit);
    d->adder = std::make_unique<FileAdder>(d->files, std::move(dependencies.walkHook), dependencies.diskStallLimit);
    d->reader = std::make_unique<TrackReader>(std::move(dependencies.readTracks), dependencies.diskStallLimit);
    if (dependencies.rememberChoices) {
        d->settings = dependencies.settings
            ? std::move(dependencies.settings)
            : std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kestrune"), QStringLiteral("Kestrune"));
        d->keepFileDates = d->settings->value(QString::fromLatin1(keepFileDatesKey), true).toBool();
        d->trackRule = TrackRule::load(*d->settings);
    }
    d->files->setPlanContext(d->trackRule, d->destination->format());
    connect(d->destination.get(), &OutputDestination::formatChanged, this, [this] {
        d->files->setPlanContext(d->trackRule, d->destination->format());
        Q_EMIT outputFormatChanged();
    });
    // Every add's rows, once listed, have their tracks read off this thread; they arrive in batches.
    connect(d->files, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) { d->readTracks(first, last); });
    connect(d->files, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        for (int row = first; row <= last; ++row) {
            d->gone.insert(d->files->files().at(row).id());
        }
    });
    connect(d->reader.get(), &TrackReader::arrived, d->files, &FileListModel::setTracks);
    connect(d->destination.get(), &OutputDestination::directoryChanged, this, &RemuxViewModel::outputDirectoryChanged);
    connect(d->destination.get(), &OutputDestination::sameAsInputChanged, this, &RemuxViewModel::sameAsInputChanged);
    connect(d->driver.get(), &BatchDriver::isConvertingChanged, this, [this] {
        Q_EMIT isConvertingChanged();
        recountDerived();
        if (isConverting()) {
            setErrorMessage(std::nullopt);
        } else {
            refreshFfmpegAvailable();
        }
    });
    connect(d->driver.get(), &BatchDriver::currentIndexChanged, this, &RemuxViewModel::currentIndexChanged);
    // What adding says stays until the user adds again.
    connect(d->adder.get(), &FileAdder::message, this, [this](const QString &message) {
        setErrorMessage(message);
        d->addingSaid = true;
    });
    connect(d->adder.get(), &FileAdder::filesRefused, this, &RemuxViewModel::filesRefused);
    connect(d->adder.get(), &FileAdder::filesAdded, this, &RemuxViewModel::filesAdded);
    connect(d->files, &FileListModel::filesChanged, this, [this] { recountDerived(); });
    d->ffmpegAvailable = d->runner->locateFFmpeg().has_value();
}

// A driver waiting on a step finds its batch stale and ends, rather than wait forever, and a
// walk in flight ends after its entry; nothing is announced from a model on its way out.
RemuxViewModel::~RemuxViewModel()
{
    blockSignals(true);
    d->reader.reset();
    d->adder.reset();
    d->driver.reset();
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
    return d->destination->format();
}

void RemuxViewModel::setOutputFormat(OutputFormat format)
{
    d->destination->setFormat(format);
}

QString RemuxViewModel::outputFormatId() const
{
    return OutputFormats::id(d->destination->format());
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
    return d->destination->directory().value_or(QUrl());
}

bool RemuxViewModel::hasOutputDirectory() const
{
    return d->destination->directory().has_value();
}

QString RemuxViewModel::outputDirectoryPath() const
{
    const auto directory = d->destination->directory();
    return directory ? directory->toLocalFile() : QString();
}

QString RemuxViewModel::outputDirectoryName() const
{
    const auto directory = d->destination->directory();
    if (!directory) {
        return {};
    }
    const QString name = directory->adjusted(QUrl::StripTrailingSlash).fileName();
    return name.isEmpty() ? outputDirectoryPath() : name;
}

bool RemuxViewModel::sameAsInput() const
{
    return d->destination->sameAsInput();
}

void RemuxViewModel::setSameAsInput(bool sameAsInput)
{
    d->destination->setSameAsInput(sameAsInput);
}

bool RemuxViewModel::keepOriginal() const
{
    return true;
}

bool RemuxViewModel::isConverting() const
{
    return d->driver->isConverting();
}

int RemuxViewModel::currentIndex() const
{
    return d->driver->currentIndex();
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
    return !isConverting() && total > 0 && doneCount() + failedCount() == total;
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

TrackRule RemuxViewModel::trackRule() const
{
    return d->trackRule;
}

void RemuxViewModel::setTrackRule(const TrackRule &rule)
{
    if (d->trackRule == rule) {
        return;
    }
    const bool sideFilesAdded = rule.addSideFiles && !d->trackRule.addSideFiles;
    d->trackRule = rule;
    if (d->settings) {
        rule.save(*d->settings);
        d->settings->sync();
    }
    d->files->setPlanContext(rule, d->destination->format());
    // Files listed while the rule left side files out were read without them.
    if (sideFilesAdded && d->files->count() > 0) {
        d->readTracks(0, d->files->count() - 1);
    }
    Q_EMIT trackRuleChanged();
}

QString RemuxViewModel::trackRuleSentence() const
{
    return d->trackRule.sentence();
}

QVariantMap RemuxViewModel::trackRuleMap() const
{
    return d->trackRule.toMap();
}

void RemuxViewModel::setTrackRuleMap(const QVariantMap &map)
{
    setTrackRule(TrackRule::fromMap(map));
}

QVariantList RemuxViewModel::languageChoices(const QString &search) const
{
    QVariantList choices;
    for (const auto &[code, name] : TrackRule::languages(search)) {
        choices.append(QVariantMap { { QStringLiteral("code"), code }, { QStringLiteral("name"), name } });
    }
    return choices;
}

void RemuxViewModel::setTrackKept(const QString &fileId, const QString &key, bool kept)
{
    const int row = d->choosableRow(fileId);
    const auto tracks = row >= 0 ? d->files->tracks(row) : nullptr;
    if (!tracks || !tracks->info) {
        return;
    }
    // What the rule decides with the file's other exceptions: a tick that agrees is no exception.
    QHash<QString, bool> exceptions = d->files->trackExceptions(row);
    exceptions.remove(key);
    const TrackPlan byRule = TrackPlan::make(*tracks->info, outputFormat(), d->files->trackChoice(row, &exceptions));
    const auto decision
        = std::find_if(byRule.decisions.cbegin(), byRule.decisions.cend(), [&key](const TrackPlan::Decision &decision) { return decision.key == key; });
    if (decision == byRule.decisions.cend()) {
        return;
    }
    if (decision->kept != kept) {
        exceptions.insert(key, kept);
    }
    d->files->setTrackExceptions(row, exceptions);
}

void RemuxViewModel::followTrackRule(const QString &fileId)
{
    if (const int row = d->choosableRow(fileId); row >= 0) {
        d->files->setTrackExceptions(row, {});
    }
}

void RemuxViewModel::stop()
{
    d->driver->stop();
}

bool RemuxViewModel::isIdle() const
{
    return d->driver->isIdle() && !d->adder->isAdding();
}

void RemuxViewModel::finishForQuit(std::chrono::milliseconds limit)
{
    d->adder->cancel();
    stop();
    if (isIdle()) {
        return;
    }
    // The stopped runs still remove their temporaries and the walks end after their entry; only
    // events other than the user's are handled meanwhile, and a dead mount is not waited out.
    QEventLoop loop;
    QTimer poll;
    const QDeadlineTimer deadline(limit);
    connect(&poll, &QTimer::timeout, &loop, [this, &loop, &deadline] {
        if (isIdle() || deadline.hasExpired()) {
            loop.quit();
        }
    });
    poll.start(5);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

QCoro::Task<void> RemuxViewModel::convert()
{
    refreshFfmpegAvailable();
    if (d->files->count() == 0 || isConverting() || !ffmpegAvailable()) {
        co_return;
    }
    QCoro::Task<void> converting = d->driver->convert(d->keepFileDates);
    co_await converting;
}

void RemuxViewModel::startConvert()
{
    QCoro::connect(convert(), this, [this] { Q_EMIT batchFinished(); });
}

QCoro::Task<QUrl> RemuxViewModel::outputURL(const QUrl &source) const
{
    QFuture<QString> searching = d->destination->searchFreeName(source);
    co_return QUrl::fromLocalFile(co_await searching);
}

void RemuxViewModel::chooseOutputFolder()
{
    if (!d->picker) {
        return;
    }
    const FilePicker::FolderChoice choice = d->picker->pickFolder(tr("Choose Output Folder"));
    if (!choice.accepted) {
        return;
    }
    d->destination->setDirectory(choice.url.isEmpty() ? std::nullopt : std::optional<QUrl>(choice.url));
    setSameAsInput(false);
}

void RemuxViewModel::presentAddFilesPanel()
{
    if (!d->picker) {
        return;
    }
    const FilePicker::FilesChoice choice = d->picker->pickFiles(tr("Add Files"));
    if (choice.accepted) {
        addFiles(choice.urls);
    }
}

void RemuxViewModel::addFiles(const QList<QUrl> &urls)
{
    refreshFfmpegAvailable();
    if (std::exchange(d->addingSaid, false)) {
        setErrorMessage(std::nullopt);
    }
    d->adder->add(urls);
}

bool RemuxViewModel::isAddingFiles() const
{
    return d->adder->isAdding();
}

void RemuxViewModel::remove(const QUuid &id)
{
    // The rows of a batch stay until it ends, so what it converts is what the window showed; a
    // file still being saved after Stop keeps its row until it says how that ended.
    if (isConverting()) {
        return;
    }
    d->files->removeIf([&id](const InputFile &file) { return file.id() == id && !file.status().isConverting(); });
    d->forgetGone();
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
    // The rows of a batch stay until it ends, so what it converts is what the window showed.
    if (isConverting()) {
        return;
    }
    d->files->removeIf([](const InputFile &file) { return file.status().isFinished(); });
    d->forgetGone();
}

void RemuxViewModel::reveal(const InputFile &file)
{
    if (const auto *done = file.status().asDone()) {
        if (d->revealer) {
            d->revealer->reveal(done->outputURL);
        }
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
    return FileAdder::acceptedInputExtensions();
}

void RemuxViewModel::setErrorMessage(const std::optional<QString> &message)
{
    if (d->errorMessage == message) {
        return;
    }
    d->errorMessage = message;
    Q_EMIT errorMessageChanged();
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
