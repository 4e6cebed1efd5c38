#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

// Turns what the user hands over (dropped, passed or picked URLs) into the source files to list.
// Pure file-system reading with no model in sight, so a folder walk can run on a worker thread.
namespace SourceCollector
{
// The name's extension decides; only regular files, after following links, qualify, and only
// when the URL's path reaches the file's name exactly (a name whose bytes are not text does not).
[[nodiscard]] bool isAcceptableFile(const QUrl &url, const QSet<QString> &acceptedExtensions);

[[nodiscard]] bool isFolder(const QUrl &url);

// Every acceptable file, in the order given, each folder replaced by the acceptable files inside
// it and its subfolders: natural name order ("clip 2" before "clip 10"), a folder's own files
// before its subfolders; hidden entries skipped; a link into a folder already walked is not
// followed again.
[[nodiscard]] QList<QUrl> collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions);
}
