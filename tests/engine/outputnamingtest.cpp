#include "engine/outputnaming.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(OutputNaming::NameLimit)

// The names new files get: shortened to the file system's limit, in its own unit, never inside
// a character as a reader sees it.
class OutputNamingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fitName_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("tail");
        QTest::addColumn<OutputNaming::NameLimit>("limit");
        QTest::addColumn<QString>("name");
        const OutputNaming::NameLimit bytes { 255, false }, units { 255, true };
        const QString cjk(83, QChar(0x6620)), smiles = QString::fromUtf8("😀").repeated(130);
        QTest::addRow("fits") << "movie"
                              << ".mkv" << bytes << "movie.mkv";
        QTest::addRow("the longer extension") << QString(252, u'c') << ".webm" << bytes << QString(250, u'c') + ".webm";
        QTest::addRow("4-byte characters at the limit") << smiles << ".mkv" << bytes << smiles.left(2 * 62) + ".mkv";
        QTest::addRow("3-byte characters, cut before one") << "x" + cjk + "x"
                                                           << " 1.mkv" << bytes << "x" + cjk.left(82) + " 1.mkv";
        QTest::addRow("a flag whole or not at all") << QString::fromUtf8("ab🇫🇷") << ".mkv" << OutputNaming::NameLimit { 10, false } << "ab.mkv";
        QTest::addRow("joined emoji whole or not at all")
            << QString::fromUtf8("x👨‍👩‍👧") << ".mkv" << OutputNaming::NameLimit { 20, false } << "x.mkv";
        QTest::addRow("a letter with its accent") << QString::fromUtf8("cafe\u0301") << ".mkv" << OutputNaming::NameLimit { 9, false } << "caf.mkv";
        QTest::addRow("UTF-16: 4-byte characters are two units") << smiles << ".mkv" << units << smiles.left(2 * 125) + ".mkv";
        QTest::addRow("UTF-16: 3-byte characters are one unit") << QString(300, QChar(0x6620)) << ".mkv" << units << QString(251, QChar(0x6620)) + ".mkv";
    }
    void fitName()
    {
        QFETCH(QString, base);
        QFETCH(QString, tail);
        QFETCH(OutputNaming::NameLimit, limit);
        QFETCH(QString, name);
        QCOMPARE(OutputNaming::fitName(base, tail, limit), name);
    }

    // On this file system (255 bytes), a taken name at the limit gives way to a shorter numbered one.
    void freePath()
    {
        QTemporaryDir dir;
        QCOMPARE(OutputNaming::nameLimit(dir.path()), (OutputNaming::NameLimit { 255, false }));
        const QString base(251, u'b');
        QVERIFY(QFile(dir.filePath(base + ".mkv")).open(QIODevice::WriteOnly));
        QCOMPARE(OutputNaming::freePath(dir.path(), base, "mkv"), dir.filePath(QString(249, u'b') + " 1.mkv"));
    }
};

QTEST_GUILESS_MAIN(OutputNamingTest)
#include "outputnamingtest.moc"
