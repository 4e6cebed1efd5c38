// Feeds arbitrary source names and folder contents to the output naming rule. An input is lines:
// the source's name, then entries made beside it first ("name/" a folder, "@name" a link to
// nowhere, anything else a file). Checks what the promise of never replacing a file rests on:
// the output names nothing that exists, lies beside the source, and is called the source's base
// name, optionally " k", then the format's extension.
#include "engine/outputnaming.h"
#include "queue/remuxviewmodel.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static RemuxViewModel vm;
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'\n');
    const QString source = lines.first().left(100);
    if (source.isEmpty() || source.contains(u'/') || source.contains(QChar(0)) || source == u"." || source == u"..")
        return 0;
    QTemporaryDir dir;
    for (const QString &line : lines.mid(1, 20)) {
        const QString name = line.left(100).remove(u'@').remove(QChar(0));
        if (!name.chopped(name.endsWith(u'/')).contains(u'/') && !name.isEmpty() && name != u"." && name != u"..") {
            line.startsWith(u'@')     ? QFile::link(QStringLiteral("nowhere"), dir.filePath(name))
                : name.endsWith(u'/') ? QDir(dir.path()).mkdir(name)
                                      : QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
        }
    }
    vm.setOutputFormat(OutputFormats::allCases().at(int(size % 5)));
    const QString output = vm.outputURL(QUrl::fromLocalFile(dir.filePath(source))).toLocalFile();
    const QString pattern = QRegularExpression::escape(OutputNaming::splitExtension(source).base) + QStringLiteral("( [1-9][0-9]*)?\\.")
        + OutputFormats::fileExtension(vm.outputFormat());
    if (QFileInfo(output).exists() || QFileInfo(output).isSymLink() || QFileInfo(output).path() != dir.path()
        || !QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(QFileInfo(output).fileName()).hasMatch()) {
        std::fprintf(stderr, "naming rule broken: \"%s\" -> \"%s\"\n", qPrintable(source), qPrintable(output));
        std::abort();
    }
    return 0;
}
