#pragma once

#include "engine/ffmpegrunner.h"
#include "queue/platformservices.h"
#include "queue/remuxviewmodel.h"

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <coroutine>
#include <memory>

class QQmlEngine;
class QQuickItem;

// Lets QML tests and tools put a real RemuxViewModel into any state: the engine, the dialogs and
// the file browser are stand-ins that the driver scripts. Exposed to QML as `driver`; the model
// it currently drives is the context property `vm` that the views read.
class UiTestDriver : public QObject
{
    Q_OBJECT
    Q_PROPERTY(RemuxViewModel *model READ model NOTIFY modelChanged)
    Q_PROPERTY(QStringList revealed READ revealed NOTIFY revealedChanged)
    Q_PROPERTY(QStringList prompts READ prompts NOTIFY promptsChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)

public:
    // The first item named `name` in the tree under `root`, depth first; null when none.
    static QQuickItem *findItem(QQuickItem *root, const QString &name);

    explicit UiTestDriver(QQmlEngine *engine, QObject *parent = nullptr);
    ~UiTestDriver() override;

    [[nodiscard]] RemuxViewModel *model() const;
    [[nodiscard]] QStringList revealed() const;
    [[nodiscard]] QStringList prompts() const;
    // Whether a remux call is waiting for finish() or fail().
    [[nodiscard]] bool running() const;

    // A fresh model in its start state; the previous one is dropped.
    Q_INVOKABLE void reset();
    Q_INVOKABLE void setFfmpegFound(bool found);
    // Adds files named under /media/clips (or given as absolute paths) through addFiles().
    Q_INVOKABLE void addFiles(const QStringList &names);
    Q_INVOKABLE void convert();
    // Delivers one progress report to the file in work; pass undefined for an absent value.
    Q_INVOKABLE void report(const QVariant &fraction, const QVariant &speed);
    // Ends the file in work: written (optionally without its data tracks), or failed.
    Q_INVOKABLE void finish(bool droppedDataTracks = false);
    Q_INVOKABLE void fail(const QString &reason);
    // Converts every queued file, ending each as the next outcome says: "done", "dropped" or any
    // other text, which fails the file with that text as its reason.
    Q_INVOKABLE void runBatch(const QStringList &outcomes);
    // What the next folder panel answers: a path, or an empty text for cancel.
    Q_INVOKABLE void setNextFolder(const QString &path);
    // What the next add-files panel answers: absolute paths, or none for cancel.
    Q_INVOKABLE void setNextFiles(const QStringList &paths);
    // Sends a file drag to `target`: phase "enter", "leave" or "drop".
    Q_INVOKABLE void drag(QQuickItem *target, const QStringList &urls, const QString &phase);

    [[nodiscard]] static QUrl clipUrl(const QString &name);

Q_SIGNALS:
    void modelChanged();
    void revealedChanged();
    void promptsChanged();
    void runningChanged();

private:
    friend class ScriptedRunner;
    friend class ScriptedPicker;
    friend class RecordingRevealer;

    struct Outcome {
        bool droppedDataTracks = false;
        std::optional<QString> failure;
    };
    // What a scripted remux awaits: it stays suspended until release() resumes it.
    struct Release {
        UiTestDriver *driver;
        [[nodiscard]] bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) const noexcept { driver->m_waiting = handle; }
        void await_resume() const noexcept { }
    };
    void release(const Outcome &outcome);

    QQmlEngine *m_engine;
    std::unique_ptr<RemuxViewModel> m_model;
    bool m_ffmpegFound = true;
    bool m_running = false;
    FFmpegRunner::ProgressHandler m_handler;
    std::coroutine_handle<> m_waiting;
    Outcome m_outcome;
    QStringList m_revealed;
    QStringList m_prompts;
    std::optional<QString> m_nextFolder;
    std::optional<QStringList> m_nextFiles;
    std::unique_ptr<QMimeData> m_dragData;
};
