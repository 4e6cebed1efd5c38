#include "app/applicationservice.h"

#include "run.h"

#include <QDBusMessage>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

// One application per session on a private bus: a second launch or a file manager hands files
// to the first, which sees them as URLs with the launcher's token; a first that is busy or gone
// does not take them.
class ApplicationServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_bus.open(), "no private dbus-daemon"); }

    void handOver_data()
    {
        QTest::addColumn<QString>("sender"); // "launch": a second Kestrune; "call": a file manager's Open
        QTest::addColumn<QStringList>("locations");
        QTest::addColumn<QString>("seen"); // by the first, with the token it was given
        QTest::addRow("launch, names of every kind") << "launch"
                                                     << QStringList { "file:///m/two b.mp4", "file:///m/%231%20%3F%25.mp4", "file:///m/-x.mp4",
                                                            "file:///m/ü 日.mp4", "file:///m/x%FF.mp4" }
                                                     << "open file:///m/two%20b.mp4 file:///m/%231%20%3F%25.mp4 file:///m/-x.mp4 "
                                                        "file:///m/%C3%BC%20%E6%97%A5.mp4 file:///m/x%FF.mp4 token=t1";
        QTest::addRow("launch without") << "launch" << QStringList {} << "activate token=t1";
        QTest::addRow("plain paths, remote and local URLs") << "call" << QStringList { "/m/b c.mp4", "/m/d:e.mov", "sftp://host/x.mp4", "file:///m/y%FF.mp4" }
                                                            << "open file:///m/b%20c.mp4 file:///m/d:e.mov sftp://host/x.mp4 file:///m/y%FF.mp4 token=t2";
        QTest::addRow("URLs written carelessly") << "call" << QStringList { "file:///m/b c#1?.mp4", "FILE:/m/ü.mp4", "sftp://host/x y.mp4#2" }
                                                 << "open file:///m/b%20c%231%3F.mp4 file:///m/%C3%BC.mp4 sftp://host/x%20y.mp4#2 token=t2";
    }
    void handOver()
    {
        QFETCH(QString, sender);
        QFETCH(QStringList, locations);
        QFETCH(QString, seen);
        QThread thread;
        auto *first = new ApplicationService(m_first, m_id);
        QCOMPARE(first->claim({}, {}, 1000), ApplicationService::Claim::Owned);
        // The first answers from its own thread while this one waits for the hand-over.
        first->moveToThread(&thread);
        thread.start();
        const auto stop = qScopeGuard([&] {
            QMetaObject::invokeMethod(first, &ApplicationService::release, Qt::BlockingQueuedConnection);
            QMetaObject::invokeMethod(first, &QObject::deleteLater);
            thread.quit();
            thread.wait();
        });
        QString got;
        connect(first, &ApplicationService::activateRequested, this, [&got] { got = "activate token=" + qEnvironmentVariable("XDG_ACTIVATION_TOKEN"); });
        connect(first, &ApplicationService::openRequested, this, [&got](const QList<QUrl> &files) {
            got = "open " + QUrl::toStringList(files, QUrl::FullyEncoded).join(u' ') + " token=" + qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
        });
        if (sender == u"launch") {
            ApplicationService second(m_second, m_id);
            QCOMPARE(second.claim(QUrl::fromStringList(locations), { { "activation-token", "t1" } }, 5000), ApplicationService::Claim::HandedOver);
        } else {
            QDBusMessage open = QDBusMessage::createMethodCall(m_id, "/org/kestrune/Test", "org.freedesktop.Application", "Open");
            open << locations << QVariantMap { { "activation-token", "t2" } };
            QCOMPARE(m_second.call(open, QDBus::Block, 5000).type(), QDBusMessage::ReplyMessage);
        }
        QTRY_COMPARE(got, seen);
    }

    void claim_data()
    {
        QTest::addColumn<QString>("first"); // what holds the name meanwhile
        QTest::addColumn<ApplicationService::Claim>("claim");
        QTest::addRow("first busy") << "busy" << ApplicationService::Claim::NoAnswer;
        QTest::addRow("first quitting") << "quitting" << ApplicationService::Claim::Owned;
        QTest::addRow("nobody") << "none" << ApplicationService::Claim::Owned;
    }
    // A launch never makes a second window beside a live one, but does beside one going away.
    void claim()
    {
        QFETCH(QString, first);
        QFETCH(ApplicationService::Claim, claim);
        ApplicationService running(m_first, m_id);
        if (first != u"none")
            QCOMPARE(running.claim({}, {}, 1000), ApplicationService::Claim::Owned);
        if (first == u"quitting")
            running.release();
        // The running one shares this thread, which the claim blocks: it cannot answer.
        ApplicationService launched(m_second, m_id);
        QCOMPARE(launched.claim({ QUrl("file:///m/a.mp4") }, {}, 300), claim);
        launched.release();
        running.release();
    }

private:
    const QString m_id = "org.kestrune.Test";
    PrivateBus m_bus;
    QDBusConnection &m_first = m_bus.one, &m_second = m_bus.two;
};

QTEST_GUILESS_MAIN(ApplicationServiceTest)
#include "applicationservicetest.moc"
