#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

// Turns what the user hands over (dropped, passed or picked URLs) into the source files to list.
// Pure file-system reading with no model in sight, so a folder walk can run on a worker thread.
namespace SourceCollector
{
enum class Kind { ignored, file, folder };

// One look at the file system per URL. A file qualifies when it is a regular file after following
// links, its name's extension is accepted, and the URL's path reaches its name exactly (a dropped
// name whose bytes are not text decodes to another name, maybe someone else's file).
[[nodiscard]] Kind kindOf(const QUrl &url, const QSet<QString> &acceptedExtensions);

// Every acceptable file, in the order given, each folder replaced by the acceptable files inside
// it and its subfolders: natural name order ("clip 2" before "clip 10"), a folder's own files
// before its subfolders; hidden entries skipped; a link into a folder already walked is not
// followed again.
[[nodiscard]] QList<QUrl> collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions);
}
