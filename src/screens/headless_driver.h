// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <chrono>
#include <optional>
#include <string>

#include "data/error.h"
#include "data/screen_kind.h"
#include "data/source_file.h"
#include "platform/scripted_prompts.h"
#include "screens/document.h"

namespace mirelta {

// The choices a user makes in the window after Open, in the order the window takes them: the
// language first, then the screen and its record, so the record pick is the last layout.
struct ViewChoices {
    std::optional<UiLanguage> language;
    ScreenKind screen = ScreenKind::Find;
    std::optional<int> record;           // entry of that screen's record list
    std::optional<int> referenceBottom;  // the spectrum's reference window, stepped to
    std::optional<QPoint> pointer;
};

enum class ViewOutcome { Shown, NoSuchRecord, ReferenceOffSpectrum };

// The document without a window, answering its prompts from a script: what the command-line
// tool, the report, the batch export, the fuzz targets and the benchmarks show snapshots with.
class HeadlessDriver {
  public:
    HeadlessDriver();

    Error open(const std::string& path, std::chrono::milliseconds deadline = kDefaultReadDeadline);
    Error open(const std::string& path, ReadResult read);
    // Opens a copy of an image already read, under the name it came from.
    Error open(const std::string& path, const SourceImage& image);

    // Makes the choices in the window's order, then lets the read-out timer tick once; stops at
    // the first choice the state does not allow.
    ViewOutcome view(const ViewChoices& choices);
    // Shows entry `index` of the kind's list as a user picks it, then ticks the timer.
    bool show(ScreenKind kind, int index);
    void chooseLanguage(UiLanguage language);
    // The pointer moves there and the window repaints.
    void movePointer(QPoint position);

    Document& document() { return document_; }
    const Document& document() const { return document_; }
    const ScriptedPrompts& prompts() const { return prompts_; }
    ScriptedPrompts& prompts() { return prompts_; }
    QImage replica() const { return document_.replica(); }

  private:
    ScriptedPrompts prompts_;
    Document document_{prompts_};
};

}  // namespace mirelta
