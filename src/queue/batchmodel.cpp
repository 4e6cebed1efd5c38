#include "queue/batchmodel.h"

BatchModel::BatchModel(FileListModel *files, BatchDriver *driver, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_driver(driver)
{
    connect(m_driver, &BatchDriver::isConvertingChanged, this, &BatchModel::isConvertingChanged);
    connect(m_driver, &BatchDriver::currentIndexChanged, this, &BatchModel::currentIndexChanged);
}

void BatchModel::setErrorMessage(const std::optional<QString> &message)
{
    if (m_errorMessage == message) {
        return;
    }
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}

bool BatchModel::isBatchFinished() const
{
    const int total = m_files->count();
    return !isConverting() && total > 0 && doneCount() + failedCount() == total;
}

double BatchModel::overallProgress() const
{
    const int total = m_files->count();
    if (total == 0) {
        return 0.0;
    }
    return (doneCount() + m_files->convertingFractionSum()) / total;
}

void BatchModel::recount()
{
    const Derived now { doneCount(), failedCount(), droppedTrackCount(), warningCount(), isBatchFinished(), overallProgress() };
    if (now == m_derived) {
        return;
    }
    m_derived = now;
    Q_EMIT derivedValuesChanged();
}

void BatchModel::setFfmpegAvailable(bool available)
{
    if (available == m_ffmpegAvailable) {
        return;
    }
    m_ffmpegAvailable = available;
    Q_EMIT ffmpegAvailableChanged();
}
