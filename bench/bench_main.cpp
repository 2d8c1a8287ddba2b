// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the benchmarks without widgets: fonts and painting need a GUI application, never
// a display.
#include <QGuiApplication>

#include "run_benchmarks.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return mirelta::bench::RunBenchmarks(argc, argv);
}
