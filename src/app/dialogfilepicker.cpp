#include "app/dialogfilepicker.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QWindow>

namespace
{

// A dialog transient for the window it was asked from: the desktop keeps it above that window
// and centred on it, raising the window never hides it, and the portal and the platform
// theme's dialogs are told the window as their parent.
void attachToActiveWindow(QFileDialog &dialog)
{
    QWindow *parent = QGuiApplication::focusWindow();
    for (QWindow *window : QGuiApplication::topLevelWindows()) {
        if (!parent && window->isVisible() && !window->transientParent())
            parent = window;
    }
    if (!parent)
        return;
    dialog.setWindowModality(Qt::WindowModal);
    dialog.winId(); // gives the dialog its window, so it can be told its parent
    dialog.windowHandle()->setTransientParent(parent);
}
}

FilePicker::FilesChoice DialogFilePicker::pickFiles(const QString &prompt)
{
    QFileDialog dialog;
    attachToActiveWindow(dialog);
    dialog.setWindowTitle(prompt);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, prompt);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return { true, dialog.selectedUrls() };
}

FilePicker::FolderChoice DialogFilePicker::pickFolder(const QString &prompt)
{
    QFileDialog dialog;
    attachToActiveWindow(dialog);
    dialog.setWindowTitle(prompt);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setLabelText(QFileDialog::Accept, prompt);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QList<QUrl> urls = dialog.selectedUrls();
    return { true, urls.isEmpty() ? QUrl() : urls.constFirst() };
}
