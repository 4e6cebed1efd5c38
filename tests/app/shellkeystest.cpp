#include "app/kestruneapp.h"
#include "queue/remuxviewmodel.h"

#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>

// The in-window menu from the keyboard: F10, or Alt pressed and released alone, opens it at its
// first entry, and the arrows move through it.
class ShellKeysTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }

    void openMenu_data()
    {
        QTest::addColumn<QList<int>>("keys"); // pressed then released, in turn; negative: held with the next
        QTest::addColumn<bool>("opens");
        QTest::addRow("F10") << QList<int> { Qt::Key_F10 } << true;
        QTest::addRow("Alt alone") << QList<int> { Qt::Key_Alt } << true;
        QTest::addRow("Alt with a letter") << QList<int> { -Qt::Key_Alt, Qt::Key_K } << false;
        QTest::addRow("a letter") << QList<int> { Qt::Key_K } << false;
    }
    void openMenu()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, opens);
        KestruneApp app({ {}, false, {} });
        QVERIFY2(app.start(), qPrintable(app.loadErrors()));
        QQuickWindow *window = app.window();
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *menu = window->findChild<QObject *>(QStringLiteral("applicationMenu"));
        QVERIFY(menu);
        Qt::KeyboardModifiers held;
        for (int key : keys) {
            if (key < 0) {
                QTest::keyPress(window, Qt::Key(-key));
                held |= Qt::AltModifier;
            } else {
                QTest::keyClick(window, Qt::Key(key), held);
            }
        }
        if (held)
            QTest::keyRelease(window, Qt::Key_Alt);
        QTRY_COMPARE_WITH_TIMEOUT(menu->property("opened").toBool(), opens, 2000);
        if (!opens)
            return;
        QCOMPARE(menu->property("currentIndex").toInt(), 0);
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(menu->property("currentIndex").toInt(), 1);
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!menu->property("opened").toBool(), 2000);
    }

    void commandOpensDialog_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("dialog");
        QTest::addRow("About") << QString("aboutAction") << QString("aboutDialog");
        QTest::addRow("Check for Updates") << QString("checkForUpdatesAction") << QString("updateDialog");
    }
    // Each dialog is made when its command asks for it, opens, and is let go once closed; asked
    // again, it opens again.
    void commandOpensDialog()
    {
        QFETCH(QString, action);
        QFETCH(QString, dialog);
        // A feed that cannot be read: the check fails at once, without a network.
        KestruneApp app({ QUrl::fromLocalFile(m_config.filePath("none.xml")), false, {} });
        QVERIFY2(app.start(), qPrintable(app.loadErrors()));
        QQuickWindow *window = app.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *command = window->findChild<QObject *>(action);
        QVERIFY(command);
        for (int time = 0; time < 2; ++time) {
            QTRY_VERIFY_WITH_TIMEOUT(command->property("enabled").toBool(), 2000);
            QVERIFY(!window->findChild<QObject *>(dialog));
            QMetaObject::invokeMethod(command, "trigger");
            QObject *opened = nullptr;
            QTRY_VERIFY_WITH_TIMEOUT((opened = window->findChild<QObject *>(dialog)) && opened->property("opened").toBool(), 2000);
            QMetaObject::invokeMethod(opened, "close");
            QTRY_VERIFY_WITH_TIMEOUT(!window->findChild<QObject *>(dialog), 2000);
        }
    }

    // The menu's "Keep File Dates" switches the model, and a new window starts as it was left.
    void keepFileDatesRemembered()
    {
        for (const bool expected : { false, true }) {
            KestruneApp app({ {}, false, {} });
            QVERIFY2(app.start(), qPrintable(app.loadErrors()));
            QCOMPARE(app.viewModel()->keepFileDates(), !expected);
            QMetaObject::invokeMethod(app.window()->findChild<QObject *>("keepFileDatesAction"), "trigger");
            QCOMPARE(app.viewModel()->keepFileDates(), expected);
        }
    }
};

QTEST_MAIN(ShellKeysTest)
#include "shellkeystest.moc"
