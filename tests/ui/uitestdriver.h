#pragma once

#include "engine/ffmpegrunner.h"
#include "queue/remuxviewmodel.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QWindow>
#include <coroutine>
#include <memory>

class QMimeData;
class QQmlEngine;
class QQuickItem;

// Puts a real RemuxViewModel into any state for QML tests and tools: its engine, dialogs and file
// browser are stand-ins the driver scripts. Exposed to QML as `driver`; the model is `vm`.
class UiTestDriver : public QObject
{
    Q_OBJECT
    Q_PROPERTY(RemuxViewModel *model READ model NOTIFY modelChanged)
    // Read at once after the act: neither notifies.
    Q_PROPERTY(QStringList revealed MEMBER m_revealed CONSTANT)
    // The folder the driver's files are made in: the queue lists only files that are there.
    Q_PROPERTY(QString root READ root CONSTANT)

public:
    explicit UiTestDriver(QQmlEngine *engine, QObject *parent = nullptr);
    ~UiTestDriver() override;

    [[nodiscard]] RemuxViewModel *model() const { return m_model.get(); }
    // Whether a remux call waits for finish() or fail().
    [[nodiscard]] bool running() const { return bool(m_waiting); }

    // A fresh model in its start state; the previous one is dropped.
    Q_INVOKABLE void reset();
    Q_INVOKABLE void setFfmpegFound(bool found) { m_ffmpegFound = found, m_model->refreshFfmpegAvailable(); }
    [[nodiscard]] QString root() const { return qEnvironmentVariable("KESTRUNE_FILES_ROOT", m_files.path()); }
    // Makes empty files at root() + name ("/media/clips/" + name for a bare name) and adds
    // them through addFiles().
    Q_INVOKABLE void addFiles(const QStringList &names);
    // Drags the files named as for addFiles() from outside over the middle of `target`, through
    // the window system as a desktop drag arrives, and drops them there unless `hold`. Answers
    // whether the window accepted the drag (or the drop).
    Q_INVOKABLE bool drag(QQuickItem *target, const QStringList &names, bool hold = false);
    Q_INVOKABLE void convert() { m_model->startConvert(), settle(); }
    // Delivers one progress report to the file in work; undefined stands for an absent value.
    // `saving`: the engine's word that the new file is being flushed and named.
    Q_INVOKABLE void report(const QVariant &fraction, const QVariant &speed, bool saving = false);
    // Ends the file in work: written (optionally without its data tracks), or failed.
    Q_INVOKABLE void finish(bool droppedDataTracks = false) { release({ droppedDataTracks, std::nullopt }), settle(); }
    Q_INVOKABLE void fail(const QString &reason) { release({ false, FFmpegRunner::RunError::platformError(reason) }), settle(); }
    // Converts every queued file, each ending as the next outcome says: "done", "dropped" or any
    // other text, which fails the file with that text as its reason.
    Q_INVOKABLE void runBatch(const QStringList &outcomes);
    // The tracks the model reads for files with this name (the last part of the path): maps with
    // kind ("video", "audio", "subtitle"), codec, language, title and flags ("default forced
    // hearingImpaired visualImpaired commentary"), or side (a file name beside the video) and
    // codec, or chapters (how many the file holds). Files with no tracks set can't be read as media.
    Q_INVOKABLE void setTracks(const QString &name, const QVariantList &tracks);
    // The join check refuses a part with this file name for `reason`; every other part fits.
    Q_INVOKABLE void refuseJoin(const QString &name, const QString &reason);
    // What the next folder panel answers; empty for cancel. The add-files panel is always
    // cancelled.
    Q_INVOKABLE void setNextFolder(const QString &path) { m_nextFolder = path; }

Q_SIGNALS:
    void modelChanged();

private:
    friend class ScriptedRunner;
    friend class ScriptedServices;

    // The model names each output and lists added files on a worker: waits until the next run
    // waits for the driver or the batch has ended.
    void settle() const;
    void awaitListing() const;

    // What a scripted remux awaits: it stays suspended until release() resumes it.
    struct Release : std::suspend_always {
        UiTestDriver *driver;
        void await_suspend(std::coroutine_handle<> handle) const noexcept { driver->m_waiting = handle; }
    };
    void release(const FFmpegRunner::RemuxOutcome &outcome);
    [[nodiscard]] QList<QUrl> makeFiles(const QStringList &names) const;
    [[nodiscard]] FileTracks readTracks(const QString &path) const;
    void drain();

    QQmlEngine *m_engine;
    std::unique_ptr<RemuxViewModel> m_model;
    bool m_ffmpegFound = true;
    FFmpegRunner::ProgressHandler m_handler;
    std::coroutine_handle<> m_waiting;
    FFmpegRunner::RemuxOutcome m_outcome;
    QStringList m_revealed;
    QString m_nextFolder;
    QTemporaryDir m_files;
    // Read by the model's workers.
    mutable QMutex m_tracksLock;
    QHash<QString, QVariantList> m_tracks;
    QHash<QString, QString> m_joinRefusals; // by file name
    std::unique_ptr<QMimeData> m_dragData;
    QPointer<QWindow> m_dragWindow;
};
