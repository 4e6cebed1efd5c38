// Renders the window's content at its default size in each state the views distinguish, to PNG
// files for a person to look at: offscreen, with the software scene graph the app draws with.
#include "app/translations.h"
#include "uitestdriver.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>
#include <QTextStream>
#include <functional>
#include <qpa/qwindowsysteminterface.h>

extern void qml_register_types_Kestrune();

namespace
{
void pump(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// A drag of one file from the desktop, held over `target`.
void dragOver(QQuickItem *target, QMimeData *data)
{
    data->setUrls({ QUrl(QStringLiteral("file:///tmp/a.mov")) });
    const QPoint point = target->mapToScene(QPointF(target->width() / 2, target->height() / 2)).toPoint();
    QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target->window(), &enter);
    QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target->window(), &move);
}

void press(QWindow *window, Qt::Key key)
{
    // Through the window-system layer, as a keyboard's keys arrive.
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(window, QEvent::KeyPress, key, Qt::NoModifier);
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(window, QEvent::KeyRelease, key, Qt::NoModifier);
}

QVariantMap track(const char *kind, const char *codec, const char *language = "", const char *title = "", const char *flags = "")
{
    return { { QStringLiteral("kind"), QString::fromLatin1(kind) }, { QStringLiteral("codec"), QString::fromLatin1(codec) },
        { QStringLiteral("language"), QString::fromLatin1(language) }, { QStringLiteral("title"), QString::fromUtf8(title) },
        { QStringLiteral("flags"), QString::fromLatin1(flags) } };
}

// A film with the usual mix: audio in three languages and a commentary, subtitles, and a
// subtitle file beside it.
QVariantList filmTracks(const QString &name)
{
    return { track("video", "h264"), track("audio", "eac3", "eng", "", "default"), track("audio", "aac", "jpn"),
        track("audio", "aac", "eng", "Director’s Commentary", "commentary"), track("audio", "ac3", "ger"), track("subtitle", "subrip", "eng"),
        track("subtitle", "hdmv_pgs_subtitle", "ger", "", "forced"),
        QVariantMap { { QStringLiteral("side"), QString(name).replace(QStringLiteral(".mov"), QStringLiteral(".ja.srt")) },
            { QStringLiteral("codec"), QStringLiteral("subrip") } } };
}

QVariantMap englishAndJapanese(bool skip)
{
    const QStringList both { QStringLiteral("en"), QStringLiteral("ja") };
    return { { QStringLiteral("audioLanguages"), both }, { QStringLiteral("subtitles"), QStringLiteral("these") },
        { QStringLiteral("subtitleLanguages"), both }, { QStringLiteral("leaveOutCommentary"), true },
        { QStringLiteral("noAudioMatch"), skip ? QStringLiteral("skip") : QStringLiteral("keepMain") } };
}

QStringList clips(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names << QStringLiteral("/Holiday 2024/beach day %1.mov").arg(i);
    }
    return names;
}
}

int main(int argc, char *argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    // The language of the desktop, or of LANGUAGE, as the program itself picks it.
    Translations::install(app);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);

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
    view.show();
    QQuickItem *root = view.rootObject();
    // Walks the visual tree: items a view makes for its model are not QObject children.
    const std::function<QQuickItem *(QQuickItem *, const QString &)> find = [&find](QQuickItem *at, const QString &name) -> QQuickItem * {
        if (at->objectName() == name)
            return at;
        for (QQuickItem *child : at->childItems())
            if (QQuickItem *found = find(child, name))
                return found;
        return nullptr;
    };
    auto item = [root, &find](const char *name) { return find(root, QString::fromLatin1(name)); };
    auto expand = [&item](bool open) { item("filesArea")->setProperty("queueExpanded", open); };
    QMimeData dragData;

    // Three files, the first done, the second at 40 %.
    const auto secondFileConverting = [&] {
        driver->addFiles(clips(3));
        expand(true);
        driver->convert();
        driver->finish();
        driver->report(0.4, 2.5);
    };
    const QString longReason = QStringLiteral(
        "ffmpeg exited 1: Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument. Error initializing output stream 0:1");
    // Files whose tracks are read as `tracks` says, under the rule for English and Japanese.
    const auto withTracks = [&](const QStringList &names, const std::function<QVariantList(const QString &)> &tracks, bool skip = false) {
        driver->model()->setTrackRuleMap(englishAndJapanese(skip));
        for (const QString &name : names)
            driver->setTracks(QFileInfo(name).fileName(), tracks(QFileInfo(name).fileName()));
        driver->addFiles(names);
        pump(300);
    };
    const auto germanOnly = [](const QString &) {
        return QVariantList { track("video", "h264"), track("audio", "aac", "ger", "", "default"), track("subtitle", "subrip", "ger") };
    };
    const auto openTracks = [&](int row) {
        const QString id = driver->model()->fileModel()->index(row).data(FileListModel::FileIdRole).toString();
        item("filesArea")->setProperty("openTracks", QVariantMap { { id, true } });
        return id;
    };
    struct Shot {
        const char *name;
        std::function<void()> setUp;
    };
    const QList<Shot> shots = {
        { "01-empty", [] {} },
        { "02-empty-drag-hover", [&] { dragOver(item("filesArea"), &dragData); } },
        { "03-one-file", [&] { driver->addFiles(clips(1)); } },
        { "04-two-files-closed", [&] { driver->addFiles(clips(2)); } },
        { "05-two-files-open",
            [&] {
                driver->addFiles(clips(2));
                expand(true);
            } },
        { "06-five-files-closed", [&] { driver->addFiles(clips(5)); } },
        { "07-five-files-open",
            [&] {
                driver->addFiles(clips(5));
                expand(true);
            } },
        { "08-listing-drag-hover",
            [&] {
                driver->addFiles(clips(2));
                dragOver(item("filesArea"), &dragData);
            } },
        { "09-converting-spinner",
            [&] {
                driver->addFiles(clips(3));
                driver->convert();
            } },
        { "10-converting-50-percent",
            [&] {
                driver->addFiles(clips(3));
                driver->convert();
                driver->report(0.5, 12.5);
            } },
        { "11-converting-second-file-open",
            [&] {
                driver->addFiles(clips(3));
                expand(true);
                driver->convert();
                driver->report(0.4, 1.5);
                driver->finish();
                driver->report(0.125, 9.96);
            } },
        { "12-converting-speed-only",
            [&] {
                driver->addFiles(clips(1));
                driver->convert();
                driver->report({}, 2.0);
            } },
        { "13-finished-success",
            [&] {
                driver->addFiles(clips(3));
                driver->runBatch({ QStringLiteral("done"), QStringLiteral("done"), QStringLiteral("done") });
            } },
        { "14-finished-dropped-track",
            [&] {
                driver->addFiles(clips(3));
                expand(true);
                driver->runBatch({ QStringLiteral("done"), QStringLiteral("dropped"), QStringLiteral("done") });
            } },
        { "15-finished-with-failure",
            [&] {
                driver->addFiles(clips(3));
                expand(true);
                driver->runBatch({ QStringLiteral("done"), longReason, QStringLiteral("dropped") });
            } },
        { "16-all-failed",
            [&] {
                driver->addFiles(clips(2));
                driver->runBatch({ longReason, QStringLiteral("Broken pipe") });
            } },
        { "17-finished-then-one-more",
            [&] {
                driver->addFiles(clips(2));
                driver->runBatch({ QStringLiteral("done"), QStringLiteral("Broken pipe") });
                driver->addFiles({ QStringLiteral("/home/sam/Videos/new.mkv") });
            } },
        { "18-ffmpeg-missing",
            [&] {
                driver->setFfmpegFound(false);
                driver->addFiles(clips(1));
            } },
        { "19-folder-chosen",
            [&] {
                driver->setNextFolder(QStringLiteral("/media/sam/Archive/Converted/2024/Summer"));
                driver->model()->chooseOutputFolder();
                driver->model()->setOutputFormatId(QStringLiteral("webm"));
            } },
        { "20-menu-open-start", [&] { item("destinationMenu")->property("menu").value<QObject *>()->setProperty("visible", true); } },
        { "21-menu-open-folder-remembered",
            [&] {
                driver->setNextFolder(QStringLiteral("/Volumes/Work/Out"));
                driver->model()->chooseOutputFolder();
                driver->model()->setSameAsInput(true);
                item("destinationMenu")->property("menu").value<QObject *>()->setProperty("visible", true);
            } },
        { "22-menu-open-folder-chosen",
            [&] {
                driver->setNextFolder(QStringLiteral("/Volumes/Work/Out"));
                driver->model()->chooseOutputFolder();
                item("destinationMenu")->property("menu").value<QObject *>()->setProperty("visible", true);
            } },
        { "23-no-folder", [&] { driver->model()->setSameAsInput(false); } },
        { "24-long-list-scrolled",
            [&] {
                driver->addFiles(clips(30));
                expand(true);
                pump(100);
                QMetaObject::invokeMethod(item("rows"), "positionViewAtEnd");
            } },
        { "25-long-names",
            [&] {
                driver->addFiles({ QStringLiteral("/home/sam/Videos/Some very long folder name that goes on/and on and on and on and on/"
                                                  "further still/A very long file name of a holiday video that will not fit the row.mov") });
                driver->setNextFolder(QStringLiteral("/media/sam/An external disk with a long name/Converted videos/2024/Summer holidays/Out"));
                driver->model()->chooseOutputFolder();
            } },
        { "26-converting-with-stop", secondFileConverting },
        { "27-after-stop",
            [&] {
                secondFileConverting();
                driver->model()->stop();
            } },
        { "28-markup-name",
            [&] {
                driver->addFiles({ QStringLiteral("/home/sam/<i>Videos</i>/o_<b>bold &amp; <u>under.mkv"), QStringLiteral("/home/sam/Videos/plain.mov") });
                expand(true);
                driver->runBatch({ QStringLiteral("<b>Disk</b> &lt;full&gt; <img src=\"x.png\">"), QStringLiteral("done") });
            } },
        // Keyboard states: the focus ring on the format chosen with the arrows, and on a row.
        { "29-format-chosen-by-arrows",
            [&] {
                driver->addFiles(clips(2));
                item("format_mkv")->forceActiveFocus(Qt::TabFocusReason);
                press(&view, Qt::Key_Right);
                press(&view, Qt::Key_Right);
            } },
        { "30-row-focused",
            [&] {
                driver->addFiles(clips(5));
                expand(true);
                pump(100);
                item("rows")->forceActiveFocus(Qt::TabFocusReason);
            } },
        { "31-ten-thousand-files-middle",
            [&] {
                driver->addFiles(clips(10000));
                expand(true);
                pump(200);
                QMetaObject::invokeMethod(item("rows"), "positionViewAtIndex", Q_ARG(int, 5000), Q_ARG(int, 1));
            } },
        { "32-saving-after-stop",
            [&] {
                driver->addFiles(clips(3));
                driver->convert();
                driver->report(1.0, 3.5);
                driver->report(QVariant(), QVariant(), true);
                driver->model()->stop();
            } },
        // Choosing tracks: the rule, its editor, a file's list with a track ticked by hand, and
        // files the rule finds no audio for.
        { "33-track-rule-set", [&] { withTracks(clips(3), filmTracks); } },
        { "34-track-rule-editor",
            [&] {
                withTracks(clips(2), filmTracks);
                QMetaObject::invokeMethod(item("trackRuleRow"), "openEditor");
            } },
        { "35-track-list-exception",
            [&] {
                withTracks(clips(2), filmTracks);
                driver->model()->setTrackKept(openTracks(0), QStringLiteral("0:4"), true);
            } },
        { "36-no-audio-match-main-kept",
            [&] {
                withTracks({ QStringLiteral("/Filme/Das Boot.mkv"), QStringLiteral("/Filme/Stalker.mkv") }, germanOnly);
                expand(true);
                driver->runBatch({ QStringLiteral("done"), QStringLiteral("done") });
            } },
        { "37-no-audio-match-skipped",
            [&] {
                withTracks(
                    { QStringLiteral("/Filme/Das Boot.mkv"), clips(1).constFirst() },
                    [&](const QString &name) { return name.startsWith(u"Das") ? germanOnly(name) : filmTracks(name); }, true);
                expand(true);
                openTracks(0);
                driver->runBatch({ QStringLiteral("done") });
            } },
        // Five files read under the rule, the group open, the second converting: the list scrolls
        // and the controls below it stay in the window.
        { "38-five-files-open-converting",
            [&] {
                withTracks(clips(5), filmTracks);
                expand(true);
                driver->convert();
                driver->finish();
                driver->report(0.4, 2.5);
            } },
        // Joining, the third part recorded at another size.
        { "39-join-part-refused",
            [&] {
                driver->refuseJoin(QStringLiteral("beach day 3.mov"), QString::fromUtf8("Doesn't match part 1: 1920×1080 here, 3840×2160 there"));
                driver->addFiles(clips(4));
                driver->model()->join()->setOn(true);
                expand(true);
            } },
    };

    QTextStream out(stdout);
    for (const Shot &shot : shots) {
        driver->reset();
        root->setProperty("vm", QVariant::fromValue(driver->model()));
        expand(false);
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(&view, &leave);
        item("scroller")->setProperty("contentY", 0);
        root->forceActiveFocus();
        pump(50);
        shot.setUp();
        // Let transitions and eased values settle before the grab.
        pump(qEnvironmentVariableIntValue("KESTRUNE_SETTLE_MS") > 0 ? qEnvironmentVariableIntValue("KESTRUNE_SETTLE_MS") : 500);
        const QString file = QDir(outDir).filePath(QString::fromLatin1(shot.name) + QStringLiteral(".png"));
        view.grabWindow().save(file);
        out << file << '\n';
        if (QObject *menu = item("destinationMenu")->property("menu").value<QObject *>()) {
            menu->setProperty("visible", false);
        }
        if (QObject *editor = item("trackRuleRow")->property("editor").value<QObject *>()) {
            editor->setProperty("visible", false);
        }
    }
    return 0;
}
