#pragma once

#include "queue/platformservices.h"

// The real picker: Qt Widgets' file dialog, which takes the desktop's own dialog where the
// platform theme offers one and Qt's own otherwise, transient for the window that asked.
// Needs a QApplication.
class DialogFilePicker : public FilePicker
{
public:
    FilesChoice pickFiles(const QString &prompt) override;
    FolderChoice pickFolder(const QString &prompt) override;
};
