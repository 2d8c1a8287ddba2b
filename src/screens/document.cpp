// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/document.h"

#include <QMetaMethod>
#include <filesystem>

#include "platform/window_template.h"

namespace mirelta {
namespace {

int RecordListOf(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::Find:
            return ids::FindList;
        case ScreenKind::Constellation:
            return ids::ConstellationList;
        default:
            return ids::SpectrumList;
    }
}

}  // namespace

Document::Document(Prompts& userPrompts, QObject* parent)
    : QObject(parent),
      prompts_(userPrompts),
      compositor_(controls_, *this),
      context_(controls_, compositor_, userPrompts),
      findScreen_(context_, {lists_.find, lists_.selectedFind}),
      constellationScreen_(context_, {lists_.constellation, lists_.selectedConstellation}),
      spectrumScreen_(context_, {lists_.spectrum, lists_.selectedSpectrum}) {
    controls_.onChange = [this](int id, ControlChange change) {
        const Control* c = controls_.find(id);
        const bool repaints = change == ControlChange::Moved || change == ControlChange::Text ||
                              change == ControlChange::Style;
        if (c != nullptr && c->replica && c->visible && repaints && !context_.repaintsHeld()) {
            compositor_.repaintControl(id);
        }
        if (c != nullptr && !c->replica) {
            emit panelChanged(id);
        }
    };
    compositor_.onPainted = [this] { emit painted(compositor_.paintedRect()); };
}

Document::~Document() = default;

void Document::OnInitDialog() {
    LayoutScreenFrame();
    context_.CreateLabelFonts();
    for (const char* entry : {"Find", "Constellation", "Spectrum"}) {
        controls_.addItem(ids::UiList, entry);
    }
    controls_.setSelection(ids::LanguageList, 0);
}

void Document::Open() {
    const std::optional<std::string> path = prompts_.openFileName("Source file (*.dat)|*.dat|");
    if (!path || path->empty()) {
        return;
    }
    if (isSignalConnected(QMetaMethod::fromSignal(&Document::sourceChosen))) {
        emit sourceChosen(QString::fromStdString(*path));
    } else {
        OpenPath(*path);
    }
}

Error Document::OpenPath(const std::string& path, std::chrono::milliseconds deadline) {
    return OpenImage(path, ReadSourceFile(path, deadline));
}

Error Document::OpenImage(const std::string& path, ReadResult read) {
    if (read.error.kind == ErrorKind::CannotOpen) {
        prompts_.messageBox("Open false! \n" + path, read.error.detail);
        emit openFailed(read.error);
        return read.error;
    }
    if (!read.error.ok() || read.image == nullptr) {
        prompts_.messageBox("Read file error!", read.error.detail);
        emit openFailed(read.error);
        return read.error;
    }
    if (read.image->signature() != kValidSignature) {
        const std::string name = std::filesystem::path(path).filename().string();
        if (!prompts_.question(name + " is not a meter file (its signature is not the meter's). "
                                      "Open it as an empty memory?")) {
            return {ErrorKind::Declined, "kept the open file"};
        }
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
    ScreenMode_ = ScreenKind::Find;
    ShowScreen(ScreenMode_);
    emit opened(QString::fromStdString(path));
    return {};
}

void Document::fillRecordList(int listId, int count, const std::function<std::string(int)>& label) {
    controls_.clearItems(listId);
    for (int k = 0; k < count; ++k) {
        controls_.addItem(listId, label(k));
    }
    controls_.setSelection(listId, 0);
}

void Document::choose(int listId, int entry) {
    controls_.setSelection(listId, entry);
    switch (listId) {
        case ids::UiList:
            OnUiListChange();
            break;
        case ids::FindList:
            OnFindListChange();
            break;
        case ids::ConstellationList:
            OnConstellationListChange();
            break;
        case ids::SpectrumList:
            OnSpectrumListChange();
            break;
        case ids::LanguageList:
            OnLanguageListChange();
            break;
        default:
            break;
    }
}

bool Document::show(ScreenKind kind, std::optional<int> index) {
    choose(ids::UiList, static_cast<int>(kind));
    if (!index) {
        return true;
    }
    const int list = RecordListOf(kind);
    if (kind == ScreenKind::None || *index < 0 || *index >= controls_.itemCount(list)) {
        return false;
    }
    choose(list, *index);
    return true;
}

void Document::click(int buttonId) {
    switch (buttonId) {
        case ids::Open:
            Open();
            break;
        case ids::Up:
            spectrumScreen_.RefLevelUp();
            break;
        case ids::Down:
            spectrumScreen_.RefLevelDown();
            break;
        default:
            break;
    }
}

void Document::OnUiListChange() {
    const int entry = controls_.selection(ids::UiList);
    ScreenMode_ = entry >= 0 && entry <= 2 ? static_cast<ScreenKind>(entry) : ScreenKind::None;
    if (ScreenMode_ != ScreenKind::None) {
        controls_.enable(ids::FindList, entry == 0);
        controls_.enable(ids::ConstellationList, entry == 1);
        controls_.enable(ids::SpectrumList, entry == 2);
    }
    ShowScreen(ScreenMode_);
    emit replicaFocusWanted();
}

void Document::OnFindListChange() {
    pickRecord(ScreenKind::Find, lists_.selectedFind, lists_.findCount, findScreen_);
}

void Document::OnConstellationListChange() {
    pickRecord(ScreenKind::Constellation, lists_.selectedConstellation, lists_.constellationCount,
               constellationScreen_);
}

void Document::OnSpectrumListChange() {
    pickRecord(ScreenKind::Spectrum, lists_.selectedSpectrum, lists_.spectrumCount,
               spectrumScreen_);
    emit replicaFocusWanted();
}

// A list without a selection reports -1; that must never become an index.
void Document::pickRecord(ScreenKind kind, std::uint8_t& selected, int count, Screen& screen) {
    const int entry = controls_.selection(RecordListOf(kind));
    if (entry < 0 || entry >= count) {
        return;
    }
    selected = static_cast<std::uint8_t>(entry);
    context_.withRepaintsHeld([&screen] { screen.refresh(); });
    // The original's list repaints the window around its drop-down; ours does it explicitly.
    compositor_.repaintWindow();
    emit selectionChanged(kind, entry);
}

void Document::OnLanguageListChange() {
    context_.setLanguage(controls_.selection(ids::LanguageList) == 1 ? UiLanguage::French
                                                                     : UiLanguage::English);
    ShowScreen(ScreenMode_);
}

void Document::RefLevelByWheel(std::int16_t delta) {
    spectrumScreen_.RefLevelByWheel(delta);
}

void Document::StepRefLevelTo(int bottom) {
    spectrumScreen_.StepRefLevelTo(bottom);
}

void Document::TrackCursor(QPoint position) {
    if (spectrumScreen_.TrackCursor(position)) {
        emit toolTipText(QString::fromStdString(spectrumScreen_.toolTipText()));
    }
}

void Document::RefreshCursorReadout() {
    spectrumScreen_.RefreshCursorReadout();
}

void Document::RedrawTrace() {
    spectrumScreen_.RedrawTrace();
}

void Document::repaint() {
    compositor_.repaintWindow();
}

QImage Document::replica() const {
    return compositor_.image().copy(controls_.rect(ids::ScreenArea).toQRect());
}

}  // namespace mirelta
