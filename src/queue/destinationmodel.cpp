#include "queue/destinationmodel.h"

#include <QCoreApplication>
#include <QVariantMap>

DestinationModel::DestinationModel(OutputDestination *destination, FilePicker *picker, QObject *parent)
    : QObject(parent)
    , m_destination(destination)
    , m_picker(picker)
{
    connect(m_destination, &OutputDestination::formatChanged, this, &DestinationModel::outputFormatChanged);
    connect(m_destination, &OutputDestination::directoryChanged, this, &DestinationModel::outputDirectoryChanged);
    connect(m_destination, &OutputDestination::sameAsInputChanged, this, &DestinationModel::sameAsInputChanged);
}

void DestinationModel::restore(QSettings *settings)
{
    m_settings = settings;
    if (m_settings) {
        m_keepFileDates = m_settings->value(QString::fromLatin1(keepFileDatesKey), true).toBool();
    }
}

QString DestinationModel::outputFormatId() const
{
    return OutputFormats::id(m_destination->format());
}

void DestinationModel::setOutputFormatId(const QString &id)
{
    if (const auto format = OutputFormats::fromRawValue(id)) {
        m_destination->setFormat(*format);
    }
}

QVariantList DestinationModel::formatChoices()
{
    QVariantList choices;
    for (const OutputFormat format : OutputFormats::allCases()) {
        choices.append(QVariantMap {
            { QStringLiteral("id"), OutputFormats::id(format) },
            { QStringLiteral("displayName"), OutputFormats::displayName(format) },
        });
    }
    return choices;
}

QUrl DestinationModel::outputDirectory() const
{
    return m_destination->directory().value_or(QUrl());
}

bool DestinationModel::hasOutputDirectory() const
{
    return m_destination->directory().has_value();
}

QString DestinationModel::outputDirectoryPath() const
{
    const auto directory = m_destination->directory();
    return directory ? directory->toLocalFile() : QString();
}

QString DestinationModel::outputDirectoryName() const
{
    const auto directory = m_destination->directory();
    if (!directory) {
        return {};
    }
    const QString name = directory->adjusted(QUrl::StripTrailingSlash).fileName();
    return name.isEmpty() ? outputDirectoryPath() : name;
}

bool DestinationModel::sameAsInput() const
{
    return m_destination->sameAsInput();
}

void DestinationModel::setSameAsInput(bool sameAsInput)
{
    m_destination->setSameAsInput(sameAsInput);
}

void DestinationModel::setKeepFileDates(bool keep)
{
    if (m_keepFileDates == keep) {
        return;
    }
    m_keepFileDates = keep;
    if (m_settings) {
        m_settings->setValue(QString::fromLatin1(keepFileDatesKey), keep);
        m_settings->sync();
    }
    Q_EMIT keepFileDatesChanged();
}

void DestinationModel::chooseOutputFolder()
{
    if (!m_picker) {
        return;
    }
    // Its title keeps the window's translation context, from before the destination had a model.
    const FilePicker::FolderChoice choice = m_picker->pickFolder(QCoreApplication::translate("RemuxViewModel", "Choose Output Folder"));
    if (!choice.accepted) {
        return;
    }
    m_destination->setDirectory(choice.url.isEmpty() ? std::nullopt : std::optional<QUrl>(choice.url));
    setSameAsInput(false);
}
