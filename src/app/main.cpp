#include <QApplication>
#include <QStringList>
#include <iostream>

#include "app/mirelta_app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelta"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("mirelta"));
    const QStringList args = QApplication::arguments();
    if (args.size() > 2) {
        std::cerr << "usage: mirelta [FILE.dat]\n";
        return 2;
    }
    mirelta::CMireltaApp theApp;
    return theApp.InitInstance(args.size() == 2 ? args[1] : QString());
}
