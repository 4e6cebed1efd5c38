// Two measurements of the window's views, printed as key=value lines:
//   frames  — a queue (1,000 files unless told) converts with its group open or closed while a
//             fast fake engine reports progress every millisecond; every frame's
//             synchronise+render time is recorded, and so is the time from opening the group to
//             the frame that shows it.
//   startup — time from the launch (the script passes its wall clock) to the first frame of a
//             window showing the content, and resident memory after a second of idleness.
#include "uitestdriver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <time.h>

extern void qml_register_types_Kestrune();

namespace
{
double wallSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

double percentile(QList<double> values, double p)
{
    if (values.isEmpty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = qsizetype(p * double(values.size() - 1) + 0.5);
    return values.at(std::clamp<qsizetype>(index, 0, values.size() - 1));
}

}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1, QStringLiteral("frames"));
    QTextStream out(stdout);

    qml_register_types_Kestrune();
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/"));
    auto *driver = new UiTestDriver(view.engine(), &view);
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setInitialProperties({ { QStringLiteral("vm"), QVariant::fromValue(driver->model()) } });
    view.setSource(QUrl(QStringLiteral("qrc:/Kestrune/ContentView.qml")));
    if (view.status() != QQuickView::Ready) {
        return 1;
    }
    view.resize(620, 540);

    if (mode == QLatin1String("startup")) {
        const double launched = args.value(2).toDouble();
        QObject::connect(&view, &QQuickWindow::frameSwapped, &app, [&] {
            static bool first = true;
            if (!first) {
                return;
            }
            first = false;
            out << "first_frame_s=" << QString::number(wallSeconds() - launched, 'f', 3) << Qt::endl;
            QTimer::singleShot(1000, &app, [&] {
                out << "idle_rss_mib=" << QString::number(double(residentKiB()) / 1024.0, 'f', 1) << Qt::endl;
                out << "renderer=" << (QQuickWindow::graphicsApi() == QSGRendererInterface::Software ? "software" : "rhi") << Qt::endl;
                app.quit();
            });
        });
        view.show();
        return app.exec();
    }

    // frames
    const int fileCount = args.value(2, QStringLiteral("1000")).toInt();
    const int seconds = args.value(3, QStringLiteral("5")).toInt();
    const bool groupOpen = args.value(4, QStringLiteral("open")) == QLatin1String("open");
    QStringList names;
    for (int i = 0; i < fileCount; ++i) {
        names << QStringLiteral("/media/clips/clip %1.mov").arg(i);
    }
    view.show();
    driver->addFiles(names);
    auto *filesArea = view.rootObject()->property("filesArea").value<QObject *>();

    QList<double> frameMs;
    QElapsedTimer frameTimer;
    // From setting the group open to the end of the frame that shows it.
    QElapsedTimer opening;
    double openMs = -1;
    QObject::connect(
        &view, &QQuickWindow::beforeSynchronizing, &view, [&] { frameTimer.start(); }, Qt::DirectConnection);
    QObject::connect(
        &view, &QQuickWindow::frameSwapped, &view,
        [&] {
            if (frameTimer.isValid()) {
                frameMs << double(frameTimer.nsecsElapsed()) / 1e6;
            }
            if (opening.isValid() && openMs < 0) {
                openMs = double(opening.nsecsElapsed()) / 1e6;
            }
        },
        Qt::DirectConnection);

    // The fake engine: a report every millisecond, a file finished after 50 reports.
    QList<double> updateMs;
    QList<double> finishMs;
    int reports = 0;
    int finished = 0;
    QTimer engine;
    engine.setInterval(1);
    QObject::connect(&engine, &QTimer::timeout, &app, [&] {
        if (!driver->running()) {
            return;
        }
        QElapsedTimer update;
        update.start();
        ++reports;
        const int step = reports % 50;
        if (step == 0) {
            driver->finish();
            ++finished;
            finishMs << double(update.nsecsElapsed()) / 1e6;
        } else {
            driver->report(step / 50.0, 1.0 + step / 10.0);
            updateMs << double(update.nsecsElapsed()) / 1e6;
        }
    });

    QTimer::singleShot(300, &app, [&] {
        if (groupOpen) {
            opening.start();
            filesArea->setProperty("queueExpanded", true);
        }
    });
    QElapsedTimer wall;
    QTimer::singleShot(800, &app, [&] {
        frameMs.clear();
        driver->convert();
        wall.start();
        engine.start();
        QTimer::singleShot(seconds * 1000, &app, [&] {
            engine.stop();
            const double elapsed = double(wall.elapsed()) / 1000.0;
            out << "files=" << fileCount << " group=" << (groupOpen ? "open" : "closed") << " seconds=" << QString::number(elapsed, 'f', 1) << Qt::endl;
            out << "model_updates=" << reports << " files_finished=" << finished << " updates_per_s=" << QString::number(reports / elapsed, 'f', 0) << Qt::endl;
            out << "progress_update_ms_p50=" << QString::number(percentile(updateMs, 0.5), 'f', 3)
                << " p99=" << QString::number(percentile(updateMs, 0.99), 'f', 3) << " max=" << QString::number(percentile(updateMs, 1.0), 'f', 3) << Qt::endl;
            out << "first_progress_update_ms=" << QString::number(updateMs.value(0), 'f', 3)
                << " max_after_first=" << QString::number(percentile(updateMs.mid(1), 1.0), 'f', 3) << Qt::endl;
            out << "file_switch_ms_p50=" << QString::number(percentile(finishMs, 0.5), 'f', 3) << " max=" << QString::number(percentile(finishMs, 1.0), 'f', 3)
                << Qt::endl;
            const auto over = std::count_if(frameMs.begin(), frameMs.end(), [](double ms) { return ms > 16.0; });
            out << "frames=" << frameMs.size() << " frame_ms_p50=" << QString::number(percentile(frameMs, 0.5), 'f', 2)
                << " p99=" << QString::number(percentile(frameMs, 0.99), 'f', 2) << " max=" << QString::number(percentile(frameMs, 1.0), 'f', 2)
                << " over_16ms=" << over << Qt::endl;
            out << "rss_mib=" << QString::number(double(residentKiB()) / 1024.0, 'f', 1) << " group_open_ms=" << QString::number(openMs, 'f', 1) << Qt::endl;
            app.quit();
        });
    });
    return app.exec();
}
