#pragma once

#include "engine/outputformat.h"

#include <QFuture>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// Where new files go and in which container: beside each source or in one chosen folder, under
// a name that does not exist yet. Confined to the main thread; the name search runs on a worker.
class OutputDestination : public QObject
{
    Q_OBJECT

public:
    // `searchHook` runs on the worker before each search (tests stand in for a stalled disk).
    explicit OutputDestination(std::function<void()> searchHook = {}, QObject *parent = nullptr);

    [[nodiscard]] OutputFormat format() const;
    void setFormat(OutputFormat format);
    [[nodiscard]] std::optional<QUrl> directory() const;
    void setDirectory(const std::optional<QUrl> &directory);
    [[nodiscard]] bool sameAsInput() const;
    void setSameAsInput(bool sameAsInput);

    // The free path for the new file of `source` in the format of this moment. The search looks
    // at the disk, so it runs on a worker that quitting never waits for.
    [[nodiscard]] QFuture<QString> searchFreeName(const QUrl &source) const;

Q_SIGNALS:
    void formatChanged();
    void directoryChanged();
    void sameAsInputChanged();

private:
    OutputFormat m_format = OutputFormat::mkv;
    std::optional<QUrl> m_directory;
    bool m_sameAsInput = true;
    std::function<void()> m_searchHook;
};
