#include "app/updatercontroller.h"

#include <QFutureWatcher>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <memory>

namespace
{

// Feeds namespace their version fields with the "sparkle" prefix; the namespace URI they bind it
// to is not checked, so a feed written by hand with any URI still works.
constexpr QLatin1StringView versionPrefix { "sparkle" };

bool isVersionField(QStringView prefix, QStringView name, QLatin1StringView field)
{
    return prefix == versionPrefix && name == field;
}

UpdaterController::Release readItem(QXmlStreamReader &reader)
{
    QString enclosureVersion, enclosureShortVersion, childVersion, childShortVersion;
    QUrl releaseNotes, link;
    while (reader.readNextStartElement()) {
        const auto prefix = reader.prefix();
        const auto name = reader.name();
        if (prefix.isEmpty() && name == u"enclosure") {
            for (const auto &attribute : reader.attributes()) {
                if (isVersionField(attribute.prefix(), attribute.name(), QLatin1StringView("version")))
                    enclosureVersion = attribute.value().trimmed().toString();
                else if (isVersionField(attribute.prefix(), attribute.name(), QLatin1StringView("shortVersionString")))
                    enclosureShortVersion = attribute.value().trimmed().toString();
            }
            reader.skipCurrentElement();
        } else if (isVersionField(prefix, name, QLatin1StringView("version"))) {
            childVersion = reader.readElementText().trimmed();
        } else if (isVersionField(prefix, name, QLatin1StringView("shortVersionString"))) {
            childShortVersion = reader.readElementText().trimmed();
        } else if (isVersionField(prefix, name, QLatin1StringView("releaseNotesLink"))) {
            releaseNotes = QUrl(reader.readElementText().trimmed());
        } else if (prefix.isEmpty() && name == u"link") {
            link = QUrl(reader.readElementText().trimmed());
        } else {
            reader.skipCurrentElement();
        }
    }
    // The enclosure is where feeds put these fields; item children are the older place.
    UpdaterController::Release release;
    const QString shortVersion = enclosureShortVersion.isEmpty() ? childShortVersion : enclosureShortVersion;
    release.version = enclosureVersion.isEmpty() ? childVersion : enclosureVersion;
    if (release.version.isEmpty())
        release.version = shortVersion;
    release.displayVersion = shortVersion.isEmpty() ? release.version : shortVersion;
    release.releaseNotesUrl = releaseNotes.isEmpty() ? link : releaseNotes;
    // The link is opened with the desktop's handler for its scheme; a feed must not be able to
    // open a local file or start another program through it.
    const QString scheme = release.releaseNotesUrl.scheme();
    if (scheme != u"https" && scheme != u"http")
        release.releaseNotesUrl.clear();
    return release;
}

QString describeNetworkFailure(const QNetworkReply &reply)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return UpdaterController::tr("The update server refused the connection.");
    case QNetworkReply::HostNotFoundError:
        return UpdaterController::tr("The update server could not be found. Check your internet connection.");
    case QNetworkReply::TimeoutError:
        return UpdaterController::tr("The update server did not answer in time.");
    case QNetworkReply::RemoteHostClosedError:
        return UpdaterController::tr("The update server closed the connection before sending the update feed.");
    case QNetworkReply::SslHandshakeFailedError:
        return UpdaterController::tr("A secure connection to the update server could not be made.");
    case QNetworkReply::ContentNotFoundError:
        return UpdaterController::tr("The update feed was not found at %1.").arg(reply.url().toDisplayString());
    default:
        return UpdaterController::tr("The update feed could not be loaded: %1.").arg(reply.errorString());
    }
}

} // namespace

UpdaterController::UpdaterController(QObject *parent)
    : UpdaterController(defaultFeedUrl(), QStringLiteral(KESTRUNE_VERSION), parent)
{ }

UpdaterController::UpdaterController(QUrl feedUrl, QString currentVersion, QObject *parent)
    : QObject(parent)
    , m_feedUrl(std::move(feedUrl))
    , m_currentVersion(std::move(currentVersion))
{
    // Observers that connect right after construction must see the first value arrive, so it is
    // never delivered from inside the constructor.
    QTimer::singleShot(0, this, [this] { setCanCheckForUpdates(true); });
}

UpdaterController::~UpdaterController() = default;

QUrl UpdaterController::defaultFeedUrl()
{
    return QUrl(QStringLiteral(KESTRUNE_APPCAST_URL));
}

void UpdaterController::checkForUpdates()
{
    if (!m_canCheckForUpdates)
        return;
    setCanCheckForUpdates(false);
    m_checkState = Checking;
    m_latestVersion.clear();
    m_releaseNotesUrl.clear();
    m_errorText.clear();
    Q_EMIT checkStateChanged();
    // A local feed can be read completely inside get(); starting from the event loop keeps the
    // outcome from ever arriving before this call has returned.
    QTimer::singleShot(0, this, &UpdaterController::runCheck);
}

void UpdaterController::runCheck()
{
    QNetworkRequest request(m_feedUrl);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kestrune/%1").arg(m_currentVersion));
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkReply *reply = m_network->get(request);
    // Why the check was cut short, if it was; the reply then only reports "cancelled".
    auto cutShort = std::make_shared<QString>();
    const auto cut = [reply, cutShort](QString why) {
        if (cutShort->isEmpty())
            *cutShort = std::move(why);
        reply->abort();
    };
    // One deadline for the whole check: a server that drips a byte now and then would keep a
    // timer that only measures silence from ever firing.
    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [cut] { cut(UpdaterController::tr("The update server did not answer in time.")); });
    deadline->start(m_deadline);
    const auto tooLarge = [cut](qint64 bytes) {
        if (bytes > maxFeedBytes)
            cut(UpdaterController::tr("The update feed is too large to be one."));
    };
    // The body is counted as it is read, after decompression, and Qt holds back at most a small
    // buffer of it: a compressed or fast body cannot pile up megabytes before the abort.
    auto body = std::make_shared<QByteArray>();
    reply->setReadBufferSize(readChunkBytes);
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, tooLarge] { tooLarge(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, body, tooLarge] {
        if (body->size() > maxFeedBytes)
            return;
        body->append(reply->read(maxFeedBytes + 1 - body->size()));
        tooLarge(body->size());
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, cutShort, body] {
        reply->deleteLater();
        if (!cutShort->isEmpty())
            finishCheck(Failed, {}, {}, *cutShort);
        else if (reply->error() != QNetworkReply::NoError)
            finishCheck(Failed, {}, {}, describeNetworkFailure(*reply));
        else
            readFeed(std::move(*body));
    });
}

void UpdaterController::readFeed(QByteArray body)
{
    // A feed of up to a mebibyte can take a while to parse; the window must not wait for it.
    auto *watcher = new QFutureWatcher<Appcast>(this);
    connect(watcher, &QFutureWatcher<Appcast>::finished, this, [this, watcher] {
        watcher->deleteLater();
        const Appcast appcast = watcher->result();
        if (!appcast.error.isEmpty()) {
            finishCheck(Failed, {}, {}, appcast.error);
            return;
        }
        if (appcast.releases.isEmpty()) {
            finishCheck(Failed, {}, {}, UpdaterController::tr("The update feed lists no versions."));
            return;
        }
        const auto newest = std::max_element(
            appcast.releases.cbegin(), appcast.releases.cend(), [](const Release &a, const Release &b) { return compareVersions(a.version, b.version) < 0; });
        if (compareVersions(newest->version, m_currentVersion) > 0)
            finishCheck(UpdateAvailable, newest->displayVersion, newest->releaseNotesUrl);
        else
            finishCheck(UpToDate, newest->displayVersion);
    });
    watcher->setFuture(QtConcurrent::run(&UpdaterController::parseAppcast, std::move(body)));
}

void UpdaterController::finishCheck(CheckState state, QString latestVersion, QUrl releaseNotesUrl, QString errorText)
{
    m_checkState = state;
    m_latestVersion = std::move(latestVersion);
    m_releaseNotesUrl = std::move(releaseNotesUrl);
    m_errorText = std::move(errorText);
    Q_EMIT checkStateChanged();
    setCanCheckForUpdates(true);
    Q_EMIT checkFinished();
}

void UpdaterController::setCanCheckForUpdates(bool canCheck)
{
    if (m_canCheckForUpdates == canCheck)
        return;
    m_canCheckForUpdates = canCheck;
    Q_EMIT canCheckForUpdatesChanged(canCheck);
}

int UpdaterController::compareVersions(const QString &a, const QString &b)
{
    const auto partsA = QStringView(a).split(u'.');
    const auto partsB = QStringView(b).split(u'.');
    const auto count = std::max(partsA.size(), partsB.size());
    // A part's leading digits are its number, so "2b" counts as 2 and a missing part as 0.
    const auto number = [](const QList<QStringView> &parts, qsizetype i) -> qulonglong {
        if (i >= parts.size())
            return 0;
        const QStringView part = parts.at(i).trimmed();
        qsizetype digits = 0;
        while (digits < part.size() && part.at(digits).isDigit())
            ++digits;
        return part.first(digits).toULongLong();
    };
    for (qsizetype i = 0; i < count; ++i) {
        const auto x = number(partsA, i);
        const auto y = number(partsB, i);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

UpdaterController::Appcast UpdaterController::parseAppcast(const QByteArray &xml)
{
    Appcast appcast;
    QXmlStreamReader reader(xml);
    if (reader.readNextStartElement()) {
        if (reader.name() != u"rss" || !reader.prefix().isEmpty()) {
            appcast.error = UpdaterController::tr("The update feed is not an RSS feed.");
            return appcast;
        }
        while (reader.readNextStartElement()) {
            if (reader.name() != u"channel") {
                reader.skipCurrentElement();
                continue;
            }
            while (reader.readNextStartElement()) {
                if (reader.name() != u"item") {
                    reader.skipCurrentElement();
                    continue;
                }
                const Release release = readItem(reader);
                // An item without a version (a news entry, say) announces no release.
                if (!release.version.isEmpty())
                    appcast.releases.append(release);
            }
        }
    }
    // Read to the end so damage after the last item is noticed too.
    while (!reader.atEnd() && !reader.hasError())
        reader.readNext();
    if (reader.hasError()) {
        appcast.releases.clear();
        appcast.error = UpdaterController::tr("The update feed is damaged (line %1: %2).").arg(reader.lineNumber()).arg(reader.errorString());
    }
    return appcast;
}
