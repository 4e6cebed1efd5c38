#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QString>
#include <QStringList>
#include <QUrl>

class AboutInfo;
class DesktopNotifier;
class RemuxViewModel;
class SleepInhibitor;
class UpdaterController;

// The application shell: makes the one RemuxViewModel and the update checker, loads the window
// with the model handed to every view as `vm`, and keeps to one instance per user session.
class KestruneApp : public QObject
{
    Q_OBJECT
    // A second launch asks the running instance to show itself through this interface.
    Q_CLASSINFO("D-Bus Interface", "org.kestrune.Kestrune")

public:
    // The application id: the D-Bus name, and the name of the launcher entry and icon.
    static constexpr QLatin1StringView applicationId { "org.kestrune.Kestrune" };
    static constexpr QLatin1StringView objectPath { "/org/kestrune/Kestrune" };

    struct Options {
        QUrl appcastUrl; // empty: the feed chosen at build time
        bool singleInstance = true;
        QList<QUrl> files; // added as a drop would; a second launch hands them over
    };

    explicit KestruneApp(Options options, QObject *parent = nullptr);
    ~KestruneApp() override;

    // The process entry: answers --help and --version on the terminal, otherwise runs the
    // application loop with the files and folders named on the command line and returns 0
    // when it ends. The window is drawn by Qt Quick's software renderer; benchmarks pass
    // another to compare.
    static int run(int &argc, char **argv, QSGRendererInterface::GraphicsApi graphicsApi = QSGRendererInterface::Software);

    // Loads the window, unless another instance in this session was asked to show itself
    // instead; then returns false and the caller should leave.
    bool start();

    [[nodiscard]] RemuxViewModel *viewModel() const { return m_viewModel; }
    [[nodiscard]] UpdaterController *updaterController() const { return m_updaterController; }
    [[nodiscard]] AboutInfo *aboutInfo() const { return m_aboutInfo; }
    [[nodiscard]] QQuickWindow *window() const { return m_window; }
    // Why the window could not be loaded; empty when it was.
    [[nodiscard]] QString loadErrors() const { return m_loadErrors; }

public Q_SLOTS:
    // Brings the window to the front; called over D-Bus by a second launch.
    Q_SCRIPTABLE void Activate();
    // Adds files and folders (URLs as text) as a drop would, then brings the window to the
    // front; called over D-Bus by a second launch that was given some.
    Q_SCRIPTABLE void Open(const QStringList &urls);

private:
    bool handOverToRunningInstance();
    void endBatch();
    void watchBatches();

    Options m_options;
    RemuxViewModel *m_viewModel = nullptr;
    UpdaterController *m_updaterController = nullptr;
    AboutInfo *m_aboutInfo = nullptr;
    QQmlApplicationEngine m_engine;
    QPointer<QQuickWindow> m_window;
    SleepInhibitor *m_sleepInhibitor = nullptr;
    DesktopNotifier *m_notifier = nullptr;
    QString m_loadErrors;
};
