#pragma once

#include "engine/outputformat.h"
#include "engine/trackrule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// What a terminal run was asked for on the command line, and how it may end.
struct TerminalRequest {
    // Exit statuses besides 0 (every file converted) and 128 + a signal's number (stopped).
    static constexpr int failedStatus = 1; // a file failed or was refused, or nothing to convert
    static constexpr int usageStatus = 2;

    OutputFormat format = OutputFormat::mkv;
    QString outputDirectory; // empty: beside each source
    bool keepDates = true;
    QList<QUrl> sources;
    QStringList refused; // why a name given was left out; each counts as a file refused
    TrackRule rule; // which tracks to keep; never the window's remembered one
    bool showTracks = false; // list what would become of each file's tracks, and write nothing
};
