// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/compositor.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/colours.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

// A colour hook that records the queries and paints a marker pixel on every one.
class RecordingHook : public ColourHook {
  public:
    BrushHandle OnCtlColor(DeviceContext& dc, int controlId) override {
        queries.push_back(controlId);
        dc.textColour = Qt::white;
        return &brush;
    }
    std::vector<int> queries;
    QBrush brush{QColor(10, 20, 30)};
};

class CompositorTest : public ::testing::Test {
  protected:
    ControlTable controls;
    RecordingHook hook;
    Compositor compositor{controls, hook};
};

TEST_F(CompositorTest, HiddenReplicaPaintsOnlyTheDialogFaceAndAsksTheSidePanel) {
    compositor.repaintWindow();
    EXPECT_EQ(hook.queries, (std::vector<int>{ids::SidePanelLabel}));
    EXPECT_EQ(compositor.image().pixel(100, 100), colours::DialogFace.rgb());
}

TEST_F(CompositorTest, VisibleControlsAskInPaintOrderThenFillTheirRectangles) {
    controls.move(1030, {10, 10, 20, 20});
    controls.move(ids::ScreenArea, {0, 0, 720, 480});
    controls.show(1030);
    controls.show(ids::ScreenArea);
    compositor.repaintWindow();
    EXPECT_EQ(hook.queries, (std::vector<int>{ids::ScreenArea, 1030, ids::SidePanelLabel}));
    EXPECT_EQ(compositor.image().pixel(15, 15), qRgb(10, 20, 30));
    EXPECT_EQ(compositor.image().pixel(700, 470), qRgb(10, 20, 30));
}

TEST_F(CompositorTest, OneControlRepaintLeavesTheRestAlone) {
    controls.move(1030, {10, 10, 20, 20});
    controls.show(1030);
    compositor.image().fill(Qt::black);
    compositor.repaintControl(1030);
    EXPECT_EQ(hook.queries, (std::vector<int>{1030}));
    EXPECT_EQ(compositor.image().pixel(15, 15), qRgb(10, 20, 30));
    EXPECT_EQ(compositor.image().pixel(25, 15), qRgb(0, 0, 0));
    hook.queries.clear();
    controls.hide(1030);
    compositor.repaintControl(1030);
    EXPECT_TRUE(hook.queries.empty());
}

TEST(ControlTableTest, TemplateHasEveryReplicaControlHiddenAndInPaintOrder) {
    ControlTable controls;
    const auto& order = controls.replicaPaintOrder();
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), ids::ScreenArea);
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    EXPECT_EQ(order.size(), 52u);  // 1001..1057 less the five panel controls among them
    for (int id : order) {
        EXPECT_FALSE(controls.isVisible(id)) << id;
    }
    EXPECT_EQ(controls.find(1039)->bitmap.size(), QSize(17, 17));
    EXPECT_EQ(controls.find(1022)->bitmap.size(), QSize(10, 180));
    EXPECT_EQ(controls.style(ids::Title), 1);
    EXPECT_TRUE(controls.find(ids::Title)->verticallyCentred);
}

TEST(ControlTableTest, UnknownIdsAreSkippedAndReportNothing) {
    ControlTable controls;
    int changes = 0;
    controls.onChange = [&changes](int, ControlChange) { ++changes; };
    controls.setText(4242, "x");
    controls.move(kUnnamedControl, {0, 0, 1, 1});
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(controls.text(4242), "");
    controls.setText(1030, "y");
    EXPECT_EQ(changes, 1);
}

TEST(ControlTableTest, SelectionOutsideTheListMeansNone) {
    ControlTable controls;
    controls.addItem(ids::FindList, "a");
    controls.setSelection(ids::FindList, 0);
    EXPECT_EQ(controls.selection(ids::FindList), 0);
    controls.setSelection(ids::FindList, 3);
    EXPECT_EQ(controls.selection(ids::FindList), -1);
}

TEST(DialogUnits, ConvertWithTheTemplateFontsBaseUnits) {
    EXPECT_EQ(DialogUnitsToPixels(492, 208, 69, 21), (Rect{738, 338, 842, 372}));
}

}  // namespace
}  // namespace mirelta
