// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <string>
#include <unordered_map>

#include "platform/control_table.h"
#include "platform/device_context.h"

namespace mirelta {

// Control faces (a control's background fill with its text or bitmap clipped inside) kept
// ready-made. Laying out text and setting up a painter are the dearest parts of a repaint, while
// most controls come out the same at every repaint. Text and bitmaps drawn at whole-pixel offsets
// rasterise the same wherever they lie, so copying a face drawn at the origin gives the very
// pixels that drawing it in place would.
//
// Only the faces of the last few whole repaints are kept: that is every screen a user or an
// export goes through in turn, while texts that change with the pointer or the record age out
// instead of piling up.
class ControlFaces {
  public:
    // `keep`: a new face is kept for later. Repaints of single controls pass false: those are
    // mostly texts that change, such as the read-out under the pointer.
    void paint(QImage& target, const Control& control, const DeviceContext& dc,
               const QColor& background, bool keep);
    // A whole repaint begins: faces no repaint of late has used are let go.
    void startRepaint();

    std::size_t size() const { return faces_.size(); }

  private:
    struct Key {
        QSize size;
        QRgb background;
        QRgb textColour;
        QFont font;
        int horizontalAlignment;
        bool verticallyCentred;
        std::string text;
        qint64 bitmap;  // the bitmap's cache key; 0 for a text control
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    struct Face {
        QImage image;
        unsigned lastUsed;  // the whole repaint that last used it
    };

    // The face of `key`, drawn now unless kept from before; null when it is neither kept nor
    // to be kept.
    const QImage* face(const Key& key, const Control& control, const DeviceContext& dc, bool keep);

    std::unordered_map<Key, Face, KeyHash> faces_;
    std::size_t bytes_ = 0;
    unsigned repaint_ = 0;
};

}  // namespace mirelta
