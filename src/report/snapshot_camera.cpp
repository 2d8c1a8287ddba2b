// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/snapshot_camera.h"

#include "platform/window_template.h"

namespace mirelta {

SnapshotCamera::SnapshotCamera() {
    logic.OnInitDialog();
}

Error SnapshotCamera::open(const std::string& path, std::chrono::milliseconds deadline) {
    return logic.OpenPath(path, deadline);
}

void SnapshotCamera::chooseLanguage(int entry) {
    logic.controls().setSelection(ids::LanguageList, entry);
    logic.OnLanguageListChange();
}

void SnapshotCamera::show(SnapshotKind kind, int index) {
    logic.controls().setSelection(ids::UiList, static_cast<int>(kind));
    logic.OnUiListChange();
    switch (kind) {
        case SnapshotKind::Find:
            logic.controls().setSelection(ids::FindList, index);
            logic.OnFindListChange();
            break;
        case SnapshotKind::Constellation:
            logic.controls().setSelection(ids::ConstellationList, index);
            logic.OnConstellationListChange();
            break;
        case SnapshotKind::Spectrum:
            logic.controls().setSelection(ids::SpectrumList, index);
            logic.OnSpectrumListChange();
            break;
    }
    logic.RefreshCursorReadout();
}

QImage SnapshotCamera::replica() const {
    return logic.compositor().image().copy(logic.controls().rect(ids::ScreenArea).toQRect());
}

}  // namespace mirelta
