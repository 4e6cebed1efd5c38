#include "app/terminalconversion.h"

#include "app/commandline.h"
#include "app/terminaljoin.h"
#include "app/terminalprogress.h"
#include "app/terminaltext.h"
#include "app/trackslisting.h"
#include "app/translations.h"
#include "app/unixsignals.h"
#include "engine/ffmpegrunner.h"
#include "engine/trackplan.h"
#include "queue/remuxviewmodel.h"
#include "ui/viewtext.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cstring>
#include <unistd.h>

namespace
{
const QString toOption = CommandLine::toOption;
const QString outputDirOption = CommandLine::outputDirOption;
using CommandLine::terminalOptions;

// Nothing to pick on a terminal but the folder named on the command line, and nothing to show.
class CommandLinePicker : public FilePicker
{
public:
    explicit CommandLinePicker(QString folder)
        : m_folder(std::move(folder))
    { }
    FilesChoice pickFiles(const QString &) override { return {}; }
    FolderChoice pickFolder(const QString &) override { return { !m_folder.isEmpty(), QUrl::fromLocalFile(m_folder) }; }

private:
    QString m_folder;
};

class NoRevealer : public FileRevealer
{
public:
    void reveal(const QUrl &) override { }
};

void printError(const QString &message)
{
    std::fprintf(stderr, "kestrune: %s\n", qPrintable(TerminalText::printable(message)));
}

std::optional<OutputFormat> formatNamed(const QString &name)
{
    const QString lower = name.toLower();
    for (const OutputFormat format : OutputFormats::allCases()) {
        if (lower == OutputFormats::fileExtension(format) || lower == OutputFormats::rawValue(format)) {
            return format;
        }
    }
    return std::nullopt;
}
}

bool TerminalConversion::requested(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--") == 0) {
            return false;
        }
        if (std::strncmp(argument, "--", 2) != 0) {
            continue;
        }
        for (const QLatin1StringView option : terminalOptions) {
            const char *name = argument + 2;
            if (std::strncmp(name, option.data(), size_t(option.size())) == 0 && (name[option.size()] == '\0' || name[option.size()] == '=')) {
                return true;
            }
        }
    }
    return false;
}

int TerminalConversion::run(int &argc, char **argv)
{
    // A core application only: a terminal run needs no display, nor a session bus.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    Translations::install(application);
    QCommandLineParser parser;
    CommandLine::describe(parser, CommandLine::Mode::terminal);
    if (!parser.parse(CommandLine::arguments(argc, argv))) {
        printError(parser.errorText());
        return usageStatus;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        parser.process(application); // prints, and leaves the process
    }
    if (!parser.isSet(toOption)) {
        const auto *given = std::find_if(std::begin(terminalOptions), std::end(terminalOptions), [&](auto name) { return parser.isSet(QString(name)); });
        printError(tr("--%1 works only with --to. Name the container to convert into.").arg(given != std::end(terminalOptions) ? *given : toOption));
        return usageStatus;
    }
    Request request;
    const auto format = formatNamed(parser.value(toOption));
    if (!format) {
        printError(tr("Unknown container \"%1\". Choose mkv, mp4, mov, webm or ts.").arg(parser.value(toOption)));
        return usageStatus;
    }
    request.format = *format;
    const auto valueOf = [&parser](QLatin1StringView name) { return parser.isSet(QString(name)) ? std::optional(parser.value(QString(name))) : std::nullopt; };
    const TrackRule::Parsed tracks = TrackRule::fromOptions({
        .lang = valueOf(CommandLine::langOption),
        .audioLang = valueOf(CommandLine::audioLangOption),
        .subLang = valueOf(CommandLine::subLangOption),
        .keepCommentary = parser.isSet(QString(CommandLine::keepCommentaryOption)),
        .ifNoAudio = valueOf(CommandLine::ifNoAudioOption),
        .noSideFiles = parser.isSet(QString(CommandLine::noSideFilesOption)),
        .keepMainAudio = parser.isSet(QString(CommandLine::keepMainAudioOption)),
    });
    if (!tracks.error.isEmpty()) {
        printError(tracks.error);
        return usageStatus;
    }
    request.rule = tracks.rule;
    request.showTracks = parser.isSet(QString(CommandLine::showTracksOption));
    if (parser.isSet(outputDirOption)) {
        if (const QString refused = CommandLine::refusal(CommandLine::bytes(parser.value(outputDirOption))); !refused.isEmpty()) {
            printError(refused);
            return usageStatus;
        }
        const QFileInfo folder(parser.value(outputDirOption));
        if (!folder.exists()) {
            printError(tr("The folder %1 doesn't exist.").arg(folder.filePath()));
            return usageStatus;
        }
        if (!folder.isDir()) {
            printError(tr("%1 isn't a folder.").arg(folder.filePath()));
            return usageStatus;
        }
        request.outputDirectory = folder.absoluteFilePath();
    }
    request.keepDates = !parser.isSet(QString(CommandLine::noKeepDatesOption));
    CommandLine::Named named = CommandLine::namedFiles(parser.positionalArguments());
    request.sources = std::move(named.files);
    request.refused = std::move(named.refused);
    if (request.sources.isEmpty() && request.refused.isEmpty()) {
        printError(tr("Name the files or folders to convert."));
        return usageStatus;
    }

    if (parser.isSet(QString(CommandLine::joinOption))) {
        return TerminalJoin::run(std::move(request), stdout);
    }
    // A caught SIGPIPE, unlike an ignored one, is not handed on to ffmpeg.
    UnixSignals::quitOnTermination(UnixSignals::Output::mayClose);
    TerminalConversion conversion(std::move(request), stdout, ::isatty(STDOUT_FILENO) == 1);
    QObject::connect(&conversion, &TerminalConversion::finished, &application, &QCoreApplication::quit, Qt::QueuedConnection);
    conversion.start();
    QCoreApplication::exec();
    if (const int signal = UnixSignals::received(); signal != 0) {
        conversion.stop();
        return 128 + signal;
    }
    return conversion.exitStatus();
}

TerminalConversion::TerminalConversion(Request request, std::FILE *out, bool onTerminal, QObject *parent)
    : QObject(parent)
    , m_request(std::move(request))
    , m_out(out)
    , m_onTerminal(onTerminal)
{
    RemuxViewModel::Dependencies dependencies;
    dependencies.picker = std::make_unique<CommandLinePicker>(m_request.outputDirectory);
    dependencies.revealer = std::make_unique<NoRevealer>();
    // The window holds a file's row in sight for a moment; a terminal has no reason to wait.
    dependencies.sleeper = [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; };
    dependencies.rememberChoices = false;
    m_model = new RemuxViewModel(std::move(dependencies), this);
    m_model->setOutputFormat(m_request.format);
    m_model->setKeepFileDates(m_request.keepDates);
    m_model->setTrackRule(m_request.rule);
    if (!m_request.outputDirectory.isEmpty()) {
        m_model->chooseOutputFolder();
    }
    connect(m_model, &RemuxViewModel::filesRefused, this, [this](const QStringList &reasons) {
        m_refused += int(reasons.size());
        for (const QString &reason : reasons) {
            printError(reason);
        }
    });
    connect(m_model, &RemuxViewModel::errorMessageChanged, this, [this] {
        if (m_model->hasErrorMessage()) {
            ++m_refused;
            printError(m_model->errorMessage());
        }
    });
    connect(m_model, &RemuxViewModel::filesAdded, this, &TerminalConversion::listed);
    connect(m_model->fileModel(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &first) {
        if (m_listed && !m_finished) {
            showNext();
        } else if (!m_request.showTracks) {
            rowChanged(first.row());
        }
    });
    connect(m_model, &RemuxViewModel::batchFinished, this, &TerminalConversion::finish);
}

TerminalConversion::~TerminalConversion() = default;

void TerminalConversion::start()
{
    for (const QString &reason : std::as_const(m_request.refused)) {
        printError(reason);
    }
    m_refused += int(m_request.refused.size());
    m_model->addFiles(m_request.sources);
}

void TerminalConversion::listed()
{
    if (m_model->fileModel()->count() == 0) {
        finish();
        return;
    }
    if (m_request.showTracks) {
        // The tracks are read as the window reads them, off this thread, each with the stall
        // limit; the lines follow in the list's order as they arrive, under the rule in words.
        m_listed = true;
        printLine(m_request.rule.sentence());
        showNext();
        return;
    }
    if (!m_model->ffmpegAvailable()) {
        printError(FFmpegRunner::RunError::ffmpegNotFound().errorDescription());
        finish();
        return;
    }
    m_model->startConvert();
}

void TerminalConversion::showNext()
{
    const FileListModel *files = m_model->fileModel();
    for (; m_shown < files->count(); ++m_shown) {
        if (!files->tracksRead(int(m_shown))) {
            return; // shown when its tracks arrive
        }
        printTracks(files->files().at(m_shown).url().fileName(), files->plan(int(m_shown)).get());
    }
    finish();
}

void TerminalConversion::printTracks(const QString &name, const TrackPlan *plan)
{
    if (!plan) {
        ++m_unreadable;
        printLine(tr("%1: Its tracks couldn't be read.").arg(name));
        return;
    }
    for (const QString &line : TracksListing::lines(name, *plan)) {
        printLine(line);
    }
}

void TerminalConversion::rowChanged(int row)
{
    const InputFile &file = m_model->fileModel()->files().at(row);
    const InputFile::FileStatus &status = file.status();
    const QString name = file.url().fileName();
    if (const auto *converting = status.asConverting()) {
        if (m_onTerminal) {
            printProgress(TerminalProgress::line(name, converting->fraction, converting->speed));
        }
        return;
    }
    if (!status.isFinished() || m_reported.contains(file.id())) {
        return;
    }
    m_reported.insert(file.id());
    // The row's status in the window's words; a new file's name after its source's.
    if (const auto *done = status.asDone()) {
        printLine(name + QStringLiteral(" \u2192 ") + done->outputURL.fileName() + QStringLiteral(": ")
            + ViewText::rowStatus(FileListModel::Done, false, 0, done->shownNote(), {}));
    } else if (const auto plan = m_model->fileModel()->plan(row); plan && plan->skipped == status.asFailed()->reason) {
        printLine(name + QStringLiteral(": ") + *plan->skipped); // the rule's choice, no failure
    } else {
        printLine(name + QStringLiteral(": ") + ViewText::rowStatus(FileListModel::Failed, false, 0, {}, status.asFailed()->reason));
    }
}

void TerminalConversion::printProgress(const QString &text)
{
    TerminalProgress::draw(m_out, text);
    m_lineOpen = true;
}

void TerminalConversion::printLine(const QString &text)
{
    // One line per file, also when ffmpeg's reason runs over several.
    std::fprintf(m_out, "%s%s\n", m_lineOpen ? "\r\033[K" : "", qPrintable(TerminalText::printable(text)));
    std::fflush(m_out);
    m_lineOpen = false;
}

void TerminalConversion::finish()
{
    if (m_finished) {
        return;
    }
    m_finished = true;
    if (m_request.showTracks && m_model->fileModel()->count() > 0) {
        Q_EMIT finished();
        return;
    }
    printLine(ViewText::summary(m_model->doneCount(), m_model->droppedTrackCount(), m_model->failedCount(), m_model->warningCount()));
    Q_EMIT finished();
}

void TerminalConversion::stop()
{
    // The lines of the files that ended say what was done; a stopped batch has no summary. The
    // engine, when it goes, gives the stopped run's temporary a moment to go.
    m_finished = true;
    m_model->stop();
    if (m_lineOpen) {
        std::fprintf(m_out, "\r\033[K");
        std::fflush(m_out);
        m_lineOpen = false;
    }
}

int TerminalConversion::exitStatus() const
{
    if (m_request.showTracks) {
        return m_shown > 0 && m_shown == m_model->fileModel()->count() && m_unreadable == 0 && m_refused == 0 ? 0 : failedStatus;
    }
    const bool allConverted = m_model->doneCount() > 0 && m_model->doneCount() == m_model->fileModel()->count() && m_refused == 0;
    return allConverted ? 0 : failedStatus;
}
