#include <QQmlEngine>
#include <QtQuickTest>

extern void qml_register_types_Kestrune();

// Makes the application's QML module importable in every test file's engine.
class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable() { qml_register_types_Kestrune(); }
    void qmlEngineAvailable(QQmlEngine *engine) { engine->addImportPath(QStringLiteral("qrc:/")); }
};

QUICK_TEST_MAIN_WITH_SETUP(kestrune_ui, Setup)
#include "quicktestmain.moc"
