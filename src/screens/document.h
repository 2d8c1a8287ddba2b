// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "data/error.h"
#include "data/record_lists.h"
#include "data/screen_kind.h"
#include "data/source_file.h"
#include "data/source_image.h"
#include "platform/compositor.h"
#include "platform/control_table.h"
#include "platform/prompts.h"
#include "screens/constellation_screen.h"
#include "screens/find_screen.h"
#include "screens/screen_context.h"
#include "screens/spectrum_screen.h"

namespace mirelta {

// The loaded file and everything the replica shows of it: the image, the record lists and their
// selection, the shown screen, the labels' language, and the three screens with the replica's
// controls and pixels. The desktop window, the command-line tool, the report, the batch export,
// the fuzz targets and the benchmarks all drive this one object; it tells what changed through
// its signals.
class Document : public QObject, private ColourHook {
    Q_OBJECT

  public:
    explicit Document(Prompts& prompts, QObject* parent = nullptr);
    ~Document() override;

    // Start-up: frame, fonts, the UI list and the Language list's first entry.
    void OnInitDialog();
    // The Open button: asks for a file, then reads it here, or hands the path to whoever listens
    // to sourceChosen (the window reads slow sources on a thread).
    void Open();
    Error OpenPath(const std::string& path,
                   std::chrono::milliseconds deadline = kDefaultReadDeadline);
    // The rest of Open once the file has been read: the message box on failure, the question
    // for a file that is not a meter's (No keeps the open file), else the load.
    Error OpenImage(const std::string& path, ReadResult read);

    // A pick in one of the panel's lists (UI, Language or a record list), as the user makes it.
    void choose(int listId, int entry);
    // Shows the screen of `kind`, then entry `index` of its list; false when the list has no
    // such entry (the screen is shown all the same).
    bool show(ScreenKind kind, std::optional<int> index = std::nullopt);
    // A panel button that the document handles: Open, Up and Down.
    void click(int buttonId);

    // The pointer and the wheel over the replica, and the read-out timer.
    void RefLevelByWheel(std::int16_t delta);
    void StepRefLevelTo(int bottom);
    void TrackCursor(QPoint position);
    void RefreshCursorReadout();
    void RedrawTrace();
    // Repaints the whole window, as Save does before it captures the replica.
    void repaint();

    bool fileLoaded() const { return image_ != nullptr; }
    const SourceImage* image() const { return image_.get(); }
    const std::string& sourcePath() const { return sourcePath_; }
    const RecordLists& lists() const { return lists_; }
    ScreenKind ScreenMode() const { return ScreenMode_; }
    UiLanguage Language() const { return context_.language(); }
    bool DrawEnabled() const { return DrawEnabled_; }
    const SpectrumScreen& spectrum() const { return spectrumScreen_; }
    const ControlTable& controls() const { return controls_; }
    std::size_t brushCount() const { return context_.brushCount(); }
    // The main window's client-area pixels, and a copy of the 720 x 480 replica in them.
    const QImage& clientImage() const { return compositor_.image(); }
    QImage replica() const;

  signals:
    void sourceChosen(const QString& path);
    void opened(const QString& path);
    void openFailed(const mirelta::Error& error);
    void screenChanged(mirelta::ScreenKind kind);
    void selectionChanged(mirelta::ScreenKind kind, int index);
    void toolTipText(const QString& text);
    void panelChanged(int controlId);
    void painted(const QRect& rect);
    void replicaFocusWanted();

  private:
    void LayoutScreenFrame();
    void ShowScreen(ScreenKind mode);
    void OnUiListChange();
    void OnFindListChange();
    void OnConstellationListChange();
    void OnSpectrumListChange();
    void OnLanguageListChange();
    void pickRecord(ScreenKind kind, std::uint8_t& selected, int count, Screen& screen);
    void fillRecordList(int listId, int count, const std::function<std::string(int)>& label);
    Screen* screenOf(ScreenKind mode);
    const Screen* screenOf(ScreenKind mode) const;

    BrushHandle OnCtlColor(DeviceContext& dc, int controlId) override;
    bool DrawsGraphics(int controlId) const override;
    QRect GraphicsArea() const override;

    Prompts& prompts_;
    std::unique_ptr<SourceImage> image_;  // none until the first successful Open
    std::string sourcePath_;              // the file `image_` came from
    RecordLists lists_;
    ScreenKind ScreenMode_ = ScreenKind::None;
    bool DrawEnabled_ = false;

    ControlTable controls_;
    Compositor compositor_;
    ScreenContext context_;
    FindScreen findScreen_;
    ConstellationScreen constellationScreen_;
    SpectrumScreen spectrumScreen_;
};

}  // namespace mirelta
