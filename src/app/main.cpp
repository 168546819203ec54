#include "app/AppDelegate.h"
#include "app/MGlobals.h"
#include "app/SingleInstance.h"
#include "app/UnixSignals.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pinlark"));
    QApplication::setApplicationVersion(QStringLiteral(PINLARK_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pinlark"));
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(MGlobals::DataFolderPath());
    if (instance.handOverToRunning())
        return 0;
    instance.listen();

    AppDelegate::Services services;
    AppDelegate delegate(std::move(services));
    QObject::connect(&instance, &SingleInstance::showRequested, &delegate,
                     &AppDelegate::MenuItemPinlarkClick);
    UnixSignals signalsToQuit;
    QObject::connect(&signalsToQuit, &UnixSignals::terminateRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     &AppDelegate::applicationWillTerminate);

    delegate.awakeFromNib();
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
