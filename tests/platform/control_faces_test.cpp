// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_faces.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/canvas.h"

namespace mirelta {
namespace {

const QRgb kBackground = qRgb(0, 0, 255);

Control TextControl(const Rect& rect, const std::string& text, int alignment, bool centred) {
    Control control;
    control.kind = ControlKind::TextStatic;
    control.rect = rect;
    control.text = text;
    control.style = alignment;
    control.verticallyCentred = centred;
    return control;
}

Control BitmapControl(const Rect& rect) {
    Control control;
    control.kind = ControlKind::BitmapStatic;
    control.rect = rect;
    control.bitmap = QImage(12, 9, QImage::Format_ARGB32);
    control.bitmap.fill(qRgba(255, 0, 0, 128));  // half transparent: blends with the fill
    control.bitmap.setPixel(3, 4, qRgba(0, 255, 0, 255));
    return control;
}

// The control drawn straight onto a fresh picture, as a control without a ready-made face is.
QImage DrawnInPlace(const Control& control, const DeviceContext& dc) {
    QImage image(720, 480, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas canvas(image);
    canvas.fillRect(control.rect, kBackground);
    if (control.kind == ControlKind::BitmapStatic) {
        canvas.drawBitmap(control.rect, control.bitmap);
    } else {
        canvas.drawText(control.rect, control.text, dc, control.style, control.verticallyCentred);
    }
    return image;
}

class ControlFacesTest : public ::testing::Test {
  protected:
    ControlFacesTest() {
        font.setPixelSize(17);
        dc.font = &font;
        dc.textColour = Qt::yellow;
    }

    // A face made at `first` and then copied to `control`'s place gives the in-place pixels.
    void expectSameAsInPlace(Control control, const Rect& first) {
        QImage image(720, 480, QImage::Format_RGB32);
        image.fill(Qt::black);
        const Rect target = control.rect;
        control.rect = first;
        faces.paint(image, control, dc, QColor(kBackground), true);
        image.fill(Qt::black);
        control.rect = target;
        faces.paint(image, control, dc, QColor(kBackground), true);
        EXPECT_EQ(image, DrawnInPlace(control, dc));
    }

    QFont font{"Sans Serif"};
    DeviceContext dc;
    ControlFaces faces;
};

TEST_F(ControlFacesTest, ACopiedFaceHasThePixelsOfDrawingInPlace) {
    struct Case {
        const char* what;
        Control control;
        Rect first;
    };
    const Case cases[] = {
        {"left, wrapped",
         TextControl({100, 50, 190, 90}, "Signal strength", 0, false),
         {0, 0, 90, 40}},
        {"centred", TextControl({333, 201, 433, 225}, "12.5 dB", 1, true), {7, 300, 107, 324}},
        {"right", TextControl({500, 400, 580, 420}, "-65 dBm", 2, true), {10, 10, 90, 30}},
        {"off the left and top",
         TextControl({-30, -8, 60, 20}, "Off edge", 0, true),
         {40, 40, 130, 68}},
        {"off the right and bottom",
         TextControl({680, 465, 760, 495}, "Edge", 1, true),
         {0, 0, 80, 30}},
        {"bitmap", BitmapControl({200, 100, 220, 110}), {0, 0, 20, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectSameAsInPlace(c.control, c.first);
    }
}

TEST_F(ControlFacesTest, FacesStayRightPastTheCacheLimit) {
    QImage image(720, 480, QImage::Format_RGB32);
    for (int k = 0; k < 700; ++k) {
        faces.paint(image, TextControl({0, 0, 80, 20}, "Label " + std::to_string(k), 0, true), dc,
                    QColor(kBackground), true);
    }
    expectSameAsInPlace(TextControl({300, 300, 380, 320}, "Label 3", 0, true), {0, 0, 80, 20});
}

TEST_F(ControlFacesTest, FacesNoRecentRepaintUsedAreLetGo) {
    QImage image(720, 480, QImage::Format_RGB32);
    const Control kept = TextControl({0, 0, 80, 20}, "Kept", 0, true);
    faces.paint(image, TextControl({0, 30, 80, 50}, "Dropped", 0, true), dc, QColor(kBackground),
                true);
    for (int k = 0; k < 20; ++k) {
        faces.startRepaint();
        faces.paint(image, kept, dc, QColor(kBackground), true);
    }
    EXPECT_EQ(faces.size(), 1u);
}

TEST_F(ControlFacesTest, AnotherColourOrFontIsAnotherFace) {
    const Control control = TextControl({10, 10, 110, 30}, "Same text", 0, true);
    QImage image(720, 480, QImage::Format_RGB32);
    faces.paint(image, control, dc, QColor(kBackground), true);
    dc.textColour = Qt::white;
    expectSameAsInPlace(control, control.rect);
    font.setPixelSize(11);
    expectSameAsInPlace(control, control.rect);
}

}  // namespace
}  // namespace mirelta
