// ffmpeg's progress output, as bytes, through the line splitter and the parser together.
#include "engine/progressparser.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<double>)

namespace
{
// "fraction/speed" per record, "-" for absent, records joined by blanks.
QString records(std::optional<double> duration, const QList<QByteArrayView> &reads)
{
    ProgressStream stream(duration);
    QStringList out;
    const auto text = [](std::optional<double> v) { return v ? QString::number(*v) : QStringLiteral("-"); };
    QList<ProgressParser::Progress> all;
    for (const QByteArrayView read : reads)
        all << stream.push(read);
    for (const auto &p : all << stream.finish())
        out << text(p.fraction) + u'/' + text(p.speed);
    return out.join(u' ');
}
}

class ProgressParserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("output"); // lines end in LF here; the test varies them
        QTest::addColumn<std::optional<double>>("duration");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *output, const char *expected, std::optional<double> duration = 10.0) {
            QTest::addRow("%s", name) << QByteArray(output) << duration << QString::fromUtf8(expected);
        };
        row("out_time_ms is microseconds", "out_time_ms=5000000\nprogress=continue\n", "0.5/-");
        row("speed forms", "speed=1.5x\nprogress=a\nspeed=2\nprogress=b\nspeed=    0.98x\nprogress=c\nspeed=3e+03x\nprogress=d\n", "-/1.5 -/2 -/0.98 -/3000");
        row("unreadable speeds clear it", "speed=1x\nprogress=a\nspeed=N/A\nprogress=b\nspeed=1.5xx\nprogress=c\nspeed=1,5x\nprogress=d\n", "-/1 -/- -/- -/-");
        row("N/A time keeps the last good one", "out_time_ms=2000000\nprogress=a\nout_time_ms=N/A\nprogress=b\n", "0.2/- 0.2/-");
        row("clamped to 0...1", "out_time_us=12000000\nprogress=a\nout_time_us=-23220\nprogress=b\n", "1/- 0/-");
        row("no duration, speed still reported", "out_time_us=5000000\nspeed=2.5x\nprogress=a\n", "-/2.5", std::nullopt);
        row("zero duration", "out_time_us=5000000\nprogress=a\n", "-/-", 0.0);
        row("progress before any time", "progress=continue\n", "-/-");
        row("keys taken exactly", " speed=1.5x\nSpeed=2x\nout_time_us =5000000\nout_time=00:00:05.0\nprogress\nprogress=a\n", "-/-");
        row("tab and Zs trimmed, vertical tab not", "speed=\t\u00a01.25x\u2003\t\nprogress=a\nspeed=\v1x\nprogress=b\n", "-/1.25 -/-");
        row("trailing characters fail", "out_time_us=12abc\nprogress=a\n", "-/-");
        row("values survive blocks, last tail unterminated", "out_time_us=1000000\nspeed=1x\nprogress=a\nprogress=b\nout_time_us=4000000\nprogress=end",
            "0.1/1 0.1/1 0.4/1");
        row("further = belong to the value", "out_time_us=1000000\nprogress=x=1\n", "0.1/-");
    }

    // The records never depend on the line ends used or on where the reads are cut.
    void parse()
    {
        QFETCH(QByteArray, output);
        QFETCH(std::optional<double>, duration);
        QFETCH(QString, expected);
        for (const char *end : { "\n", "\r", "\r\n" }) {
            const QByteArray bytes = QByteArray(output).replace("\n", end);
            QCOMPARE(records(duration, { bytes }), expected);
            for (qsizetype cut = 1; cut < bytes.size(); ++cut) {
                const QByteArrayView all(bytes);
                const QString split = records(duration, { all.first(cut), all.sliced(cut) });
                QVERIFY2(split == expected, qPrintable(QStringLiteral("cut at %1 with %2: %3").arg(cut).arg(QString::fromLatin1(end).toHtmlEscaped(), split)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(ProgressParserTest)
#include "progressparsertest.moc"
