// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>
#include <iostream>

#include "app/mirelta_app.h"
#include "mirelta_version.h"
#include "platform/parse_problem.h"
#include "platform/runtime_folder.h"

namespace {

constexpr const char* kUsage = "usage: mirelta [OPTIONS] [FILE.dat]";

// The toolkit takes these before we see the command line; its parser cannot list them itself.
constexpr const char* kToolkitOptions = R"(
Options of the Qt toolkit:
  -platform NAME[:OPTIONS]   Window system plugin: xcb, wayland, offscreen, ...
  -platformtheme THEME       Platform theme.
  -plugin PLUGIN             Loads an extra input plugin.
  -display HOST:SCREEN       X display to use (xcb).
  -geometry GEOMETRY         Geometry of the main window (xcb).
  -qwindowgeometry GEOMETRY  Geometry of the main window.
  -qwindowtitle TITLE        Title of the main window.
  -qwindowicon ICON          Icon of the main window.
  -style STYLE               Widget style: Fusion, Windows, ...
  -stylesheet FILE           Style sheet to apply.
  -reverse                   Lays out right to left.
  -session SESSION           Restores a session.
)";

// --help and --version need no display, so they are answered on the offscreen platform.
bool OnlyAsksForHelpOrVersion(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        for (const char* flag : {"-h", "--help", "-v", "--version"}) {
            if (std::strcmp(argv[k], flag) == 0) {
                return true;
            }
        }
    }
    return false;
}

// The same wording as mirelta-cli's usage errors.
int UsageError(const std::string& problem) {
    std::cerr << "mirelta: " << problem << '\n' << kUsage << "\nTry 'mirelta --help' for more.\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const mirelta::RuntimeFolder runtimeFolder;
    if (OnlyAsksForHelpOrVersion(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // Dialogs and drop-down lists take their window title from it.
    QApplication::setApplicationName(QStringLiteral("Mirelta"));
    QApplication::setApplicationVersion(QString::fromLatin1(mirelta::kVersion));
    QApplication::setDesktopFileName(QString::fromLatin1(mirelta::kApplicationId));
    // The window's own words follow the desktop's language (LANGUAGE, LC_MESSAGES); the meter's
    // labels follow the Language list.
    QTranslator toolkitWords;
    if (toolkitWords.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&toolkitWords);
    }
    QTranslator ownWords;
    if (ownWords.load(QLocale(), QStringLiteral("mirelta"), QStringLiteral("_"),
                      QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&ownWords);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows a satellite meter's saved measurements."));
    const QCommandLineOption help(
        QStringList{"h", "help"},
        QStringLiteral("Shows this help, the toolkit's options included."));
    parser.addOption(help);
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.dat"),
                                 QStringLiteral("A meter's memory image to open at start."),
                                 QStringLiteral("[FILE.dat]"));
    // The toolkit has taken its own options out of the list by now.
    if (!parser.parse(QApplication::arguments())) {
        return UsageError(mirelta::ParseProblem(parser));
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString() << kToolkitOptions;
        return 0;
    }
    if (parser.isSet("version")) {
        std::cout << "mirelta " << mirelta::kVersion << '\n';
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return UsageError("only one FILE may be given");
    }
    mirelta::CMireltaApp theApp;
    return theApp.InitInstance(files.isEmpty() ? QString() : files.first());
}
