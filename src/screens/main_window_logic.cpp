// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_window_logic.h"

#include "platform/window_template.h"

namespace mirelta {

MainWindowLogic::MainWindowLogic(Prompts& userPrompts)
    : prompts(userPrompts), compositor(controls, *this) {
    controls.onChange = [this](int id, ControlChange change) {
        const Control* c = controls.find(id);
        const bool repaints = change == ControlChange::Moved || change == ControlChange::Text ||
                              change == ControlChange::Style;
        if (c != nullptr && c->replica && c->visible && repaints && repaintsHeld_ == 0) {
            compositor.repaintControl(id);
        }
        if (c != nullptr && !c->replica && onPanelChange) {
            onPanelChange(id, change);
        }
    };
}

void MainWindowLogic::withRepaintsHeld(const std::function<void()>& changes) {
    ++repaintsHeld_;
    changes();
    --repaintsHeld_;
}

void MainWindowLogic::OnInitDialog() {
    LayoutScreenFrame();
    CreateLabelFonts();
    for (const char* entry : {"Find", "Constellation", "Spectrum"}) {
        controls.addItem(ids::UiList, entry);
    }
    controls.setSelection(ids::LanguageList, 0);
}

void MainWindowLogic::Open() {
    const std::optional<std::string> path = prompts.openFileName("Source file (*.dat)|*.dat|");
    if (!path || path->empty()) {
        return;
    }
    if (onOpenPath) {
        onOpenPath(*path);
    } else {
        OpenPath(*path);
    }
}

Error MainWindowLogic::OpenPath(const std::string& path, std::chrono::milliseconds deadline) {
    return OpenImage(path, ReadSourceFile(path, deadline));
}

Error MainWindowLogic::OpenImage(const std::string& path, ReadResult read) {
    if (read.error.kind == ErrorKind::CannotOpen) {
        prompts.messageBox("Open false! \n" + path, read.error.detail);
        return read.error;
    }
    if (!read.error.ok() || read.image == nullptr) {
        prompts.messageBox("Read file error!", read.error.detail);
        return read.error;
    }
    image = std::move(read.image);
    sourcePath = path;
    lists = Load(*image);

    controls.enable(ids::FindList, true);
    controls.enable(ids::SpectrumList, false);
    controls.enable(ids::ConstellationList, false);
    fillRecordList(ids::SpectrumList, lists.spectrumCount,
                   [this](int k) { return lists.spectrum[k].listLabel(); });
    fillRecordList(ids::ConstellationList, lists.constellationCount,
                   [this](int k) { return lists.constellation[k].listLabel(); });
    fillRecordList(ids::FindList, lists.findCount,
                   [this](int k) { return lists.find[k].listLabel(); });

    controls.enable(ids::Save, true);
    controls.enable(ids::UiList, true);
    controls.setSelection(ids::UiList, 0);
    ScreenMode = screen_mode::Find;
    ShowScreen(ScreenMode);
    if (onOpened) {
        onOpened(path);
    }
    return {};
}

void MainWindowLogic::fillRecordList(int listId, int count,
                                     const std::function<std::string(int)>& label) {
    controls.clearItems(listId);
    for (int k = 0; k < count; ++k) {
        controls.addItem(listId, label(k));
    }
    controls.setSelection(listId, 0);
}

void MainWindowLogic::OnUiListChange() {
    const int entry = controls.selection(ids::UiList);
    switch (entry) {
        case 0:
            ScreenMode = screen_mode::Find;
            break;
        case 1:
            ScreenMode = screen_mode::Constellation;
            break;
        case 2:
            ScreenMode = screen_mode::Spectrum;
            break;
        default:
            ScreenMode = screen_mode::None;
            break;
    }
    if (entry >= 0 && entry <= 2) {
        controls.enable(ids::FindList, entry == 0);
        controls.enable(ids::ConstellationList, entry == 1);
        controls.enable(ids::SpectrumList, entry == 2);
    }
    ShowScreen(ScreenMode);
    focusReplica();
}

// A list without a selection reports -1; that must never become an index.
void MainWindowLogic::OnFindListChange() {
    const int entry = controls.selection(ids::FindList);
    if (entry < 0 || entry >= lists.findCount) {
        return;
    }
    lists.selectedFind = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { findScreen.refresh(); });
    // The original's list repaints the window around its drop-down; ours does it explicitly.
    compositor.repaintWindow();
}

void MainWindowLogic::OnConstellationListChange() {
    const int entry = controls.selection(ids::ConstellationList);
    if (entry < 0 || entry >= lists.constellationCount) {
        return;
    }
    lists.selectedConstellation = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { constellationScreen.refresh(); });
    compositor.repaintWindow();
}

void MainWindowLogic::OnSpectrumListChange() {
    const int entry = controls.selection(ids::SpectrumList);
    if (entry < 0 || entry >= lists.spectrumCount) {
        return;
    }
    lists.selectedSpectrum = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { spectrumScreen.refresh(); });
    compositor.repaintWindow();
    focusReplica();
}

void MainWindowLogic::OnLanguageListChange() {
    Language = controls.selection(ids::LanguageList) == 1 ? language::French : language::English;
    ShowScreen(ScreenMode);
}

void MainWindowLogic::focusReplica() {
    if (onFocusReplica) {
        onFocusReplica();
    }
}

}  // namespace mirelta
