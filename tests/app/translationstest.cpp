#include "app/translations.h"
#include "engine/trackrule.h"

#include "queue/inputfile.h"
#include "run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// The catalogs the build embeds, and which of the user's languages the program speaks.
class TranslationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogs_data()
    {
        QTest::addColumn<QString>("noMoreFiles"); // French takes the singular for 0; Japanese has one form
        QTest::addColumn<QString>("japanese"); // a language's name, which Qt gives only in English
        QTest::addRow("de") << "%n weitere Dateien" << "Japanisch";
        QTest::addRow("fr") << "%n autre fichier" << "japonais";
        QTest::addRow("es") << "%n archivos más" << "japonés";
        QTest::addRow("ja") << "ほか %n 個のファイル" << "日本語";
    }
    // Each catalog is embedded, translates and is picked (unless English comes before it); lupdate
    // over today's sources finds nothing in it unfinished or gone.
    void catalogs()
    {
        const QString language = QTest::currentDataTag();
        QFETCH(QString, noMoreFiles);
        QTranslator translator;
        QVERIFY(translator.load(":/i18n/kestrune_" + language));
        QCOMPARE(translator.translate("ViewText", "%n more files", nullptr, 0), noMoreFiles);
        QFETCH(QString, japanese);
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QCOMPARE(TrackRule::languageName(QLocale::Japanese), japanese);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(Translations::pick({ "pt-BR", language }), language);
        QCOMPARE(Translations::pick({ "en-GB", language }), QString());

        QTemporaryDir dir;
        const QString checkedIn = KESTRUNE_SOURCE_DIR "/translations/kestrune_" + language + ".ts", copy = dir.filePath("copy.ts");
        QVERIFY(QFile::copy(checkedIn, copy));
        QVERIFY(run(KESTRUNE_LUPDATE, { "-silent", "-no-obsolete", KESTRUNE_SOURCE_DIR "/src", "-ts", copy }).endsWith("\nexit 0"));
        // Only an unfinished, vanished or obsolete entry has a type.
        for (const QString &path : { checkedIn, copy }) {
            QFile catalog(path);
            QVERIFY2(catalog.open(QIODevice::ReadOnly) && !catalog.readAll().contains("<translation type="), qPrintable(path + ": update and translate"));
        }
    }
    // A Japanese note's sentences follow one another as Japanese writes them.
    void japaneseSentences() { QCOMPARE(InputFile::joinSentences({ "破棄しました。", "省略しました。" }), "破棄しました。省略しました。"); }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translationstest.moc"
