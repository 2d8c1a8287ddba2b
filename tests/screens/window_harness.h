// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <filesystem>
#include <string>
#include <vector>

#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "screens/headless_driver.h"

namespace mirelta::testing {

// The document after start-up, with scripted prompts and a private temp folder.
class WindowHarness {
  public:
    WindowHarness();

    // Writes the image to a temp file and opens it as the Open button would.
    bool open(const fixtures::ImageBuilder& image, const std::string& name = "test.dat");
    std::filesystem::path tempPath(const std::string& name) const { return folder_ / name; }

    void chooseScreen(int uiEntry);  // the UI list's selection change
    void chooseLanguage(int entry);  // the Language list's selection change
    void pickFind(int entry);        // the record lists' selection changes
    void pickConstellation(int entry);
    void pickSpectrum(int entry);

    QRgb pixel(int x, int y) const { return document.clientImage().pixel(x, y); }
    std::string text(int id) const { return document.controls().text(id); }
    bool visible(int id) const { return document.controls().isVisible(id); }

    HeadlessDriver driver;
    ScriptedPrompts& prompts = driver.prompts();
    Document& document = driver.document();
    std::vector<QRect> painted;  // every repaint the document reported, oldest first

  private:
    fixtures::ScratchFolder folder_;
};

}  // namespace mirelta::testing
