#include "ui/thememanager.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Each case starts from its own settings file holding `stored` (nothing when invalid), assigns
// `assigned` in turn, and checks the colour, the store and the notifications.
class ThemeManagerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accentColour_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QList<QColor>>("assigned");
        QTest::addColumn<QColor>("expected");
        QTest::addColumn<int>("notifications");
        const QColor fallback = QColor::fromRgbF(0.2f, 0.6f, 0.9f), red = QColor::fromRgbF(1, 0, 0), purple = QColor::fromRgbF(0.5f, 0.1f, 0.7f, 0.8f);
        QTest::addRow("empty store: the default") << QVariant() << QList<QColor> {} << fallback << 0;
        QTest::addRow("a stored colour is read back") << QVariant(purple) << QList<QColor> {} << purple << 0;
        QTest::addRow("garbage gives the default") << QVariant(u"not a colour"_qs) << QList<QColor> {} << fallback << 0;
        QTest::addRow("a notice only on change") << QVariant(purple) << QList<QColor> { purple, red, red, purple } << purple << 2;
    }
    void accentColour()
    {
        QFETCH(QVariant, stored);
        QFETCH(QList<QColor>, assigned);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"settings.conf"_qs), key = QString::fromLatin1(ThemeManager::settingsKey);
        if (stored.isValid())
            QSettings(file, QSettings::IniFormat).setValue(key, stored);
        ThemeManager theme(std::make_unique<QSettings>(file, QSettings::IniFormat));
        QSignalSpy changed(&theme, &ThemeManager::accentColorChanged);
        // The store is cleared before each assignment: even an equal colour is written again.
        for (const QColor &color : assigned) {
            QSettings(file, QSettings::IniFormat).remove(key);
            theme.setAccentColor(color);
            QCOMPARE(QSettings(file, QSettings::IniFormat).value(key).value<QColor>(), color);
        }
        QTEST(theme.accentColor(), "expected");
        QTEST(int(changed.count()), "notifications");
        QCOMPARE(QSettings(file, QSettings::IniFormat).contains(key), stored.isValid() || !assigned.isEmpty()); // the default is never written unasked
    }
};

QTEST_GUILESS_MAIN(ThemeManagerTest)
#include "thememanagertest.moc"
