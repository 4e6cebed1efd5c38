#include "app/kestruneapp.h"

#include "app/aboutinfo.h"
#include "app/updatercontroller.h"
#include "engine/ffmpegrunner.h"
#include "feedserver.h"
#include "queue/remuxviewmodel.h"

#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

namespace
{

// The application menu's entries as shown: item texts, with "-" for a separator.
QStringList menuEntries(QObject *menu)
{
    QStringList entries;
    const int count = menu->property("count").toInt();
    for (int i = 0; i < count; ++i) {
        QQuickItem *item = nullptr;
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, i));
        if (!item)
            entries << QStringLiteral("?");
        else if (item->inherits("QQuickMenuSeparator"))
            entries << QStringLiteral("-");
        else
            entries << item->property("text").toString();
    }
    return entries;
}

QQuickItem *menuItem(QObject *menu, const QString &text)
{
    const int count = menu->property("count").toInt();
    for (int i = 0; i < count; ++i) {
        QQuickItem *item = nullptr;
        QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, i));
        if (item && item->property("text").toString() == text)
            return item;
    }
    return nullptr;
}

// Chooses a menu item, as a click on it would.
bool choose(QQuickItem *item)
{
    auto *action = item->property("action").value<QObject *>();
    return action && QMetaObject::invokeMethod(action, "trigger");
}

QQuickItem *findContentView(QQuickItem *root)
{
    for (QQuickItem *child : root->childItems()) {
        if (QByteArray(child->metaObject()->className()).startsWith("ContentView"))
            return child;
        if (QQuickItem *found = findContentView(child))
            return found;
    }
    return nullptr;
}

} // namespace

// The shell in this process, with the window on the offscreen platform: its shape, its menu and
// how the menu follows the update checker.
class KestruneAppTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QQuickStyle::setStyle(QStringLiteral("Basic"));
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    void windowShape()
    {
        KestruneApp app({ .appcastUrl = m_server.url(), .singleInstance = false });
        QVERIFY(app.start());
        QQuickWindow *window = app.window();
        QVERIFY2(window, qPrintable(app.loadErrors()));
        QCOMPARE(window->title(), QStringLiteral("Kestrune"));
        QCOMPARE(window->objectName(), QStringLiteral("main"));
        QCOMPARE(window->size(), QSize(620, 540));
        QCOMPARE(window->minimumWidth(), 540);
        QCOMPARE(window->maximumWidth(), 640);
        QVERIFY(window->isVisible());
    }

    void menuOrder()
    {
        KestruneApp app({ .appcastUrl = m_server.url(), .singleInstance = false });
        QVERIFY(app.start());
        QVERIFY2(app.window(), qPrintable(app.loadErrors()));
        QObject *menu = app.window()->findChild<QObject *>(QStringLiteral("applicationMenu"));
        QVERIFY(menu);
        QCOMPARE(menu->property("title").toString(), QStringLiteral("Kestrune"));
        QCOMPARE(menuEntries(menu), (QStringList { "About Kestrune", "Check for Updates…", "-", "Quit Kestrune" }));
    }

    // Greyed out until the checker has started, then enabled; greyed out again while a check
    // runs, whose outcome the update dialog shows.
    void checkItemFollowsUpdater()
    {
        m_server.body = feed(enclosureItem("99.0", "99.0", "https://kestrune.example/99.html"));
        m_server.delay = 300ms;
        KestruneApp app({ .appcastUrl = m_server.url(), .singleInstance = false });
        QVERIFY(app.start());
        QVERIFY2(app.window(), qPrintable(app.loadErrors()));
        QObject *menu = app.window()->findChild<QObject *>(QStringLiteral("applicationMenu"));
        QQuickItem *item = menuItem(menu, QStringLiteral("Check for Updates…"));
        QVERIFY(item);
        QVERIFY(!item->isEnabled());
        QTRY_VERIFY(item->isEnabled());

        QObject *dialog = app.window()->findChild<QObject *>(QStringLiteral("updateDialog"));
        QVERIFY(dialog);
        QVERIFY(choose(item));
        QVERIFY(!item->isEnabled());
        QVERIFY(!app.updaterController()->canCheckForUpdates());
        QTRY_VERIFY(dialog->property("visible").toBool());
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("Checking for Updates…"));
        QTRY_VERIFY_WITH_TIMEOUT(item->isEnabled(), 5000);
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("A new version of Kestrune is available"));
        QCOMPARE(m_server.requestCount, 1);
    }

    void aboutNamesTheFFmpegInUse()
    {
        KestruneApp app({ .appcastUrl = m_server.url(), .singleInstance = false });
        QVERIFY(app.start());
        QVERIFY2(app.window(), qPrintable(app.loadErrors()));
        QObject *menu = app.window()->findChild<QObject *>(QStringLiteral("applicationMenu"));
        QQuickItem *item = menuItem(menu, QStringLiteral("About Kestrune"));
        QVERIFY(item);
        QVERIFY(choose(item));
        QObject *dialog = app.window()->findChild<QObject *>(QStringLiteral("aboutDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("visible").toBool());
        QObject *line = dialog->findChild<QObject *>(QStringLiteral("ffmpegLine"));
        QVERIFY(line);
        const auto ffmpeg = app.viewModel()->runner().locateFFmpeg();
        QCOMPARE(line->property("text").toString(), ffmpeg ? QStringLiteral("ffmpeg: ") + ffmpeg->toLocalFile() : QStringLiteral("ffmpeg not found"));
        QTRY_VERIFY(app.aboutInfo()->ffmpegKnown());
    }

    void viewsReachTheOneModel()
    {
        KestruneApp app({ .appcastUrl = m_server.url(), .singleInstance = false });
        QVERIFY(app.start());
        QVERIFY2(app.window(), qPrintable(app.loadErrors()));
        QVERIFY(app.viewModel());
        QQuickItem *content = findContentView(app.window()->contentItem());
        QVERIFY(content);
        QQmlExpression vm(qmlContext(content), content, QStringLiteral("vm"));
        QCOMPARE(vm.evaluate().value<QObject *>(), app.viewModel());
    }

private:
    FeedServer m_server;
};

QTEST_MAIN(KestruneAppTest)
#include "kestruneapptest.moc"
