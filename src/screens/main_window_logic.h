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
    void ShowScreen(std::int32_t mode);
    BrushHandle OnCtlColor(DeviceContext& dc, int controlId) override;
    bool DrawsGraphics(int controlId) const override;
    QRect GraphicsArea() const override;
    BrushHandle PaintLabel(DeviceContext& dc, std::int32_t fontChoice, const QColor& text,
                           const QColor& background);

    // The Spectrum screen's trace, reference window and cursor.
    void DrawSpectrumTrace();
    void UpdateScaleLabels();
    void RefLevelUp();
    void RefLevelDown();
    void RefLevelByWheel(std::int16_t delta);
    void TrackCursor(QPoint position);
    void RefreshCursorReadout();
    // Redraws the trace with the cross-hair where the pointer is now.
    void RedrawTrace();

    FindRecord& selectedFind() { return lists.find[lists.selectedFind % lists.find.size()]; }
    ConstellationRecord& selectedConstellation() {
        return lists.constellation[lists.selectedConstellation % lists.constellation.size()];
    }
    SpectrumRecord& selectedSpectrum() {
        return lists.spectrum[lists.selectedSpectrum % lists.spectrum.size()];
    }
    bool fileLoaded() const { return image != nullptr; }
    // A file is open and none of its three lists has an entry.
    bool holdsNoMeasurements() const {
        return fileLoaded() && lists.findCount == 0 && lists.constellationCount == 0 &&
               lists.spectrumCount == 0;
    }
    Canvas clientCanvas() { return Canvas(compositor.image()); }

    // State of the main window.
    std::unique_ptr<SourceImage> image;  // none until the first successful Open
    std::string sourcePath;              // the file `image` came from
    RecordLists lists;
    std::int32_t ScreenMode = screen_mode::None;
    std::int32_t Language = 0;
    bool DrawEnabled = false;
    std::int16_t RefLevelTop = 70;
    std::int16_t RefLevelBottom = 40;
    std::int16_t FreqStep = 8;
    std::int32_t CursorX = 0;
    std::int32_t CursorY = 0;
    std::string toolTipText;
    QFont LabelFontLarge;
    QFont LabelFontSmall;

    Prompts& prompts;
    ControlTable controls;
    ControlBrushes controlBrushes;
    Compositor compositor;
    FindScreen findScreen{*this};
    ConstellationScreen constellationScreen{*this};
    SpectrumScreen spectrumScreen{*this};
    // The screen of the mode, or none.
    Screen* screenOf(std::int32_t mode);
    const Screen* screenOf(std::int32_t mode) const;

    // Hooks of the desktop window. `onOpenPath`, when set, takes over reading the chosen file
    // (the window reads slow sources without blocking) and ends in OpenImage.
    std::function<void(const std::string&)> onOpenPath;
    std::function<void(const std::string&)> onToolTipText;
    std::function<void()> onFocusReplica;
    std::function<void(int id, ControlChange change)> onPanelChange;
    std::function<void(const std::string& path)> onOpened;  // after a successful Open

  private:
    // Runs the changes with the repaints of single controls held back, for a caller that repaints
    // the whole window right after.
    void withRepaintsHeld(const std::function<void()>& changes);
    void fillRecordList(int listId, int count, const std::function<std::string(int)>& label);
    void focusReplica();

    int repaintsHeld_ = 0;
};

// The pointer lies strictly inside the spectrum plot.
bool InsidePlot(std::int32_t x, std::int32_t y);

}  // namespace mirelta
