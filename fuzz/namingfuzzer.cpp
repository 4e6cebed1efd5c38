// Feeds arbitrary source names and folder contents to the output naming rule. Each input builds
// a source folder and a chosen folder in a scratch directory, fills the folder the output goes
// to with files, folders and dangling links (many named like the outputs the rule tries), and
// asks the model for the output location. Checks what the promise of never replacing a file
// rests on: the returned path names nothing that exists, it lies in the folder the destination
// setting says, and its name is the source's base name, optionally " k", then the chosen
// format's extension.
#include "queue/platformservices.h"
#include "queue/remuxviewmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class NoPicker : public FilePicker
{
public:
    QUrl folder;
    FilesChoice pickFiles(const QString &) override { return {}; }
    FolderChoice pickFolder(const QString &) override { return { true, folder }; }
};

class NoRevealer : public FileRevealer
{
public:
    void reveal(const QUrl &) override { }
};

void removeTree(const QByteArray &root)
{
    ::nftw(
        root.constData(), [](const char *path, const struct stat *, int type, FTW *) { return type == FTW_DP ? ::rmdir(path) : ::unlink(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

struct Scratch {
    QByteArray root;
    QByteArray sources;
    QByteArray chosen;
};

const Scratch &scratch()
{
    static const Scratch folders = [] {
        char pattern[] = "/tmp/kestrune-namingfuzzer-XXXXXX";
        const char *root = ::mkdtemp(pattern);
        if (!root) {
            std::abort();
        }
        return Scratch { root, QByteArray(root) + "/sources", QByteArray(root) + "/chosen" };
    }();
    static const bool cleanedAtExit = std::atexit([] { removeTree(scratch().root); }) == 0;
    (void)cleanedAtExit;
    return folders;
}

void emptyFolder(const QByteArray &folder)
{
    removeTree(folder);
    ::mkdir(folder.constData(), 0755);
}

// Reads up to the next NUL (or the end) as a file name: valid UTF-8 after replacement, no
// slash, short enough that every suffixed form still fits in a name.
QString takeName(const uint8_t *&data, const uint8_t *end)
{
    const uint8_t *start = data;
    while (data < end && *data != 0) {
        ++data;
    }
    QString name = QString::fromUtf8(reinterpret_cast<const char *>(start), data - start);
    if (data < end) {
        ++data;
    }
    name.remove(QLatin1Char('/'));
    name.remove(QChar(0));
    name.truncate(40);
    if (!name.isEmpty() && name.back().isHighSurrogate()) {
        name.chop(1);
    }
    return name;
}

void create(const QByteArray &path, int kind)
{
    switch (kind) {
    case 0: {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd >= 0) {
            ::close(fd);
        }
        break;
    }
    case 1:
        ::mkdir(path.constData(), 0755);
        break;
    case 2:
        (void)::symlink("nowhere/at/all", path.constData());
        break;
    default:
        (void)::symlink(".", path.constData()); // a link to a folder
        break;
    }
}

QString baseName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && dot < fileName.size() - 1 ? fileName.left(dot) : fileName;
}

[[noreturn]] void fail(const char *what, const QString &source, const QString &output)
{
    std::fprintf(stderr, "naming rule broken (%s): source \"%s\" -> \"%s\"\n", what, source.toUtf8().constData(), output.toUtf8().constData());
    std::abort();
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "namingfuzzer";
    static char *argv[] = { name, nullptr };
    static QCoreApplication app(argc, argv);
    static NoPicker *picker = nullptr;
    static RemuxViewModel *vm = [] {
        RemuxViewModel::Dependencies dependencies;
        dependencies.runner = std::make_unique<FFmpegRunner>(FFmpegRunner::Locations {});
        auto ownedPicker = std::make_unique<NoPicker>();
        picker = ownedPicker.get();
        dependencies.picker = std::move(ownedPicker);
        dependencies.revealer = std::make_unique<NoRevealer>();
        return new RemuxViewModel(std::move(dependencies));
    }();

    // Byte 0: format, destination and whether the source itself is there; byte 1: how many
    // entries to make; then the source's name, then per entry a kind/form byte and a number
    // byte, with a name of its own for the free form.
    if (size < 2) {
        return 0;
    }
    const uint8_t *cursor = data;
    const uint8_t *const end = data + size;
    const uint8_t control = *cursor++;
    const int entries = *cursor++ % 24;
    const OutputFormat format = OutputFormats::allCases().at(control % 5);
    const bool sameAsInput = (control & 0x08) != 0;
    const bool sourceExists = (control & 0x10) != 0;
    const QString sourceName = takeName(cursor, end);
    if (sourceName.isEmpty() || sourceName == QLatin1String(".") || sourceName == QLatin1String("..")) {
        return 0;
    }

    const Scratch &folders = scratch();
    emptyFolder(folders.sources);
    emptyFolder(folders.chosen);
    const QString sourceFolder = QFile::decodeName(folders.sources);
    const QString chosenFolder = QFile::decodeName(folders.chosen);
    const QString sourcePath = sourceFolder + QLatin1Char('/') + sourceName;
    if (sourceExists) {
        create(QFile::encodeName(sourcePath), 0);
    }

    vm->setOutputFormat(format);
    picker->folder = QUrl::fromLocalFile(chosenFolder);
    vm->chooseOutputFolder();
    vm->setSameAsInput(sameAsInput);
    const QString folder = sameAsInput ? sourceFolder : chosenFolder;
    const QString base = baseName(sourceName);
    const QString extension = OutputFormats::fileExtension(format);

    for (int i = 0; i < entries && cursor + 2 <= end; ++i) {
        const uint8_t shape = *cursor++;
        const uint8_t number = *cursor++;
        QString entry;
        switch ((shape >> 2) % 4) {
        case 0:
            entry = takeName(cursor, end);
            break;
        case 1:
            entry = base + QLatin1Char('.') + extension;
            break;
        case 2:
            entry = base + QLatin1Char(' ') + QString::number(number % 32) + QLatin1Char('.') + extension;
            break;
        default:
            entry = base + QLatin1Char(' ') + QString::number(number % 32) + QLatin1Char('.')
                + OutputFormats::fileExtension(OutputFormats::allCases().at(number % 5));
            break;
        }
        if (!entry.isEmpty() && entry != QLatin1String(".") && entry != QLatin1String("..")) {
            create(QFile::encodeName(folder + QLatin1Char('/') + entry), shape % 4);
        }
    }

    const QUrl source = QUrl::fromLocalFile(sourcePath);
    const QString output = vm->outputURL(source).toLocalFile();
    if (vm->outputURL(source).toLocalFile() != output) {
        fail("not the same answer twice", sourcePath, output);
    }
    struct stat info {
    };
    if (::lstat(QFile::encodeName(output).constData(), &info) == 0) {
        fail("names an existing entry", sourcePath, output);
    }
    const qsizetype slash = output.lastIndexOf(QLatin1Char('/'));
    if (output.left(slash) != folder) {
        fail("another folder", sourcePath, output);
    }
    const QString outputName = output.mid(slash + 1);
    if (!outputName.endsWith(QLatin1Char('.') + extension)) {
        fail("another extension", sourcePath, output);
    }
    // The first free name is taken: every name before it in the sequence is in use.
    const auto taken = [&folder](const QString &name) {
        struct stat entry {
        };
        return ::lstat(QFile::encodeName(folder + QLatin1Char('/') + name).constData(), &entry) == 0;
    };
    const QString stem = outputName.chopped(extension.size() + 1);
    if (stem != base) {
        const QString suffix = stem.mid(base.size());
        bool numbered = false;
        const int k = suffix.mid(1).toInt(&numbered);
        if (!stem.startsWith(base) || !suffix.startsWith(QLatin1Char(' ')) || !numbered || k < 1 || suffix != QStringLiteral(" %1").arg(k)) {
            fail("not the base name with a number", sourcePath, output);
        }
        for (int j = 0; j < k; ++j) {
            if (!taken(base + (j == 0 ? QString() : QLatin1Char(' ') + QString::number(j)) + QLatin1Char('.') + extension)) {
                fail("not the first free name", sourcePath, output);
            }
        }
    }
    return 0;
}
