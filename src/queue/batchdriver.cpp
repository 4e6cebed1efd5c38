#include "queue/batchdriver.h"

#include "queue/batchwake.h"
#include "queue/fileoutcome.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>
#include <coroutine>
#include <exception>

namespace
{
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

// Shared between the driver and the progress handler of the file in work.
struct WorkingState {
    std::optional<double> lastSpeed;
    bool fractionSeen = false;
};
}

BatchDriver::BatchDriver(FileListModel *files, FFmpegRunner *runner, const OutputDestination *destination, Clock clock, Sleeper sleeper,
    std::chrono::milliseconds stallLimit, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_runner(runner)
    , m_destination(destination)
    , m_clock(clock ? std::move(clock) : [] { return std::chrono::steady_clock::now(); })
    , m_sleeper(std::move(sleeper))
    , m_stallLimit(stallLimit)
{ }

// A driver waiting on a step finds its batch stale and returns, rather than wait forever; it
// announces nothing from a driver on its way out.
BatchDriver::~BatchDriver()
{
    blockSignals(true);
    ++m_batch;
    m_inWork.reset();
    if (const std::shared_ptr<Wake> waiting = std::exchange(m_waiting, nullptr)) {
        waiting->end();
    }
}

bool BatchDriver::isConverting() const
{
    return m_converting;
}

int BatchDriver::currentIndex() const
{
    return m_currentIndex;
}

bool BatchDriver::isIdle() const
{
    return m_drivers == 0 && !m_runner->hasRunsInFlight();
}

QUuid BatchDriver::fileInWork() const
{
    return m_converting ? m_fileInWork : QUuid();
}

void BatchDriver::setConverting(bool converting)
{
    if (m_converting == converting) {
        return;
    }
    m_converting = converting;
    Q_EMIT isConvertingChanged();
}

void BatchDriver::setCurrentIndex(int index)
{
    if (m_currentIndex == index) {
        return;
    }
    m_currentIndex = index;
    Q_EMIT currentIndexChanged();
}

void BatchDriver::stop()
{
    if (!m_converting) {
        return;
    }
    // The window is idle at once; the driver, woken below, finds its batch stale and leaves.
    ++m_batch;
    m_runner->stopRunning();
    const std::shared_ptr<InWork> work = std::exchange(m_inWork, nullptr);
    if (const int row = work ? m_files->rowOf(work->id) : -1; row >= 0) {
        // A run that had already written its file keeps it; one still saving its file shows
        // what came of that when it ends; otherwise nothing was written.
        const bool written = work->outcome && work->outcome->succeeded();
        if (written) {
            m_files->setStatus(row, FileOutcome::done(*work->outcome, work->output, m_destination->format()));
        } else if (!work->saving) {
            m_files->setStatus(row, InputFile::FileStatus::queued());
        }
    }
    endBatch();
    if (const std::shared_ptr<Wake> waiting = std::exchange(m_waiting, nullptr)) {
        waiting->end();
    }
}

QCoro::Task<void> BatchDriver::convert(bool keepDates)
{
    // The model lives as long as the application, but a driver that outlives it must not touch it.
    const QPointer<BatchDriver> self(this);
    setConverting(true);
    // The whole batch keeps the choice it started with.
    m_runner->setKeepDates(keepDates);
    const int batch = ++m_batch;
    ++m_drivers;
    // The files queued now, by identity: files appended meanwhile wait for the next batch, and
    // a row that goes or moves can't make the driver skip or repeat one.
    QList<QUuid> queued;
    for (const InputFile &file : m_files->files()) {
        if (file.status().isQueued()) {
            queued.append(file.id());
        }
    }
    for (const QUuid &id : std::as_const(queued)) {
        if (const int row = m_files->rowOf(id); row >= 0 && m_files->files().at(row).status().isQueued()) {
            // Made outside the co_await: GCC 12 may destroy temporaries of a co_await twice.
            QCoro::Task<void> converting = convertFile(batch, id);
            co_await converting;
        }
        if (!self || !isCurrentBatch(batch)) {
            if (self) {
                --m_drivers;
            }
            co_return;
        }
    }
    --m_drivers;
    endBatch();
}

bool BatchDriver::isCurrentBatch(int batch) const
{
    return m_converting && m_batch == batch;
}

void BatchDriver::endBatch()
{
    m_inWork.reset();
    m_fileInWork = QUuid();
    setConverting(false);
}

QCoro::Task<void> BatchDriver::convertFile(int batch, QUuid id)
{
    const QPointer<BatchDriver> self(this);
    const InputFile file = m_files->files().at(m_files->rowOf(id));
    setCurrentIndex(m_files->rowOf(id));
    m_fileInWork = id;
    // The reading its row will show, even when a newer one was asked for after an older arrived.
    if (m_files->readingPending(m_files->rowOf(id))) {
        QCoro::Task<void> reading = awaitTracks(id);
        co_await reading;
        if (!self || !isCurrentBatch(batch) || m_files->rowOf(id) < 0) {
            co_return;
        }
    }
    // The destination and format of this moment; ffmpeg is run with "-y", so the name is chosen
    // right before remux, which checks it again and never lets ffmpeg replace a file. The search
    // looks at the disk, so it runs on a worker; the driver waits on its own wake, which Stop
    // ends even while the disk does not answer.
    const OutputFormat format = m_destination->format();
    auto named = std::make_shared<Named>();
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, weak = std::weak_ptr<Named>(named)] {
        if (const auto named = weak.lock(); named && !named->ended) {
            named->path = watcher->result();
            named->end();
        }
        watcher->deleteLater();
    });
    watcher->setFuture(m_destination->searchFreeName(file.url()));
    // The search holds its worker until the disk answers; the file does not wait that long.
    QTimer::singleShot(m_stallLimit, watcher, [weak = std::weak_ptr<Named>(named)] {
        if (const auto named = weak.lock(); named && !named->ended) {
            named->end();
        }
    });
    m_waiting = named;
    co_await Wake::Ended { named.get() };
    if (!self || !isCurrentBatch(batch) || m_files->rowOf(file.id()) < 0) {
        co_return;
    }
    if (!named->path) {
        m_files->setStatus(m_files->rowOf(file.id()),
            InputFile::FileStatus::failed(QCoreApplication::translate(
                "RemuxViewModel", "The folder for the new file of %1 stopped answering, so it was skipped. Check that its drive or share is still there.")
                                              .arg(file.url().fileName())));
        co_return;
    }
    const QUrl output = QUrl::fromLocalFile(*named->path);
    const auto start = m_clock();
    // The plan the row shows is the one that runs: its exceptions can't change from here on.
    const TrackChoice choice = m_files->trackChoice(m_files->rowOf(file.id()));
    m_files->setStatus(m_files->rowOf(file.id()), InputFile::FileStatus::converting());

    QCoro::Task<std::optional<FFmpegRunner::RemuxOutcome>> running = runFile(file, output, format, choice);
    const std::optional<FFmpegRunner::RemuxOutcome> outcome = co_await running;
    if (!outcome || !self || !isCurrentBatch(batch) || m_files->rowOf(file.id()) < 0) {
        co_return;
    }
    if (!outcome->succeeded()) {
        m_inWork.reset();
        m_files->setStatus(m_files->rowOf(file.id()), InputFile::FileStatus::failed(outcome->error->errorDescription()));
        co_return;
    }
    QCoro::Task<bool> holding = holdInView(batch, start);
    if (co_await holding && self && isCurrentBatch(batch) && m_files->rowOf(file.id()) >= 0) {
        m_inWork.reset();
        m_files->setStatus(m_files->rowOf(file.id()), FileOutcome::done(*outcome, output, m_destination->format()));
    }
}

// Ends when the file's last asked reading has arrived, when it has gone, after the stall limit (the engine
// then reads what it needs itself), or on Stop.
QCoro::Task<void> BatchDriver::awaitTracks(QUuid id)
{
    auto reading = std::make_shared<Wake>();
    const auto end = [weak = std::weak_ptr<Wake>(reading)] {
        if (const auto reading = weak.lock(); reading && !reading->ended) {
            reading->end();
        }
    };
    const QMetaObject::Connection arrived
        = connect(m_files, &QAbstractItemModel::dataChanged, this, [this, id, end](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
              if (!roles.contains(FileListModel::TracksReadRole)) {
                  return;
              }
              if (const int row = m_files->rowOf(id); row < 0 || !m_files->readingPending(row)) {
                  end();
              }
          });
    QTimer::singleShot(m_stallLimit, this, end);
    const QPointer<BatchDriver> self(this);
    m_waiting = reading;
    co_await Wake::Ended { reading.get() };
    if (self) {
        disconnect(arrived);
    }
}

QCoro::Task<std::optional<FFmpegRunner::RemuxOutcome>> BatchDriver::runFile(const InputFile &file, QUrl output, OutputFormat format, TrackChoice choice)
{
    auto state = std::make_shared<WorkingState>();
    auto work = std::make_shared<InWork>();
    work->id = file.id();
    work->output = output;
    m_inWork = work;

    const QPointer<BatchDriver> self(this);
    auto onProgress = [self, id = file.id(), state, weak = std::weak_ptr<InWork>(work)](const FFmpegRunner::Progress &progress) {
        if (!self) {
            return;
        }
        FileListModel *files = self->m_files;
        const int row = files->rowOf(id);
        if (row < 0) {
            return;
        }
        if (progress.saving) {
            if (const auto work = weak.lock()) {
                work->saving = true;
            }
            if (files->files().at(row).status().isConverting()) {
                files->setStatus(
                    row, InputFile::FileStatus::converting(state->fractionSeen ? std::optional<double>(1.0) : std::nullopt, state->lastSpeed, true));
            }
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
    // ends the wait of this driver. A run stopped while saving its file is held here until it
    // ends, so its row can show whether the file was saved.
    QCoro::connect(
        guarded(m_runner->remux(file.url(), output, format, onProgress, std::move(choice))), this, [this, work, format](FFmpegRunner::RemuxOutcome outcome) {
            if (!work->ended) {
                work->outcome = std::move(outcome);
                work->end();
                return;
            }
            const int row = work->saving ? m_files->rowOf(work->id) : -1;
            if (row < 0 || !m_files->files().at(row).status().isConverting()) {
                return;
            }
            const bool stopped = outcome.error && outcome.error->errorCase() == FFmpegRunner::RunError::Case::stopped;
            m_files->setStatus(row,
                outcome.succeeded() ? FileOutcome::done(outcome, work->output, format)
                    : stopped       ? InputFile::FileStatus::queued()
                                    : InputFile::FileStatus::failed(outcome.error->errorDescription()));
        });
    m_waiting = work;
    const std::weak_ptr<InWork> watched(work);
    co_await Wake::Ended { std::exchange(work, nullptr).get() };
    const auto ended = watched.lock();
    if (!self || !ended || !ended->outcome || m_inWork != ended) {
        co_return std::nullopt;
    }
    if (const int row = m_files->rowOf(file.id()); row >= 0 && ended->outcome->succeeded()) {
        m_files->setStatus(row, InputFile::FileStatus::converting(state->fractionSeen ? std::optional<double>(1.0) : std::nullopt, state->lastSpeed));
    }
    co_return ended->outcome;
}

QCoro::Task<bool> BatchDriver::holdInView(int batch, std::chrono::steady_clock::time_point start)
{
    // Measured on the monotonic clock: a wall-clock jump must not stretch or skip the hold.
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(minVisibleDuration - (m_clock() - start));
    if (remaining <= std::chrono::milliseconds::zero()) {
        co_return true;
    }
    const QPointer<BatchDriver> self(this);
    auto held = std::make_shared<Wake>();
    m_waiting = held;
    const auto release = [weak = std::weak_ptr<Wake>(held)] {
        if (const auto held = weak.lock(); held && !held->ended) {
            held->end();
        }
    };
    if (m_sleeper) {
        QCoro::connect(m_sleeper(remaining), this, release);
    } else {
        // "At least this long": a precise timer, since a coarse one may fire early.
        QTimer::singleShot(remaining, Qt::PreciseTimer, this, release);
    }
    co_await Wake::Ended { held.get() };
    co_return self &&isCurrentBatch(batch);
}
