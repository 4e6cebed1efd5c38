#include "ui/thememanager.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Every case works on its own settings file, so nothing touches the user's real store.
class ThemeManagerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_counter = 0;
    QString m_file;

    std::unique_ptr<QSettings> settings() const { return std::make_unique<QSettings>(m_file, QSettings::IniFormat); }
    bool storeHasKey() const { return QSettings(m_file, QSettings::IniFormat).contains(QString::fromLatin1(ThemeManager::settingsKey)); }
    QVariant storedValue() const { return QSettings(m_file, QSettings::IniFormat).value(QString::fromLatin1(ThemeManager::settingsKey)); }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath(QStringLiteral("settings-%1.conf").arg(++m_counter));
    }

    void emptyStoreGivesTheDefaultAndWritesNothing()
    {
        const ThemeManager theme(settings());
        QCOMPARE(theme.accentColor(), QColor::fromRgbF(0.2f, 0.6f, 0.9f, 1.0f));
        QCOMPARE(theme.accentColor().spec(), QColor::Rgb);
        QVERIFY(!storeHasKey());
    }

    void unusableValuesFallBackToTheDefault_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addRow("garbage text") << QVariant(QStringLiteral("not a colour at all"));
        QTest::addRow("a colour name as text") << QVariant(QStringLiteral("red"));
        QTest::addRow("a number") << QVariant(42);
        QTest::addRow("bytes") << QVariant(QByteArray("\x00\x01\x02", 3));
        QTest::addRow("an invalid colour") << QVariant(QColor());
    }
    void unusableValuesFallBackToTheDefault()
    {
        QFETCH(QVariant, stored);
        {
            QSettings writer(m_file, QSettings::IniFormat);
            writer.setValue(QString::fromLatin1(ThemeManager::settingsKey), stored);
        }
        const ThemeManager theme(settings());
        QCOMPARE(theme.accentColor(), ThemeManager::defaultAccentColor());
        // The bad value stays in place until an assignment overwrites it.
        QVERIFY(storeHasKey());
    }

    void aStoredColourIsReadBackOnTheNextStart()
    {
        const QColor purple = QColor::fromRgbF(0.5f, 0.1f, 0.7f, 0.8f);
        {
            ThemeManager first(settings());
            first.setAccentColor(purple);
        }
        const ThemeManager second(settings());
        QCOMPARE(second.accentColor(), purple);
    }

    void assignmentsAlwaysWriteButNotifyOnlyOnChange_data()
    {
        QTest::addColumn<QList<QColor>>("assigned");
        QTest::addColumn<int>("notifications");
        const QColor red = QColor::fromRgbF(1, 0, 0);
        const QColor green = QColor::fromRgbF(0, 1, 0);
        QTest::addRow("the default again") << QList<QColor> { ThemeManager::defaultAccentColor() } << 0;
        QTest::addRow("a new colour") << QList<QColor> { red } << 1;
        QTest::addRow("the same colour twice") << QList<QColor> { red, red } << 1;
        QTest::addRow("back and forth") << QList<QColor> { red, green, red } << 3;
    }
    void assignmentsAlwaysWriteButNotifyOnlyOnChange()
    {
        QFETCH(QList<QColor>, assigned);
        QFETCH(int, notifications);
        ThemeManager theme(settings());
        QSignalSpy changed(&theme, &ThemeManager::accentColorChanged);
        for (const QColor &color : assigned) {
            // Clear the store in between: an assignment of an equal colour must write it again.
            QSettings(m_file, QSettings::IniFormat).remove(QString::fromLatin1(ThemeManager::settingsKey));
            theme.setAccentColor(color);
            QCOMPARE(storedValue().value<QColor>(), color);
        }
        QCOMPARE(changed.count(), notifications);
        QCOMPARE(theme.accentColor(), assigned.last());
    }

    void sharedInstanceIsOne()
    {
        QCOMPARE(ThemeManager::shared(), ThemeManager::shared());
        QCOMPARE(ThemeManager::create(nullptr, nullptr), ThemeManager::shared());
    }
};

QTEST_GUILESS_MAIN(ThemeManagerTest)
#include "thememanagertest.moc"
