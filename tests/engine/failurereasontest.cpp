#include "engine/failurereason.h"

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
        row("addresses dropped, names with blanks and commas", 255, "[graph 0 input from stream 0:0 @ 0x5600aa] a\n[matroska,webm @ 0xABCdef] b\n",
            "ffmpeg exited 255: a\nb");
        row("a bracket without an address stays", 1, "[tls] handshake failed\n", "ffmpeg exited 1: [tls] handshake failed");
        row("codec none", 1, "[matroska @ 0x55e06f8feb00] No wav codec tag found for codec none\n", unknown + "No wav codec tag found for codec none");
        row("unknown codec", 1, "Unknown codec 0x1234", unknown + "Unknown codec 0x1234");
        row("a codec the container refuses", 1, "[mp4 @ 0x1f] Could not find tag for codec pcm_s16be in stream #1, codec not currently supported in container",
            "The new container can't hold the source's pcm_s16be stream. ffmpeg exited 1: Could not find tag for codec pcm_s16be in stream #1, codec not "
            "currently supported in container");
        row("encrypted, codecs unknown too", 1, "[mov,mp4 @ 0x2] Incorrect/missing decryption key\nCould not find tag for codec none",
            encrypted + "Incorrect/missing decryption key\nCould not find tag for codec none");
        row("cenc", 1, "cenc scheme without key", encrypted + "cenc scheme without key");
        row("a word holding cenc is no encryption", 1, "licence check failed", "ffmpeg exited 1: licence check failed");
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
};

QTEST_GUILESS_MAIN(FailureReasonTest)
#include "failurereasontest.moc"
