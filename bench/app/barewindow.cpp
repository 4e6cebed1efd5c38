// The floor for the start-up benchmark: what Qt Quick itself costs. One window of the same size
// and colours as the real one, one Text, drawn by the same software renderer. Built three times:
// as is, with libavformat linked in (KESTRUNE_BENCH_LINK_LIBAV) to price what that library costs
// before main, as a Qt Widgets application (KESTRUNE_BENCH_WIDGETS) to price QApplication, and
// as the least a window of Kestrune's design needs (KESTRUNE_BENCH_CONTROLS): Qt Quick Controls'
// window with its in-window menu bar holding one menu, and one button.
#include <QGuiApplication>
#ifdef KESTRUNE_BENCH_WIDGETS
#include <QApplication>
using Application = QApplication;
#else
using Application = QGuiApplication;
#endif
#include <QQmlApplicationEngine>
#include <QQuickWindow>

#ifdef KESTRUNE_BENCH_LINK_LIBAV
extern "C" {
#include <libavformat/avformat.h>
}
#endif

int main(int argc, char *argv[])
{
#ifdef KESTRUNE_BENCH_LINK_LIBAV
    // One call, so the linker keeps the library and the loader maps it with all it needs.
    if (avformat_version() == 0)
        return 1;
#endif
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    Application application(argc, argv);
    QQmlApplicationEngine engine;
#ifdef KESTRUNE_BENCH_CONTROLS
    engine.loadData(R"(
import QtQuick
import QtQuick.Controls.Basic
ApplicationWindow {
    width: 620
    height: 540
    visible: true
    title: "Kestrune"
    color: Qt.rgba(0.1, 0.1, 0.1, 1)
    menuBar: MenuBar {
        Menu {
            title: "Kestrune"
            Action { text: "Quit Kestrune" }
        }
    }
    Button {
        anchors.centerIn: parent
        text: "Convert"
    }
}
)");
#else
    engine.loadData(R"(
import QtQuick
Window {
    width: 620
    height: 540
    visible: true
    title: "Kestrune"
    color: Qt.rgba(0.1, 0.1, 0.1, 1)
    Text {
        anchors.centerIn: parent
        text: "Drop video files here"
        color: "white"
    }
}
)");
#endif
    if (engine.rootObjects().isEmpty())
        return 1;
    return QGuiApplication::exec();
}
