// The real picker on Qt's own dialog (the offscreen platform has no native one): the confirm
// button carries the prompt, files are picked several at a time, folders alone.

#include "queue/desktopservices.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace
{
// Acts on the dialog once it is shown modally.
void whenDialogShows(std::function<void(QFileDialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}
}

class DialogFilePickerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pickFiles_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addRow("confirmed") << true;
        QTest::addRow("cancelled") << false;
    }

    void pickFiles()
    {
        QFETCH(bool, confirm);
        QTemporaryDir dir;
        for (const char *name : { "a.mkv", "b.mp4" }) {
            QVERIFY(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        }
        QString label;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        whenDialogShows([&](QFileDialog *dialog) {
            label = dialog->labelText(QFileDialog::Accept);
            mode = dialog->fileMode();
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("\"a.mkv\" \"b.mp4\""));
            confirm ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
        });
        DialogFilePicker picker;
        const auto choice = picker.pickFiles(QStringLiteral("Add Files"));
        QCOMPARE(label, QStringLiteral("Add Files"));
        QCOMPARE(mode, QFileDialog::ExistingFiles);
        QCOMPARE(choice.accepted, confirm);
        const QList<QUrl> expected = confirm
            ? QList<QUrl> { QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.mkv"))), QUrl::fromLocalFile(dir.filePath(QStringLiteral("b.mp4"))) }
            : QList<QUrl> {};
        QCOMPARE(choice.urls, expected);
    }

    void pickFolder()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("out")));
        QString label;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        whenDialogShows([&](QFileDialog *dialog) {
            label = dialog->labelText(QFileDialog::Accept);
            mode = dialog->fileMode();
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("out"));
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides its override
        });
        DialogFilePicker picker;
        const auto choice = picker.pickFolder(QStringLiteral("Choose Output Folder"));
        QCOMPARE(label, QStringLiteral("Choose Output Folder"));
        QCOMPARE(mode, QFileDialog::Directory);
        QVERIFY(choice.accepted);
        QCOMPARE(choice.url, QUrl::fromLocalFile(dir.filePath(QStringLiteral("out"))));
    }
};

QTEST_MAIN(DialogFilePickerTest)
#include "dialogfilepickertest.moc"
