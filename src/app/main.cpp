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
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
        std::cout << "usage: mirelta [FILE.dat]\nShows a satellite meter's saved measurements.\n";
        return 0;
    }
    if (args.size() == 2 && args[1] == "--version") {
        std::cout << "mirelta 1.0\n";
        return 0;
    }
    if (args.size() > 2) {
        std::cerr << "usage: mirelta [FILE.dat]\n";
        return 2;
    }
    mirelta::CMireltaApp theApp;
    return theApp.InitInstance(args.size() == 2 ? args[1] : QString());
}
