#include "engine/remuxoutcome.h"

#include "engine/failurereason.h"

#include <QCoreApplication>

RunError::RunError(Case c, int exitCode, QString text, QStringList lost, std::optional<OutputFormat> format)
    : m_case(c)
    , m_exitCode(exitCode)
    , m_text(std::move(text))
    , m_lost(std::move(lost))
    , m_format(format)
{ }

RunError RunError::processFailed(int exitCode, const QString &stderrText)
{
    return RunError(Case::processFailed, exitCode, stderrText, {});
}

RunError RunError::ffmpegNotFound()
{
    return RunError(Case::ffmpegNotFound, 0, {}, {});
}

RunError RunError::streamsNotCarried(const QStringList &lostStreams, OutputFormat format)
{
    return RunError(Case::streamsNotCarried, 0, {}, lostStreams, format);
}

RunError RunError::platformError(const QString &description)
{
    return RunError(Case::platformError, 0, description, {});
}

RunError RunError::stopped()
{
    return RunError(Case::stopped, 0, {}, {});
}

RunError::Case RunError::errorCase() const
{
    return m_case;
}

int RunError::exitCode() const
{
    return m_case == Case::processFailed ? m_exitCode : 0;
}

QString RunError::stderrText() const
{
    return m_case == Case::processFailed ? m_text : QString();
}

QStringList RunError::lostStreams() const
{
    return m_case == Case::streamsNotCarried ? m_lost : QStringList();
}

std::optional<OutputFormat> RunError::format() const
{
    return m_format;
}

QString RunError::errorDescription() const
{
    switch (m_case) {
    case Case::processFailed:
        return FailureReason::describe(m_exitCode, m_text);
    case Case::ffmpegNotFound:
        return QCoreApplication::translate("FFmpegRunner", "ffmpeg wasn't found. Install the ffmpeg package and try again.");
    case Case::streamsNotCarried: {
        const QString container = OutputFormats::displayName(m_format.value_or(OutputFormat::mkv));
        QString text = m_lost.size() > 1
            ? QCoreApplication::translate("FFmpegRunner", "%1 can't carry the %2 and %3 streams of this file, so the new file lacks them.")
                  .arg(container, QStringList(m_lost.first(m_lost.size() - 1)).join(QCoreApplication::translate("FFmpegRunner", ", ")), m_lost.last())
            : QCoreApplication::translate("FFmpegRunner", "%1 can't carry the %2 stream of this file, so the new file lacks it.")
                  .arg(container, m_lost.value(0));
        if (m_format != OutputFormat::mkv) {
            text += QCoreApplication::translate("FFmpegRunner", " Try MKV.");
        }
        return text;
    }
    case Case::platformError:
        return m_text.isEmpty() ? QCoreApplication::translate("FFmpegRunner", "ffmpeg could not be run.") : m_text;
    case Case::stopped:
        return QCoreApplication::translate("FFmpegRunner", "Stopped.");
    }
    return {};
}
