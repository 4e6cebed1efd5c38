#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// The desktop dialogs and the file browser sit behind these small interfaces so that tests can
// stand in for them. The real ones open Qt's native file dialogs and talk to the file manager.

// A modal picker. An empty `accepted` means the user cancelled.
class FilePicker
{
public:
    struct FilesChoice {
        bool accepted = false;
        QList<QUrl> urls;
    };
    struct FolderChoice {
        bool accepted = false;
        QUrl url; // may be empty even when accepted
    };

    virtual ~FilePicker() = default;
    // Multi-file picker whose confirm button reads `prompt`; no file-type filter.
    virtual FilesChoice pickFiles(const QString &prompt) = 0;
    // Single-folder picker whose confirm button reads `prompt`.
    virtual FolderChoice pickFolder(const QString &prompt) = 0;
};

// Shows a file to the user in the desktop's file browser.
class FileRevealer
{
public:
    virtual ~FileRevealer() = default;
    virtual void reveal(const QUrl &file) = 0;
};
