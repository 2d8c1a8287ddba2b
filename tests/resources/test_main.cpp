// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "platform/runtime_folder.h"

// Icons and fonts need a GUI application; offscreen keeps the tests display-free, also when
// the test list is read at build time.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const mirelta::RuntimeFolder runtimeFolder;  // nothing for the toolkit to warn about
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
