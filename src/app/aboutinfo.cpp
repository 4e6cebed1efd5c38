#include "app/aboutinfo.h"

AboutInfo::AboutInfo(Locator locateFFmpeg, QObject *parent)
    : QObject(parent)
    , m_locateFFmpeg(std::move(locateFFmpeg))
{ }

AboutInfo::~AboutInfo()
{
    // A query still running must not report into a destroyed object.
    if (m_query) {
        m_query->disconnect(this);
        m_query->kill();
        m_query->waitForFinished(1000);
    }
}

void AboutInfo::refresh()
{
    if (m_query) {
        m_query->disconnect(this);
        m_query->kill();
        m_query->deleteLater();
    }
    const std::optional<QUrl> ffmpeg = m_locateFFmpeg ? m_locateFFmpeg() : std::nullopt;
    m_ffmpegPath = ffmpeg ? ffmpeg->toLocalFile() : QString();
    m_ffmpegVersion.clear();
    m_ffmpegKnown = !ffmpeg;
    Q_EMIT ffmpegChanged();
    if (!ffmpeg)
        return;

    auto *process = new QProcess(this);
    m_query = process;
    process->setProgram(m_ffmpegPath);
    process->setArguments({ QStringLiteral("-version") });
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [this, process] {
        const QByteArray output = process->readAllStandardOutput();
        process->deleteLater();
        finishQuery(QString::fromLocal8Bit(output).section(u'\n', 0, 0).trimmed());
    });
    // A program that cannot be started never sends finished().
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        process->deleteLater();
        finishQuery({});
    });
    process->start(QIODevice::ReadOnly);
}

void AboutInfo::finishQuery(QString versionLine)
{
    m_query.clear();
    m_ffmpegVersion = versionLine.isEmpty() ? tr("version unknown") : std::move(versionLine);
    m_ffmpegKnown = true;
    Q_EMIT ffmpegChanged();
}
