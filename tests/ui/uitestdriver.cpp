#include "uitestdriver.h"

#include "engine/sidefiles.h"
#include "engine/trackchoice.h"
#include "engine/trackplan.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>

// Each remux waits until the driver says how it ends; Stop ends it as stopped.
class ScriptedRunner : public FFmpegRunner
{
public:
    explicit ScriptedRunner(UiTestDriver *driver)
        : m_driver(driver)
    { }
    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override
    {
        return m_driver->m_ffmpegFound ? std::optional(QUrl(u"file:///opt/ffmpeg"_qs)) : std::nullopt;
    }
    void stopRunning(std::chrono::milliseconds) override { m_driver->release({ false, RunError::stopped() }); }

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl, OutputFormat format, ProgressHandler onProgress, TrackChoice choice) override
    {
        UiTestDriver *driver = m_driver;
        // The plan's part of the outcome, as the engine has it: a file the rule skips ends at
        // once, a written one carries the plan's notes.
        const FileTracks tracks = driver->readTracks(input.toLocalFile());
        const std::optional<TrackPlan> plan = tracks.info ? std::optional(TrackPlan::make(*tracks.info, format, choice)) : std::nullopt;
        if (plan && plan->skipped)
            co_return RemuxOutcome { false, RunError::platformError(*plan->skipped) };
        driver->m_handler = std::move(onProgress);
        // Resumed synchronously by release(): a queued resume could outlive the model.
        co_await UiTestDriver::Release { {}, driver };
        driver->m_handler = nullptr;
        RemuxOutcome outcome = driver->m_outcome;
        if (plan && outcome.succeeded())
            outcome.notes << plan->notes, outcome.warnings << plan->warnings;
        co_return outcome;
    }

    // A join waits for the driver as a remux of its first part does.
    QCoro::Task<RemuxOutcome> join(QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice) override
    {
        return remux(parts.value(0), std::move(output), format, std::move(onProgress), std::move(choice));
    }

private:
    UiTestDriver *m_driver;
};

// The panels answer as scripted; revealed files are only noted.
class ScriptedServices : public FilePicker, public FileRevealer
{
public:
    explicit ScriptedServices(UiTestDriver *driver)
        : m_driver(driver)
    { }
    FilesChoice pickFiles(const QString &) override { return {}; }
    FolderChoice pickFolder(const QString &) override { return { !m_driver->m_nextFolder.isEmpty(), QUrl::fromLocalFile(m_driver->m_nextFolder) }; }
    void reveal(const QUrl &file) override { m_driver->m_revealed << file.toLocalFile(); }

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
    drain();
}

void UiTestDriver::drain()
{
    // A batch still waiting on a run ends here, so its coroutine does not outlive the model; it is
    // stopped first, or it would go on to its next file and take the next model's run.
    if (m_model)
        m_model->stop();
    while (m_waiting)
        release({ false, FFmpegRunner::RunError::platformError(QStringLiteral("Stopped")) });
}

void UiTestDriver::reset()
{
    drain();
    // A drag held over the last view leaves its window.
    if (m_dragWindow)
        QWindowSystemInterface::handleDrag(m_dragWindow, nullptr, {}, Qt::IgnoreAction, {}, {});
    m_dragWindow = nullptr;
    // Read by the new model as it starts.
    m_ffmpegFound = true;
    // The minimum visible duration is the model's business; the views see its end at once.
    RemuxViewModel::Dependencies dependencies { std::make_unique<ScriptedRunner>(this), std::make_unique<ScriptedServices>(this),
        std::make_unique<ScriptedServices>(this), {}, [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; } };
    dependencies.readTracks = [this](const QString &path, bool withSideFiles) {
        FileTracks tracks = readTracks(path);
        if (!withSideFiles)
            tracks.sideFiles.clear();
        return tracks;
    };
    dependencies.checkJoin = [this](const QList<QUrl> &parts) -> JoinModel::Verdict {
        QMutexLocker lock(&m_tracksLock);
        for (int i = 0; i < parts.size(); ++i) {
            if (const auto found = m_joinRefusals.constFind(parts[i].fileName()); found != m_joinRefusals.cend())
                return { i, *found };
        }
        return {};
    };
    auto model = std::make_unique<RemuxViewModel>(std::move(dependencies));
    m_engine->rootContext()->setContextProperty(QStringLiteral("vm"), model.get());
    if (m_model)
        m_model.release()->deleteLater();
    m_model = std::move(model);
    // The rule is remembered between models: each starts from the default.
    m_model->setTrackRule({});
    m_revealed.clear();
    m_nextFolder.clear();
    {
        QMutexLocker lock(&m_tracksLock);
        m_tracks.clear();
        m_joinRefusals.clear();
    }
    Q_EMIT modelChanged();
}

QList<QUrl> UiTestDriver::makeFiles(const QStringList &names) const
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = root() + (name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/media/clips/") + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
        urls << QUrl::fromLocalFile(path);
    }
    return urls;
}

void UiTestDriver::addFiles(const QStringList &names)
{
    m_model->addFiles(makeFiles(names));
    awaitListing();
}

void UiTestDriver::setTracks(const QString &name, const QVariantList &tracks)
{
    QMutexLocker lock(&m_tracksLock);
    m_tracks.insert(name, tracks);
}

void UiTestDriver::refuseJoin(const QString &name, const QString &reason)
{
    QMutexLocker lock(&m_tracksLock);
    m_joinRefusals.insert(name, reason);
}

FileTracks UiTestDriver::readTracks(const QString &path) const
{
    const QString name = QFileInfo(path).fileName();
    QMutexLocker lock(&m_tracksLock);
    if (!m_tracks.contains(name))
        return {};
    static const QHash<QString, MediaProbe::StreamKind> kinds { { u"video"_qs, MediaProbe::StreamKind::video }, { u"audio"_qs, MediaProbe::StreamKind::audio },
        { u"subtitle"_qs, MediaProbe::StreamKind::subtitle } };
    static const QHash<QString, MediaProbe::Flag> flags { { u"default"_qs, MediaProbe::Flag::isDefault }, { u"forced"_qs, MediaProbe::Flag::forced },
        { u"hearingImpaired"_qs, MediaProbe::Flag::hearingImpaired }, { u"visualImpaired"_qs, MediaProbe::Flag::visualImpaired },
        { u"commentary"_qs, MediaProbe::Flag::commentary } };
    FileTracks tracks { MediaProbe::Info { 60.0, false, {}, u"matroska,webm"_qs, 0, true }, {} };
    for (const QVariant &entry : m_tracks.value(name)) {
        const QVariantMap track = entry.toMap();
        if (track.contains(u"chapters"_qs)) {
            tracks.info->chapters = track.value(u"chapters"_qs).toInt();
            continue;
        }
        const QString side = track.value(u"side"_qs).toString();
        if (!side.isEmpty()) {
            const QList<SideFiles::File> found = SideFiles::belongingTo(name, { side }, {});
            if (!found.isEmpty())
                tracks.sideFiles << SideInput { QFileInfo(path).dir().filePath(side), found.constFirst(), track.value(u"codec"_qs).toString(), {}, false };
            continue;
        }
        MediaProbe::Stream stream { kinds.value(track.value(u"kind"_qs).toString(), MediaProbe::StreamKind::other), track.value(u"codec"_qs).toString(),
            int(tracks.info->streams.size()) };
        stream.language = track.value(u"language"_qs).toString();
        stream.title = track.value(u"title"_qs).toString();
        for (const QString &flag : track.value(u"flags"_qs).toString().split(u' ', Qt::SkipEmptyParts))
            stream.flags |= flags.value(flag);
        tracks.info->streams << stream;
    }
    return tracks;
}

void UiTestDriver::awaitListing() const
{
    // Files are checked on a worker; a sanitizer build under load takes seconds for a thousand.
    for (QDeadlineTimer limit(30000); m_model->isAddingFiles() && !limit.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void UiTestDriver::settle() const
{
    for (QDeadlineTimer limit(5000); !m_waiting && m_model->isConverting() && !limit.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

bool UiTestDriver::drag(QQuickItem *target, const QStringList &names, bool hold)
{
    // The data must outlive the drag, which a later call or the driver's end finishes.
    m_dragData = std::make_unique<QMimeData>();
    m_dragData->setUrls(makeFiles(names));
    QWindow *window = m_dragWindow = target->window();
    const QPoint point = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    const auto over = QWindowSystemInterface::handleDrag(window, m_dragData.get(), point, Qt::CopyAction, Qt::LeftButton, {});
    if (hold)
        return over.isAccepted();
    const bool accepted = QWindowSystemInterface::handleDrop(window, m_dragData.get(), point, Qt::CopyAction, Qt::LeftButton, {}).isAccepted();
    awaitListing();
    return accepted;
}

void UiTestDriver::report(const QVariant &fraction, const QVariant &speed, bool saving)
{
    // An undefined value from QML arrives invalid and stands for an absent one.
    const auto value = [](const QVariant &v) { return v.isValid() ? std::optional(v.toDouble()) : std::nullopt; };
    if (m_handler)
        m_handler(FFmpegRunner::Progress { value(fraction), value(speed), saving });
}

void UiTestDriver::release(const FFmpegRunner::RemuxOutcome &outcome)
{
    if (m_waiting) {
        m_outcome = outcome;
        std::exchange(m_waiting, {}).resume();
    }
}

void UiTestDriver::runBatch(const QStringList &outcomes)
{
    convert();
    for (const QString &outcome : outcomes)
        outcome == u"done" || outcome == u"dropped" ? finish(outcome == u"dropped") : fail(outcome);
}
