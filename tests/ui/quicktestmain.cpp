#include "uitestdriver.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

extern void qml_register_types_Kestrune();

// Makes the application's QML module importable in every test file's engine, and gives each
// engine a driver with a fresh model.
class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable() { qml_register_types_Kestrune(); }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        engine->rootContext()->setContextProperty(QStringLiteral("driver"), new UiTestDriver(engine, engine));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(kestrune_ui, Setup)
#include "quicktestmain.moc"
