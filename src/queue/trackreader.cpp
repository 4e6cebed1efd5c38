#include "queue/trackreader.h"

#include "engine/diskcall.h"

#include <QHash>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <deque>

namespace
{
std::int64_t readingTicks()
{
    return std::chrono::steady_clock::now().time_since_epoch().count();
}
}

// What the workers and the main thread share, under one lock. It outlives the reader: a worker
// stuck on a dead mount still holds it when the reader has gone.
struct TrackReader::Shared {
    struct Job {
        QUuid id;
        int generation = 0;
        QString path;
        bool withSideFiles = true;
        // Shared by the jobs of one read() call: a folder of many videos is listed once.
        std::shared_ptr<SideFiles::Listings> listings;
    };
    // The readings of one mount: a few workers at most, so a dead mount holds only those.
    struct Lane {
        std::deque<Job> queued;
        // By file and reading: a file read again may have both readings in flight.
        QSet<std::pair<QUuid, int>> inFlight;
        int running = 0; // workers on this lane, stuck ones included
        std::int64_t lastProgress = 0; // steady-clock ticks of the last answer, or of the start
    };

    Read read; // empty: the real reading
    int perLane = 2;
    QMutex mutex;
    QHash<QString, Lane> lanes; // by mount point
    FileListModel::ReadTracks arrived;
    int outstanding = 0; // handed in, and neither arrived nor forgotten
    bool cancelled = false;

    // Under the lock.
    static void enqueue(const std::shared_ptr<Shared> &shared, const QString &mount, Job job)
    {
        Lane &lane = shared->lanes[mount];
        if (lane.queued.empty() && lane.inFlight.isEmpty()) {
            lane.lastProgress = readingTicks();
        }
        lane.queued.push_back(std::move(job));
        if (lane.running < shared->perLane) {
            ++lane.running;
            DiskCall::workers()->start([shared, mount] { runLane(shared, mount); });
        }
    }

    static void runLane(const std::shared_ptr<Shared> &shared, const QString &mount)
    {
        for (;;) {
            Job job;
            {
                const QMutexLocker lock(&shared->mutex);
                Lane &lane = shared->lanes[mount];
                if (shared->cancelled || lane.queued.empty()) {
                    --lane.running;
                    return;
                }
                job = std::move(lane.queued.front());
                lane.queued.pop_front();
                lane.inFlight.insert({ job.id, job.generation });
            }
            std::shared_ptr<const FileTracks> tracks;
            // A worker of the pool must not throw; a reading that does is an unreadable file.
            try {
                tracks = std::make_shared<const FileTracks>(
                    shared->read ? shared->read(job.path, job.withSideFiles) : FileTracks::read(job.path, job.withSideFiles, job.listings));
            } catch (...) {
                tracks = std::make_shared<const FileTracks>();
            }
            const QMutexLocker lock(&shared->mutex);
            Lane &lane = shared->lanes[mount];
            lane.lastProgress = readingTicks();
            // Given up meanwhile: its row already went on without it.
            if (lane.inFlight.remove({ job.id, job.generation })) {
                shared->arrived.append({ job.id, job.generation, std::move(tracks) });
                --shared->outstanding;
            }
        }
    }
};

TrackReader::TrackReader(Read read, std::chrono::milliseconds stallLimit, QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
    , m_stallLimit(stallLimit)
{
    m_shared->read = std::move(read);
    m_shared->perLane = std::clamp(QThread::idealThreadCount(), 2, 4);
    m_tick.setInterval(deliveryInterval);
    connect(&m_tick, &QTimer::timeout, this, &TrackReader::deliver);
}

// Workers end after the file they are reading; what they read is dropped.
TrackReader::~TrackReader()
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->cancelled = true;
    m_shared->lanes.clear();
}

void TrackReader::read(const QList<File> &files, bool withSideFiles)
{
    if (files.isEmpty()) {
        return;
    }
    {
        const QMutexLocker lock(&m_shared->mutex);
        m_shared->outstanding += int(files.size());
    }
    if (!m_tick.isActive()) {
        m_tick.start();
    }
    // The paths and their mounts (read from the kernel's table, once per folder) on a worker too:
    // for thousands of files that is time the window would feel.
    DiskCall::workers()->start([shared = m_shared, files, withSideFiles] {
        const auto listings = std::make_shared<SideFiles::Listings>();
        QHash<QString, QString> mountOfFolder;
        QList<std::pair<QString, Shared::Job>> sorted;
        sorted.reserve(files.size());
        for (const File &file : files) {
            QString path = file.url.toLocalFile();
            const QString folder = path.left(path.lastIndexOf(u'/'));
            auto mount = mountOfFolder.find(folder);
            if (mount == mountOfFolder.end()) {
                mount = mountOfFolder.insert(folder, DiskCall::mountOf(path));
            }
            sorted.append({ *mount, Shared::Job { file.id, file.generation, std::move(path), withSideFiles, listings } });
        }
        const QMutexLocker lock(&shared->mutex);
        if (shared->cancelled) {
            return;
        }
        for (auto &[mount, job] : sorted) {
            Shared::enqueue(shared, mount, std::move(job));
        }
    });
}

void TrackReader::forget(const QSet<QUuid> &ids)
{
    const QMutexLocker lock(&m_shared->mutex);
    for (Shared::Lane &lane : m_shared->lanes) {
        m_shared->outstanding -= int(std::erase_if(lane.queued, [&ids](const Shared::Job &job) { return ids.contains(job.id); }));
    }
}

bool TrackReader::isReading() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return m_shared->outstanding > 0 || !m_shared->arrived.isEmpty();
}

void TrackReader::deliver()
{
    FileListModel::ReadTracks batch;
    bool reading = false;
    {
        const QMutexLocker lock(&m_shared->mutex);
        const std::int64_t now = readingTicks();
        const std::int64_t stalledSince = now - std::chrono::duration_cast<std::chrono::steady_clock::duration>(m_stallLimit).count();
        for (Shared::Lane &lane : m_shared->lanes) {
            if ((lane.inFlight.isEmpty() && lane.queued.empty()) || lane.lastProgress >= stalledSince) {
                continue;
            }
            // The mount stopped answering: its files go on without their tracks. The workers
            // stuck on it stay with it; files added for it later wait no longer than these did.
            for (const auto &[id, generation] : std::as_const(lane.inFlight)) {
                m_shared->arrived.append({ id, generation, nullptr });
            }
            for (const Shared::Job &job : lane.queued) {
                m_shared->arrived.append({ job.id, job.generation, nullptr });
            }
            m_shared->outstanding -= int(lane.inFlight.size() + lane.queued.size());
            lane.inFlight.clear();
            lane.queued.clear();
            lane.lastProgress = now;
        }
        batch.swap(m_shared->arrived);
        reading = m_shared->outstanding > 0;
    }
    if (!reading) {
        m_tick.stop();
    }
    if (!batch.isEmpty()) {
        Q_EMIT arrived(batch);
    }
}
