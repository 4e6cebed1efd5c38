#pragma once

#include <QString>

// The rule every new file is named by: the source's base name with the container's extension,
// and when that name is taken, a blank and 1, 2, … before the extension. Shared by the queue,
// which picks the name when a file starts, and the engine, which picks again if the name was
// taken while ffmpeg ran.
namespace OutputNaming
{
struct NameParts {
    QString base;
    QString extension;
};

// Splits a file name at its last dot. A leading dot starts a hidden name, not an extension, and
// a trailing dot leaves no extension.
[[nodiscard]] NameParts splitExtension(const QString &name);

// Taken means anything at all is there: a file, a folder, or a link, even one pointing nowhere.
[[nodiscard]] bool isTaken(const QString &path);

[[nodiscard]] QString joinPath(const QString &folder, const QString &name);

// The longest name a file system takes: in UTF-8 bytes, or, on vfat and exFAT, which store
// names in UTF-16 (and tell 1530 bytes, the most 255 of those units can take), in UTF-16 units.
struct NameLimit {
    qsizetype length = 255;
    bool utf16 = false;
    bool operator==(const NameLimit &) const = default;
};

// The smallest limit among the file systems in common use (eCryptfs with encrypted names), for a
// name refused as too long although the limit the file system told allowed it.
constexpr NameLimit fallbackNameLimit { 143, false };

[[nodiscard]] NameLimit nameLimit(const QString &folder);

// `base` followed by `tail`, the base shortened so the whole fits `limit`, never cut inside a
// character as a reader sees it (a flag, a sequence of joined emoji, a letter and its accents).
[[nodiscard]] QString fitName(const QString &base, const QString &tail, NameLimit limit);

// The first free path among "base.extension", "base 1.extension", "base 2.extension", … in
// `folder`, each name shortened at the end of its base to fit the folder's file system.
[[nodiscard]] QString freePath(const QString &folder, const QString &base, const QString &extension);
[[nodiscard]] QString freePathWithin(const QString &folder, const QString &base, const QString &extension, NameLimit limit);
}
