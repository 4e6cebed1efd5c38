#pragma once

#include "queue/filelistmodel.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>
#include <functional>

// The window's `vm.join`: whether the listed files are to be joined into one, in list order, and
// what the check of them says. The check runs on a worker whenever the switch is turned on or the
// list or its order changes; only the newest check's answer is taken. Not remembered: joining is
// a choice for these files. Confined to the main thread.
class JoinModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The view model owns the join")

    Q_PROPERTY(bool on READ isOn WRITE setOn NOTIFY onChanged)
    // A check is under way, or its answer is not in yet.
    Q_PROPERTY(bool checking READ isChecking NOTIFY checkChanged)
    // The part that can't be joined (its file id; empty when the parts fit or no part is to blame)
    // and why, in words; empty when the parts can be joined.
    Q_PROPERTY(QString refusedId READ refusedId NOTIFY checkChanged)
    Q_PROPERTY(QString refusal READ refusal NOTIFY checkChanged)
    // On, two or more parts, checked, and nothing refused.
    Q_PROPERTY(bool ready READ isReady NOTIFY checkChanged)

public:
    // The answer of a check: the part that differs (from 0; -1 when the parts fit, or when the
    // reason names no part) and why, empty when the parts can be joined.
    struct Verdict {
        int part = -1;
        QString reason;
    };
    // Runs on a worker.
    using Check = std::function<Verdict(const QList<QUrl> &parts)>;
    // Whether the list may change order now (not while a batch runs).
    using MayMove = std::function<bool()>;

    // `check` none: the engine's, over the parts' probes.
    JoinModel(FileListModel *files, Check check, MayMove mayMove, QObject *parent);

    [[nodiscard]] bool isOn() const { return m_on; }
    void setOn(bool on);
    [[nodiscard]] bool isChecking() const { return m_checking; }
    [[nodiscard]] QString refusedId() const { return m_refusedId; }
    [[nodiscard]] QString refusal() const { return m_refusal; }
    [[nodiscard]] bool isReady() const;
    [[nodiscard]] QList<QUrl> parts() const;

    // Moves a part within the list; refused while a batch runs or when a row is not listed.
    Q_INVOKABLE bool moveFile(int from, int to);

Q_SIGNALS:
    void onChanged();
    void checkChanged();

private:
    void recheck();

    FileListModel *m_files;
    Check m_check;
    MayMove m_mayMove;
    bool m_on = false;
    bool m_checking = false;
    int m_generation = 0; // of the last check started; an older one's answer is passed over
    QString m_refusedId;
    QString m_refusal;
};
