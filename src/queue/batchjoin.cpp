#include "queue/batchdriver.h"
#include "queue/batchwake.h"
#include "queue/fileoutcome.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>

// The free name is searched on a worker; the driver waits on its own wake, which Stop ends even
// while the disk does not answer. None: the disk gave no answer in time, or the batch ended.
QCoro::Task<std::optional<QString>> BatchDriver::nameOutput(int batch, QUrl source)
{
    const QPointer<BatchDriver> self(this);
    auto named = std::make_shared<Named>();
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [watcher, weak = std::weak_ptr<Named>(named)] {
        if (const auto named = weak.lock(); named && !named->ended) {
            named->path = watcher->result();
            named->end();
        }
        watcher->deleteLater();
    });
    watcher->setFuture(m_destination->searchFreeName(source));
    QTimer::singleShot(m_stallLimit, watcher, [weak = std::weak_ptr<Named>(named)] {
        if (const auto named = weak.lock(); named && !named->ended) {
            named->end();
        }
    });
    m_waiting = named;
    co_await Wake::Ended { named.get() };
    co_return self && isCurrentBatch(batch) ? named->path : std::nullopt;
}

void BatchDriver::setParts(const QList<QUuid> &parts, const InputFile::FileStatus &status)
{
    for (const QUuid &id : parts) {
        if (const int row = m_files->rowOf(id); row >= 0) {
            m_files->setStatus(row, status);
        }
    }
}

QCoro::Task<void> BatchDriver::join(bool keepDates)
{
    const QPointer<BatchDriver> self(this);
    setConverting(true);
    m_runner->setKeepDates(keepDates);
    const int batch = ++m_batch;
    ++m_drivers;
    QList<QUuid> parts;
    QList<QUrl> urls;
    for (const InputFile &file : m_files->files()) {
        parts.append(file.id());
        urls.append(file.url());
    }
    // The first part stands for the join: Stop finds it in work, and the rule and its
    // exceptions are the joined file's.
    const QUuid first = parts.value(0);
    m_fileInWork = first;
    setCurrentIndex(0);
    const OutputFormat format = m_destination->format();
    const TrackChoice choice = m_files->trackChoice(0);
    setParts(parts, InputFile::FileStatus::converting());
    const auto leave = [&](bool stale) {
        if (!self) {
            return;
        }
        --m_drivers;
        if (stale) {
            // Stopped: every part goes back to the queue, as nothing was written.
            setParts(parts, InputFile::FileStatus::queued());
        } else {
            endBatch();
        }
    };

    QCoro::Task<std::optional<QString>> naming = nameOutput(batch, urls.value(0));
    const std::optional<QString> path = co_await naming;
    if (!self || !isCurrentBatch(batch)) {
        leave(true);
        co_return;
    }
    if (!path) {
        setParts(parts,
            InputFile::FileStatus::failed(QCoreApplication::translate("RemuxViewModel", "The folder for the joined file stopped answering, so nothing was joined.")));
        leave(false);
        co_return;
    }
    const QUrl output = QUrl::fromLocalFile(*path);
    auto work = std::make_shared<InWork>();
    work->id = first;
    work->output = output;
    m_inWork = work;
    // Every part shows the progress of the whole join, so the window's bar runs over it once.
    auto onProgress = [self, parts, weak = std::weak_ptr<InWork>(work)](const FFmpegRunner::Progress &progress) {
        if (!self || weak.expired()) {
            return;
        }
        if (!progress.saving) {
            self->setParts(parts, InputFile::FileStatus::converting(progress.fraction, progress.speed));
        }
    };
    QCoro::connect(m_runner->join(urls, output, format, onProgress, choice), this, [work](FFmpegRunner::RemuxOutcome outcome) {
        if (!work->ended) {
            work->outcome = std::move(outcome);
            work->end();
        }
    });
    m_waiting = work;
    const std::weak_ptr<InWork> watched(work);
    co_await Wake::Ended { std::exchange(work, nullptr).get() };
    const auto ended = watched.lock();
    if (!self || !isCurrentBatch(batch) || !ended || !ended->outcome) {
        leave(true);
        co_return;
    }
    const FFmpegRunner::RemuxOutcome &outcome = *ended->outcome;
    m_inWork.reset();
    setParts(parts, outcome.succeeded() ? FileOutcome::done(outcome, output, format) : InputFile::FileStatus::failed(outcome.error->errorDescription()));
    leave(false);
}
