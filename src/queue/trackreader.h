#pragma once

#include "engine/trackchoice.h"
#include "queue/filelistmodel.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <chrono>
#include <functional>
#include <memory>

// Reads the tracks of listed files on worker threads, a few at a time per mount, so a mount that
// stops answering holds only its own readings: those are given up after `stallLimit` without an
// answer, and the files on other mounts go on. What is read reaches the main thread in batches,
// at most every `deliveryInterval`, so thousands of readings cost the window a few updates.
// Confined to the main thread; nothing here waits for a worker.
class TrackReader : public QObject
{
    Q_OBJECT

public:
    using Read = std::function<FileTracks(const QString &path, bool withSideFiles)>;
    struct File {
        QUuid id;
        QUrl url; // a local file's
        int generation = 0; // which of the file's readings this is; it arrives with it
    };
    static constexpr std::chrono::milliseconds deliveryInterval { 50 };

    TrackReader(Read read, std::chrono::milliseconds stallLimit, QObject *parent = nullptr);
    ~TrackReader() override;

    void read(const QList<File> &files, bool withSideFiles);
    // These files are no longer wanted: those not yet begun are not read.
    void forget(const QSet<QUuid> &ids);
    // Whether a reading is queued, in flight or not yet delivered.
    [[nodiscard]] bool isReading() const;

Q_SIGNALS:
    // In batches; a null reading: the file couldn't be read, or its mount gave no answer in time.
    void arrived(const FileListModel::ReadTracks &tracks);

private:
    struct Shared;
    void deliver();

    std::shared_ptr<Shared> m_shared;
    std::chrono::milliseconds m_stallLimit;
    QTimer m_tick;
};
