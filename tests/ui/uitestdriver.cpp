#include "uitestdriver.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>

// The engine as the driver scripts it: each remux waits until the driver says how it ends.
class ScriptedRunner : public FFmpegRunner
{
public:
    explicit ScriptedRunner(UiTestDriver *driver)
        : m_driver(driver)
    { }

    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override
    {
        if (!m_driver->m_ffmpegFound) {
            return std::nullopt;
        }
        return QUrl::fromLocalFile(QStringLiteral("/opt/kestrune/ffmpeg"));
    }

    QCoro::Task<RemuxOutcome> remux(QUrl, QUrl, OutputFormat, ProgressHandler onProgress) override
    {
        UiTestDriver *driver = m_driver;
        driver->m_handler = std::move(onProgress);
        driver->m_running = true;
        Q_EMIT driver->runningChanged();
        // Resumed synchronously by finish() or fail(): a queued signal would let the view see the
        // model between the two, and could resume after the model is gone.
        co_await UiTestDriver::Release { driver };
        const UiTestDriver::Outcome outcome = driver->m_outcome;
        driver->m_handler = nullptr;
        driver->m_running = false;
        Q_EMIT driver->runningChanged();
        if (outcome.failure) {
            co_return RemuxOutcome { false, RunError::platformError(*outcome.failure) };
        }
        co_return RemuxOutcome { outcome.droppedDataTracks, std::nullopt };
    }

private:
    UiTestDriver *m_driver;
};

class ScriptedPicker : public FilePicker
{
public:
    explicit ScriptedPicker(UiTestDriver *driver)
        : m_driver(driver)
    { }

    FilesChoice pickFiles(const QString &prompt) override
    {
        m_driver->m_prompts << prompt;
        Q_EMIT m_driver->promptsChanged();
        FilesChoice choice;
        if (m_driver->m_nextFiles) {
            choice.accepted = true;
            for (const QString &path : *m_driver->m_nextFiles) {
                choice.urls << QUrl::fromLocalFile(path);
            }
        }
        return choice;
    }

    FolderChoice pickFolder(const QString &prompt) override
    {
        m_driver->m_prompts << prompt;
        Q_EMIT m_driver->promptsChanged();
        FolderChoice choice;
        if (m_driver->m_nextFolder && !m_driver->m_nextFolder->isEmpty()) {
            choice.accepted = true;
            choice.url = QUrl::fromLocalFile(*m_driver->m_nextFolder);
        }
        return choice;
    }

private:
    UiTestDriver *m_driver;
};

class RecordingRevealer : public FileRevealer
{
public:
    explicit RecordingRevealer(UiTestDriver *driver)
        : m_driver(driver)
    { }

    void reveal(const QUrl &file) override
    {
        m_driver->m_revealed << file.toLocalFile();
        Q_EMIT m_driver->revealedChanged();
    }

private:
    UiTestDriver *m_driver;
};

UiTestDriver::UiTestDriver(QQmlEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    reset();
}

UiTestDriver::~UiTestDriver()
{
    // A batch still waiting on a run ends here, so its coroutine does not outlive the model.
    if (m_running) {
        fail(QStringLiteral("Stopped"));
    }
}

RemuxViewModel *UiTestDriver::model() const
{
    return m_model.get();
}

QStringList UiTestDriver::revealed() const
{
    return m_revealed;
}

QStringList UiTestDriver::prompts() const
{
    return m_prompts;
}

bool UiTestDriver::running() const
{
    return m_running;
}

void UiTestDriver::reset()
{
    // Let a batch of the previous model run out against failures, so nothing is left waiting.
    while (m_running) {
        fail(QStringLiteral("Stopped"));
    }
    RemuxViewModel::Dependencies dependencies;
    dependencies.runner = std::make_unique<ScriptedRunner>(this);
    dependencies.picker = std::make_unique<ScriptedPicker>(this);
    dependencies.revealer = std::make_unique<RecordingRevealer>(this);
    // The minimum visible duration is the model's business; the views see its end at once.
    dependencies.sleeper = [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; };
    auto model = std::make_unique<RemuxViewModel>(std::move(dependencies));
    m_engine->rootContext()->setContextProperty(QStringLiteral("vm"), model.get());
    if (m_model) {
        m_model.release()->deleteLater();
    }
    m_model = std::move(model);
    m_ffmpegFound = true;
    m_revealed.clear();
    m_prompts.clear();
    m_nextFolder.reset();
    m_nextFiles.reset();
    Q_EMIT modelChanged();
    Q_EMIT revealedChanged();
    Q_EMIT promptsChanged();
}

void UiTestDriver::setFfmpegFound(bool found)
{
    m_ffmpegFound = found;
    if (m_model) {
        m_model->refreshFfmpegAvailable();
    }
}

QUrl UiTestDriver::clipUrl(const QString &name)
{
    return QUrl::fromLocalFile(name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/media/clips/") + name);
}

void UiTestDriver::addFiles(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        urls << clipUrl(name);
    }
    m_model->addFiles(urls);
}

void UiTestDriver::convert()
{
    m_model->startConvert();
}

void UiTestDriver::report(const QVariant &fraction, const QVariant &speed)
{
    if (!m_handler) {
        qWarning("report() without a file in work");
        return;
    }
    FFmpegRunner::Progress progress;
    if (fraction.isValid() && !fraction.isNull()) {
        progress.fraction = fraction.toDouble();
    }
    if (speed.isValid() && !speed.isNull()) {
        progress.speed = speed.toDouble();
    }
    m_handler(progress);
}

void UiTestDriver::finish(bool droppedDataTracks)
{
    release(Outcome { droppedDataTracks, std::nullopt });
}

void UiTestDriver::fail(const QString &reason)
{
    release(Outcome { false, reason });
}

void UiTestDriver::release(const Outcome &outcome)
{
    if (!m_waiting) {
        qWarning("finish() or fail() without a file in work");
        return;
    }
    m_outcome = outcome;
    std::exchange(m_waiting, {}).resume();
}

void UiTestDriver::runBatch(const QStringList &outcomes)
{
    convert();
    for (const QString &outcome : outcomes) {
        if (!m_running) {
            qWarning("runBatch(): more outcomes than queued files");
            return;
        }
        if (outcome == QLatin1String("done")) {
            finish(false);
        } else if (outcome == QLatin1String("dropped")) {
            finish(true);
        } else {
            fail(outcome);
        }
    }
}

void UiTestDriver::setNextFolder(const QString &path)
{
    m_nextFolder = path;
}

void UiTestDriver::setNextFiles(const QStringList &paths)
{
    if (paths.isEmpty()) {
        m_nextFiles.reset();
    } else {
        m_nextFiles = paths;
    }
}

void UiTestDriver::drag(QQuickItem *target, const QStringList &urls, const QString &phase)
{
    if (!target || !target->window()) {
        qWarning("drag() needs an item in a window");
        return;
    }
    QQuickWindow *window = target->window();
    const QPoint point = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    if (phase == QLatin1String("enter")) {
        m_dragData = std::make_unique<QMimeData>();
        QList<QUrl> list;
        for (const QString &url : urls) {
            list << QUrl(url);
        }
        m_dragData->setUrls(list);
        QDragEnterEvent enter(point, Qt::CopyAction, m_dragData.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(point, Qt::CopyAction, m_dragData.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &move);
    } else if (phase == QLatin1String("leave")) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window, &leave);
    } else if (phase == QLatin1String("drop") && m_dragData) {
        QDropEvent drop(point, Qt::CopyAction, m_dragData.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &drop);
    }
}

QQuickItem *UiTestDriver::findItem(QQuickItem *root, const QString &name)
{
    if (root->objectName() == name) {
        return root;
    }
    for (QQuickItem *child : root->childItems()) {
        if (QQuickItem *found = findItem(child, name)) {
            return found;
        }
    }
    return nullptr;
}
