#pragma once

#include "engine/joincheck.h"
#include "engine/joinsource.h"
#include "engine/remuxjob.h"

#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

// Parts joined into one new file: probed and checked before anything is written, then made by a
// remux job that reads them as one input. The new file is named after the first part; progress
// runs over the whole join; Stop, a refusal or a failure leaves nothing.
class JoinJob : public QObject
{
    Q_OBJECT

public:
    struct Checked {
        JoinSource source;
        std::optional<JoinCheck::Refusal> refusal;
        std::optional<QString> unreadable; // a part that can't be read at all, said in words
    };

    JoinJob(RemuxJob::Settings settings, QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice = {});
    ~JoinJob() override;

    // Probes the parts on worker threads and checks them; never writes. Safe from any thread.
    [[nodiscard]] static Checked check(const QList<QUrl> &parts, MediaProbe::Control *control = nullptr);

    // Runs the whole join once, on the main thread.
    QCoro::Task<RemuxOutcome> run();
    void stop();

private:
    RemuxJob::Settings m_settings;
    QList<QUrl> m_parts;
    QUrl m_output;
    OutputFormat m_format;
    ProgressHandler m_onProgress;
    TrackChoice m_choice;
    bool m_stopped = false;
    std::shared_ptr<MediaProbe::Control> m_probe = std::make_shared<MediaProbe::Control>();
    QPointer<RemuxJob> m_job;
};
