#pragma once

#include "engine/mediaprobe.h"

#include <QByteArray>
#include <QFuture>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Parts to be read by ffmpeg as one input. Pieces of one recording cut at arbitrary bytes
// (MPEG transport and program streams, whose later pieces may not open alone, or whose clock runs
// on from the previous piece) are read as one byte stream; whole files are read one after the
// other with their timestamps shifted, each starting where the previous one's longest track
// ended. Pure: the files are written by whoever runs the join.
struct JoinSource {
    enum class Method { byteStream, files };

    struct Part {
        QString path;
        std::optional<MediaProbe::Info> info; // none: it doesn't open as a file of its own
    };

    QList<Part> parts;
    Method method = Method::files;
    // Set by whoever runs the join: the written list and chapters, and the names ffmpeg reads
    // (a part's own path, or a link to it where its name can't be given as it is).
    QString listPath;
    QString chaptersPath;
    QStringList readPaths;
    // Each part's packets counted (at the `packets` depth) while ffmpeg reads them, for the read-back.
    QFuture<QList<std::optional<MediaProbe::Info>>> counting;

    [[nodiscard]] static JoinSource make(QList<Part> parts);

    // The list the file-by-file reading takes, with every name quoted for it. Names it can't
    // hold (a line break) are given as `aliases[i]` instead, when not empty.
    [[nodiscard]] QByteArray list(const QStringList &aliases = {}) const;
    // Whether a path can be named in the list, or in the byte stream's one argument, as it is.
    [[nodiscard]] bool nameable(const QString &path) const;

    // Where each part begins in the joined file, in seconds.
    [[nodiscard]] QList<double> starts() const;
    [[nodiscard]] std::optional<double> duration() const;
    // The chapters as ffmpeg's metadata file: the parts' own, shifted to where each part begins,
    // or when none has any, one per part named after its file.
    [[nodiscard]] QByteArray chapters() const;

    // A single file's ffmpeg arguments made to read the parts instead of `first`, their chapters
    // from chaptersPath.
    [[nodiscard]] QStringList arguments(QStringList single, const QString &first) const;
    // What a probe opens to read the parts as ffmpeg does, for the byte stream; empty otherwise.
    [[nodiscard]] QString streamUrl() const;

    // The joined input as a probe of it would read: the first part's tracks, the parts' durations
    // added up, and each track's packets added up where every part counted them.
    [[nodiscard]] MediaProbe::Info joinedInfo() const;
};
