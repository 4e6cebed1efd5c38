#include "engine/progressparser.h"

#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

using Progress = FFmpegRunner::Progress;
using Deliveries = QList<Progress>;
using OptionalDouble = std::optional<double>;

Q_DECLARE_METATYPE(OptionalDouble)

namespace
{
constexpr double none = std::numeric_limits<double>::quiet_NaN();

// NaN stands for "absent" in the tables, which keeps the rows short.
std::optional<double> opt(double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

Progress progress(double fraction, double speed)
{
    return Progress { opt(fraction), opt(speed) };
}

char *describe(const Deliveries &deliveries)
{
    QStringList parts;
    for (const auto &p : deliveries) {
        parts << QStringLiteral("(%1, %2)")
                     .arg(p.fraction ? QString::number(*p.fraction) : QStringLiteral("-"), p.speed ? QString::number(*p.speed) : QStringLiteral("-"));
    }
    return qstrdup(parts.join(u' ').toUtf8().constData());
}
}

namespace QTest
{
template<> char *toString(const Deliveries &deliveries)
{
    return describe(deliveries);
}
}

class ProgressParserTest : public QObject
{
    Q_OBJECT

private:
    static void parserTable();
    static void checkParser();
    // Makes LC_NUMERIC (and QLocale's default) German, so a stray locale-aware number reader
    // would read "1.5" wrongly. Returns false when no German C locale could be had.
    bool switchToGerman();

    QTemporaryDir m_localeDir;

private Q_SLOTS:
    void cleanup();

    void parse_data() { parserTable(); }
    void parse() { checkParser(); }
    void parseUnderGermanLocale_data() { parserTable(); }
    void parseUnderGermanLocale();

    void readNumber_data();
    void readNumber();

    void trimBlanks_data();
    void trimBlanks();

    void splitLines_data();
    void splitLines();
};

void ProgressParserTest::cleanup()
{
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

void ProgressParserTest::parserTable()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<OptionalDouble>("duration");
    QTest::addColumn<Deliveries>("expected");

    const OptionalDouble tenSeconds = 10.0;
    QTest::addRow("out_time_ms is microseconds") << QStringList { "out_time_ms=5000000", "progress=continue" } << tenSeconds
                                                 << Deliveries { progress(0.5, none) };
    QTest::addRow("out_time_us") << QStringList { "out_time_us=2500000", "progress=continue" } << tenSeconds << Deliveries { progress(0.25, none) };
    QTest::addRow("speed with x") << QStringList { "speed=1.5x", "progress=continue" } << tenSeconds << Deliveries { progress(none, 1.5) };
    QTest::addRow("speed without x") << QStringList { "speed=2", "progress=continue" } << tenSeconds << Deliveries { progress(none, 2.0) };
    QTest::addRow("speed after blanks") << QStringList { "speed=    0.98x", "progress=continue" } << tenSeconds << Deliveries { progress(none, 0.98) };
    QTest::addRow("speed N/A") << QStringList { "speed=1.5x", "progress=continue", "speed=N/A", "progress=continue" } << tenSeconds
                               << Deliveries { progress(none, 1.5), progress(none, none) };
    QTest::addRow("speed zero as %4.3g") << QStringList { "speed=   0x", "progress=continue" } << tenSeconds << Deliveries { progress(none, 0.0) };
    QTest::addRow("speed with exponent") << QStringList { "speed=3e+03x", "progress=continue" } << tenSeconds << Deliveries { progress(none, 3000.0) };
    QTest::addRow("speed with two x") << QStringList { "speed=1.5xx", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("speed with decimal comma") << QStringList { "speed=1,5x", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("N/A time keeps the last good one") << QStringList { "out_time_ms=2000000", "progress=continue", "out_time_ms=N/A", "progress=continue" }
                                                      << tenSeconds << Deliveries { progress(0.2, none), progress(0.2, none) };
    QTest::addRow("time beyond the duration") << QStringList { "out_time_us=12000000", "progress=end" } << tenSeconds << Deliveries { progress(1.0, none) };
    QTest::addRow("negative time") << QStringList { "out_time_us=-23220", "progress=continue" } << tenSeconds << Deliveries { progress(0.0, none) };
    QTest::addRow("no duration, speed still reported") << QStringList { "out_time_us=5000000", "speed=2.5x", "progress=continue", "out_time_us=9000000",
        "progress=end" } << OptionalDouble() << Deliveries { progress(none, 2.5), progress(none, 2.5) };
    QTest::addRow("zero duration") << QStringList { "out_time_us=5000000", "progress=continue" } << OptionalDouble(0.0) << Deliveries { progress(none, none) };
    QTest::addRow("progress before any time") << QStringList { "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("blank before the key") << QStringList { " speed=1.5x", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("capital S") << QStringList { "Speed=1.5x", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("blank after the key") << QStringList { "out_time_us =5000000", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("line without equals sign") << QStringList { "out_time_us", "progress", "", "progress=end" } << tenSeconds
                                              << Deliveries { progress(none, none) };
    QTest::addRow("any progress value closes a block")
        << QStringList { "out_time_us=1000000", "progress=", "progress=whatever=1" } << tenSeconds << Deliveries { progress(0.1, none), progress(0.1, none) };
    QTest::addRow("tab and no-break space trimmed") << QStringList { "speed=\t\u00a01.25x\u2003\t", "progress=continue" } << tenSeconds
                                                    << Deliveries { progress(none, 1.25) };
    QTest::addRow("vertical tab is not a blank") << QStringList { "speed=\v1.25x", "progress=continue" } << tenSeconds << Deliveries { progress(none, none) };
    QTest::addRow("unreadable time keeps absent") << QStringList { "out_time_us=12abc", "progress=continue" } << tenSeconds
                                                  << Deliveries { progress(none, none) };
    QTest::addRow("values survive blocks") << QStringList { "out_time_us=1000000", "speed=1x", "progress=continue", "progress=continue", "out_time_us=4000000",
        "progress=end" } << tenSeconds << Deliveries { progress(0.1, 1.0), progress(0.1, 1.0), progress(0.4, 1.0) };
    QTest::addRow("ffmpeg 5.1 block") << QStringList { "frame=25", "fps=0.0", "stream_0_0_q=-1.0", "bitrate=N/A", "total_size=48", "out_time_us=1000000",
        "out_time_ms=1000000", "out_time=00:00:01.000000", "dup_frames=0", "drop_frames=0", "speed=1.02e+03x", "progress=end" }
                                      << OptionalDouble(2.0) << Deliveries { progress(0.5, 1020.0) };
    QTest::addRow("other keys ignored") << QStringList { "out_time=00:00:05.000000", "bitrate=1.5", "progress=continue" } << tenSeconds
                                        << Deliveries { progress(none, none) };
}

void ProgressParserTest::checkParser()
{
    QFETCH(QStringList, lines);
    QFETCH(OptionalDouble, duration);
    QFETCH(Deliveries, expected);

    ProgressParser parser(duration);
    Deliveries delivered;
    for (const QString &line : lines) {
        if (const auto p = parser.feedLine(line)) {
            delivered.append(*p);
        }
    }
    QCOMPARE(delivered, expected);

    // The byte entry point must agree with the text one.
    ProgressParser byteParser(duration);
    Deliveries fromBytes;
    for (const QString &line : lines) {
        if (const auto p = byteParser.feedLine(QByteArrayView(line.toUtf8()))) {
            fromBytes.append(*p);
        }
    }
    QCOMPARE(fromBytes, expected);
}

bool ProgressParserTest::switchToGerman()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char *name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE" }) {
        if (std::setlocale(LC_NUMERIC, name)) {
            return true;
        }
    }
    // Most machines do not have the German locale generated; build just its numeric part into a
    // private folder, which glibc finds through LOCPATH.
    const QString localedef = QStandardPaths::findExecutable(QStringLiteral("localedef"));
    if (localedef.isEmpty() || !m_localeDir.isValid()) {
        return false;
    }
    const QString source = m_localeDir.filePath(QStringLiteral("numeric-de"));
    QFile definition(source);
    if (!definition.open(QIODevice::WriteOnly) || definition.write("LC_NUMERIC\ncopy \"de_DE\"\nEND LC_NUMERIC\n") < 0) {
        return false;
    }
    definition.close();
    // It warns about every category it was not given; that is expected.
    QProcess compiler;
    compiler.setStandardOutputFile(QProcess::nullDevice());
    compiler.setStandardErrorFile(QProcess::nullDevice());
    compiler.start(localedef,
        { QStringLiteral("-c"), QStringLiteral("-i"), source, QStringLiteral("-f"), QStringLiteral("UTF-8"),
            m_localeDir.filePath(QStringLiteral("de_DE.UTF-8")) });
    compiler.waitForFinished(60'000);
    qputenv("LOCPATH", QFile::encodeName(m_localeDir.path()));
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

void ProgressParserTest::parseUnderGermanLocale()
{
    if (switchToGerman()) {
        // Proves the locale is really in force: the C library now reads the decimal comma.
        QCOMPARE(std::strtod("1,5", nullptr), 1.5);
    } else {
        qWarning("No German C locale available; only QLocale's default is German");
    }
    checkParser();
}

void ProgressParserTest::readNumber_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<OptionalDouble>("expected");

    QTest::addRow("decimal") << "1.5" << OptionalDouble(1.5);
    QTest::addRow("integer") << "2" << OptionalDouble(2.0);
    QTest::addRow("negative") << "-23220" << OptionalDouble(-23220.0);
    QTest::addRow("plus sign") << "+4" << OptionalDouble(4.0);
    QTest::addRow("exponent") << "3e+03" << OptionalDouble(3000.0);
    QTest::addRow("hexadecimal, as strtod reads it") << "0x10" << OptionalDouble(16.0);
    QTest::addRow("infinity") << "inf" << OptionalDouble(std::numeric_limits<double>::infinity());
    QTest::addRow("empty") << "" << OptionalDouble();
    QTest::addRow("leading space") << " 1" << OptionalDouble();
    QTest::addRow("leading tab") << "\t1" << OptionalDouble();
    QTest::addRow("leading form feed") << "\f1" << OptionalDouble();
    QTest::addRow("trailing space") << "1 " << OptionalDouble();
    QTest::addRow("trailing letter") << "1.5x" << OptionalDouble();
    QTest::addRow("decimal comma") << "1,5" << OptionalDouble();
    QTest::addRow("N/A") << "N/A" << OptionalDouble();
    QTest::addRow("embedded NUL") << QString::fromUtf16(u"1\u00002", 3) << OptionalDouble();
    QTest::addRow("non-ASCII digit") << QString::fromUtf16(u"\u0661") << OptionalDouble();
}

void ProgressParserTest::readNumber()
{
    QFETCH(QString, value);
    QFETCH(OptionalDouble, expected);
    QCOMPARE(ProgressParser::readNumber(value), expected);
}

void ProgressParserTest::trimBlanks_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("spaces") << "  1.5x  "
                            << "1.5x";
    QTest::addRow("tabs") << "\t1\t"
                          << "1";
    QTest::addRow("no-break and em spaces") << QString::fromUtf16(u"\u00a0\u20031\u3000") << "1";
    QTest::addRow("inner blanks stay") << " a b "
                                       << "a b";
    QTest::addRow("line feed is not trimmed") << "\n1"
                                              << "\n1";
    QTest::addRow("zero-width space is not Zs") << QString::fromUtf16(u"\u200b1") << QString::fromUtf16(u"\u200b1");
    QTest::addRow("only blanks") << " \t "
                                 << "";
}

void ProgressParserTest::trimBlanks()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(ProgressParser::trimBlanks(value).toString(), expected);
}

void ProgressParserTest::splitLines_data()
{
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("expected");

    QTest::addRow("LF") << QByteArrayList { "a=1\nb=2\n" } << QByteArrayList { "a=1", "b=2" };
    QTest::addRow("CR") << QByteArrayList { "a=1\rb=2\r" } << QByteArrayList { "a=1", "b=2" };
    QTest::addRow("CR LF") << QByteArrayList { "a=1\r\nb=2\r\n" } << QByteArrayList { "a=1", "b=2" };
    QTest::addRow("CR LF split across reads") << QByteArrayList { "a=1\r", "\nb=2\r", "\n" } << QByteArrayList { "a=1", "b=2" };
    QTest::addRow("LF CR is two ends") << QByteArrayList { "a\n\rb\n" } << QByteArrayList { "a", "", "b" };
    QTest::addRow("CR CR is two ends") << QByteArrayList { "a\r\rb\n" } << QByteArrayList { "a", "", "b" };
    QTest::addRow("line split across reads") << QByteArrayList { "out_ti", "me_us=5", "\npro", "gress=end\n" }
                                             << QByteArrayList { "out_time_us=5", "progress=end" };
    QTest::addRow("partial tail at the end") << QByteArrayList { "a=1\nprogress=end" } << QByteArrayList { "a=1", "progress=end" };
    QTest::addRow("CR then more text in the next read") << QByteArrayList { "a\r", "b\n" } << QByteArrayList { "a", "b" };
    QTest::addRow("empty reads") << QByteArrayList { "", "a", "", "\n", "" } << QByteArrayList { "a" };
    QTest::addRow("nothing") << QByteArrayList {} << QByteArrayList {};
    QTest::addRow("blank lines kept") << QByteArrayList { "\n\n" } << QByteArrayList { "", "" };
}

void ProgressParserTest::splitLines()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, expected);

    LineSplitter splitter;
    QByteArrayList lines;
    for (const QByteArray &chunk : chunks) {
        lines += splitter.push(chunk);
    }
    if (const auto tail = splitter.finish()) {
        lines.append(*tail);
    }
    QCOMPARE(lines, expected);
    QVERIFY(!splitter.finish().has_value());
}

QTEST_GUILESS_MAIN(ProgressParserTest)
#include "progressparsertest.moc"
