// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_harness.h"

#include "platform/window_template.h"

namespace mirelta::testing {

WindowHarness::WindowHarness() {
    logic.OnInitDialog();
}

bool WindowHarness::open(const fixtures::ImageBuilder& image, const std::string& name) {
    const auto path = tempPath(name);
    image.writeTo(path);
    return logic.OpenPath(path.string()).ok();
}

void WindowHarness::chooseScreen(int uiEntry) {
    logic.controls().setSelection(ids::UiList, uiEntry);
    logic.OnUiListChange();
}

void WindowHarness::chooseLanguage(int entry) {
    logic.controls().setSelection(ids::LanguageList, entry);
    logic.OnLanguageListChange();
}

void WindowHarness::pickFind(int entry) {
    logic.controls().setSelection(ids::FindList, entry);
    logic.OnFindListChange();
}

void WindowHarness::pickConstellation(int entry) {
    logic.controls().setSelection(ids::ConstellationList, entry);
    logic.OnConstellationListChange();
}

void WindowHarness::pickSpectrum(int entry) {
    logic.controls().setSelection(ids::SpectrumList, entry);
    logic.OnSpectrumListChange();
}

}  // namespace mirelta::testing
