#include "queue/inputfile.h"
#include "engine/outputformat.h"

#include <QSet>
#include <QTest>

using Status = InputFile::FileStatus;

class InputFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newRecordsAreQueuedAndDistinct()
    {
        const QUrl url = QUrl::fromLocalFile(QStringLiteral("/m/a.mov"));
        const InputFile a(url);
        const InputFile b(url);
        QVERIFY(a.status().isQueued());
        QVERIFY(a.id() != b.id());
        QVERIFY(!(a == b));
        QCOMPARE(a, a);
    }

    void statusChangeBreaksEqualityButKeepsId()
    {
        InputFile file(QUrl::fromLocalFile(QStringLiteral("/m/a.mov")));
        const InputFile before = file;
        file.setStatus(Status::converting(0.5));
        QCOMPARE(file.id(), before.id());
        QVERIFY(!(file == before));
        QVERIFY(qHash(file) != qHash(before));
    }

    void statusEquality_data()
    {
        QTest::addColumn<Status>("a");
        QTest::addColumn<Status>("b");
        QTest::addColumn<bool>("equal");

        const QUrl out = QUrl::fromLocalFile(QStringLiteral("/a/movie.mkv"));
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::addRow("queued twice") << Status::queued() << Status() << true;
        QTest::addRow("converting, both absent") << Status::converting() << Status::converting() << true;
        QTest::addRow("converting, speed absent vs present") << Status::converting(0.5) << Status::converting(0.5, 1.0) << false;
        QTest::addRow("converting, same values") << Status::converting(0.5, 1.0) << Status::converting(0.5, 1.0) << true;
        QTest::addRow("converting, NaN never equals itself") << Status::converting(nan) << Status::converting(nan) << false;
        QTest::addRow("done with and without note") << Status::done(out, QStringLiteral("n")) << Status::done(out) << false;
        QTest::addRow("done, same url") << Status::done(out) << Status::done(QUrl::fromLocalFile(QStringLiteral("/a/movie.mkv"))) << true;
        QTest::addRow("done, url text differs") << Status::done(out) << Status::done(QUrl::fromLocalFile(QStringLiteral("/a/./movie.mkv"))) << false;
        QTest::addRow("failed, same reason") << Status::failed(QStringLiteral("x")) << Status::failed(QStringLiteral("x")) << true;
        QTest::addRow("failed vs queued") << Status::failed(QString()) << Status::queued() << false;
        QTest::addRow("converting vs done") << Status::converting() << Status::done(out) << false;
    }

    void statusEquality()
    {
        QFETCH(Status, a);
        QFETCH(Status, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
        if (equal) {
            QCOMPARE(qHash(a), qHash(b));
        }
    }

    void statusCases()
    {
        const Status done = Status::done(QUrl::fromLocalFile(QStringLiteral("/x.mkv")), QStringLiteral("note"));
        QVERIFY(done.isDone() && done.isFinished() && !done.isFailed());
        QCOMPARE(done.asDone()->note.value(), QStringLiteral("note"));
        QVERIFY(done.asConverting() == nullptr);
        QVERIFY(Status::failed(QStringLiteral("r")).isFinished());
        QVERIFY(!Status::converting().isFinished());
        QCOMPARE(Status::failed(QStringLiteral("r")).statusCase(), Status::Case::failed);
    }

    void formats_data()
    {
        QTest::addColumn<OutputFormat>("format");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("extension");
        QTest::addRow("mkv") << OutputFormat::mkv << "mkv" << "MKV" << "mkv";
        QTest::addRow("mp4") << OutputFormat::mp4 << "mp4" << "MP4" << "mp4";
        QTest::addRow("mov") << OutputFormat::mov << "mov" << "MOV" << "mov";
        QTest::addRow("webm") << OutputFormat::webm << "webm" << "WEBM" << "webm";
        QTest::addRow("mpegts") << OutputFormat::mpegts << "mpegts" << "TS" << "ts";
    }

    void formats()
    {
        QFETCH(OutputFormat, format);
        QFETCH(QString, raw);
        QFETCH(QString, display);
        QFETCH(QString, extension);
        QCOMPARE(OutputFormats::rawValue(format), raw);
        QCOMPARE(OutputFormats::id(format), raw);
        QCOMPARE(OutputFormats::displayName(format), display);
        QCOMPARE(OutputFormats::fileExtension(format), extension);
        QCOMPARE(OutputFormats::fromRawValue(raw), std::optional(format));
        QCOMPARE(qHash(format), qHash(raw));
    }

    void formatOrder()
    {
        const QList<OutputFormat> expected{OutputFormat::mkv, OutputFormat::mp4, OutputFormat::mov, OutputFormat::webm, OutputFormat::mpegts};
        QCOMPARE(OutputFormats::allCases(), expected);
    }

    void rejectedRawValues_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addRow("ts") << "ts";
        QTest::addRow("upper case") << "MKV";
        QTest::addRow("empty") << "";
        QTest::addRow("blank around") << " mp4";
    }

    void rejectedRawValues()
    {
        QFETCH(QString, raw);
        QVERIFY(!OutputFormats::fromRawValue(raw).has_value());
    }
};

QTEST_GUILESS_MAIN(InputFileTest)
#include "inputfiletest.moc"
