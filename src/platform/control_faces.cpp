// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_faces.h"

#include <cstring>
#include <functional>

#include "platform/canvas.h"

namespace mirelta {

namespace {

// Whole repaints a face is kept for unused: enough for every screen in both languages in turn.
constexpr unsigned kRepaintsKept = 16;
// A few screens' faces; past it the cache starts again rather than grow.
constexpr std::size_t kMostBytes = 2 << 20;
// A face larger than this is drawn in place: a title's layout is cheap beside its memory.
constexpr qsizetype kLargestFace = 16384;

void DrawFace(Canvas& canvas, const Rect& rect, const Control& control, const DeviceContext& dc,
              QRgb background) {
    canvas.fillRect(rect, background);
    if (control.kind == ControlKind::BitmapStatic) {
        canvas.drawBitmap(rect, control.bitmap);
    } else {
        canvas.drawText(rect, control.text, dc, control.style & kAlignmentMask,
                        control.verticallyCentred);
    }
}

}  // namespace

std::size_t ControlFaces::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<std::string>{}(key.text);
    for (const std::size_t part :
         {static_cast<std::size_t>(key.size.width()), static_cast<std::size_t>(key.size.height()),
          static_cast<std::size_t>(key.background), static_cast<std::size_t>(key.textColour),
          static_cast<std::size_t>(key.horizontalAlignment),
          static_cast<std::size_t>(key.bitmap)}) {
        hash = hash * 31 + part;
    }
    return hash;
}

void ControlFaces::startRepaint() {
    ++repaint_;
    std::erase_if(faces_, [this](const auto& entry) {
        const bool unused = repaint_ - entry.second.lastUsed > kRepaintsKept;
        bytes_ -= unused ? static_cast<std::size_t>(entry.second.image.sizeInBytes()) : 0;
        return unused;
    });
}

const QImage* ControlFaces::face(const Key& key, const Control& control, const DeviceContext& dc,
                                 bool keep) {
    if (const auto found = faces_.find(key); found != faces_.end()) {
        found->second.lastUsed = repaint_;
        return &found->second.image;
    }
    if (!keep) {
        return nullptr;
    }
    QImage face(key.size, QImage::Format_RGB32);
    Canvas canvas(face);
    DrawFace(canvas, Rect{0, 0, key.size.width(), key.size.height()}, control, dc, key.background);
    const auto bytes = static_cast<std::size_t>(face.sizeInBytes());
    if (bytes_ + bytes > kMostBytes) {
        faces_.clear();
        bytes_ = 0;
    }
    bytes_ += bytes;
    return &faces_.emplace(key, Face{std::move(face), repaint_}).first->second.image;
}

void ControlFaces::paint(QImage& target, const Control& control, const DeviceContext& dc,
                         const QColor& background, bool keep) {
    const Rect& rect = control.rect;
    const QRect area = rect.toQRect().intersected(target.rect());
    if (area.isEmpty()) {
        return;
    }
    const bool bitmap = control.kind == ControlKind::BitmapStatic;
    const bool plain = bitmap ? control.bitmap.isNull() : control.text.empty();
    Canvas canvas(target);
    if (plain || static_cast<qsizetype>(rect.width()) * rect.height() > kLargestFace) {
        DrawFace(canvas, rect, control, dc, background.rgb());
        return;
    }
    const Key key{QSize(rect.width(), rect.height()),
                  background.rgb(),
                  bitmap ? QRgb{0} : dc.textColour.rgba(),
                  bitmap || dc.font == nullptr ? QFont() : *dc.font,
                  bitmap ? 0 : control.style & kAlignmentMask,
                  !bitmap && control.verticallyCentred,
                  bitmap ? std::string() : control.text,
                  bitmap ? control.bitmap.cacheKey() : 0};
    const QImage* face = this->face(key, control, dc, keep);
    if (face == nullptr) {
        DrawFace(canvas, rect, control, dc, background.rgb());
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(face->constScanLine(y - rect.top)) +
                           (area.left() - rect.left);
        std::memcpy(reinterpret_cast<QRgb*>(target.scanLine(y)) + area.left(), from, rowBytes);
    }
}

}  // namespace mirelta
