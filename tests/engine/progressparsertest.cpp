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
    for (const QByteArrayView read : reads) {
        for (const auto &p : stream.push(read)) {
            out << text(p.fraction) + u'/' + text(p.speed);
        }
    }
    for (const auto &p : stream.finish()) {
        out << text(p.fraction) + u'/' + text(p.speed);
    }
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
        const std::optional<double> ten = 10.0;
        QTest::addRow("out_time_ms is microseconds") << QByteArray("out_time_ms=5000000\nprogress=continue\n") << ten << "0.5/-";
        QTest::addRow("speed forms") << QByteArray("speed=1.5x\nprogress=a\nspeed=2\nprogress=b\nspeed=    0.98x\nprogress=c\nspeed=3e+03x\nprogress=d\n")
                                     << ten << "-/1.5 -/2 -/0.98 -/3000";
        QTest::addRow("unreadable speeds clear it") << QByteArray(
            "speed=1x\nprogress=a\nspeed=N/A\nprogress=b\nspeed=1.5xx\nprogress=c\nspeed=1,5x\nprogress=d\n")
                                                    << ten << "-/1 -/- -/- -/-";
        QTest::addRow("N/A time keeps the last good one")
            << QByteArray("out_time_ms=2000000\nprogress=a\nout_time_ms=N/A\nprogress=b\n") << ten << "0.2/- 0.2/-";
        QTest::addRow("clamped to 0...1") << QByteArray("out_time_us=12000000\nprogress=a\nout_time_us=-23220\nprogress=b\n") << ten << "1/- 0/-";
        QTest::addRow("no duration, speed still reported") << QByteArray("out_time_us=5000000\nspeed=2.5x\nprogress=a\n") << std::optional<double>() << "-/2.5";
        QTest::addRow("zero duration") << QByteArray("out_time_us=5000000\nprogress=a\n") << std::optional<double>(0.0) << "-/-";
        QTest::addRow("progress before any time") << QByteArray("progress=continue\n") << ten << "-/-";
        QTest::addRow("keys taken exactly") << QByteArray(" speed=1.5x\nSpeed=2x\nout_time_us =5000000\nout_time=00:00:05.0\nprogress\nprogress=a\n") << ten
                                            << "-/-";
        QTest::addRow("tab and Zs trimmed, vertical tab not") << QByteArray("speed=\t\xc2\xa0"
                                                                            "1.25x\xe2\x80\x83\t\nprogress=a\nspeed=\v1x\nprogress=b\n")
                                                              << ten << "-/1.25 -/-";
        QTest::addRow("trailing characters fail") << QByteArray("out_time_us=12abc\nprogress=a\n") << ten << "-/-";
        QTest::addRow("values survive blocks, last tail unterminated")
            << QByteArray("out_time_us=1000000\nspeed=1x\nprogress=a\nprogress=b\nout_time_us=4000000\nprogress=end") << ten << "0.1/1 0.1/1 0.4/1";
        QTest::addRow("further = belong to the value") << QByteArray("out_time_us=1000000\nprogress=x=1\n") << ten << "0.1/-";
    }

    // The records never depend on the line ends used or on where the reads are cut.
    void parse()
    {
        QFETCH(QByteArray, output);
        QFETCH(std::optional<double>, duration);
        QFETCH(QString, expected);
        for (const char *end : { "\n", "\r", "\r\n" }) {
            QByteArray bytes = output;
            bytes.replace("\n", end);
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
