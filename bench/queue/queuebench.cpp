// Two hot paths of the queue, each beside a plain QList loop doing the same work:
//  1. adding 10,000 URLs (half of them already listed) to a queue of 10,000, duplicate test included;
//  2. 10,000 progress reports for the last file of a 10,000-file queue.
// Goals: the add within 50 ms, a report within 20 microseconds.

#include "queue/remuxviewmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <variant>

namespace
{
constexpr int listSize = 10'000;
constexpr int reports = 10'000;
constexpr int repetitions = 5;

QUrl sourceUrl(int i)
{
    return QUrl::fromLocalFile(QStringLiteral("/bench/videos/clip %1.mp4").arg(i, 5, 10, QLatin1Char('0')));
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Delivers the timed reports during the run of one chosen file; every other run ends at once.
class ReportingRunner : public FFmpegRunner
{
public:
    QString timedFile;
    double elapsedNs = 0;

    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override { return QUrl::fromLocalFile(QStringLiteral("/bench/ffmpeg")); }

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl, OutputFormat, ProgressHandler onProgress) override
    {
        if (input.fileName() == timedFile) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < reports; ++i) {
                onProgress(Progress { double(i) / reports, 1.0 + (i % 7) * 0.25 });
            }
            elapsedNs = double(timer.nsecsElapsed());
        }
        co_return RemuxOutcome {};
    }
};

std::unique_ptr<RemuxViewModel> makeModel(ReportingRunner **runnerOut)
{
    RemuxViewModel::Dependencies deps;
    auto runner = std::make_unique<ReportingRunner>();
    *runnerOut = runner.get();
    deps.runner = std::move(runner);
    deps.clock = [] { return std::chrono::steady_clock::time_point {}; };
    deps.sleeper = [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; };
    return std::make_unique<RemuxViewModel>(std::move(deps));
}

// The plain counterpart of a record.
struct PlainStatus {
    std::optional<double> fraction;
    std::optional<double> speed;
};
struct PlainRecord {
    QUuid id;
    QUrl url;
    std::variant<std::monostate, PlainStatus> status;
};

double plainAddMs()
{
    QList<PlainRecord> list;
    QSet<QString> listed;
    for (int i = 0; i < listSize; ++i) {
        list.append({ QUuid::createUuid(), sourceUrl(i), {} });
        listed.insert(list.last().url.toString(QUrl::FullyEncoded));
    }
    QList<QUrl> incoming;
    for (int i = listSize / 2; i < listSize + listSize / 2; ++i) {
        incoming.append(sourceUrl(i));
    }
    QElapsedTimer timer;
    timer.start();
    const QStringList extensions = RemuxViewModel::acceptedInputExtensions();
    const QSet<QString> accepted(extensions.cbegin(), extensions.cend());
    QList<PlainRecord> added;
    for (const QUrl &url : incoming) {
        const QString name = url.fileName();
        const QString extension = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
        if (url.isLocalFile() && accepted.contains(extension) && !listed.contains(url.toString(QUrl::FullyEncoded))) {
            added.append({ QUuid::createUuid(), url, {} });
        }
    }
    for (const PlainRecord &record : added) {
        listed.insert(record.url.toString(QUrl::FullyEncoded));
    }
    list.append(added);
    const double ms = timer.nsecsElapsed() / 1e6;
    Q_ASSERT(list.size() == listSize + listSize / 2);
    return ms;
}

double modelAddMs()
{
    ReportingRunner *runner = nullptr;
    auto vm = makeModel(&runner);
    QList<QUrl> first;
    for (int i = 0; i < listSize; ++i) {
        first.append(sourceUrl(i));
    }
    vm->addFiles(first);
    QList<QUrl> incoming;
    for (int i = listSize / 2; i < listSize + listSize / 2; ++i) {
        incoming.append(sourceUrl(i));
    }
    QElapsedTimer timer;
    timer.start();
    vm->addFiles(incoming);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (vm->files().size() != listSize + listSize / 2) {
        qFatal("the add benchmark added the wrong number of files");
    }
    return ms;
}

// Finds the record by id (the last one, the worst case of a scan) and replaces its status.
double plainReportUs()
{
    QList<PlainRecord> list;
    for (int i = 0; i < listSize; ++i) {
        list.append({ QUuid::createUuid(), sourceUrl(i), PlainStatus {} });
    }
    const QUuid target = list.last().id;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < reports; ++i) {
        const auto it = std::find_if(list.begin(), list.end(), [&](const PlainRecord &r) { return r.id == target; });
        if (it != list.end() && std::holds_alternative<PlainStatus>(it->status)) {
            it->status = PlainStatus { double(i) / reports, 1.0 + (i % 7) * 0.25 };
        }
    }
    return timer.nsecsElapsed() / 1e3 / reports;
}

double modelReportUs()
{
    ReportingRunner *runner = nullptr;
    auto vm = makeModel(&runner);
    QList<QUrl> urls;
    for (int i = 0; i < listSize; ++i) {
        urls.append(sourceUrl(i));
    }
    vm->addFiles(urls);
    runner->timedFile = urls.last().fileName();
    QCoro::waitFor(vm->convert());
    if (vm->doneCount() != listSize) {
        qFatal("the report benchmark did not finish its batch");
    }
    return runner->elapsedNs / 1e3 / reports;
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QList<double> modelAdd, plainAdd, modelReport, plainReport;
    for (int r = 0; r < repetitions; ++r) {
        modelAdd.append(modelAddMs());
        plainAdd.append(plainAddMs());
        modelReport.append(modelReportUs());
        plainReport.append(plainReportUs());
    }
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    out << "queue benchmark, median of " << repetitions << " runs\n";
    out << "add 10000 URLs (5000 already listed) to 10000: model " << median(modelAdd) << " ms, plain QList loop " << median(plainAdd) << " ms, ratio "
        << median(modelAdd) / median(plainAdd) << " (goal <= 50 ms)\n";
    out << "progress report into a 10000-file list: model " << median(modelReport) << " us, plain QList loop " << median(plainReport) << " us, ratio "
        << median(modelReport) / median(plainReport) << " (goal <= 20 us)\n";
    return 0;
}
