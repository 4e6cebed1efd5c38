#pragma once

#include "queue/batchdriver.h"
#include "queue/filelistmodel.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <optional>

// The window's `vm.batch`: whether a batch runs, how far it is, how its files ended, what the
// model has to say, and whether ffmpeg can be found. Derived values share one signal, emitted
// when a recount differs. Its actions only ask; the view model carries them out. Confined to the
// main thread.
class BatchModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The view model owns the batch")

    Q_PROPERTY(bool isConverting READ isConverting NOTIFY isConvertingChanged)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)
    // Empty when there is no message.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(bool hasErrorMessage READ hasErrorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(int doneCount READ doneCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int failedCount READ failedCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int droppedTrackCount READ droppedTrackCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(int warningCount READ warningCount NOTIFY derivedValuesChanged)
    Q_PROPERTY(bool isBatchFinished READ isBatchFinished NOTIFY derivedValuesChanged)
    Q_PROPERTY(double overallProgress READ overallProgress NOTIFY derivedValuesChanged)
    // Whether an ffmpeg executable can be found; looked for again when a batch starts or ends,
    // when files are added and when refreshFfmpegAvailable() is called.
    Q_PROPERTY(bool ffmpegAvailable READ ffmpegAvailable NOTIFY ffmpegAvailableChanged)

public:
    BatchModel(FileListModel *files, BatchDriver *driver, QObject *parent);

    [[nodiscard]] bool isConverting() const { return m_driver->isConverting(); }
    [[nodiscard]] int currentIndex() const { return m_driver->currentIndex(); }
    [[nodiscard]] QString errorMessage() const { return m_errorMessage.value_or(QString()); }
    [[nodiscard]] bool hasErrorMessage() const { return m_errorMessage.has_value(); }
    void setErrorMessage(const std::optional<QString> &message);
    // Read from tallies the list keeps up to date, so a read costs nothing.
    [[nodiscard]] int doneCount() const { return m_files->doneCount(); }
    [[nodiscard]] int failedCount() const { return m_files->failedCount(); }
    // Done files where something was left out (a data track, attachments, cover art, chapters).
    [[nodiscard]] int droppedTrackCount() const { return m_files->doneWithNoteCount(); }
    // Done files that arrived whole but not as their source was (new timestamps, a short source).
    [[nodiscard]] int warningCount() const { return m_files->doneWithWarningCount(); }
    [[nodiscard]] bool isBatchFinished() const;
    [[nodiscard]] double overallProgress() const;
    // Announces the derived values when they differ from those last announced.
    void recount();
    [[nodiscard]] bool ffmpegAvailable() const { return m_ffmpegAvailable; }
    void setFfmpegAvailable(bool available);

    // Each asks the view model, which owns what they need.
    Q_INVOKABLE void startConvert() { Q_EMIT convertAsked(); }
    Q_INVOKABLE void stop() { Q_EMIT stopAsked(); }
    Q_INVOKABLE void clearFinished() { Q_EMIT clearFinishedAsked(); }
    Q_INVOKABLE void refreshFfmpegAvailable() { Q_EMIT ffmpegLookAsked(); }

Q_SIGNALS:
    void isConvertingChanged();
    void currentIndexChanged();
    void errorMessageChanged();
    void derivedValuesChanged();
    void ffmpegAvailableChanged();
    void convertAsked();
    void stopAsked();
    void clearFinishedAsked();
    void ffmpegLookAsked();

private:
    // The derived values as last announced.
    struct Derived {
        int done = 0;
        int failed = 0;
        int dropped = 0;
        int warned = 0;
        bool batchFinished = false;
        double progress = 0.0;
        bool operator==(const Derived &) const = default;
    };

    FileListModel *m_files;
    BatchDriver *m_driver;
    std::optional<QString> m_errorMessage;
    bool m_ffmpegAvailable = false;
    Derived m_derived;
};
