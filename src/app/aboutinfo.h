#pragma once

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <functional>
#include <optional>

// What the About dialog shows: the application's name, version and licence, and the ffmpeg
// program conversions would use now with its version line. The version is asked of ffmpeg
// itself in the background, so opening the dialog never waits for it.
class AboutInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application creates it")

    Q_PROPERTY(QString applicationName READ applicationName CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(QString licence READ licence CONSTANT)
    // The executable's path; empty when no ffmpeg was found.
    Q_PROPERTY(QString ffmpegPath READ ffmpegPath NOTIFY ffmpegChanged)
    // The first line ffmpeg prints for -version; empty until it has answered.
    Q_PROPERTY(QString ffmpegVersion READ ffmpegVersion NOTIFY ffmpegChanged)
    // False until the search, and the version query if there was something to ask, are over.
    Q_PROPERTY(bool ffmpegKnown READ ffmpegKnown NOTIFY ffmpegChanged)

public:
    using Locator = std::function<std::optional<QUrl>()>;

    explicit AboutInfo(Locator locateFFmpeg, QObject *parent = nullptr);
    ~AboutInfo() override;

    [[nodiscard]] QString applicationName() const { return QStringLiteral("Kestrune"); }
    [[nodiscard]] QString version() const { return QStringLiteral(KESTRUNE_VERSION); }
    [[nodiscard]] QString licence() const { return QStringLiteral("GPL-3.0-or-later"); }
    [[nodiscard]] QString ffmpegPath() const { return m_ffmpegPath; }
    [[nodiscard]] QString ffmpegVersion() const { return m_ffmpegVersion; }
    [[nodiscard]] bool ffmpegKnown() const { return m_ffmpegKnown; }

    // Looks for ffmpeg again and asks it for its version; the dialog calls this each time it
    // opens, since ffmpeg may have been installed or removed meanwhile.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void ffmpegChanged();

private:
    void finishQuery(QString versionLine);

    Locator m_locateFFmpeg;
    QPointer<QProcess> m_query;
    QString m_ffmpegPath;
    QString m_ffmpegVersion;
    bool m_ffmpegKnown = false;
};
