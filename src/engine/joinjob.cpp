#include "engine/joinjob.h"

#include "engine/trackplan.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QCoroTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

namespace
{
RemuxOutcome joinFailed(const QString &reason)
{
    return RemuxOutcome { false, RunError::platformError(reason) };
}

// The remux job's own sentence, under its context, so it reads the same in every language.
QString partStalled(const QString &name)
{
    return QCoreApplication::translate("RemuxJob", "%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.")
        .arg(name);
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
}

// The parts of a join are read by ffmpeg as one input, and read back afterwards: these belong to
// the remux job, but only a join uses them.
void RemuxJob::joinParts(JoinSource source)
{
    m_join = std::make_shared<const JoinSource>(std::move(source));
    m_choice.sideFiles.clear();
}

QCoro::Task<std::optional<QString>> RemuxJob::checkJoined(QUrl output, QList<TrackPlan::Track> tracks, QStringList *notes)
{
    const std::shared_ptr<const JoinSource> join = m_join;
    // Every packet is read: of the new file, and of the parts as ffmpeg read them (the byte
    // stream whole, since its pieces may begin mid-packet).
    QList<JoinSource::Part> counted;
    const QStringList inputs = join->method == JoinSource::Method::byteStream ? QStringList { join->streamUrl() } : join->readPaths;
    // Counted while ffmpeg ran, when that was started: the parts are read side by side with it.
    for (QFuture<QList<std::optional<MediaProbe::Info>>> counting = join->counting; counting.isValid() && !m_stopped;) {
        if (!counting.isFinished()) {
            auto pausing = QCoro::sleepFor(std::chrono::milliseconds(20));
            co_await pausing;
            continue;
        }
        const QList<std::optional<MediaProbe::Info>> infos = counting.result();
        for (qsizetype i = 0; i < infos.size() && infos.size() == inputs.size() && infos[i]; ++i) {
            counted << JoinSource::Part { join->parts.value(i).path, infos[i] };
        }
        break;
    }
    if (m_stopped) {
        co_return std::nullopt;
    }
    if (counted.size() != inputs.size()) {
        counted.clear();
    }
    for (qsizetype i = counted.size(); i < inputs.size(); ++i) {
        bool stalled = false;
        auto reading = probe(QUrl::fromLocalFile(inputs[i]), MediaProbe::Depth::packets, &stalled);
        const auto info = co_await reading;
        if (m_stopped || stalled || !info) {
            co_return m_stopped || !stalled ? std::nullopt : std::optional(partStalled(QFileInfo(join->parts.value(i).path).fileName()));
        }
        counted << JoinSource::Part { join->parts.value(i).path, info };
    }
    bool stalled = false;
    auto readingOutput = probe(output, MediaProbe::Depth::packets, &stalled);
    const auto made = co_await readingOutput;
    if (m_stopped || !made) {
        co_return std::nullopt;
    }
    MediaProbe::Info expected = join->method == JoinSource::Method::byteStream ? *counted.first().info : JoinSource { counted }.joinedInfo();
    QList<std::pair<int, int>> copied;
    for (qsizetype k = 0; k < tracks.size(); ++k) {
        const TrackPlan::Track &track = tracks[k];
        if (track.input == 0 && track.encoder.isEmpty() && !track.attachedPicture
            && (track.kind == MediaProbe::StreamKind::video || track.kind == MediaProbe::StreamKind::audio || track.kind == MediaProbe::StreamKind::subtitle)) {
            copied.append({ int(k), track.source });
        }
    }
    double frame = 0.1;
    for (const MediaProbe::Stream &stream : expected.streams) {
        if (stream.kind == MediaProbe::StreamKind::video && !stream.attachedPicture && stream.coding.rateNum > 0) {
            frame = double(stream.coding.rateDen) / stream.coding.rateNum;
            break;
        }
    }
    if (join->method == JoinSource::Method::files) {
        QList<JoinCheck::Part> parts;
        for (const JoinSource::Part &part : counted) {
            parts << JoinCheck::Part { QFileInfo(part.path).fileName(), *part.info };
        }
        *notes << JoinCheck::lengthNotes(parts);
    }
    co_return JoinCheck::arrivalFailure(expected, *made, copied, frame, counted.size());
}

JoinJob::JoinJob(RemuxJob::Settings settings, QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice)
    : m_settings(std::move(settings))
    , m_parts(std::move(parts))
    , m_output(std::move(output))
    , m_format(format)
    , m_onProgress(std::move(onProgress))
    , m_choice(std::move(choice))
{ }

JoinJob::~JoinJob()
{
    stop();
}

void JoinJob::stop()
{
    m_stopped = true;
    m_probe->stop = true;
    if (m_job) {
        m_job->stop();
    }
}

JoinJob::Checked JoinJob::check(const QList<QUrl> &parts, MediaProbe::Control *control)
{
    const QList<std::optional<MediaProbe::Info>> infos
        = QtConcurrent::blockingMapped<QList<std::optional<MediaProbe::Info>>>(parts, [control](const QUrl &part) {
              return control && control->stop ? std::nullopt : MediaProbe::probeFile(part.toLocalFile(), MediaProbe::Depth::coding, control);
          });
    QList<JoinSource::Part> read;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        read << JoinSource::Part { parts[i].toLocalFile(), infos.value(i) };
    }
    Checked checked { JoinSource::make(read), std::nullopt, std::nullopt };
    // Pieces of one byte stream may not open alone; whole files must.
    QList<JoinCheck::Part> compared;
    QList<qsizetype> numbers;
    for (qsizetype i = 0; i < read.size(); ++i) {
        const QString name = parts[i].fileName();
        if (!read[i].info && (i == 0 || checked.source.method == JoinSource::Method::files)) {
            checked.unreadable = QCoreApplication::translate("JoinJob", "%1 can't be read as a video, so the parts can't be joined.").arg(name);
            return checked;
        }
        if (read[i].info) {
            compared << JoinCheck::Part { name, *read[i].info };
            numbers << i;
        }
    }
    if (auto refusal = JoinCheck::refusal(compared)) {
        refusal->part = numbers[refusal->part];
        checked.refusal = refusal;
    }
    return checked;
}

QCoro::Task<RemuxOutcome> JoinJob::run()
{
    // The job may be gone when a step comes back (its window closed, its list cleared): the
    // steps after one read it only while it lives, and what they need of it is held here.
    const QPointer<JoinJob> self(this);
    const std::shared_ptr<MediaProbe::Control> probe = m_probe;
    auto checking = QtConcurrent::run([parts = m_parts, control = m_probe] { return check(parts, control.get()); });
    Checked checked = co_await checking;
    if (!self || m_stopped) {
        co_return RemuxOutcome { false, RunError::stopped() };
    }
    if (checked.unreadable) {
        co_return joinFailed(*checked.unreadable);
    }
    if (checked.refusal) {
        co_return joinFailed(QStringLiteral("%1: %2").arg(m_parts[checked.refusal->part].fileName(), checked.refusal->reason));
    }
    // The list, the chapters and links for names neither can hold, in a folder that goes with the job.
    QTemporaryDir scratch(QDir::temp().filePath(QStringLiteral("kestrune-join-XXXXXX")));
    JoinSource &source = checked.source;
    for (qsizetype i = 0; i < source.parts.size(); ++i) {
        const QString path = source.parts[i].path;
        const QString link = scratch.filePath(QStringLiteral("part-%1.%2").arg(i + 1).arg(QFileInfo(path).suffix().remove(u'\n').remove(u'|')));
        source.readPaths << (source.nameable(path) || !QFile::link(path, link) ? path : link);
    }
    source.listPath = scratch.filePath(QStringLiteral("parts.ffconcat"));
    source.chaptersPath = scratch.filePath(QStringLiteral("chapters.txt"));
    if (!scratch.isValid() || !writeAll(source.listPath, source.list(source.readPaths)) || !writeAll(source.chaptersPath, source.chapters())) {
        co_return joinFailed(QCoreApplication::translate("JoinJob", "Can't write the list of parts into %1.").arg(QDir::tempPath()));
    }
    const QStringList counted = source.method == JoinSource::Method::byteStream ? QStringList { source.streamUrl() } : source.readPaths;
    source.counting = QtConcurrent::run([counted, control = m_probe] {
        QList<std::optional<MediaProbe::Info>> infos;
        for (const QString &path : counted) {
            infos << (control->stop ? std::nullopt : MediaProbe::probeFile(path, MediaProbe::Depth::packets, control.get()));
        }
        return infos;
    });
    const bool hadSideFiles = !m_choice.sideFiles.isEmpty();
    m_job = new RemuxJob(m_settings, m_parts.first(), m_output, m_format, m_onProgress, m_choice);
    m_job->joinParts(source);
    std::unique_ptr<RemuxJob> job(m_job.data());
    auto remuxing = job->run();
    RemuxOutcome outcome = co_await remuxing;
    probe->stop = true; // a count a failed run no longer needs ends here
    if (outcome.succeeded() && hadSideFiles) {
        outcome.notes << QCoreApplication::translate("JoinJob", "Files beside the parts were not joined.");
    }
    co_return outcome;
}
