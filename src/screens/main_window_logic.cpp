// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/main_window_logic.h"

#include "platform/window_template.h"

namespace mirelta {

MainWindowLogic::MainWindowLogic(Prompts& userPrompts)
    : prompts_(userPrompts), compositor_(controls_, *this) {
    controls_.onChange = [this](int id, ControlChange change) {
        const Control* c = controls_.find(id);
        const bool repaints = change == ControlChange::Moved || change == ControlChange::Text ||
                              change == ControlChange::Style;
        if (c != nullptr && c->replica && c->visible && repaints && repaintsHeld_ == 0) {
            compositor_.repaintControl(id);
        }
        if (c != nullptr && !c->replica && onPanelChange_) {
            onPanelChange_(id, change);
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
        controls_.addItem(ids::UiList, entry);
    }
    controls_.setSelection(ids::LanguageList, 0);
}

void MainWindowLogic::Open() {
    const std::optional<std::string> path = prompts_.openFileName("Source file (*.dat)|*.dat|");
    if (!path || path->empty()) {
        return;
    }
    if (onOpenPath_) {
        onOpenPath_(*path);
    } else {
        OpenPath(*path);
    }
}

Error MainWindowLogic::OpenPath(const std::string& path, std::chrono::milliseconds deadline) {
    return OpenImage(path, ReadSourceFile(path, deadline));
}

Error MainWindowLogic::OpenImage(const std::string& path, ReadResult read) {
    if (read.error.kind == ErrorKind::CannotOpen) {
        prompts_.messageBox("Open false! \n" + path, read.error.detail);
        return read.error;
    }
    if (!read.error.ok() || read.image == nullptr) {
        prompts_.messageBox("Read file error!", read.error.detail);
        return read.error;
    }
    image_ = std::move(read.image);
    sourcePath_ = path;
    lists_ = Load(*image_);

    controls_.enable(ids::FindList, true);
    controls_.enable(ids::SpectrumList, false);
    controls_.enable(ids::ConstellationList, false);
    fillRecordList(ids::SpectrumList, lists_.spectrumCount,
                   [this](int k) { return lists_.spectrum[k].listLabel(); });
    fillRecordList(ids::ConstellationList, lists_.constellationCount,
                   [this](int k) { return lists_.constellation[k].listLabel(); });
    fillRecordList(ids::FindList, lists_.findCount,
                   [this](int k) { return lists_.find[k].listLabel(); });

    controls_.enable(ids::Save, true);
    controls_.enable(ids::UiList, true);
    controls_.setSelection(ids::UiList, 0);
    ScreenMode_ = ShownScreen::Find;
    ShowScreen(ScreenMode_);
    if (onOpened_) {
        onOpened_(path);
    }
    return {};
}

void MainWindowLogic::fillRecordList(int listId, int count,
                                     const std::function<std::string(int)>& label) {
    controls_.clearItems(listId);
    for (int k = 0; k < count; ++k) {
        controls_.addItem(listId, label(k));
    }
    controls_.setSelection(listId, 0);
}

void MainWindowLogic::OnUiListChange() {
    const int entry = controls_.selection(ids::UiList);
    switch (entry) {
        case 0:
            ScreenMode_ = ShownScreen::Find;
            break;
        case 1:
            ScreenMode_ = ShownScreen::Constellation;
            break;
        case 2:
            ScreenMode_ = ShownScreen::Spectrum;
            break;
        default:
            ScreenMode_ = ShownScreen::None;
            break;
    }
    if (entry >= 0 && entry <= 2) {
        controls_.enable(ids::FindList, entry == 0);
        controls_.enable(ids::ConstellationList, entry == 1);
        controls_.enable(ids::SpectrumList, entry == 2);
    }
    ShowScreen(ScreenMode_);
    focusReplica();
}

// A list without a selection reports -1; that must never become an index.
void MainWindowLogic::OnFindListChange() {
    const int entry = controls_.selection(ids::FindList);
    if (entry < 0 || entry >= lists_.findCount) {
        return;
    }
    lists_.selectedFind = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { findScreen_.refresh(); });
    // The original's list repaints the window around its drop-down; ours does it explicitly.
    compositor_.repaintWindow();
}

void MainWindowLogic::OnConstellationListChange() {
    const int entry = controls_.selection(ids::ConstellationList);
    if (entry < 0 || entry >= lists_.constellationCount) {
        return;
    }
    lists_.selectedConstellation = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { constellationScreen_.refresh(); });
    compositor_.repaintWindow();
}

void MainWindowLogic::OnSpectrumListChange() {
    const int entry = controls_.selection(ids::SpectrumList);
    if (entry < 0 || entry >= lists_.spectrumCount) {
        return;
    }
    lists_.selectedSpectrum = static_cast<std::uint8_t>(entry);
    withRepaintsHeld([this] { spectrumScreen_.refresh(); });
    compositor_.repaintWindow();
    focusReplica();
}

void MainWindowLogic::OnLanguageListChange() {
    Language_ =
        controls_.selection(ids::LanguageList) == 1 ? UiLanguage::French : UiLanguage::English;
    ShowScreen(ScreenMode_);
}

void MainWindowLogic::focusReplica() {
    if (onFocusReplica_) {
        onFocusReplica_();
    }
}

}  // namespace mirelta
