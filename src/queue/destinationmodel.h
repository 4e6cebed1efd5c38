#pragma once

#include "queue/outputdestination.h"
#include "queue/platformservices.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The window's `vm.destination`: the container new files are written in, where they go, and
// whether they take their source's dates. Confined to the main thread.
class DestinationModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The view model owns the destination")

    // Raw value of the chosen OutputFormat ("mkv", "mp4", "mov", "webm", "mpegts").
    Q_PROPERTY(QString outputFormat READ outputFormatId WRITE setOutputFormatId NOTIFY outputFormatChanged)
    // Every format in display order, as { id, displayName } maps for the format row.
    Q_PROPERTY(QVariantList formatChoices READ formatChoices CONSTANT)
    Q_PROPERTY(QUrl outputDirectory READ outputDirectory NOTIFY outputDirectoryChanged)
    Q_PROPERTY(bool hasOutputDirectory READ hasOutputDirectory NOTIFY outputDirectoryChanged)
    Q_PROPERTY(QString outputDirectoryPath READ outputDirectoryPath NOTIFY outputDirectoryChanged)
    Q_PROPERTY(QString outputDirectoryName READ outputDirectoryName NOTIFY outputDirectoryChanged)
    Q_PROPERTY(bool sameAsInput READ sameAsInput WRITE setSameAsInput NOTIFY sameAsInputChanged)
    Q_PROPERTY(bool keepOriginal READ keepOriginal CONSTANT)
    // Whether new files get their source's dates; remembered between runs, on unless changed.
    Q_PROPERTY(bool keepFileDates READ keepFileDates WRITE setKeepFileDates NOTIFY keepFileDatesChanged)

public:
    // `picker` may be null: no dialog opens.
    DestinationModel(OutputDestination *destination, FilePicker *picker, QObject *parent);

    // The settings key the dates choice is stored under.
    static constexpr auto keepFileDatesKey = "keepFileDates";
    // Read from `settings`, where it is remembered from now on; none: nothing is remembered.
    void restore(QSettings *settings);

    [[nodiscard]] QString outputFormatId() const;
    void setOutputFormatId(const QString &id); // unknown ids are ignored
    [[nodiscard]] static QVariantList formatChoices();
    [[nodiscard]] QUrl outputDirectory() const; // empty when none
    [[nodiscard]] bool hasOutputDirectory() const;
    [[nodiscard]] QString outputDirectoryPath() const;
    [[nodiscard]] QString outputDirectoryName() const;
    [[nodiscard]] bool sameAsInput() const;
    void setSameAsInput(bool sameAsInput);
    [[nodiscard]] static bool keepOriginal() { return true; }
    [[nodiscard]] bool keepFileDates() const { return m_keepFileDates; }
    // Takes effect at the next batch; written back when choices are remembered.
    void setKeepFileDates(bool keep);

    Q_INVOKABLE void chooseOutputFolder();

Q_SIGNALS:
    void outputFormatChanged();
    void outputDirectoryChanged();
    void sameAsInputChanged();
    void keepFileDatesChanged();

private:
    OutputDestination *m_destination;
    FilePicker *m_picker;
    QSettings *m_settings = nullptr;
    bool m_keepFileDates = true;
};
