#include "app/aboutinfo.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// What the About dialog learns about ffmpeg, with stand-in programs written by the test.
class AboutInfoTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ffmpegLine_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: no ffmpeg found
        QTest::addColumn<bool>("executable");
        QTest::addColumn<QString>("expectedVersion");

        QTest::addRow("prints its version") << QByteArray(
            "#!/bin/sh\n[ \"$1\" = -version ] || exit 9\nprintf 'ffmpeg version 9.9 Copyright (c) the authors\\nbuilt with gcc\\n'\n")
                                            << true << "ffmpeg version 9.9 Copyright (c) the authors";
        QTest::addRow("prints nothing") << QByteArray("#!/bin/sh\nexit 0\n") << true << "version unknown";
        QTest::addRow("fails with only an error") << QByteArray("#!/bin/sh\necho broken >&2\nexit 1\n") << true << "version unknown";
        QTest::addRow("single line without newline") << QByteArray("#!/bin/sh\nprintf 'ffmpeg version n7'\n") << true << "ffmpeg version n7";
        QTest::addRow("cannot be started") << QByteArray("#!/bin/sh\n") << false << "version unknown";
        QTest::addRow("none found") << QByteArray() << false << "";
    }
    void ffmpegLine()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, executable);
        QFETCH(QString, expectedVersion);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ffmpeg"));
        if (!script.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(script);
            file.setPermissions(executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner : QFile::ReadOwner | QFile::WriteOwner);
        }
        const std::optional<QUrl> found = script.isEmpty() ? std::nullopt : std::optional(QUrl::fromLocalFile(path));
        AboutInfo about([found] { return found; });
        QSignalSpy changed(&about, &AboutInfo::ffmpegChanged);
        about.refresh();
        QCOMPARE(about.ffmpegPath(), found ? path : QString());
        QTRY_VERIFY(about.ffmpegKnown());
        QCOMPARE(about.ffmpegVersion(), expectedVersion);
        QVERIFY(changed.count() >= 1);
    }

    // ffmpeg may be installed or removed while the application runs; each refresh looks again.
    void refreshLooksAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ffmpeg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho 'ffmpeg version 1'\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);

        std::optional<QUrl> current;
        AboutInfo about([&current] { return current; });
        about.refresh();
        QVERIFY(about.ffmpegKnown());
        QVERIFY(about.ffmpegPath().isEmpty());

        current = QUrl::fromLocalFile(path);
        about.refresh();
        QVERIFY(!about.ffmpegKnown());
        QCOMPARE(about.ffmpegPath(), path);
        QTRY_COMPARE(about.ffmpegVersion(), QStringLiteral("ffmpeg version 1"));

        current.reset();
        about.refresh();
        QVERIFY(about.ffmpegPath().isEmpty());
        QVERIFY(about.ffmpegVersion().isEmpty());
    }

    // A query still running when the dialog asks again must not overwrite the newer answer.
    void newerRefreshWins()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const QString &name, const QByteArray &script) {
            QFile file(dir.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(script);
            file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            return QUrl::fromLocalFile(file.fileName());
        };
        const QUrl slow = write(QStringLiteral("slow"), "#!/bin/sh\nsleep 1\necho 'ffmpeg version slow'\n");
        const QUrl fast = write(QStringLiteral("fast"), "#!/bin/sh\necho 'ffmpeg version fast'\n");
        QUrl current = slow;
        AboutInfo about([&current] { return std::optional(current); });
        about.refresh();
        current = fast;
        about.refresh();
        QTRY_VERIFY(about.ffmpegKnown());
        QCOMPARE(about.ffmpegVersion(), QStringLiteral("ffmpeg version fast"));
        QTest::qWait(1200);
        QCOMPARE(about.ffmpegVersion(), QStringLiteral("ffmpeg version fast"));
    }
};

QTEST_GUILESS_MAIN(AboutInfoTest)
#include "aboutinfotest.moc"
