#pragma once

#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <chrono>

// Checks an appcast feed (RSS 2.0 whose items carry sparkle:version and
// sparkle:shortVersionString, on the enclosure or as item children) for a version newer than the
// running one. canCheckForUpdates mirrors whether a user-started check may begin now: false
// until the checker has started (always delivered after the constructor has returned, on this
// object's thread), and false again while a check runs. Main-thread only.
class UpdaterController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The application creates the one update checker")

    Q_PROPERTY(bool canCheckForUpdates READ canCheckForUpdates NOTIFY canCheckForUpdatesChanged)
    Q_PROPERTY(CheckState checkState READ checkState NOTIFY checkStateChanged)
    Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)
    // The newest version the last check found, as the feed displays it; empty before.
    Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY checkStateChanged)
    // Only a web address (https or http) is ever offered; a feed's other links are dropped.
    Q_PROPERTY(QUrl releaseNotesUrl READ releaseNotesUrl NOTIFY checkStateChanged)
    // Why the last check failed, in plain words; empty unless checkState is Failed.
    Q_PROPERTY(QString errorText READ errorText NOTIFY checkStateChanged)

public:
    enum CheckState {
        NotChecked,
        Checking,
        UpToDate,
        UpdateAvailable,
        Failed,
    };
    Q_ENUM(CheckState)

    // One release announced by the feed.
    struct Release {
        QString version; // compared with the running version
        QString displayVersion; // shown to the user
        QUrl releaseNotesUrl; // may be empty
    };

    // What a feed holds: its releases in feed order, or why it could not be read.
    struct Appcast {
        QList<Release> releases;
        QString error; // empty when the feed was read
    };

    // Checks the feed built into the application, for the running version.
    explicit UpdaterController(QObject *parent = nullptr);
    UpdaterController(QUrl feedUrl, QString currentVersion, QObject *parent = nullptr);
    ~UpdaterController() override;

    // The feed address chosen when the application was built.
    [[nodiscard]] static QUrl defaultFeedUrl();

    [[nodiscard]] bool canCheckForUpdates() const { return m_canCheckForUpdates; }
    [[nodiscard]] CheckState checkState() const { return m_checkState; }
    [[nodiscard]] QString currentVersion() const { return m_currentVersion; }
    [[nodiscard]] QString latestVersion() const { return m_latestVersion; }
    [[nodiscard]] QUrl releaseNotesUrl() const { return m_releaseNotesUrl; }
    [[nodiscard]] QString errorText() const { return m_errorText; }
    [[nodiscard]] QUrl feedUrl() const { return m_feedUrl; }

    // The longest a feed may be, and the longest a whole check may take, however the server
    // sends its bytes; past either the check fails.
    static constexpr qint64 maxFeedBytes = 1024 * 1024;
    static constexpr qint64 readChunkBytes = 64 * 1024;
    void setDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }

    // Starts a user-started check; does nothing while canCheckForUpdates is false.
    Q_INVOKABLE void checkForUpdates();

    // Negative, zero or positive as `a` is older than, the same as, or newer than `b`. Dot-separated
    // parts compare as numbers (1.10 is newer than 1.9); missing parts count as 0 (1.0 equals 1).
    [[nodiscard]] static int compareVersions(const QString &a, const QString &b);

    [[nodiscard]] static Appcast parseAppcast(const QByteArray &xml);

Q_SIGNALS:
    void canCheckForUpdatesChanged(bool canCheckForUpdates);
    void checkStateChanged();
    // Emitted once a check has ended, with its outcome already in place.
    void checkFinished();

private:
    void runCheck();
    void readFeed(QByteArray body);
    void setCanCheckForUpdates(bool canCheck);
    void finishCheck(CheckState state, QString latestVersion = {}, QUrl releaseNotesUrl = {}, QString errorText = {});

    QUrl m_feedUrl;
    QString m_currentVersion;
    QNetworkAccessManager *m_network = nullptr; // made at the first check: most runs never check
    std::chrono::milliseconds m_deadline { 15000 };
    bool m_canCheckForUpdates = false;
    CheckState m_checkState = NotChecked;
    QString m_latestVersion;
    QUrl m_releaseNotesUrl;
    QString m_errorText;
};
