#include "uitestdriver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>
#include <QQmlEngine>

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

    QCoro::Task<RemuxOutcome> remux(QUrl, QUrl, OutputFormat, ProgressHandler onProgress) override
    {
        UiTestDriver *driver = m_driver;
        driver->m_handler = std::move(onProgress);
        // Resumed synchronously by release(): a queued resume could outlive the model.
        co_await UiTestDriver::Release { {}, driver };
        driver->m_handler = nullptr;
        co_return driver->m_outcome;
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

void UiTestDriver::drain()
{
    // A batch still waiting on a run ends here, so its coroutine does not outlive the model.
    while (m_waiting)
        release({ false, FFmpegRunner::RunError::platformError(QStringLiteral("Stopped")) });
}

void UiTestDriver::reset()
{
    drain();
    // The minimum visible duration is the model's business; the views see its end at once.
    RemuxViewModel::Dependencies dependencies { std::make_unique<ScriptedRunner>(this), std::make_unique<ScriptedServices>(this),
        std::make_unique<ScriptedServices>(this), {}, [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; } };
    auto model = std::make_unique<RemuxViewModel>(std::move(dependencies));
    m_engine->rootContext()->setContextProperty(QStringLiteral("vm"), model.get());
    if (m_model)
        m_model.release()->deleteLater();
    m_model = std::move(model);
    m_ffmpegFound = true;
    m_revealed.clear();
    m_nextFolder.clear();
    Q_EMIT modelChanged();
}

void UiTestDriver::addFiles(const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names) {
        const QString path = root() + (name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/media/clips/") + name);
        QDir().mkpath(QFileInfo(path).path());
        QFile(path).open(QIODevice::WriteOnly);
        urls << QUrl::fromLocalFile(path);
    }
    m_model->addFiles(urls);
    for (QDeadlineTimer limit(5000); m_model->isAddingFiles() && !limit.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void UiTestDriver::settle() const
{
    for (QDeadlineTimer limit(5000); !m_waiting && m_model->isConverting() && !limit.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

void UiTestDriver::report(const QVariant &fraction, const QVariant &speed)
{
    // An undefined value from QML arrives invalid and stands for an absent one.
    const auto value = [](const QVariant &v) { return v.isValid() ? std::optional(v.toDouble()) : std::nullopt; };
    if (m_handler)
        m_handler(FFmpegRunner::Progress { value(fraction), value(speed) });
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
