#include "uitestdriver.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

extern void qml_register_types_Kestrune();

// Makes the application's QML module importable in every test file's engine, and gives each
// engine a driver with a fresh model as `vm`.
class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable() { qml_register_types_Kestrune(); }
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral("qrc:/"));
        auto *driver = new UiTestDriver(engine, engine);
        engine->rootContext()->setContextProperty(QStringLiteral("driver"), driver);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(kestrune_ui, Setup)
#include "quicktestmain.moc"
