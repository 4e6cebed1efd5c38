#include "queuefakes.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Status = InputFile::FileStatus;
using Progress = FFmpegRunner::Progress;
using RunError = FFmpegRunner::RunError;

char *toString(const InputFile::FileStatus &status)
{
    QString text;
    if (const auto *c = status.asConverting()) {
        text = QStringLiteral("converting(%1, %2)")
                   .arg(c->fraction ? QString::number(*c->fraction) : QStringLiteral("-"), c->speed ? QString::number(*c->speed) : QStringLiteral("-"));
    } else if (const auto *d = status.asDone()) {
        text = QStringLiteral("done(%1, %2)").arg(d->outputURL.toString(), d->note.value_or(QStringLiteral("-")));
    } else if (const auto *f = status.asFailed()) {
        text = QStringLiteral("failed(%1)").arg(f->reason);
    } else {
        text = QStringLiteral("queued");
    }
    return qstrdup(text.toUtf8().constData());
}

namespace
{
QList<Status> statuses(const RemuxViewModel &vm)
{
    QList<Status> result;
    for (const InputFile &file : vm.files()) {
        result.append(file.status());
    }
    return result;
}

QStringList fileNames(const QList<QUrl> &urls)
{
    QStringList names;
    for (const QUrl &url : urls) {
        names.append(url.fileName());
    }
    return names;
}

QStringList calledNames(const FakeRunner &runner)
{
    QStringList names;
    for (const auto &call : runner.calls) {
        names.append(call.input.fileName());
    }
    return names;
}

const QString failureText = QStringLiteral("Invalid data found when processing input\n");
}

class RemuxViewModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertReturnsAtOnce_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("ffmpegFound");
        QTest::addRow("empty list") << 0 << true;
        QTest::addRow("no ffmpeg") << 2 << false;
    }

    void convertReturnsAtOnce()
    {
        QFETCH(int, files);
        QFETCH(bool, ffmpegFound);
        auto h = Harness::make();
        h->runner->available = ffmpegFound;
        for (int i = 0; i < files; ++i) {
            h->vm->addFiles({ fileUrl(QStringLiteral("/m/%1.mov").arg(i)) });
        }
        QSignalSpy converting(h->vm.get(), &RemuxViewModel::isConvertingChanged);
        QSignalSpy message(h->vm.get(), &RemuxViewModel::errorMessageChanged);
        h->convert();
        QCOMPARE(converting.count(), 0);
        QCOMPARE(message.count(), 0);
        QVERIFY(h->runner->calls.isEmpty());
        QCOMPARE(statuses(*h->vm), QList<Status>(files, Status::queued()));
    }

    // A second convert() while one runs returns at once: batches never overlap.
    void secondConvertDuringBatchReturns()
    {
        auto h = Harness::make();
        h->runner->defaultScript.waitForRelease = true;
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")) });
        auto batch = h->vm->convert();
        QVERIFY(h->vm->isConverting());
        h->convert();
        QVERIFY(h->vm->isConverting());
        QCOMPARE(h->runner->calls.size(), 1);
        h->runner->defaultScript.waitForRelease = false;
        Q_EMIT h->runner->gate.released();
        QCoro::waitFor(std::move(batch));
        QVERIFY(!h->vm->isConverting());
        QCOMPARE(calledNames(*h->runner), (QStringList { QStringLiteral("a.mov"), QStringLiteral("b.mov") }));
    }

    // Finished files are left exactly as they are; only queued ones run, in list order.
    void skipRules_data()
    {
        QTest::addColumn<QString>("finished"); // d = done, f = failed, from an earlier batch
        QTest::addColumn<int>("queued");
        QTest::addColumn<int>("currentIndex");
        QTest::addRow("done, failed, two queued") << "df" << 2 << 3;
        QTest::addRow("nothing queued") << "dfd" << 0 << 2;
        QTest::addRow("one queued after one failed") << "f" << 1 << 1;
    }

    void skipRules()
    {
        QFETCH(QString, finished);
        QFETCH(int, queued);
        QFETCH(int, currentIndex);
        auto h = Harness::make();
        for (int i = 0; i < finished.size(); ++i) {
            const QString name = QStringLiteral("old%1.mov").arg(i);
            h->vm->addFiles({ fileUrl(QStringLiteral("/m/") + name) });
            if (finished.at(i) == QLatin1Char('f')) {
                h->runner->scripts[name].error = RunError::processFailed(1, failureText);
            }
        }
        h->convert();
        const QList<Status> before = statuses(*h->vm);
        QStringList expectedCalls;
        for (int i = 0; i < queued; ++i) {
            const QString name = QStringLiteral("new%1.mov").arg(i);
            h->vm->addFiles({ fileUrl(QStringLiteral("/m/") + name) });
            expectedCalls.append(name);
        }
        h->runner->calls.clear();

        QSignalSpy converting(h->vm.get(), &RemuxViewModel::isConvertingChanged);
        h->convert();
        QCOMPARE(converting.count(), 2);
        QVERIFY(!h->vm->isConverting());
        QCOMPARE(calledNames(*h->runner), expectedCalls);
        QCOMPARE(statuses(*h->vm).first(before.size()), before);
        QCOMPARE(h->vm->currentIndex(), currentIndex);
        QVERIFY(!h->vm->hasErrorMessage());
    }

    // Done, failed, converting at 0.5, queued: the worked example of the overall progress. The
    // queued file arrives during the batch, so the batch leaves it queued for the next one.
    void derivedValuesDuringBatch()
    {
        auto h = Harness::make();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")), fileUrl(QStringLiteral("/m/c.mov")) });
        h->runner->scripts[QStringLiteral("b.mov")].error = RunError::processFailed(1, failureText);
        auto &c = h->runner->scripts[QStringLiteral("c.mov")];
        c.reports = { Progress { 0.5, 1.0 } };
        c.waitForRelease = true;
        QVERIFY(!h->vm->isBatchFinished());

        auto batch = h->vm->convert();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/d.mov")) });
        QCOMPARE(h->vm->overallProgress(), 0.375);
        QCOMPARE(h->vm->doneCount(), 1);
        QCOMPARE(h->vm->failedCount(), 1);
        QCOMPARE(h->vm->droppedTrackCount(), 0);
        QVERIFY(!h->vm->isBatchFinished());
        h->vm->clearFinished(); // refused: the batch walks the list by position
        QCOMPARE(h->vm->files().size(), 4);

        Q_EMIT h->runner->gate.released();
        QCoro::waitFor(std::move(batch));
        QCOMPARE(calledNames(*h->runner), (QStringList { QStringLiteral("a.mov"), QStringLiteral("b.mov"), QStringLiteral("c.mov") }));
        QVERIFY(h->vm->files().at(3).status().isQueued());
        QVERIFY(!h->vm->isBatchFinished());
        QCOMPARE(h->vm->overallProgress(), 0.5);

        h->convert();
        QVERIFY(h->vm->files().at(3).status().isDone());
        QVERIFY(h->vm->isBatchFinished());
        QCOMPARE(h->vm->overallProgress(), 0.75);
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/e.mov")) });
        QVERIFY(!h->vm->isBatchFinished());
    }

    // Everything a file goes through from start to final status, with the exact hold.
    void fileLifecycle_data()
    {
        QTest::addColumn<QList<Progress>>("reports");
        QTest::addColumn<int>("runMicroseconds");
        QTest::addColumn<QList<std::chrono::milliseconds>>("sleeps");
        QTest::addColumn<Status>("held");

        using ms = std::chrono::milliseconds;
        QTest::addRow("quick run with fractions: held at 100% for the rest of 0.4 s")
            << QList<Progress> { { 0.3, 2.0 }, { 0.9, 1.5 } } << 100'000 << QList<ms> { 300ms } << Status::converting(1.0, 1.5);
        QTest::addRow("no fraction ever: held without one")
            << QList<Progress> { { std::nullopt, 2.0 } } << 100'000 << QList<ms> { 300ms } << Status::converting(std::nullopt, 2.0);
        QTest::addRow("last report without speed: the last speed stays")
            << QList<Progress> { { 0.5, 1.5 }, { 0.8, std::nullopt } } << 250'000 << QList<ms> { 150ms } << Status::converting(1.0, 1.5);
        QTest::addRow("no reports at all") << QList<Progress> {} << 0 << QList<ms> { 400ms } << Status::converting();
        QTest::addRow("a fraction-less report after a fraction: still 100%")
            << QList<Progress> { { 0.2, std::nullopt }, { std::nullopt, 3.0 } } << 100'000 << QList<ms> { 300ms } << Status::converting(1.0, 3.0);
        QTest::addRow("just under 0.4 s: the remainder rounds up") << QList<Progress> {} << 399'500 << QList<ms> { 1ms } << Status::converting();
        QTest::addRow("exactly 0.4 s: no hold") << QList<Progress> { { 1.0, 4.0 } } << 400'000 << QList<ms> {} << Status::converting(1.0, 4.0);
        QTest::addRow("slow run: no hold") << QList<Progress> { { 0.5, 0.5 } } << 2'000'000 << QList<ms> {} << Status::converting(1.0, 0.5);
    }

    void fileLifecycle()
    {
        QFETCH(QList<Progress>, reports);
        QFETCH(int, runMicroseconds);
        QFETCH(QList<std::chrono::milliseconds>, sleeps);
        QFETCH(Status, held);
        auto h = Harness::make();
        auto &script = h->runner->scripts[QStringLiteral("a.mov")];
        script.reports = reports;
        script.runTime = std::chrono::microseconds(runMicroseconds);
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")) });

        QList<Status> history;
        connect(h->vm->fileModel(), &QAbstractItemModel::dataChanged, this, [&] { history.append(h->vm->files().at(0).status()); });
        std::optional<Status> atSleep;
        h->time.onSleep = [&] { atSleep = h->vm->files().at(0).status(); };
        h->convert();

        QList<Status> expected { Status::converting() };
        for (const Progress &p : reports) {
            expected.append(Status::converting(p.fraction, p.speed));
        }
        expected.append(held);
        expected.append(Status::done(fileUrl(QStringLiteral("/m/a.mkv"))));
        // Equal neighbours are one status: setting it again announces nothing.
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        QCOMPARE(history, expected);
        QCOMPARE(h->time.sleeps, sleeps);
        if (!sleeps.isEmpty()) {
            QCOMPARE(atSleep.value(), held);
        }
    }

    // A failure is recorded at once with the error's own text, and the next file starts at once.
    void failureIsRecordedAtOnce()
    {
        auto h = Harness::make();
        h->runner->scripts[QStringLiteral("a.mov")].error = RunError::processFailed(1, failureText);
        h->runner->scripts[QStringLiteral("a.mov")].reports = { { 0.5, 1.0 } };
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")) });
        h->convert();
        QCOMPARE(h->vm->files().at(0).status(), Status::failed(QStringLiteral("ffmpeg exited 1: Invalid data found when processing input\n")));
        QCOMPARE(h->time.sleeps, QList<std::chrono::milliseconds> { 400ms }); // only b's hold
        QCOMPARE(h->vm->failedCount(), 1);
        QCOMPARE(h->vm->doneCount(), 1);
    }

    void droppedTrackNote_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("formatDuringRun"); // empty: unchanged
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("note");
        QTest::addRow("mkv") << "mkv"
                             << ""
                             << "/m/a.mkv"
                             << "A data track couldn't be copied into MKV and was dropped (timecode usually survives)";
        QTest::addRow("mpegts names TS") << "mpegts"
                                         << ""
                                         << "/m/a.ts"
                                         << "A data track couldn't be copied into TS and was dropped (timecode usually survives)";
        QTest::addRow("format changed during the run: the note names the new one, the name keeps the old")
            << "mkv"
            << "mp4"
            << "/m/a.mkv"
            << "A data track couldn't be copied into MP4 and was dropped (timecode usually survives)";
    }

    void droppedTrackNote()
    {
        QFETCH(QString, format);
        QFETCH(QString, formatDuringRun);
        QFETCH(QString, output);
        QFETCH(QString, note);
        auto h = Harness::make();
        h->vm->setOutputFormatId(format);
        auto &script = h->runner->scripts[QStringLiteral("a.mov")];
        script.droppedDataTracks = true;
        script.duringRun = [&] { h->vm->setOutputFormatId(formatDuringRun); };
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")) });
        h->convert();
        QCOMPARE(h->vm->files().at(0).status(), Status::done(fileUrl(output), note));
        QCOMPARE(OutputFormats::id(h->runner->calls.at(0).format), format);
        QVERIFY(!h->vm->files().at(1).status().asDone()->note.has_value());
        QCOMPARE(h->vm->droppedTrackCount(), 1);
        QCOMPARE(h->vm->doneCount(), 2);
    }

    // Reports reach the file by id: one for a file gone from the list, or from a model that is
    // gone, changes nothing.
    void progressForVanishedFileIsIgnored()
    {
        auto h = Harness::make();
        h->runner->defaultScript.waitForRelease = true;
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")) });
        auto batch = h->vm->convert();
        const auto handler = h->runner->lastHandler;
        handler(Progress { 0.25, 1.0 });
        QCOMPARE(h->vm->files().at(0).status(), Status::converting(0.25, 1.0));
        h->vm->remove(h->vm->files().at(0).id());
        handler(Progress { 0.75, 2.0 });
        QCOMPARE(statuses(*h->vm), QList<Status> { Status::queued() });
        h->runner->defaultScript.waitForRelease = false;
        Q_EMIT h->runner->gate.released();
        QCoro::waitFor(std::move(batch));
        // a's outcome went nowhere; b moved up to a position the batch had already passed.
        QCOMPARE(statuses(*h->vm), QList<Status> { Status::queued() });
        QCOMPARE(h->runner->calls.size(), 1);

        h->vm.reset();
        handler(Progress { 1.0, 1.0 }); // must not touch the destroyed model
    }

    // The name is chosen when each file starts, with the folder as it is then.
    void outputNamedWhenFileStarts()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        for (const char *name : { "x.mov", "x.mp4", "y.mov" }) {
            QFile(QDir(root).filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
        }
        auto h = Harness::make();
        // While x.mov runs, someone else creates y.mkv: y must not be written over it.
        h->runner->scripts[QStringLiteral("x.mov")].duringRun = [&] { QFile(root + QStringLiteral("/y.mkv")).open(QIODevice::WriteOnly); };
        h->vm->addFiles({ fileUrl(root + QStringLiteral("/x.mov")), fileUrl(root + QStringLiteral("/x.mp4")), fileUrl(root + QStringLiteral("/y.mov")) });
        h->convert();
        QStringList outputs;
        for (const auto &call : h->runner->calls) {
            QVERIFY2(!call.outputExisted, qPrintable(call.output.toLocalFile()));
            outputs.append(call.output.fileName());
        }
        QCOMPARE(outputs, (QStringList { QStringLiteral("x.mkv"), QStringLiteral("x 1.mkv"), QStringLiteral("y 1.mkv") }));
        QCOMPARE(h->vm->files().at(1).status(), Status::done(fileUrl(root + QStringLiteral("/x 1.mkv"))));
    }

    void outputURL_data()
    {
        QTest::addColumn<QStringList>("existing"); // a trailing "/" makes a folder, "@" a dangling link
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("chosenFolder"); // empty: none chosen
        QTest::addColumn<bool>("sameAsInput");
        QTest::addColumn<QString>("expected");

        QTest::addRow("beside the source") << QStringList {} << "a/movie.mp4"
                                           << "mkv"
                                           << "" << true << "a/movie.mkv";
        QTest::addRow("the source holds the name") << QStringList { "a/movie.mkv" } << "a/movie.mkv"
                                                   << "mkv"
                                                   << "" << true << "a/movie 1.mkv";
        QTest::addRow("two names taken") << QStringList { "a/movie.mkv", "a/movie 1.mkv" } << "a/movie.mov"
                                         << "mkv"
                                         << "" << true << "a/movie 2.mkv";
        QTest::addRow("a folder holds the name") << QStringList { "a/movie.mkv/" } << "a/movie.mov"
                                                 << "mkv"
                                                 << "" << true << "a/movie 1.mkv";
        QTest::addRow("a dangling link holds the name") << QStringList { "a/movie.mkv@" } << "a/movie.mov"
                                                        << "mkv"
                                                        << "" << true << "a/movie 1.mkv";
        QTest::addRow("mpegts writes .ts") << QStringList {} << "a/movie.mov"
                                           << "mpegts"
                                           << "" << true << "a/movie.ts";
        QTest::addRow("only the last extension goes") << QStringList {} << "a/clip.final.mov"
                                                      << "webm"
                                                      << "" << true << "a/clip.final.webm";
        QTest::addRow("no extension") << QStringList {} << "a/clip"
                                      << "mov"
                                      << "" << true << "a/clip.mov";
        QTest::addRow("blanks and accents") << QStringList {} << "a/my clip é.mov"
                                            << "mp4"
                                            << "" << true << "a/my clip é.mp4";
        QTest::addRow("chosen folder") << QStringList { "a/movie.mkv" } << "a/movie.mov"
                                       << "mkv"
                                       << "out" << false << "out/movie.mkv";
        QTest::addRow("chosen folder, name taken there") << QStringList { "out/movie.mkv" } << "a/movie.mov"
                                                         << "mkv"
                                                         << "out" << false << "out/movie 1.mkv";
        QTest::addRow("folder remembered but same as input") << QStringList {} << "a/movie.mov"
                                                             << "mkv"
                                                             << "out" << true << "a/movie.mkv";
        QTest::addRow("not same as input, no folder") << QStringList {} << "a/movie.mov"
                                                      << "mkv"
                                                      << "" << false << "a/movie.mkv";
    }

    void outputURL()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, source);
        QFETCH(QString, format);
        QFETCH(QString, chosenFolder);
        QFETCH(bool, sameAsInput);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath(QStringLiteral("a")) && root.mkpath(QStringLiteral("out")));
        for (const QString &entry : existing) {
            if (entry.endsWith(QLatin1Char('/'))) {
                QVERIFY(root.mkpath(entry));
            } else if (entry.endsWith(QLatin1Char('@'))) {
                QVERIFY(QFile::link(root.filePath(QStringLiteral("nowhere")), root.filePath(entry.chopped(1))));
            } else {
                QVERIFY(QFile(root.filePath(entry)).open(QIODevice::WriteOnly));
            }
        }
        auto h = Harness::make();
        h->vm->setOutputFormatId(format);
        if (!chosenFolder.isEmpty()) {
            h->picker->folder = { true, fileUrl(root.filePath(chosenFolder)) };
            h->vm->chooseOutputFolder();
        }
        h->vm->setSameAsInput(sameAsInput);
        QCOMPARE(h->vm->outputURL(fileUrl(root.filePath(source))), fileUrl(root.filePath(expected)));
    }

    void chooseOutputFolder_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QUrl>("url");
        QTest::addColumn<bool>("hasFolder");
        QTest::addColumn<bool>("sameAsInput");
        QTest::addRow("cancelled: nothing changes") << false << fileUrl(QStringLiteral("/out")) << false << true;
        QTest::addRow("chosen") << true << fileUrl(QStringLiteral("/out")) << true << false;
        QTest::addRow("confirmed without a folder") << true << QUrl() << false << false;
    }

    void chooseOutputFolder()
    {
        QFETCH(bool, accepted);
        QFETCH(QUrl, url);
        QFETCH(bool, hasFolder);
        QFETCH(bool, sameAsInput);
        auto h = Harness::make();
        h->picker->folder = { accepted, url };
        QSignalSpy folderSpy(h->vm.get(), &RemuxViewModel::outputDirectoryChanged);
        QSignalSpy sameSpy(h->vm.get(), &RemuxViewModel::sameAsInputChanged);
        h->vm->chooseOutputFolder();
        QCOMPARE(h->picker->prompts, QStringList { QStringLiteral("Choose Output Folder") });
        QCOMPARE(h->vm->hasOutputDirectory(), hasFolder);
        QCOMPARE(h->vm->outputDirectory(), hasFolder ? url : QUrl());
        QCOMPARE(h->vm->sameAsInput(), sameAsInput);
        QCOMPARE(folderSpy.count(), hasFolder ? 1 : 0);
        QCOMPARE(sameSpy.count(), sameAsInput ? 0 : 1);
        // Choosing the same again changes nothing, so nobody is told.
        h->vm->chooseOutputFolder();
        QCOMPARE(folderSpy.count(), hasFolder ? 1 : 0);
        QCOMPARE(sameSpy.count(), sameAsInput ? 0 : 1);
    }

    void addFiles_data()
    {
        QTest::addColumn<QList<QUrl>>("listed");
        QTest::addColumn<QList<QUrl>>("added");
        QTest::addColumn<QStringList>("expected"); // file names of the whole list afterwards

        const auto f = [](const char *path) { return fileUrl(QString::fromUtf8(path)); };
        QTest::addRow("case-insensitive extension; other types and bare names dropped")
            << QList<QUrl> {} << QList<QUrl> { f("/m/a.MOV"), f("/m/b.txt"), f("/m/c") } << QStringList { "a.MOV" };
        QTest::addRow("ts and m4a are inputs") << QList<QUrl> {} << QList<QUrl> { f("/m/clip.ts"), f("/m/clip.m4a") } << QStringList { "clip.ts", "clip.m4a" };
        QTest::addRow("already listed") << QList<QUrl> { f("/m/a.mkv") } << QList<QUrl> { f("/m/a.mkv") } << QStringList { "a.mkv" };
        QTest::addRow("twice in one call: both added") << QList<QUrl> {} << QList<QUrl> { f("/m/a.mkv"), f("/m/a.mkv") } << QStringList { "a.mkv", "a.mkv" };
        QTest::addRow("a URL text that differs is another file")
            << QList<QUrl> { f("/m/a.mkv") } << QList<QUrl> { f("/m/./a.mkv") } << QStringList { "a.mkv", "a.mkv" };
        QTest::addRow("not a local file") << QList<QUrl> {} << QList<QUrl> { QUrl(QStringLiteral("https://example.org/a.mkv")), f("/m/b.avi") }
                                          << QStringList { "b.avi" };
        QTest::addRow("every fixed extension") << QList<QUrl> {}
                                               << QList<QUrl> { f("/m/1.avi"), f("/m/2.m4v"), f("/m/3.3gp"), f("/m/4.WMV"), f("/m/5.m2ts"), f("/m/6.mpg"),
                                                      f("/m/7.mpeg"), f("/m/8.flv"), f("/m/9.webm"), f("/m/10.mp4"), f("/m/11.mpegts") }
                                               << QStringList { "1.avi", "2.m4v", "3.3gp", "4.WMV", "5.m2ts", "6.mpg", "7.mpeg", "8.flv", "9.webm", "10.mp4" };
        QTest::addRow("order of the call is kept after the list")
            << QList<QUrl> { f("/m/z.mkv") } << QList<QUrl> { f("/m/b.mp4"), f("/m/a.mp4") } << QStringList { "z.mkv", "b.mp4", "a.mp4" };
        QTest::addRow("a folder named like a video passes") << QList<QUrl> {} << QList<QUrl> { f("/m/dir.mkv/") } << QStringList { "" };
        QTest::addRow("hidden name is not an extension") << QList<QUrl> {} << QList<QUrl> { f("/m/.mkv") } << QStringList {};
    }

    void addFiles()
    {
        QFETCH(QList<QUrl>, listed);
        QFETCH(QList<QUrl>, added);
        QFETCH(QStringList, expected);
        auto h = Harness::make();
        h->vm->addFiles(listed);
        QSignalSpy changed(h->vm->fileModel(), &FileListModel::filesChanged);
        h->vm->addFiles(added);
        QCOMPARE(changed.count(), 1); // reported even when nothing was appended
        QStringList names;
        QSet<QUuid> ids;
        for (const InputFile &file : h->vm->files()) {
            names.append(file.url().fileName());
            ids.insert(file.id());
            QVERIFY(file.status().isQueued());
        }
        QCOMPARE(names, expected);
        QCOMPARE(ids.size(), names.size());
    }

    void acceptedInputExtensions()
    {
        QCOMPARE(RemuxViewModel::acceptedInputExtensions(),
            (QStringList { "mkv", "mp4", "mov", "webm", "ts", "avi", "m4v", "m4a", "3gp", "wmv", "m2ts", "mpg", "mpeg", "flv" }));
    }

    void presentAddFilesPanel_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("confirmed: in the panel's order") << true << QStringList { "b.mov", "a.mkv" };
        QTest::addRow("cancelled") << false << QStringList {};
    }

    void presentAddFilesPanel()
    {
        QFETCH(bool, accepted);
        QFETCH(QStringList, expected);
        auto h = Harness::make();
        h->picker->files = { accepted, { fileUrl(QStringLiteral("/m/b.mov")), fileUrl(QStringLiteral("/m/a.mkv")) } };
        h->vm->presentAddFilesPanel();
        QCOMPARE(h->picker->prompts, QStringList { QStringLiteral("Add Files") });
        QStringList names;
        for (const InputFile &file : h->vm->files()) {
            names.append(file.url().fileName());
        }
        QCOMPARE(names, expected);
    }

    void removeAndClear()
    {
        auto h = Harness::make();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")), fileUrl(QStringLiteral("/m/b.mov")), fileUrl(QStringLiteral("/m/c.mov")),
            fileUrl(QStringLiteral("/m/d.mov")) });
        h->runner->scripts[QStringLiteral("c.mov")].error = RunError::processFailed(1, failureText);
        h->convert();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/e.mov")) });

        const QList<InputFile> before = h->vm->files();
        h->vm->remove(QUuid::createUuid());
        h->vm->removeFile(QStringLiteral("not an id"));
        QCOMPARE(h->vm->files(), before);

        h->vm->removeFile(before.at(1).id().toString());
        QCOMPARE(h->vm->files(), (QList<InputFile> { before.at(0), before.at(2), before.at(3), before.at(4) }));

        QSignalSpy derived(h->vm.get(), &RemuxViewModel::derivedValuesChanged);
        h->vm->clearFinished();
        QCOMPARE(h->vm->files(), QList<InputFile> { before.at(4) });
        QCOMPARE(h->vm->doneCount(), 0);
        QCOMPARE(h->vm->failedCount(), 0);
        QCOMPARE(derived.count(), 1);
        h->vm->addFiles({ before.at(0).url() }); // gone from the list, so it may come back
        QCOMPARE(h->vm->files().size(), 2);
    }

    void reveal_data()
    {
        QTest::addColumn<QString>("outcome"); // what the one file became
        QTest::addColumn<bool>("revealed");
        QTest::addRow("done: the output, not the source") << "done" << true;
        QTest::addRow("failed") << "failed" << false;
        QTest::addRow("queued") << "queued" << false;
    }

    void reveal()
    {
        QFETCH(QString, outcome);
        QFETCH(bool, revealed);
        auto h = Harness::make();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")) });
        if (outcome == QLatin1String("failed")) {
            h->runner->defaultScript.error = RunError::processFailed(1, failureText);
        }
        if (outcome != QLatin1String("queued")) {
            h->convert();
        }
        const InputFile file = h->vm->files().at(0);
        h->vm->reveal(file);
        h->vm->revealFile(file.id().toString(QUuid::WithoutBraces));
        const QList<QUrl> expected = revealed ? QList<QUrl> { fileUrl(QStringLiteral("/m/a.mkv")), fileUrl(QStringLiteral("/m/a.mkv")) } : QList<QUrl> {};
        QCOMPARE(h->revealer->revealed, expected);
    }

    // Assigning a value a property already holds notifies nobody.
    void notifiesOnlyOnRealChange_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("sameAsInput");
        QTest::addColumn<int>("formatSignals");
        QTest::addColumn<int>("sameSignals");
        QTest::addRow("same values") << "mkv" << true << 0 << 0;
        QTest::addRow("new format") << "webm" << true << 1 << 0;
        QTest::addRow("unknown format id is ignored") << "MKV" << true << 0 << 0;
        QTest::addRow("ts is not a raw value") << "ts" << true << 0 << 0;
        QTest::addRow("sameAsInput off") << "mkv" << false << 0 << 1;
    }

    void notifiesOnlyOnRealChange()
    {
        QFETCH(QString, format);
        QFETCH(bool, sameAsInput);
        QFETCH(int, formatSignals);
        QFETCH(int, sameSignals);
        auto h = Harness::make();
        QSignalSpy formatSpy(h->vm.get(), &RemuxViewModel::outputFormatChanged);
        QSignalSpy sameSpy(h->vm.get(), &RemuxViewModel::sameAsInputChanged);
        for (int i = 0; i < 2; ++i) {
            h->vm->setOutputFormatId(format);
            h->vm->setSameAsInput(sameAsInput);
        }
        QCOMPARE(formatSpy.count(), formatSignals);
        QCOMPARE(sameSpy.count(), sameSignals);
        QCOMPARE(h->vm->outputFormatId(), formatSignals ? format : QStringLiteral("mkv"));
    }

    // The derived values share one signal that fires only when a recount differs.
    void derivedSignalOnlyWhenRecountDiffers()
    {
        auto h = Harness::make();
        QSignalSpy derived(h->vm.get(), &RemuxViewModel::derivedValuesChanged);
        QSignalSpy current(h->vm.get(), &RemuxViewModel::currentIndexChanged);
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")) });
        QCOMPARE(derived.count(), 0); // still 0 done, 0 progress, not finished
        h->runner->defaultScript.waitForRelease = true;
        auto batch = h->vm->convert();
        QCOMPARE(current.count(), 0); // the first file sits at 0, where the index already was
        const auto handler = h->runner->lastHandler;
        handler(Progress { 0.5, 1.0 });
        QCOMPARE(derived.count(), 1);
        handler(Progress { 0.5, 2.0 }); // only the speed moved
        QCOMPARE(derived.count(), 1);
        handler(Progress { 0.6, 2.0 });
        QCOMPARE(derived.count(), 2);
        h->runner->defaultScript.waitForRelease = false;
        Q_EMIT h->runner->gate.released();
        QCoro::waitFor(std::move(batch));
        // 100% while held, then done (progress still 1), then the batch ends (finished).
        QCOMPARE(derived.count(), 5);
        QCOMPARE(h->vm->overallProgress(), 1.0);
        QVERIFY(h->vm->isBatchFinished());
    }

    void startConvertAnnouncesTheEnd()
    {
        auto h = Harness::make();
        h->vm->addFiles({ fileUrl(QStringLiteral("/m/a.mov")) });
        QSignalSpy finished(h->vm.get(), &RemuxViewModel::batchFinished);
        h->vm->startConvert();
        QVERIFY(finished.count() == 1 || finished.wait(2000));
        QVERIFY(h->vm->files().at(0).status().isDone());
        h->vm->startConvert(); // nothing queued: a batch that does nothing still ends
        QCOMPARE(finished.count(), 2);
    }
};

QTEST_GUILESS_MAIN(RemuxViewModelTest)
#include "remuxviewmodeltest.moc"
