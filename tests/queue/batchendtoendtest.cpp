// One batch through the real engine and the real ffmpeg on tiny generated media: mixed
// containers, a timecode track the target cannot hold, a broken file, outputs beside the
// sources and in a chosen folder. Sources and files that existed before must come out intact.

#include "queuefakes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Status = InputFile::FileStatus;

namespace
{
const QString ffmpeg = QStringLiteral("/usr/bin/ffmpeg");

bool generate(const QStringList &arguments)
{
    QProcess process;
    process.start(ffmpeg, QStringList { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y") } + arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Path -> content hash of every file under `root`.
QHash<QString, QByteArray> snapshot(const QString &root)
{
    QHash<QString, QByteArray> hashes;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            hashes.insert(path, QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
        }
    }
    return hashes;
}

QStringList streamTypes(const QString &path)
{
    QProcess probe;
    probe.start(QStringLiteral("/usr/bin/ffprobe"),
        { QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"), QStringLiteral("stream=codec_type"), QStringLiteral("-of"),
            QStringLiteral("default=nw=1:nk=1"), path });
    probe.waitForFinished(30000);
    return QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
}

class BatchEndToEndTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mixedBatch()
    {
        QVERIFY2(QFileInfo(ffmpeg).isExecutable(), "ffmpeg is needed for this test (scripts/install-deps.sh)");
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("src")) && root.mkpath(QStringLiteral("out")));
        const QString src = root.filePath(QStringLiteral("src/"));
        const QString out = root.filePath(QStringLiteral("out/"));
        const QStringList testsrc { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("testsrc=d=1:s=64x48:r=10") };
        const QStringList sine { QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=d=1") };
        QVERIFY(generate(testsrc + sine + QStringList { "-c:v", "mpeg4", "-c:a", "aac", "-shortest", src + "a clip.mp4" }));
        QVERIFY(generate(testsrc + sine + QStringList { "-c:v", "libvpx", "-c:a", "libopus", "-shortest", src + "b.webm" }));
        QVERIFY(generate(testsrc + QStringList { "-c:v", "mpeg4", "-timecode", "01:00:00:00", src + "tc.mov" }));
        QVERIFY(generate(testsrc + QStringList { "-c:v", "mpeg2video", src + "c.ts" }));
        {
            QFile broken(src + "broken.mp4");
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write(QByteArray(4000, '\x5a'));
            // Files that already hold the first-choice names.
            QFile taken(src + "a clip.mkv");
            QVERIFY(taken.open(QIODevice::WriteOnly));
            taken.write("not to be replaced");
            QFile takenOut(out + "c.mp4");
            QVERIFY(takenOut.open(QIODevice::WriteOnly));
            takenOut.write("not to be replaced either");
        }
        const QHash<QString, QByteArray> before = snapshot(root.path());

        RemuxViewModel::Dependencies deps; // the real engine, clock and sleeper
        auto picker = std::make_unique<FakePicker>();
        picker->folder = { true, QUrl::fromLocalFile(out) };
        FakePicker *pickerRef = picker.get();
        deps.picker = std::move(picker);
        deps.revealer = std::make_unique<FakeRevealer>();
        RemuxViewModel vm(std::move(deps));
        QVERIFY(vm.ffmpegAvailable());

        // Beside the sources, into MKV.
        vm.addFiles({ QUrl::fromLocalFile(src + "a clip.mp4"), QUrl::fromLocalFile(src + "b.webm"), QUrl::fromLocalFile(src + "tc.mov"),
            QUrl::fromLocalFile(src + "broken.mp4") });
        QCoro::waitFor(vm.convert());
        // Into the chosen folder, as MP4.
        vm.chooseOutputFolder();
        QCOMPARE(pickerRef->prompts, QStringList { QStringLiteral("Choose Output Folder") });
        vm.setOutputFormat(OutputFormat::mp4);
        vm.addFiles({ QUrl::fromLocalFile(src + "c.ts") });
        QCoro::waitFor(vm.convert());

        const QList<InputFile> &files = vm.files();
        QCOMPARE(files.size(), 5);
        QCOMPARE(files.at(0).status(), Status::done(QUrl::fromLocalFile(src + "a clip 1.mkv")));
        QCOMPARE(files.at(1).status(), Status::done(QUrl::fromLocalFile(src + "b.mkv")));
        QCOMPARE(files.at(2).status(),
            Status::done(
                QUrl::fromLocalFile(src + "tc.mkv"), QStringLiteral("A data track couldn't be copied into MKV and was dropped (timecode usually survives)")));
        const auto *failed = files.at(3).status().asFailed();
        QVERIFY(failed != nullptr);
        QVERIFY2(failed->reason.startsWith(QStringLiteral("ffmpeg exited 1: ")), qPrintable(failed->reason));
        QVERIFY2(failed->reason.contains(QStringLiteral("Invalid data found when processing input")), qPrintable(failed->reason));
        QCOMPARE(files.at(4).status(), Status::done(QUrl::fromLocalFile(out + "c 1.mp4")));
        QCOMPARE(vm.doneCount(), 4);
        QCOMPARE(vm.failedCount(), 1);
        QCOMPARE(vm.droppedTrackCount(), 1);
        QVERIFY(vm.isBatchFinished());
        QCOMPARE(vm.overallProgress(), 0.8);

        QCOMPARE(streamTypes(src + "a clip 1.mkv"), (QStringList { "video", "audio" }));
        QCOMPARE(streamTypes(src + "b.mkv"), (QStringList { "video", "audio" }));
        QCOMPARE(streamTypes(src + "tc.mkv"), QStringList { "video" });
        QCOMPARE(streamTypes(out + "c 1.mp4"), QStringList { "video" });

        // Every file that was there before is still there, byte for byte.
        const QHash<QString, QByteArray> after = snapshot(root.path());
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
    }
};

QTEST_GUILESS_MAIN(BatchEndToEndTest)
#include "batchendtoendtest.moc"
