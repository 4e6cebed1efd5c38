#pragma once

#include "engine/sidefiles.h"
#include "engine/trackchoice.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The disk's and the probe's half of the side inputs: what a file beside a video holds, read
// when the video is added, and a last look right before ffmpeg reads it. Blocking: run it on a
// worker or the disk's thread.
namespace SideInputReader
{
// The side file at `path`, which its name describes as `file`, read by the demuxer its extension
// names (so an ".srt" holding a playlist is read as subtitles, and holds none). Its codec is
// empty, and it is left out with a note, when it can't be read, is empty, or holds no stream of
// its kind. Side audio takes the language and title its own stream gives where the name gives none.
[[nodiscard]] SideInput read(const QString &path, const SideFiles::File &file);

// A look at side inputs right before ffmpeg reads them.
struct Check {
    QStringList gone; // no longer there
    QHash<QString, QString> copies; // path -> the UTF-8 copy in the scratch folder ffmpeg reads instead
};
// Which of `inputs` are gone, and UTF-8 copies in `scratch` of the UTF-16 and UTF-32 subtitles
// (ffmpeg 5.1 garbles such SRT and refuses such WebVTT).
[[nodiscard]] Check check(const QList<SideInput> &inputs, const QString &scratch);
}
