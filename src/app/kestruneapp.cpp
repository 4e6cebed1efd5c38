#include "app/kestruneapp.h"

#include "app/aboutinfo.h"
#include "app/desktopsession.h"
#include "app/updatercontroller.h"
#include "queue/remuxviewmodel.h"
#include "ui/viewtext.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
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
// a bare terminal. Leaves the process for those and for a malformed command line.
QList<QUrl> parseCommandLine(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kestrune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Puts the streams of video files into another container without re-encoding them."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("files"), QStringLiteral("Video files, or folders of them, to add to the list."), QStringLiteral("[FILE|FOLDER]..."));
    // Qt's own window-system options stay valid, as every Qt program takes them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : { "platform", "display", "style", "qwindowgeometry", "qwindowtitle", "qwindowicon" }) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.process(application);
    QList<QUrl> files;
    const QString here = QDir::currentPath();
    for (const QString &argument : parser.positionalArguments())
        files << QUrl::fromUserInput(argument, here, QUrl::AssumeLocalFile);
    return files;
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
    // Qt Quick's own software renderer maps the window faster and in far less memory than
    // OpenGL through a software rasteriser, and this window has nothing that needs a GPU.
    QList<QUrl> files = parseCommandLine(argc, argv);
    QQuickWindow::setGraphicsApi(graphicsApi);
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationVersion(QStringLiteral(KESTRUNE_VERSION));
    QGuiApplication::setDesktopFileName(QString(applicationId));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/Kestrune/%1.svg").arg(applicationId)));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    KestruneApp app(Options { .files = std::move(files) });
    if (!app.start())
        return 0;
    if (!app.window()) {
        qCritical("%s", qPrintable(app.loadErrors()));
        return 1;
    }
    QApplication::exec();
    app.endBatch();
    return 0;
}

void KestruneApp::endBatch()
{
    // A batch still running at quit ends as a Stop would: ffmpeg is ended and its temporary
    // removed (left alone, ffmpeg dies on its closed pipe), and the driver finishes rather than
    // being abandoned mid-wait. Bounded, so quitting never hangs on it.
    if (!m_viewModel || !m_viewModel->isConverting())
        return;
    m_viewModel->stop();
    QEventLoop loop;
    connect(m_viewModel, &RemuxViewModel::isConvertingChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    loop.exec();
}

bool KestruneApp::start()
{
    if (m_options.singleInstance && handOverToRunningInstance())
        return false;

    m_viewModel = new RemuxViewModel(this);
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
        m_loadErrors = errors.isEmpty() ? QStringLiteral("The window could not be loaded.") : errors.join(u'\n');
    if (!m_options.files.isEmpty())
        m_viewModel->addFiles(m_options.files);
    return true;
}

void KestruneApp::watchBatches()
{
    // A batch may run for an hour: the computer must not fall asleep under it, and whoever has
    // turned to another window learns when it is over. Both services are reached only once a
    // batch starts, so start-up does not wait for the system bus.
    connect(m_viewModel, &RemuxViewModel::isConvertingChanged, this, [this] {
        if (!m_sleepInhibitor) {
            m_sleepInhibitor = new SleepInhibitor(QDBusConnection::systemBus(), QDBusConnection::sessionBus(), this);
            connect(qApp, &QCoreApplication::aboutToQuit, m_sleepInhibitor, &SleepInhibitor::release);
            m_notifier = new DesktopNotifier(QDBusConnection::sessionBus(), this);
            connect(m_notifier, &DesktopNotifier::activated, this, &KestruneApp::Activate);
        }
        if (m_viewModel->isConverting())
            m_sleepInhibitor->hold(QStringLiteral("Converting video files"));
        else
            m_sleepInhibitor->release();
    });
    connect(m_viewModel, &RemuxViewModel::batchFinished, this, [this] {
        if (m_notifier && m_window && !m_window->isActive())
            m_notifier->notify(QStringLiteral("Conversion finished"),
                ViewText::summary(m_viewModel->doneCount(), m_viewModel->droppedTrackCount(), m_viewModel->failedCount()));
    });
}

bool KestruneApp::handOverToRunningInstance()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Without a session bus there is nobody to ask, and nobody to answer: just run.
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(QString(objectPath), this, QDBusConnection::ExportScriptableSlots))
        return false;
    if (bus.registerService(QString(applicationId)))
        return false;
    bus.unregisterObject(QString(objectPath));
    QStringList urls;
    for (const QUrl &file : std::as_const(m_options.files))
        urls << file.toString();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString(applicationId), QString(objectPath), QString(applicationId), urls.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!urls.isEmpty())
        call << urls;
    const QDBusMessage reply = bus.call(call, QDBus::Block, activateTimeoutMs);
    // An owner that does not answer (it may be quitting) must not keep the user from working.
    return reply.type() == QDBusMessage::ReplyMessage;
}

void KestruneApp::Activate()
{
    if (!m_window)
        return;
    if (m_window->visibility() == QWindow::Minimized || !m_window->isVisible())
        m_window->showNormal();
    m_window->raise();
    m_window->requestActivate();
}

void KestruneApp::Open(const QStringList &urls)
{
    QList<QUrl> files;
    for (const QString &url : urls)
        files << QUrl(url);
    if (m_viewModel)
        m_viewModel->addFiles(files);
    Activate();
}
