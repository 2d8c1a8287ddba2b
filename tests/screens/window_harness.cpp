// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_harness.h"

#include "platform/window_template.h"

namespace mirelta::testing {

WindowHarness::WindowHarness() {
    QObject::connect(&document, &Document::painted,
                     [this](const QRect& rect) { painted.push_back(rect); });
}

bool WindowHarness::open(const fixtures::ImageBuilder& image, const std::string& name) {
    const auto path = tempPath(name);
    image.writeTo(path);
    return document.OpenPath(path.string()).ok();
}

void WindowHarness::chooseScreen(int uiEntry) {
    document.choose(ids::UiList, uiEntry);
}

void WindowHarness::chooseLanguage(int entry) {
    document.choose(ids::LanguageList, entry);
}

void WindowHarness::pickFind(int entry) {
    document.choose(ids::FindList, entry);
}

void WindowHarness::pickConstellation(int entry) {
    document.choose(ids::ConstellationList, entry);
}

void WindowHarness::pickSpectrum(int entry) {
    document.choose(ids::SpectrumList, entry);
}

}  // namespace mirelta::testing
