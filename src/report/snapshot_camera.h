// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <string>

#include "platform/scripted_prompts.h"
#include "screens/main_window_logic.h"

namespace mirelta {

enum class SnapshotKind { Find, Constellation, Spectrum };

// Shows snapshots through the main window's own logic, the way a user picks them, so a report
// holds exactly the replica that the window and `render` show.
class SnapshotCamera {
  public:
    SnapshotCamera();

    // Opens the file as the Open button does.
    Error open(const std::string& path, std::chrono::milliseconds deadline);
    // 0 English, 1 French: the meter's label languages.
    void chooseLanguage(int entry);
    // Shows entry `index` of the kind's list on its screen.
    void show(SnapshotKind kind, int index);
    QImage replica() const;
    // A replica control's text as the shown screen has it (8-bit, as the meter wrote it).
    std::string shownText(int id) const { return logic.controls().text(id); }

    ScriptedPrompts prompts;
    MainWindowLogic logic{prompts};
};

}  // namespace mirelta
