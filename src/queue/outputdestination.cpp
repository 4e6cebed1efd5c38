#include "queue/outputdestination.h"

#include "engine/diskcall.h"
#include "engine/outputnaming.h"

#include <QtConcurrent>

OutputDestination::OutputDestination(std::function<void()> searchHook, QObject *parent)
    : QObject(parent)
    , m_searchHook(std::move(searchHook))
{ }

OutputFormat OutputDestination::format() const
{
    return m_format;
}

void OutputDestination::setFormat(OutputFormat format)
{
    if (m_format == format) {
        return;
    }
    m_format = format;
    Q_EMIT formatChanged();
}

std::optional<QUrl> OutputDestination::directory() const
{
    return m_directory;
}

void OutputDestination::setDirectory(const std::optional<QUrl> &directory)
{
    if (m_directory == directory) {
        return;
    }
    m_directory = directory;
    Q_EMIT directoryChanged();
}

bool OutputDestination::sameAsInput() const
{
    return m_sameAsInput;
}

void OutputDestination::setSameAsInput(bool sameAsInput)
{
    if (m_sameAsInput == sameAsInput) {
        return;
    }
    m_sameAsInput = sameAsInput;
    Q_EMIT sameAsInputChanged();
}

QFuture<QString> OutputDestination::searchFreeName(const QUrl &source) const
{
    // A folder given as "…/name.mp4/" is named after its last component, not inside itself.
    const QUrl file = source.adjusted(QUrl::StripTrailingSlash);
    const QString folder = (!m_sameAsInput && m_directory) ? m_directory->toLocalFile() : file.adjusted(QUrl::RemoveFilename).toLocalFile();
    const QString base = OutputNaming::splitExtension(file.fileName()).base;
    const QString extension = OutputFormats::fileExtension(m_format);
    return QtConcurrent::run(DiskCall::workers(), [folder, base, extension, hook = m_searchHook] {
        if (hook) {
            hook();
        }
        return OutputNaming::freePath(folder, base, extension);
    });
}
