#include "engine/failurereason.h"

#include "engine/ffmpegprocess.h"

#include <QTest>

class FailureReasonTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void describe_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrText");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *what, int exitCode, const QString &stderrText, const QString &reason) {
            QTest::addRow("%s", what) << exitCode << stderrText << reason;
        };
        const QString unknown = "The source holds a stream in a codec ffmpeg doesn't know, so it can't be copied. ffmpeg exited 1: ";
        const QString encrypted = "The source is encrypted, so it can't be converted. ffmpeg exited 1: ";
        const QString noise = QString("[h264 @ 0x55e06f8feb00] non-existing PPS 0 referenced\n").repeated(20);
        row("one line: the one that ended ffmpeg, after decoder noise", 1, noise + "Cannot map stream #0:4 - unsupported type.\n",
            "ffmpeg exited 1: Cannot map stream #0:4 - unsupported type.");
        row("addresses dropped, names with blanks and commas", 255, "[graph 0 input from stream 0:0 @ 0x5600aa] a\n[matroska,webm @ 0xABCdef] b\n",
            "ffmpeg exited 255: b");
        row("what ffmpeg reports after the cause is passed over", 1,
            "[webm @ 0x557018d42000] Only VP8 or VP9 video are supported for WebM.\nCould not write header for output file #0 (incorrect codec parameters "
            "?): Invalid argument\nError initializing output stream 0:0 -- \nConversion failed!\n",
            "ffmpeg exited 1: Only VP8 or VP9 video are supported for WebM.");
        row("a codec by its number is named", 1, "Subtitle codec 94215 is not supported.\n",
            "ffmpeg exited 1: Subtitle codec 94215 (dvb_teletext) is not supported.");
        row("killed by a signal", -9, "about to be killed\n", "ffmpeg was ended by signal 9 (Killed): about to be killed");
        row("a bracket without an address stays", 1, "[tls] handshake failed\n", "ffmpeg exited 1: [tls] handshake failed");
        row("codec none", 1, "[matroska @ 0x55e06f8feb00] No wav codec tag found for codec none\n", unknown + "No wav codec tag found for codec none");
        row("a codec the container refuses", 1, "[mp4 @ 0x1f] Could not find tag for codec pcm_s16be in stream #1, codec not currently supported in container",
            "The new container can't hold the source's pcm_s16be stream. ffmpeg exited 1: Could not find tag for codec pcm_s16be in stream #1, codec not "
            "currently supported in container");
        row("encrypted, codecs unknown too", 1, "[mov,mp4 @ 0x2] Incorrect/missing decryption key\nCould not find tag for codec none",
            encrypted + "Could not find tag for codec none");
        row("encrypted in a path is no encryption", 1, "/films/encrypted/a.mp4: Invalid data found when processing input",
            "ffmpeg exited 1: /films/encrypted/a.mp4: Invalid data found when processing input");
        row("no stream", 1, "Output file #0 does not contain any stream\n",
            "The source holds no stream that ffmpeg can copy. ffmpeg exited 1: Output file #0 does not contain any stream");
    }
    void describe()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, stderrText);
        QFETCH(QString, reason);
        QCOMPARE(FailureReason::describe(exitCode, stderrText), reason);
    }

    // ffmpeg's error output as kept while it runs: the first line and the last 64 KiB.
    void errorOutput_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray line = "lines\n"; // 64 KiB holds 10922 of them and a part of one
        QTest::addRow("long: the first line and the last whole lines")
            << QByteArrayList { "first\n", QByteArray(100000, 'x'), line.repeated(11000) } << "first\n" + line.repeated(10922);
        QTest::addRow("a first line without end is cut too")
            << QByteArrayList { QByteArray(5000, 'a'), QByteArray(70000, 'b') } << QByteArray(4096, 'a') + "\n" + QByteArray(65536, 'b');
    }
    void errorOutput()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QByteArray, kept);
        FFmpegProcess::ErrorOutput output;
        for (const QByteArray &chunk : chunks)
            output.append(chunk);
        QCOMPARE(output.text(), kept);
    }
};

QTEST_GUILESS_MAIN(FailureReasonTest)
#include "failurereasontest.moc"
