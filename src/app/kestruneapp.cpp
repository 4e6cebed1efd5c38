#include "app/kestruneapp.h"

#include "app/aboutinfo.h"
#include "app/applicationservice.h"
#include "app/batchsession.h"
#include "app/commandline.h"
#include "app/desktopfilerevealer.h"
#include "app/dialogfilepicker.h"
#include "app/localpaths.h"
#include "app/terminalconversion.h"
#include "app/translations.h"
#include "app/unixsignals.h"
#include "app/updatercontroller.h"
#include "queue/filelistmodel.h"
#include "queue/remuxviewmodel.h"
#include "ui/viewtext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QProcessEnvironment>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>
#include <mutex>

extern void qml_register_types_Kestrune();

namespace
{

constexpr int activateTimeoutMs = 5000;

// Reads the command line before any window system is touched, so --help and --version work on
// a bare terminal. Leaves the process for those and for a malformed command line. Only then is a
// core application made, to print: a second application object before the real one would keep
// the window off the accessibility bus, so screen readers would see an empty application.
QStringList parseCommandLine(int argc, char **argv)
{
    QCommandLineParser parser;
    CommandLine::describe(parser, CommandLine::Mode::window);
    if (!parser.parse(CommandLine::arguments(argc, argv)) || parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
        || parser.isSet(QStringLiteral("version"))) {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("kestrune"));
        QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
        // Described again, now in the user's language.
        Translations::install(application);
        QCommandLineParser translated;
        CommandLine::describe(translated, CommandLine::Mode::window);
        translated.process(application); // prints, and leaves the process
    }
    return parser.positionalArguments();
}

void registerQmlTypesOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { qml_register_types_Kestrune(); });
}

} // namespace

KestruneApp::KestruneApp(Options options, QObject *parent)
    : QObject(parent)
    , m_options(std::move(options))
{ }

// The engine is a member, so the views are gone before the model and checker they read, which
// are children and go last.
KestruneApp::~KestruneApp() = default;

int KestruneApp::run(int &argc, char **argv, QSGRendererInterface::GraphicsApi graphicsApi)
{
    // A conversion asked for on the command line runs before any window system is touched.
    if (TerminalConversion::requested(argc, argv))
        return TerminalConversion::run(argc, argv);
    // Qt Quick's own software renderer maps the window faster and in far less memory than
    // OpenGL through a software rasteriser, and this window has nothing that needs a GPU.
    const QStringList named = parseCommandLine(argc, argv);
    QQuickWindow::setGraphicsApi(graphicsApi);
    QApplication application(argc, argv);
    Translations::install(application);
    // Refused here, where the name was given: the window never sees a look-alike of it.
    CommandLine::Named files = CommandLine::namedFiles(named);
    for (const QString &reason : std::as_const(files.refused))
        qCritical("kestrune: %s", qPrintable(reason));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    QGuiApplication::setDesktopFileName(QString(applicationId));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Kestrune/%1.svg").arg(applicationId)));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    KestruneApp app(
        Options { .files = std::move(files.files), .platformData = ApplicationService::platformDataFrom(QProcessEnvironment::systemEnvironment()) });
    if (!app.start())
        return app.exitCode();
    if (!app.window()) {
        qCritical("%s", qPrintable(app.loadErrors()));
        return 1;
    }
    UnixSignals::quitOnTermination();
    QApplication::exec();
    app.endBatch();
    return 0;
}

void KestruneApp::endBatch()
{
    // A batch still running at quit ends as a Stop would: ffmpeg is ended, and the model's runs,
    // waits and walks are let end rather than abandoned mid-wait; a dead mount is not waited out.
    if (m_viewModel)
        m_viewModel->finishForQuit(std::chrono::seconds(2));
}

bool KestruneApp::start()
{
    if (!claimSession())
        return false;

    RemuxViewModel::Dependencies dependencies;
    dependencies.picker = std::make_unique<DialogFilePicker>();
    dependencies.revealer = std::make_unique<DesktopFileRevealer>();
    m_viewModel = new RemuxViewModel(std::move(dependencies), this);
    watchBatches();
    // ffmpeg may have been installed or removed while the window was in the background.
    connect(qApp, &QGuiApplication::applicationStateChanged, m_viewModel, [model = m_viewModel](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            model->refreshFfmpegAvailable();
    });
    m_updaterController
        = m_options.appcastUrl.isEmpty() ? new UpdaterController(this) : new UpdaterController(m_options.appcastUrl, QStringLiteral(KESTRUNE_VERSION), this);
    m_aboutInfo = new AboutInfo([model = m_viewModel] { return model->runner().locateFFmpeg(); }, this);

    registerQmlTypesOnce();
    m_engine.addImportPath(QStringLiteral("qrc:/"));
    m_engine.rootContext()->setContextProperty(QStringLiteral("vm"), m_viewModel);
    m_engine.setInitialProperties({
        { QStringLiteral("updater"), QVariant::fromValue(m_updaterController) },
        { QStringLiteral("about"), QVariant::fromValue(m_aboutInfo) },
    });
    QStringList errors;
    connect(&m_engine, &QQmlApplicationEngine::warnings, this, [&errors](const QList<QQmlError> &warnings) {
        for (const auto &warning : warnings)
            errors << warning.toString();
    });
    m_engine.load(QUrl(QStringLiteral("qrc:/Kestrune/Main.qml")));
    disconnect(&m_engine, &QQmlApplicationEngine::warnings, this, nullptr);
    m_window = qobject_cast<QQuickWindow *>(m_engine.rootObjects().value(0));
    if (!m_window)
        m_loadErrors = errors.isEmpty() ? tr("The window could not be loaded.") : errors.join(u'\n');
    addFiles(m_options.files);
    return true;
}

void KestruneApp::watchBatches()
{
    // A batch may run for an hour: the computer must not fall asleep under it, the launcher
    // shows how far it is, and whoever has turned to another window learns when it is over.
    // The services are reached only once a batch starts, so start-up does not wait for the
    // system bus.
    connect(m_viewModel, &RemuxViewModel::isConvertingChanged, this, [this] {
        if (!m_batchSession) {
            m_batchSession = new BatchSession(QDBusConnection::systemBus(), QDBusConnection::sessionBus(), this);
            connect(qApp, &QCoreApplication::aboutToQuit, m_batchSession, &BatchSession::quit);
            connect(m_batchSession, &BatchSession::activated, this, [this](const QString &token) {
                m_service->useActivationToken({ { QStringLiteral("activation-token"), token } });
                activate();
            });
            connect(qApp, &QGuiApplication::applicationStateChanged, m_batchSession, [session = m_batchSession](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    session->windowActivated();
            });
        }
        m_batchSession->setConverting(m_viewModel->isConverting());
    });
    connect(m_viewModel, &RemuxViewModel::derivedValuesChanged, this, [this] {
        if (m_batchSession)
            m_batchSession->setProgress(
                m_viewModel->overallProgress(), m_viewModel->fileModel()->count() - m_viewModel->doneCount() - m_viewModel->failedCount());
    });
    connect(m_viewModel, &RemuxViewModel::batchFinished, this, [this] {
        if (m_batchSession)
            m_batchSession->finished(tr("Conversion finished"),
                ViewText::summary(m_viewModel->doneCount(), m_viewModel->droppedTrackCount(), m_viewModel->failedCount(), m_viewModel->warningCount()),
                m_window && m_window->isActive());
    });
}

bool KestruneApp::claimSession()
{
    m_service = new ApplicationService(QDBusConnection::sessionBus(), QString(applicationId), this);
    if (!m_options.singleInstance)
        return true;
    switch (m_service->claim(m_options.files, m_options.platformData, activateTimeoutMs)) {
    case ApplicationService::Claim::HandedOver:
        return false;
    case ApplicationService::Claim::NoAnswer:
        // A second window would convert the same files twice; better say so and leave.
        qCritical("kestrune: %s", qPrintable(tr("Kestrune is already running but did not answer. Try again in a moment.")));
        m_exitCode = 1;
        return false;
    case ApplicationService::Claim::Owned:
    case ApplicationService::Claim::NoBus:
        break;
    }
    connect(m_service, &ApplicationService::activateRequested, this, &KestruneApp::activate);
    connect(m_service, &ApplicationService::openRequested, this, [this](const QList<QUrl> &files) {
        addFiles(files);
        activate();
    });
    connect(m_service, &ApplicationService::quitRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    // Once quitting has begun, a launch starts afresh instead of handing files to a window that
    // is going away.
    connect(qApp, &QCoreApplication::aboutToQuit, m_service, &ApplicationService::release);
    return true;
}

void KestruneApp::addFiles(const QList<QUrl> &files)
{
    if (files.isEmpty() || !m_viewModel)
        return;
    if (!m_localPaths)
        m_localPaths = new LocalPathResolver(QDBusConnection::sessionBus(), QStringLiteral("gio"), this);
    m_localPaths->resolve(files, [model = QPointer(m_viewModel)](const QList<QUrl> &resolved) {
        if (model)
            model->addFiles(resolved);
    });
}

void KestruneApp::activate()
{
    if (m_window)
        m_service->bringForward(m_window);
}
