#pragma once

#include "engine/ffmpegrunner.h"
#include "engine/outputformat.h"
#include "engine/trackrule.h"
#include "queue/batchdriver.h"
#include "queue/batchmodel.h"
#include "queue/destinationmodel.h"
#include "queue/filelistmodel.h"
#include "queue/inputfile.h"
#include "queue/joinmodel.h"
#include "queue/platformservices.h"
#include "queue/trackrulemodel.h"

#include <QCoroTask>
#include <QObject>
#include <QSettings>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// The one observable model behind the window: the queue, the chosen container and destination,
// and the batch driver that converts the queued files one at a time. Confined to the main thread.
class RemuxViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application creates the one model")

    Q_PROPERTY(FileListModel *files READ fileModel CONSTANT)
    // Its parts, each with its own properties and signals, so this façade does not grow with
    // every feature: the batch's state and counts, where new files go, and the track rule.
    Q_PROPERTY(BatchModel *batch READ batch CONSTANT)
    Q_PROPERTY(DestinationModel *destination READ destination CONSTANT)
    Q_PROPERTY(TrackRuleModel *tracks READ tracks CONSTANT)
    Q_PROPERTY(JoinModel *join READ join CONSTANT)

public:
    using Clock = BatchDriver::Clock;
    using Sleeper = BatchDriver::Sleeper;

    struct Dependencies {
        std::unique_ptr<FFmpegRunner> runner; // default: the real engine
        std::unique_ptr<FilePicker> picker; // none: no dialog opens (the shell gives the desktop's)
        std::unique_ptr<FileRevealer> revealer; // none: nothing is revealed
        Clock clock; // default: std::chrono::steady_clock::now
        Sleeper sleeper; // default: a precise timer
        // Runs on a worker before each entry a folder walk looks at and before each search for
        // a free name (tests stand in for a slow or stalled disk with it).
        std::function<void()> walkHook;
        // How long a walk, a name search or a reading of tracks may go without an answer from
        // the disk before the files it was for are given up, so the rest go on.
        std::chrono::milliseconds diskStallLimit = std::chrono::seconds(30);
        // Where choices are remembered; default: the user's store, the accent colour's. With
        // `rememberChoices` false none is read or written (a terminal run must be predictable).
        std::unique_ptr<QSettings> settings;
        bool rememberChoices = true;
        // Reads a listed file's tracks, on a worker, a few at a time per mount (tests stand in
        // for the files with it). Default: FileTracks::read.
        std::function<FileTracks(const QString &path, bool withSideFiles)> readTracks;
        // Checks whether the listed files can be joined, on a worker. Default: over their probes.
        JoinModel::Check checkJoin;
    };

    explicit RemuxViewModel(QObject *parent = nullptr);
    explicit RemuxViewModel(Dependencies dependencies, QObject *parent = nullptr);
    ~RemuxViewModel() override;

    [[nodiscard]] BatchModel *batch() const { return m_batch; }
    [[nodiscard]] DestinationModel *destination() const { return m_destination; }
    [[nodiscard]] TrackRuleModel *tracks() const { return m_tracks; }
    [[nodiscard]] JoinModel *join() const { return m_join; }

    // State; what the parts hold, read and set from C++ as well.
    [[nodiscard]] const QList<InputFile> &files() const;
    [[nodiscard]] FileListModel *fileModel() const;
    [[nodiscard]] OutputFormat outputFormat() const;
    void setOutputFormat(OutputFormat format);
    void setOutputFormatId(const QString &id) { m_destination->setOutputFormatId(id); } // unknown ids are ignored
    [[nodiscard]] bool sameAsInput() const { return m_destination->sameAsInput(); }
    void setSameAsInput(bool sameAsInput) { m_destination->setSameAsInput(sameAsInput); }
    [[nodiscard]] bool isConverting() const { return m_batch->isConverting(); }
    [[nodiscard]] int currentIndex() const { return m_batch->currentIndex(); }
    [[nodiscard]] QString errorMessage() const { return m_batch->errorMessage(); }
    [[nodiscard]] bool hasErrorMessage() const { return m_batch->hasErrorMessage(); }
    [[nodiscard]] FFmpegRunner &runner() const;
    static constexpr std::chrono::milliseconds minVisibleDuration = BatchDriver::minVisibleDuration;

    [[nodiscard]] int doneCount() const { return m_batch->doneCount(); }
    [[nodiscard]] int failedCount() const { return m_batch->failedCount(); }
    [[nodiscard]] int droppedTrackCount() const { return m_batch->droppedTrackCount(); }
    [[nodiscard]] int warningCount() const { return m_batch->warningCount(); }
    [[nodiscard]] bool isBatchFinished() const { return m_batch->isBatchFinished(); }
    [[nodiscard]] double overallProgress() const { return m_batch->overallProgress(); }

    [[nodiscard]] bool ffmpegAvailable() const { return m_batch->ffmpegAvailable(); }
    // Looks for ffmpeg afresh (the application calls it when the window becomes active).
    void refreshFfmpegAvailable();
    static constexpr auto keepFileDatesKey = DestinationModel::keepFileDatesKey;
    [[nodiscard]] bool keepFileDates() const { return m_destination->keepFileDates(); }
    void setKeepFileDates(bool keep) { m_destination->setKeepFileDates(keep); }
    [[nodiscard]] TrackRule trackRule() const { return m_tracks->rule(); }
    void setTrackRule(const TrackRule &rule) { m_tracks->setRule(rule); }
    void setTrackRuleMap(const QVariantMap &map) { m_tracks->setRuleMap(map); }
    void setTrackKept(const QString &fileId, const QString &key, bool kept) { m_tracks->setTrackKept(fileId, key, kept); }
    void followTrackRule(const QString &fileId) { m_tracks->followTrackRule(fileId); }

    // Converts every queued file, one after another. Never fails; outcomes land in the statuses.
    QCoro::Task<void> convert();
    // Starts convert() without waiting for it (the Convert button).
    void startConvert();
    // Ends the running batch at once, without waiting for ffmpeg to die: the file in work goes
    // back to queued with nothing written (or done, if its file was already written), the files
    // after it stay queued and the finished ones stay as they are. Nothing while idle.
    void stop();
    // What quitting does: stops the batch and any walk, then handles events other than the
    // user's until every run, wait and walk of the model has ended, or `limit` has passed.
    void finishForQuit(std::chrono::milliseconds limit);
    // Whether no batch driver, walk or run of the engine is in flight.
    [[nodiscard]] bool isIdle() const;

    // Where the file for `source` is written: a name that does not exist yet. The search looks
    // at the disk, so it runs on a worker.
    [[nodiscard]] QCoro::Task<QUrl> outputURL(const QUrl &source) const;

    void chooseOutputFolder() { m_destination->chooseOutputFolder(); }
    Q_INVOKABLE void presentAddFilesPanel();
    // Lists the acceptable regular files among `urls`, a folder standing for the acceptable
    // files inside it. Every look at the disk runs on a worker thread; the call's rows arrive
    // later in one insert. Calls are listed in the order they were made; filesAdded() follows
    // each. A URL that names no local file is refused with a message naming it.
    Q_INVOKABLE void addFiles(const QList<QUrl> &urls);
    // Whether an addFiles() call is still walking folders.
    [[nodiscard]] bool isAddingFiles() const;
    void remove(const QUuid &id);
    Q_INVOKABLE void removeFile(const QString &id); // remove(id:) from QML, the id as text
    void clearFinished();
    void reveal(const InputFile &file);
    Q_INVOKABLE void revealFile(const QString &id); // reveal(_:) of the listed record with this id

    // The extensions addFiles accepts: every format's file extension, then a fixed list.
    [[nodiscard]] static QStringList acceptedInputExtensions();

Q_SIGNALS:
    // For C++ users; QML reads the parts' own.
    void isConvertingChanged();
    void errorMessageChanged();
    void derivedValuesChanged();
    // Emitted when a convert() started by startConvert() has finished (for tests and tools).
    void batchFinished();
    // Emitted once the rows of one addFiles() call are in the list (none may have qualified).
    void filesAdded();
    // Before filesAdded(): why each file or folder named in the call that gave nothing to list
    // was left out (missing, a pipe or a device, not a kind of video file). A folder's own
    // entries are passed over in silence.
    void filesRefused(const QStringList &reasons);

private:
    void setErrorMessage(const std::optional<QString> &message) { m_batch->setErrorMessage(message); }

    struct Private;
    std::unique_ptr<Private> d;
    BatchModel *m_batch = nullptr;
    DestinationModel *m_destination = nullptr;
    TrackRuleModel *m_tracks = nullptr;
    JoinModel *m_join = nullptr;
};
