#include <QApplication>
#include <cstring>
#include <iostream>

#include "app/mirelta_app.h"
#include "mirelta_version.h"

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << "usage: mirelta [FILE.dat]\nShows a satellite meter's saved measurements.\n";
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "mirelta " << mirelta::kVersion << '\n';
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirelta"));
    QApplication::setApplicationVersion(QString::fromLatin1(mirelta::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(mirelta::kApplicationId));
    // The toolkit has taken its own options out of the list by now.
    const QStringList args = QApplication::arguments();
    if (args.size() > 2) {
        std::cerr << "usage: mirelta [FILE.dat]\n";
        return 2;
    }
    mirelta::CMireltaApp theApp;
    return theApp.InitInstance(args.size() == 2 ? args[1] : QString());
}
