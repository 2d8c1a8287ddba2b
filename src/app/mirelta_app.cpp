// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mirelta_app.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "app/first_paint_exit.h"
#include "app/main_window.h"
#include "app/qt_prompts.h"
#include "app/state_line.h"
#include "app/state_on_signal.h"

namespace mirelta {

int CMireltaApp::InitInstance(const QString& file) {
    QtPrompts prompts;
    MainWindow window(prompts);
    CMireltaDlg& dlg = window.dialog();
    prompts.setOwner(&window);
    const StateOnSignal state([&dlg] { std::cout << StateLine(dlg.document()) << std::endl; },
                              nullptr);
    if (qEnvironmentVariableIsSet("MIRELTA_EXIT_AFTER_FIRST_PAINT")) {
        ExitAfterFirstPaint(*dlg.findChild<ReplicaView*>(), [&dlg, file] {
            return file.isEmpty() || dlg.document().ScreenMode() != ScreenKind::None;
        });
    }
    if (!file.isEmpty()) {
        // Once the window is up, so that an error message has its owner on screen.
        QTimer::singleShot(0, &dlg, [&dlg, file] { dlg.OpenDroppedOrGiven(file); });
    }
    window.show();
    QApplication::exec();
    return 0;
}

}  // namespace mirelta
