#pragma once

#include "engine/ffmpegrunner.h"
#include "queue/filelistmodel.h"
#include "queue/outputdestination.h"

#include <QCoroTask>
#include <QObject>
#include <QUrl>
#include <QUuid>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// Its waits (batchwake.h).
struct BatchWake;
struct BatchInWork;
struct BatchNamed;

// Converts the queued files one at a time: names each file's output, runs the engine, keeps a
// quick success in view for a moment, and writes every outcome into the file's status. Stop
// answers at once. Confined to the main thread.
class BatchDriver : public QObject
{
    Q_OBJECT

public:
    // A monotonic clock and a sleeper, injectable so tests of the minimum visible duration are
    // exact instead of timed.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using Sleeper = std::function<QCoro::Task<void>(std::chrono::milliseconds)>;
    static constexpr std::chrono::milliseconds minVisibleDuration { 400 };

    // `sleeper` none: a precise timer of the driver's own. A search for a free name that gets no
    // answer within `stallLimit` fails its file, and the batch goes on; a file whose tracks are
    // still being read waits for them as long, then goes on without them.
    BatchDriver(FileListModel *files, FFmpegRunner *runner, const OutputDestination *destination, Clock clock, Sleeper sleeper,
        std::chrono::milliseconds stallLimit, QObject *parent = nullptr);
    ~BatchDriver() override;

    [[nodiscard]] bool isConverting() const;
    [[nodiscard]] int currentIndex() const;
    // Whether no batch has a driver in flight and the engine has no run in flight.
    [[nodiscard]] bool isIdle() const;
    // The file the batch is on, from the search for its name to its end; null while idle.
    [[nodiscard]] QUuid fileInWork() const;

    // Converts the files queued now, by identity; the caller has checked that a batch may start.
    QCoro::Task<void> convert(bool keepDates);
    // Joins every listed file, in list order, into one new file named after the first: each row
    // is a part, converting together, and each ends showing the joined file or why it failed.
    // Stop puts every part back in the queue; nothing is left.
    QCoro::Task<void> join(bool keepDates);
    // Ends the batch at once, without waiting for ffmpeg to die: the file in work goes back to
    // queued (or done, if its file was already written; or, while its file is being saved, to
    // what came of that), the rest stay as they are. Nothing while idle.
    void stop();

Q_SIGNALS:
    void isConvertingChanged();
    void currentIndexChanged();

private:
    using Wake = BatchWake; // batchwake.h
    using InWork = BatchInWork;
    using Named = BatchNamed;

    void setConverting(bool converting);
    void setCurrentIndex(int index);
    [[nodiscard]] bool isCurrentBatch(int batch) const;
    void endBatch();
    QCoro::Task<void> convertFile(int batch, QUuid id);
    QCoro::Task<void> awaitTracks(QUuid id);
    QCoro::Task<std::optional<FFmpegRunner::RemuxOutcome>> runFile(const InputFile &file, QUrl output, OutputFormat format, TrackChoice choice);
    QCoro::Task<std::optional<QString>> nameOutput(int batch, QUrl source);
    void setParts(const QList<QUuid> &parts, const InputFile::FileStatus &status);
    QCoro::Task<bool> holdInView(int batch, std::chrono::steady_clock::time_point start);

    FileListModel *m_files;
    FFmpegRunner *m_runner;
    const OutputDestination *m_destination;
    Clock m_clock;
    Sleeper m_sleeper;
    std::chrono::milliseconds m_stallLimit;
    bool m_converting = false;
    int m_currentIndex = 0;
    // Bumped when a batch starts or is stopped: a driver whose number is stale touches nothing.
    int m_batch = 0;
    int m_drivers = 0; // batches whose driver has not returned yet
    QUuid m_fileInWork;
    std::shared_ptr<InWork> m_inWork;
    // What the driver waits on now; Stop and the driver's end end it.
    std::shared_ptr<Wake> m_waiting;
};
