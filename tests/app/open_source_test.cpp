// SPDX-License-Identifier: GPL-3.0-or-later
// The window's Open: slow sources never stop the event loop; an empty memory says so.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include "app/mirelta_dlg.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"
#include "platform/scripted_prompts.h"
#include "platform/window_template.h"

namespace mirelta {
namespace {

class OpenSource : public ::testing::Test {
  protected:
    int findEntries() {
        return qobject_cast<QComboBox*>(dlg.panel().widget(ids::FindList))->count();
    }

    ScriptedPrompts prompts;
    CMireltaDlg dlg{prompts};
    fixtures::ScratchFolder folder;
};

// A pipe whose writer says nothing for a while: Open returns at once, timers keep firing and
// the window repaints, and the image is loaded when it arrives.
TEST_F(OpenSource, SilentPipeKeepsTheWindowAnswering) {
    const auto pipe = folder / "slow.dat";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);

    QElapsedTimer clock;
    clock.start();
    dlg.OpenSource(pipe.string());
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(dlg.reading());

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    while (clock.elapsed() < 500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    EXPECT_GE(ticks, 5);
    EXPECT_FALSE(dlg.grab().isNull());
    EXPECT_TRUE(dlg.reading());

    fixtures::ImageBuilder image;
    image.addFind(2, fixtures::FindFields{.label = "Late"});
    const auto& bytes = image.bytes();
    ASSERT_EQ(::write(writer, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    while (dlg.reading() && clock.elapsed() < 4000) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
    ::close(writer);
    EXPECT_EQ(findEntries(), 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(OpenSource, MissingFileShowsTheReasonAsDetail) {
    const std::string missing = (folder / "gone.dat").string();
    dlg.OpenSource(missing);
    while (dlg.reading()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QApplication::processEvents();
    ASSERT_EQ(prompts.messages, (std::vector<std::string>{"Open false! \n" + missing}));
    EXPECT_EQ(prompts.details, (std::vector<std::string>{"No such file or directory"}));
}

TEST_F(OpenSource, EmptyMemorySaysSoUnderTheReplica) {
    EXPECT_TRUE(dlg.emptyFileNote().isHidden());
    fixtures::ImageBuilder().writeTo(folder / "empty.dat");
    dlg.OpenSource((folder / "empty.dat").string());
    EXPECT_FALSE(dlg.emptyFileNote().isHidden());
    EXPECT_EQ(dlg.emptyFileNote().text(), "This file holds no saved measurements");
    EXPECT_GE(dlg.emptyFileNote().geometry().top(), 480);  // below the replica
    EXPECT_TRUE(prompts.messages.empty());

    fixtures::ImageBuilder().setSignature(0x11223344).addFind(0, {}).writeTo(folder / "x.dat");
    dlg.OpenSource((folder / "x.dat").string());
    EXPECT_FALSE(dlg.emptyFileNote().isHidden());

    fixtures::ImageBuilder()
        .addFind(0, fixtures::FindFields{.label = "A"})
        .writeTo(folder / "one.dat");
    dlg.OpenSource((folder / "one.dat").string());
    EXPECT_TRUE(dlg.emptyFileNote().isHidden());
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace mirelta
