#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Kestrune was built; its window is not part of this build yet.\n";
    return 0;
}
