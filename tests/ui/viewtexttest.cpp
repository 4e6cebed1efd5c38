#include "ui/viewtext.h"

#include <QTest>
#include <limits>

class ViewTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percent_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("text");
        QTest::addRow("zero") << 0.0 << QStringLiteral("0%");
        QTest::addRow("below a half percent") << 0.004 << QStringLiteral("0%");
        QTest::addRow("half a percent rounds up") << 0.005 << QStringLiteral("1%");
        QTest::addRow("an eighth") << 0.125 << QStringLiteral("13%");
        QTest::addRow("a half") << 0.5 << QStringLiteral("50%");
        QTest::addRow("almost done") << 0.999 << QStringLiteral("100%");
        QTest::addRow("done") << 1.0 << QStringLiteral("100%");
        QTest::addRow("tiny negative is no minus zero") << -0.004 << QStringLiteral("0%");
    }
    void percent()
    {
        QFETCH(double, fraction);
        QFETCH(QString, text);
        QCOMPARE(ViewText::percent(fraction), text);
    }

    void speed_data()
    {
        QTest::addColumn<double>("speed");
        QTest::addColumn<QString>("text");
        QTest::addRow("just under one") << 0.98 << QStringLiteral("1.0\u00D7");
        QTest::addRow("one and a half") << 1.5 << QStringLiteral("1.5\u00D7");
        QTest::addRow("rounds down below ten") << 9.94 << QStringLiteral("9.9\u00D7");
        QTest::addRow("under ten keeps its decimal") << 9.96 << QStringLiteral("10.0\u00D7");
        QTest::addRow("ten is whole") << 10.0 << QStringLiteral("10\u00D7");
        QTest::addRow("half rounds away from zero") << 12.5 << QStringLiteral("13\u00D7");
        QTest::addRow("ninety-nine") << 99.4 << QStringLiteral("99\u00D7");
        QTest::addRow("five digits, no grouping") << 12345.0 << QStringLiteral("12345\u00D7");
        QTest::addRow("negative stays decimal") << -1.25 << QStringLiteral("-1.2\u00D7");
        QTest::addRow("zero") << 0.0 << QStringLiteral("0.0\u00D7");
    }
    void speed()
    {
        QFETCH(double, speed);
        QFETCH(QString, text);
        QCOMPARE(ViewText::speed(speed), text);
    }

    void speedUsesAFullStopInAnyLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString text = ViewText::speed(1.5);
        QLocale::setDefault(previous);
        QCOMPARE(text, QStringLiteral("1.5\u00D7"));
    }

    void moreFiles_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("text");
        QTest::addRow("one") << 1 << QStringLiteral("1 more file");
        QTest::addRow("two") << 2 << QStringLiteral("2 more files");
        QTest::addRow("four") << 4 << QStringLiteral("4 more files");
        QTest::addRow("no grouping") << 1234 << QStringLiteral("1234 more files");
    }
    void moreFiles()
    {
        QFETCH(int, count);
        QFETCH(QString, text);
        QCOMPARE(ViewText::moreFiles(count), text);
    }

    void summary_data()
    {
        QTest::addColumn<int>("converted");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<ViewText::Tone>("tone");
        QTest::addColumn<QString>("symbol");
        const QString check = QStringLiteral("checkmark.circle.fill");
        const QString triangle = QStringLiteral("exclamationmark.triangle.fill");
        const QString octagon = QStringLiteral("xmark.octagon.fill");
        QTest::addRow("nothing") << 0 << 0 << 0 << QStringLiteral("Nothing to convert") << ViewText::Tone::Success << check;
        QTest::addRow("one converted") << 1 << 0 << 0 << QStringLiteral("1 file converted") << ViewText::Tone::Success << check;
        QTest::addRow("two converted") << 2 << 0 << 0 << QStringLiteral("2 files converted") << ViewText::Tone::Success << check;
        QTest::addRow("a dropped track") << 3 << 1 << 0 << QStringLiteral("3 files converted  \u00B7  1 with a dropped track") << ViewText::Tone::Warning
                                         << triangle;
        QTest::addRow("a failure") << 2 << 0 << 1 << QStringLiteral("2 files converted  \u00B7  1 failed") << ViewText::Tone::Failure << octagon;
        QTest::addRow("only failures") << 0 << 0 << 2 << QStringLiteral("2 failed") << ViewText::Tone::Failure << octagon;
        QTest::addRow("failure outranks dropped") << 9 << 2 << 1 << QStringLiteral("9 files converted  \u00B7  2 with a dropped track  \u00B7  1 failed")
                                                  << ViewText::Tone::Failure << octagon;
        QTest::addRow("no grouping") << 1000 << 0 << 0 << QStringLiteral("1000 files converted") << ViewText::Tone::Success << check;
    }
    void summary()
    {
        QFETCH(int, converted);
        QFETCH(int, dropped);
        QFETCH(int, failed);
        QFETCH(QString, text);
        QFETCH(ViewText::Tone, tone);
        QFETCH(QString, symbol);
        QCOMPARE(ViewText::summary(converted, dropped, failed), text);
        QCOMPARE(ViewText::tone(dropped, failed), tone);
        QCOMPARE(ViewText::toneSymbol(ViewText::tone(dropped, failed)), symbol);
    }

    void destination_data()
    {
        QTest::addColumn<bool>("sameAsInput");
        QTest::addColumn<bool>("hasDirectory");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        const QString out = QStringLiteral("/Volumes/Work/Out");
        QTest::addRow("same, no folder") << true << false << QString() << QStringLiteral("Same as input");
        QTest::addRow("same, folder remembered") << true << true << out << QStringLiteral("Same as input");
        QTest::addRow("folder chosen") << false << true << out << out;
        QTest::addRow("no folder at all") << false << false << QString() << QStringLiteral("Choose a folder\u2026");
    }
    void destination()
    {
        QFETCH(bool, sameAsInput);
        QFETCH(bool, hasDirectory);
        QFETCH(QString, path);
        QFETCH(QString, text);
        QCOMPARE(ViewText::destination(sameAsInput, hasDirectory, path), text);
    }

    void rowStatus_data()
    {
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("hasFraction");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("text");
        QTest::addRow("queued") << "queued" << false << 0.0 << QString() << QString() << "Queued";
        QTest::addRow("converting, unknown share") << "converting" << false << 0.0 << QString() << QString() << "Converting";
        QTest::addRow("converting at a half") << "converting" << true << 0.5 << QString() << QString() << "Converting, 50%";
        QTest::addRow("done") << "done" << false << 0.0 << QString() << QString() << "Converted";
        QTest::addRow("done with a note") << "done" << false << 0.0 << "A note" << QString() << "Converted: A note";
        QTest::addRow("failed") << "failed" << false << 0.0 << QString() << "ffmpeg exited 1: bad"
                                << "Failed: ffmpeg exited 1: bad";
    }
    void rowStatus()
    {
        QFETCH(QString, status);
        QFETCH(bool, hasFraction);
        QFETCH(double, fraction);
        QFETCH(QString, note);
        QFETCH(QString, reason);
        QFETCH(QString, text);
        QCOMPARE(ViewText::rowStatus(status, hasFraction, fraction, note, reason), text);
    }
};

QTEST_GUILESS_MAIN(ViewTextTest)
#include "viewtexttest.moc"
