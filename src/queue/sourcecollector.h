#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <functional>

// Turns what the user hands over (dropped, passed or picked URLs) into the source files to list.
// Pure file-system reading with no model in sight: every look at the disk happens here, so the
// whole of it runs on a worker thread and a hung mount never stalls the window.
namespace SourceCollector
{
enum class Why { missing, notRegular, notAccepted, notText };
struct Refused {
    QUrl url;
    Why why;
};

struct Collected {
    QList<QUrl> files; // in the order given, each folder replaced by its files
    QList<QUrl> notLocal; // URLs that name no local file (sftp://, smb://, http://, …)
    // Local URLs given that yield nothing to list; a folder's own entries are never here.
    QList<Refused> refused;
};

// Asked before each URL and each folder entry; false ends the collection at once (the model is
// gone or the application quits). A hung entry still holds up only itself.
using Proceed = std::function<bool()>;

// A file qualifies when it is a regular file after following links, its name's extension is
// accepted, and its name is valid UTF-8 (bytes that are not text decode to a look-alike name,
// maybe someone else's file). A folder stands for the qualifying files inside it and its
// subfolders: natural name order ("clip 2" before "clip 10"), a folder's own files before its
// subfolders; hidden entries skipped; a link to a folder followed only when its target lies
// inside the folder that was given, and never into a folder already walked.
[[nodiscard]] Collected collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions, const Proceed &proceed = {});
}
