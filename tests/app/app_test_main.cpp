#include <gtest/gtest.h>

#include <QApplication>

#include "platform/runtime_folder.h"

// Widgets need an application; the offscreen platform needs no display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const mirelta::RuntimeFolder runtimeFolder;  // nothing for the toolkit to warn about
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
