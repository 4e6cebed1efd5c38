#include "queue/filelistmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Status = InputFile::FileStatus;
using Roles = QList<int>;

namespace
{
const QUrl out = QUrl::fromLocalFile(QStringLiteral("/m/a.mkv"));

InputFile record(const QString &path)
{
    return InputFile(QUrl::fromLocalFile(path));
}
}

class FileListModelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FileListModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
    std::unique_ptr<QSignalSpy> m_dataChanged;
    std::unique_ptr<QSignalSpy> m_reset;
    std::unique_ptr<QSignalSpy> m_filesChanged;

private Q_SLOTS:
    void init()
    {
        m_model = std::make_unique<FileListModel>();
        m_tester = std::make_unique<QAbstractItemModelTester>(m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        m_dataChanged = std::make_unique<QSignalSpy>(m_model.get(), &QAbstractItemModel::dataChanged);
        m_reset = std::make_unique<QSignalSpy>(m_model.get(), &QAbstractItemModel::modelAboutToBeReset);
        m_filesChanged = std::make_unique<QSignalSpy>(m_model.get(), &FileListModel::filesChanged);
    }

    void cleanup()
    {
        QCOMPARE(m_reset->count(), 0); // never a reset of the whole list
        m_tester.reset();
        m_model.reset();
    }

    // A status change announces just its row and just the roles whose value moved.
    void statusChangeRoles_data()
    {
        QTest::addColumn<Status>("from");
        QTest::addColumn<Status>("to");
        QTest::addColumn<Roles>("roles");
        const int S = FileListModel::StatusRole, HF = FileListModel::HasFractionRole, F = FileListModel::FractionRole;
        const int HS = FileListModel::HasSpeedRole, SP = FileListModel::SpeedRole, O = FileListModel::OutputUrlRole;
        const int N = FileListModel::NoteRole, R = FileListModel::ReasonRole;
        QTest::addRow("queued to converting") << Status::queued() << Status::converting() << Roles { S };
        QTest::addRow("fraction arrives") << Status::converting() << Status::converting(0.25) << Roles { HF, F };
        QTest::addRow("only the speed moves") << Status::converting(0.25, 1.0) << Status::converting(0.25, 2.0) << Roles { SP };
        QTest::addRow("speed goes away") << Status::converting(0.25, 1.0) << Status::converting(0.25) << Roles { HS, SP };
        QTest::addRow("converting to done") << Status::converting(1.0, 2.0) << Status::done(out) << Roles { S, HF, F, HS, SP, O };
        QTest::addRow("converting to done with a note") << Status::converting() << Status::done(out, QStringLiteral("n")) << Roles { S, O, N };
        QTest::addRow("converting to failed") << Status::converting(0.5) << Status::failed(QStringLiteral("r")) << Roles { S, HF, F, R };
        QTest::addRow("the same status again") << Status::converting(0.5) << Status::converting(0.5) << Roles {};
    }

    void statusChangeRoles()
    {
        QFETCH(Status, from);
        QFETCH(Status, to);
        QFETCH(Roles, roles);
        m_model->append({ record(QStringLiteral("/m/x.mov")), record(QStringLiteral("/m/a.mov")), record(QStringLiteral("/m/y.mov")) });
        m_model->setStatus(1, from);
        m_dataChanged->clear();
        m_filesChanged->clear();
        m_model->setStatus(1, to);
        QCOMPARE(m_model->files().at(1).status(), to);
        if (roles.isEmpty()) {
            QCOMPARE(m_dataChanged->count(), 0);
            QCOMPARE(m_filesChanged->count(), 0);
            return;
        }
        QCOMPARE(m_dataChanged->count(), 1);
        const QList<QVariant> args = m_dataChanged->takeFirst();
        QCOMPARE(args.at(0).toModelIndex().row(), 1);
        QCOMPARE(args.at(1).toModelIndex().row(), 1);
        QCOMPARE(args.at(2).value<QList<int>>(), roles);
        QCOMPARE(m_filesChanged->count(), 1);
    }

    void rowValues()
    {
        const InputFile file = record(QStringLiteral("/m/sub dir/clip é.mov"));
        m_model->append({ file });
        const QModelIndex at = m_model->index(0);
        QCOMPARE(at.data(FileListModel::FileNameRole).toString(), QStringLiteral("clip é.mov"));
        QCOMPARE(at.data(FileListModel::FolderPathRole).toString(), QStringLiteral("/m/sub dir"));
        QCOMPARE(QUuid::fromString(at.data(FileListModel::FileIdRole).toString()), file.id());
        QCOMPARE(at.data(FileListModel::StatusRole).toInt(), int(FileListModel::Queued));
        m_model->setStatus(0, Status::converting(std::nullopt, 1.5));
        QCOMPARE(at.data(FileListModel::HasFractionRole).toBool(), false);
        QCOMPARE(at.data(FileListModel::SpeedRole).toDouble(), 1.5);
        m_model->setStatus(0, Status::done(out, QStringLiteral("note")));
        QCOMPARE(at.data(FileListModel::OutputUrlRole).toUrl(), out);
        QCOMPARE(at.data(FileListModel::NoteRole).toString(), QStringLiteral("note"));
        m_model->setStatus(0, Status::failed(QStringLiteral("why")));
        QCOMPARE(at.data(FileListModel::ReasonRole).toString(), QStringLiteral("why"));
        QCOMPARE(at.data(FileListModel::OutputUrlRole).toUrl(), QUrl());
    }

    // Rows, ids, URLs and tallies stay consistent through appends and removals.
    void removalKeepsLookupsAndTallies()
    {
        QList<InputFile> records;
        for (int i = 0; i < 8; ++i) {
            records.append(record(QStringLiteral("/m/%1.mov").arg(i)));
        }
        records.append(record(QStringLiteral("/m/3.mov"))); // the same URL listed twice
        m_model->append(records);
        QSignalSpy countChanged(m_model.get(), &FileListModel::countChanged);
        for (const int row : { 1, 2, 4, 6, 7 }) {
            m_model->setStatus(row, row % 2 ? Status::failed(QStringLiteral("r")) : Status::done(out, QStringLiteral("n")));
        }
        m_model->setStatus(5, Status::converting(0.5));
        QCOMPARE(m_model->doneCount(), 3);
        QCOMPARE(m_model->doneWithNoteCount(), 3);
        QCOMPARE(m_model->failedCount(), 2);
        QCOMPARE(m_model->convertingFractionSum(), 0.5);

        m_model->removeIf([](const InputFile &file) { return file.status().isFinished(); });
        QCOMPARE(countChanged.count(), 1);
        QCOMPARE(m_model->count(), 4);
        QCOMPARE(m_model->doneCount(), 0);
        QCOMPARE(m_model->failedCount(), 0);
        const QList<int> kept { 0, 3, 5, 8 };
        for (int row = 0; row < kept.size(); ++row) {
            QCOMPARE(m_model->rowOf(records.at(kept.at(row)).id()), row);
        }
        QCOMPARE(m_model->rowOf(records.at(1).id()), -1);
        QVERIFY(m_model->containsUrl(records.at(3).url()));
        QVERIFY(!m_model->containsUrl(records.at(1).url()));
        m_model->removeIf([&](const InputFile &file) { return file.id() == records.at(3).id(); });
        QVERIFY(m_model->containsUrl(records.at(3).url())); // its twin is still listed
        m_model->removeIf([](const InputFile &file) { return file.status().isConverting(); });
        QCOMPARE(m_model->convertingFractionSum(), 0.0);
        QCOMPARE(m_model->count(), 2);
    }
};

QTEST_GUILESS_MAIN(FileListModelTest)
#include "filelistmodeltest.moc"
