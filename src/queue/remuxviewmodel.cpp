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
    FileListModel *files = nullptr;
    std::unique_ptr<OutputDestination> destination;
    bool addingSaid = false; // the message is about files that could not be added
    std::unique_ptr<FFmpegRunner> runner;
    std::unique_ptr<FilePicker> picker;
    std::unique_ptr<FileRevealer> revealer;
    // After the runner and the list, so they go first: their waits end while both are there.
    std::unique_ptr<BatchDriver> driver;
    std::unique_ptr<FileAdder> adder;
    std::unique_ptr<TrackReader> reader;
    QSet<QUuid> gone; // rows removed by the call in progress, whose readings are not wanted
    std::unique_ptr<QSettings> settings; // none: choices are not remembered
    TrackRuleModel *tracks = nullptr;

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
        reader->read(wanted, tracks->rule().addSideFiles);
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
    }
    m_batch = new BatchModel(d->files, d->driver.get(), this);
    m_destination = new DestinationModel(d->destination.get(), d->picker.get(), this);
    m_destination->restore(d->settings.get());
    m_tracks = d->tracks = new TrackRuleModel(
        d->files, [this] { return outputFormat(); }, [this](const QString &fileId) { return d->choosableRow(fileId); }, this);
    m_tracks->restore(d->settings.get());
    m_join = new JoinModel(d->files, std::move(dependencies.checkJoin), [this] { return !isConverting(); }, this);
    d->files->setPlanContext(m_tracks->rule(), d->destination->format());
    connect(d->destination.get(), &OutputDestination::formatChanged, this, [this] { d->files->setPlanContext(m_tracks->rule(), d->destination->format()); });
    connect(m_tracks, &TrackRuleModel::sideFilesAdded, this, [this] {
        if (d->files->count() > 0) {
            d->readTracks(0, d->files->count() - 1);
        }
    });
    // Every add's rows, once listed, have their tracks read off this thread; they arrive in batches.
    connect(d->files, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int first, int last) { d->readTracks(first, last); });
    connect(d->files, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        for (int row = first; row <= last; ++row) {
            d->gone.insert(d->files->files().at(row).id());
        }
    });
    connect(d->reader.get(), &TrackReader::arrived, d->files, &FileListModel::setTracks);
    connect(m_batch, &BatchModel::convertAsked, this, &RemuxViewModel::startConvert);
    connect(m_batch, &BatchModel::stopAsked, this, &RemuxViewModel::stop);
    connect(m_batch, &BatchModel::clearFinishedAsked, this, &RemuxViewModel::clearFinished);
    connect(m_batch, &BatchModel::ffmpegLookAsked, this, &RemuxViewModel::refreshFfmpegAvailable);
    connect(m_batch, &BatchModel::errorMessageChanged, this, &RemuxViewModel::errorMessageChanged);
    connect(m_batch, &BatchModel::derivedValuesChanged, this, &RemuxViewModel::derivedValuesChanged);
    connect(d->driver.get(), &BatchDriver::isConvertingChanged, this, [this] {
        Q_EMIT isConvertingChanged();
        m_batch->recount();
        if (isConverting()) {
            setErrorMessage(std::nullopt);
        } else {
            refreshFfmpegAvailable();
        }
    });
    // What adding says stays until the user adds again.
    connect(d->adder.get(), &FileAdder::message, this, [this](const QString &message) {
        setErrorMessage(message);
        d->addingSaid = true;
    });
    connect(d->adder.get(), &FileAdder::filesRefused, this, &RemuxViewModel::filesRefused);
    connect(d->adder.get(), &FileAdder::filesAdded, this, &RemuxViewModel::filesAdded);
    connect(d->files, &FileListModel::filesChanged, m_batch, &BatchModel::recount);
    m_batch->setFfmpegAvailable(d->runner->locateFFmpeg().has_value());
}

// A driver waiting on a step finds its batch stale and ends, rather than wait forever, and a
// walk in flight ends after its entry; nothing is announced from a model on its way out.
RemuxViewModel::~RemuxViewModel()
{
    blockSignals(true);
    for (QObject *part : std::initializer_list<QObject *> { m_batch, m_destination, m_tracks }) {
        part->blockSignals(true);
    }
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

FFmpegRunner &RemuxViewModel::runner() const
{
    return *d->runner;
}

void RemuxViewModel::refreshFfmpegAvailable()
{
    m_batch->setFfmpegAvailable(d->runner->locateFFmpeg().has_value());
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
    // A join runs only over parts the check has passed, in the order listed.
    if (m_join->isOn()) {
        if (m_join->isReady()) {
            QCoro::Task<void> joining = d->driver->join(m_destination->keepFileDates());
            co_await joining;
        }
        co_return;
    }
    QCoro::Task<void> converting = d->driver->convert(m_destination->keepFileDates());
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
