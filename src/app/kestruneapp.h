#pragma once

#include "app/applicationid.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

class AboutInfo;
class ApplicationService;
class BatchSession;
class LocalPathResolver;
class RemuxViewModel;
class UpdaterController;

// The application shell: makes the one RemuxViewModel and the update checker, loads the window
// with the model handed to every view as `vm`, and keeps to one instance per user session.
class KestruneApp : public QObject
{
    Q_OBJECT

public:
    // The application id: the D-Bus name, and the name of the launcher entry and icon.
    static constexpr QLatin1StringView applicationId = kestruneApplicationId;

    struct Options {
        QUrl appcastUrl; // empty: the feed chosen at build time
        bool singleInstance = true;
        QList<QUrl> files; // added as a drop would; a second launch hands them over
        QVariantMap platformData; // the launcher's activation token, handed over with them
    };

    explicit KestruneApp(Options options, QObject *parent = nullptr);
    ~KestruneApp() override;

    // The process entry: answers --help and --version on the terminal, otherwise runs the
    // application loop with the files and folders named on the command line and returns 0
    // when it ends. The window is drawn by Qt Quick's software renderer; benchmarks pass
    // another to compare.
    static int run(int &argc, char **argv, QSGRendererInterface::GraphicsApi graphicsApi = QSGRendererInterface::Software);

    // Loads the window, unless another instance in this session was asked to show itself
    // instead; then returns false and the caller should leave with exitCode().
    bool start();
    // 1 when another instance holds the session's name but did not answer.
    [[nodiscard]] int exitCode() const { return m_exitCode; }

    [[nodiscard]] RemuxViewModel *viewModel() const { return m_viewModel; }
    [[nodiscard]] UpdaterController *updaterController() const { return m_updaterController; }
    [[nodiscard]] AboutInfo *aboutInfo() const { return m_aboutInfo; }
    [[nodiscard]] QQuickWindow *window() const { return m_window; }
    // Why the window could not be loaded; empty when it was.
    [[nodiscard]] QString loadErrors() const { return m_loadErrors; }

private:
    bool claimSession();
    void activate();
    void addFiles(const QList<QUrl> &files);
    void endBatch();
    void watchBatches();

    Options m_options;
    RemuxViewModel *m_viewModel = nullptr;
    UpdaterController *m_updaterController = nullptr;
    AboutInfo *m_aboutInfo = nullptr;
    QQmlApplicationEngine m_engine;
    QPointer<QQuickWindow> m_window;
    BatchSession *m_batchSession = nullptr;
    QString m_loadErrors;
    ApplicationService *m_service = nullptr;
    LocalPathResolver *m_localPaths = nullptr;
    int m_exitCode = 0;
};
