#pragma once

#include "engine/ffmpegrunner.h"
#include "engine/outputformat.h"
#include "engine/trackrule.h"
#include "queue/batchdriver.h"
#include "queue/filelistmodel.h"
#include "queue/inputfile.h"
#include "queue/platformservices.h"

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
    // Raw value of the chosen OutputFormat ("mkv", "mp4", "mov", "webm", "mpegts").
    Q_PROPERTY(QString outputFormat READ outputFormatId WRITE setOutputFormatId NOTIFY outputFormatChanged)
    // Every format in display order, as { id, displayName } maps for the format row.
    Q_PROPERTY(QVariantList formatChoices READ formatChoices CONSTANT)
    Q_PROPERTY(QUrl outputDirectory READ outputDirectory NOTIFY outputDirectoryChanged)
    Q_PROPERTY(bool hasOutputDirectory READ hasOutputDirectory NOTIFY outputDirectoryChanged)
    Q_PROPERTY(QString outputDirectoryPath READ outputDirectoryPath NOTIFY outputDirectoryChanged)
    Q_PROPERTY(QString outputDirectoryName READ outputDirectoryName NOTIFY outputDirectoryChanged)
    Q_PROPERTY(bool sameAsInput READ sameAsInput WRITE setSameAsInput NOTIFY sameAsInputChanged)
    Q_PROPERTY(bool keepOriginal READ keepOriginal CONSTANT)
    Q_PROPERTY(bool isConverting READ isConverting NOTIFY isConvertingChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)
    // Empty when there is no message.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool hasErrorMessage READ hasErrorMessage NOTIFY errorMessageChanged)
    // Derived values share one signal, emitted when a recount differs.
    Q_PROPERTY(int doneCount READ doneCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int failedCount READ failedCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int droppedTrackCount READ droppedTrackCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int warningCount READ warningCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(bool isBatchFinished READ isBatchFinished NOTIFY derivedValuesChanged)
    Q_PROPERTY(double overallProgress READ overallProgress NOTIFY derivedValuesChanged)
    // Whether an ffmpeg executable can be found; the model looks again when a batch starts or
    // ends, when files are added and when refreshFfmpegAvailable() is called.
    Q_PROPERTY(bool ffmpegAvailable READ ffmpegAvailable NOTIFY ffmpegAvailableChanged)
    // Whether new files get their source's dates; remembered between runs, on unless changed.
    Q_PROPERTY(bool keepFileDates READ keepFileDates WRITE setKeepFileDates NOTIFY keepFileDatesChanged)
    // Which tracks the batch keeps: the rule in one plain sentence ("Keeping every track"), and
    // the rule itself as the editor reads and writes it (the keys of TrackRule::toMap()).
    Q_PROPERTY(QString trackRuleSentence READ trackRuleSentence NOTIFY trackRuleChanged)
    Q_PROPERTY(QVariantMap trackRule READ trackRuleMap WRITE setTrackRuleMap NOTIFY trackRuleChanged)

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
    };

    explicit RemuxViewModel(QObject *parent = nullptr);
    explicit RemuxViewModel(Dependencies dependencies, QObject *parent = nullptr);
    ~RemuxViewModel() override;

    // State
    [[nodiscard]] const QList<InputFile> &files() const;
    [[nodiscard]] FileListModel *fileModel() const;
    [[nodiscard]] OutputFormat outputFormat() const;
    void setOutputFormat(OutputFormat format);
    [[nodiscard]] QString outputFormatId() const;
    void setOutputFormatId(const QString &id); // unknown ids are ignored
    [[nodiscard]] QVariantList formatChoices() const;
    [[nodiscard]] QUrl outputDirectory() const; // empty when none
    [[nodiscard]] bool hasOutputDirectory() const;
    [[nodiscard]] QString outputDirectoryPath() const;
    [[nodiscard]] QString outputDirectoryName() const;
    [[nodiscard]] bool sameAsInput() const;
    void setSameAsInput(bool sameAsInput);
    [[nodiscard]] bool keepOriginal() const;
    [[nodiscard]] bool isConverting() const;
    [[nodiscard]] int currentIndex() const;
    [[nodiscard]] QString errorMessage() const;
    [[nodiscard]] bool hasErrorMessage() const;
    [[nodiscard]] FFmpegRunner &runner() const;
    static constexpr std::chrono::milliseconds minVisibleDuration = BatchDriver::minVisibleDuration;

    // Derived values, read from tallies the list keeps up to date, so a read costs nothing.
    [[nodiscard]] int doneCount() const;
    [[nodiscard]] int failedCount() const;
    // Done files where something was left out (a data track, attachments, cover art, chapters).
    [[nodiscard]] int droppedTrackCount() const;
    // Done files that arrived whole but not as their source was (new timestamps, a short source).
    [[nodiscard]] int warningCount() const;
    [[nodiscard]] bool isBatchFinished() const;
    [[nodiscard]] double overallProgress() const;

    [[nodiscard]] bool ffmpegAvailable() const;
    // The settings key the choice is stored under.
    static constexpr auto keepFileDatesKey = "keepFileDates";
    [[nodiscard]] bool keepFileDates() const;
    // Takes effect at the next batch; writes the choice back when choices are remembered.
    void setKeepFileDates(bool keep);
    [[nodiscard]] TrackRule trackRule() const;
    // Takes effect at the next batch, and in every row's plan at once; remembered when choices are.
    void setTrackRule(const TrackRule &rule);
    [[nodiscard]] QString trackRuleSentence() const;
    [[nodiscard]] QVariantMap trackRuleMap() const;
    void setTrackRuleMap(const QVariantMap &map);
    // The languages the editor offers, as { code, name } maps: the desktop's language first,
    // then by name; only those whose name or code contains `search` (any case), when given.
    Q_INVOKABLE QVariantList languageChoices(const QString &search = {}) const;
    // An exception for one file: the track with this key (TrackPlan::Decision::key) is kept or
    // left out whatever the rule says.
    Q_INVOKABLE void setTrackKept(const QString &fileId, const QString &key, bool kept);
    // Drops every exception of the file: the rule decides its tracks again.
    Q_INVOKABLE void followTrackRule(const QString &fileId);

    // Looks for ffmpeg afresh (the application calls it when the window becomes active).
    Q_INVOKABLE void refreshFfmpegAvailable();

    // Converts every queued file, one after another. Never fails; outcomes land in the statuses.
    QCoro::Task<void> convert();
    // Starts convert() without waiting for it (the Convert button).
    Q_INVOKABLE void startConvert();
    // Ends the running batch at once, without waiting for ffmpeg to die: the file in work goes
    // back to queued with nothing written (or done, if its file was already written), the files
    // after it stay queued and the finished ones stay as they are. Nothing while idle.
    Q_INVOKABLE void stop();
    // What quitting does: stops the batch and any walk, then handles events other than the
    // user's until every run, wait and walk of the model has ended, or `limit` has passed.
    void finishForQuit(std::chrono::milliseconds limit);
    // Whether no batch driver, walk or run of the engine is in flight.
    [[nodiscard]] bool isIdle() const;

    // Where the file for `source` is written: a name that does not exist yet. The search looks
    // at the disk, so it runs on a worker.
    [[nodiscard]] QCoro::Task<QUrl> outputURL(const QUrl &source) const;

    Q_INVOKABLE void chooseOutputFolder();
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
    Q_INVOKABLE void clearFinished();
    void reveal(const InputFile &file);
    Q_INVOKABLE void revealFile(const QString &id); // reveal(_:) of the listed record with this id

    // The extensions addFiles accepts: every format's file extension, then a fixed list.
    [[nodiscard]] static QStringList acceptedInputExtensions();

Q_SIGNALS:
    void outputFormatChanged();
    void outputDirectoryChanged();
    void sameAsInputChanged();
    void isConvertingChanged();
    void currentIndexChanged();
    void errorMessageChanged();
    void derivedValuesChanged();
    void ffmpegAvailableChanged();
    void keepFileDatesChanged();
    void trackRuleChanged();
    // Emitted when a convert() started by startConvert() has finished (for tests and tools).
    void batchFinished();
    // Emitted once the rows of one addFiles() call are in the list (none may have qualified).
    void filesAdded();
    // Before filesAdded(): why each file or folder named in the call that gave nothing to list
    // was left out (missing, a pipe or a device, not a kind of video file). A folder's own
    // entries are passed over in silence.
    void filesRefused(const QStringList &reasons);

private:
    void setErrorMessage(const std::optional<QString> &message);
    void recountDerived();

    struct Private;
    std::unique_ptr<Private> d;
};
