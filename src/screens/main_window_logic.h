// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/error.h"
#include "data/record_lists.h"
#include "data/source_file.h"
#include "data/source_image.h"
#include "platform/brushes.h"
#include "platform/canvas.h"
#include "platform/compositor.h"
#include "platform/control_table.h"
#include "platform/prompts.h"
#include "screens/constellation_screen.h"
#include "screens/find_screen.h"
#include "screens/screen_mode.h"
#include "screens/spectrum_screen.h"

namespace mirelta {

// Everything the main window knows and does, apart from its real widgets: the loaded image and
// record lists, the replica's controls and pixels, and the handlers that the window's messages
// reach, which hand each screen's own work to its Screen. The desktop window and the
// command-line tool drive the same object.
class MainWindowLogic : public ColourHook {
  public:
    explicit MainWindowLogic(Prompts& prompts);
    MainWindowLogic(const MainWindowLogic&) = delete;
    MainWindowLogic& operator=(const MainWindowLogic&) = delete;
    virtual ~MainWindowLogic() = default;

    // Start-up: frame, fonts, the UI list and the Language list's first entry.
    void OnInitDialog();
    void LayoutScreenFrame();
    void CreateLabelFonts();

    // Loading and the lists.
    void Open();
    // What Open does once it has a path: reads the file, then OpenImage.
    Error OpenPath(const std::string& path,
                   std::chrono::milliseconds deadline = kDefaultReadDeadline);
    // The rest of Open once the file has been read: the message box on failure, else the load.
    Error OpenImage(const std::string& path, ReadResult read);
    void OnUiListChange();
    void OnFindListChange();
    void OnConstellationListChange();
    void OnSpectrumListChange();
    void OnLanguageListChange();

    // Labels, screen switching and colours.
    void SetLabel(int id, std::optional<Rect> rect, int textId, int style,
                  std::optional<std::string> customText = std::nullopt);
    void ShowScreen(ShownScreen mode);
    BrushHandle OnCtlColor(DeviceContext& dc, int controlId) override;
    bool DrawsGraphics(int controlId) const override;
    QRect GraphicsArea() const override;
    BrushHandle PaintLabel(DeviceContext& dc, LabelFont fontChoice, const QColor& text,
                           const QColor& background);

    // The Spectrum screen's trace, reference window and cursor.
    void DrawSpectrumTrace();
    void UpdateScaleLabels();
    void RefLevelUp();
    void RefLevelDown();
    void RefLevelByWheel(std::int16_t delta);
    // Steps the reference window as the buttons do until its bottom is `bottom`.
    void StepRefLevelTo(int bottom);
    void TrackCursor(QPoint position);
    void RefreshCursorReadout();
    // Redraws the trace with the cross-hair where the pointer is now.
    void RedrawTrace();

    const FindRecord& selectedFind() const {
        return lists_.find[lists_.selectedFind % lists_.find.size()];
    }
    const ConstellationRecord& selectedConstellation() const {
        return lists_.constellation[lists_.selectedConstellation % lists_.constellation.size()];
    }
    const SpectrumRecord& selectedSpectrum() const {
        return lists_.spectrum[lists_.selectedSpectrum % lists_.spectrum.size()];
    }
    bool fileLoaded() const { return image_ != nullptr; }
    // One of the three screens is up (none before the first Open).
    bool showsScreen() const { return screenOf(ScreenMode_) != nullptr; }
    // A file is open and none of its three lists has an entry.
    bool holdsNoMeasurements() const {
        return fileLoaded() && lists_.findCount == 0 && lists_.constellationCount == 0 &&
               lists_.spectrumCount == 0;
    }
    Canvas clientCanvas() { return Canvas(compositor_.image()); }

    // The screen of the mode, or none.
    Screen* screenOf(ShownScreen mode);
    const Screen* screenOf(ShownScreen mode) const;

    // State of the main window, changed only through the handlers above and the setters below.
    const SourceImage* image() const { return image_.get(); }
    const std::string& sourcePath() const { return sourcePath_; }
    const RecordLists& lists() const { return lists_; }
    ShownScreen ScreenMode() const { return ScreenMode_; }
    UiLanguage Language() const { return Language_; }
    bool DrawEnabled() const { return DrawEnabled_; }
    std::int16_t RefLevelTop() const { return RefLevelTop_; }
    std::int16_t RefLevelBottom() const { return RefLevelBottom_; }
    std::int16_t FreqStep() const { return FreqStep_; }
    std::int32_t CursorX() const { return CursorX_; }
    std::int32_t CursorY() const { return CursorY_; }
    const std::string& toolTipText() const { return toolTipText_; }
    const QFont& LabelFontLarge() const { return LabelFontLarge_; }
    const QFont& LabelFontSmall() const { return LabelFontSmall_; }

    // The labels' language, shown from the next ShowScreen on; the Language list's handler sets
    // it and shows it at once.
    void SetLanguage(UiLanguage language) { Language_ = language; }

    Prompts& prompts() { return prompts_; }
    const Prompts& prompts() const { return prompts_; }
    ControlTable& controls() { return controls_; }
    const ControlTable& controls() const { return controls_; }
    ControlBrushes& controlBrushes() { return controlBrushes_; }
    const ControlBrushes& controlBrushes() const { return controlBrushes_; }
    Compositor& compositor() { return compositor_; }
    const Compositor& compositor() const { return compositor_; }
    FindScreen& findScreen() { return findScreen_; }
    const FindScreen& findScreen() const { return findScreen_; }
    ConstellationScreen& constellationScreen() { return constellationScreen_; }
    const ConstellationScreen& constellationScreen() const { return constellationScreen_; }
    SpectrumScreen& spectrumScreen() { return spectrumScreen_; }
    const SpectrumScreen& spectrumScreen() const { return spectrumScreen_; }

    // Hooks of the desktop window. `onOpenPath`, when set, takes over reading the chosen file
    // (the window reads slow sources without blocking) and ends in OpenImage.
    std::function<void(const std::string&)>& onOpenPath() { return onOpenPath_; }
    const std::function<void(const std::string&)>& onOpenPath() const { return onOpenPath_; }
    std::function<void(const std::string&)>& onToolTipText() { return onToolTipText_; }
    const std::function<void(const std::string&)>& onToolTipText() const { return onToolTipText_; }
    std::function<void()>& onFocusReplica() { return onFocusReplica_; }
    const std::function<void()>& onFocusReplica() const { return onFocusReplica_; }
    std::function<void(int id, ControlChange change)>& onPanelChange() { return onPanelChange_; }
    const std::function<void(int id, ControlChange change)>& onPanelChange() const {
        return onPanelChange_;
    }
    // After a successful Open.
    std::function<void(const std::string& path)>& onOpened() { return onOpened_; }
    const std::function<void(const std::string& path)>& onOpened() const { return onOpened_; }

  private:
    // The screens are parts of this window: they set the span's step and draw with its brushes.
    friend class FindScreen;
    friend class ConstellationScreen;
    friend class SpectrumScreen;

    void setFreqStep(std::int16_t step) { FreqStep_ = step; }
    // Drawing a constellation decodes its samples in the record itself.
    ConstellationRecord& selectedConstellationRecord() {
        return lists_.constellation[lists_.selectedConstellation % lists_.constellation.size()];
    }
    SpectrumRecord& selectedSpectrumRecord() {
        return lists_.spectrum[lists_.selectedSpectrum % lists_.spectrum.size()];
    }

    // Runs the changes with the repaints of single controls held back, for a caller that repaints
    // the whole window right after.
    void withRepaintsHeld(const std::function<void()>& changes);
    void fillRecordList(int listId, int count, const std::function<std::string(int)>& label);
    void focusReplica();

    int repaintsHeld_ = 0;

    // State of the main window; the accessors above reach it.
    std::unique_ptr<SourceImage> image_;  // none until the first successful Open
    std::string sourcePath_;              // the file `image_` came from
    RecordLists lists_;
    ShownScreen ScreenMode_ = ShownScreen::None;
    UiLanguage Language_ = UiLanguage::English;
    bool DrawEnabled_ = false;
    std::int16_t RefLevelTop_ = 70;
    std::int16_t RefLevelBottom_ = 40;
    std::int16_t FreqStep_ = 8;
    std::int32_t CursorX_ = 0;
    std::int32_t CursorY_ = 0;
    std::string toolTipText_;
    QFont LabelFontLarge_;
    QFont LabelFontSmall_;

    Prompts& prompts_;
    ControlTable controls_;
    ControlBrushes controlBrushes_;
    Compositor compositor_;
    FindScreen findScreen_{*this};
    ConstellationScreen constellationScreen_{*this};
    SpectrumScreen spectrumScreen_{*this};

    std::function<void(const std::string&)> onOpenPath_;
    std::function<void(const std::string&)> onToolTipText_;
    std::function<void()> onFocusReplica_;
    std::function<void(int id, ControlChange change)> onPanelChange_;
    std::function<void(const std::string& path)> onOpened_;
};

// The pointer lies strictly inside the spectrum plot.
bool InsidePlot(std::int32_t x, std::int32_t y);

}  // namespace mirelta
