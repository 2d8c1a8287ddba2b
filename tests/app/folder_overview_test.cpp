// SPDX-License-Identifier: GPL-3.0-or-later
// The folder overview window over real files: what it lists, how it sorts and filters, what a
// row opens, and that cancelling or closing it mid-read stops the reading safely.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "app/folder_overview_model.h"
#include "app/folder_overview_window.h"
#include "fixtures/image_builder.h"
#include "fixtures/scratch_folder.h"

namespace mirelta {
namespace {

using Model = FolderOverviewModel;

class FolderOverview : public ::testing::Test {
  protected:
    void SetUp() override {
        // C/N in hundredths of a dB; DVB-S2 QPSK 3/4 rates these Find snapshots.
        fixtures::ImageBuilder a;
        a.addFind(0, {.label = "strong",
                      .symbolRate = 27500,
                      .cn = 1020,
                      .system = 3,
                      .modcod = 7,
                      .lockFlag = 1})
            .addFind(1, {.label = "weak",
                         .symbolRate = 11000,
                         .cn = 950,
                         .system = 3,
                         .modcod = 7,
                         .lockFlag = 1})
            .addFind(2, {.label = "unlocked", .symbolRate = 9000});
        a.writeTo(folder / "a.dat");
        std::filesystem::create_directory(folder / "sub");
        fixtures::ImageBuilder b;
        b.addConstellation(0, {.label = "cloud", .symbolRate = 22000, .cn = 800, .mer = 900})
            .addSpectrum(0, {.label = "sweep", .leftFrequency = 2150, .rightFrequency = 950});
        b.writeTo(folder / "sub" / "b.dat");
        a.writeTo(folder / "short.dat", 100);
        fixtures::ImageBuilder().setSignature(0).writeTo(folder / "alien.dat");
    }

    std::unique_ptr<FolderOverviewWindow> filledWindow() {
        auto window = std::make_unique<FolderOverviewWindow>(
            QString::fromStdString(folder.path().string()), logbook::LogSettings{},
            [](const QString&, std::optional<ScreenKind>, int) {}, nullptr);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->filled(); }, 10000));
        return window;
    }

    static QAbstractItemModel& rows(FolderOverviewWindow& window) {
        return *window.table().model();
    }
    static QString cell(FolderOverviewWindow& window, int row, int column) {
        return rows(window).index(row, column).data().toString();
    }
    static QStringList column(FolderOverviewWindow& window, int column) {
        QStringList cells;
        for (int row = 0; row < rows(window).rowCount(); ++row) {
            cells << cell(window, row, column);
        }
        return cells;
    }
    static void typeFilter(FolderOverviewWindow& window, const QString& text) {
        auto* filter = window.findChild<QLineEdit*>();
        filter->clear();
        QTest::keyClicks(filter, text);
    }

    fixtures::ScratchFolder folder;
};

TEST_F(FolderOverview, ListsEverySnapshotUnderTheFolderAndEachBadFileAsOneGreyRowSayingWhy) {
    const auto window = filledWindow();
    EXPECT_EQ(column(*window, Model::File), (QStringList{"a.dat", "a.dat", "a.dat", "alien.dat",
                                                         "short.dat", "sub/b.dat", "sub/b.dat"}));
    EXPECT_EQ(column(*window, Model::Label).mid(0, 3), (QStringList{"strong", "weak", "unlocked"}));
    EXPECT_EQ(column(*window, Model::Kind).mid(5), (QStringList{"Constellation", "Spectrum"}));
    for (const int bad : {3, 4}) {
        const QModelIndex label = rows(*window).index(bad, Model::Label);
        EXPECT_FALSE(label.data().toString().isEmpty()) << "row " << bad << " says no reason";
        EXPECT_FALSE(label.data(Model::KindRole).isValid());
        EXPECT_TRUE(label.data(Qt::ForegroundRole).isValid()) << "row " << bad << " is not grey";
    }
    EXPECT_NE(cell(*window, 3, Model::Label), cell(*window, 4, Model::Label));
}

TEST_F(FolderOverview, NumericColumnsSortAsNumbersWithMissingValuesLast) {
    const auto window = filledWindow();
    typeFilter(*window, "a.dat");
    const struct {
        int column;
        QStringList labels;
    } cases[] = {
        {Model::Cn, {"weak", "strong", "unlocked"}},          // 9.5 < 10.2 < None
        {Model::SymbolRate, {"unlocked", "weak", "strong"}},  // 9000 < 11000 < 27500
    };
    for (const auto& c : cases) {
        window->table().sortByColumn(c.column, Qt::AscendingOrder);
        EXPECT_EQ(column(*window, Model::Label), c.labels) << "sorted by column " << c.column;
    }
}

TEST_F(FolderOverview, TextFilterMatchesAnyColumnAndEachVerdictKeepsOnlyItsRows) {
    const auto window = filledWindow();
    typeFilter(*window, "SWEEP");
    EXPECT_EQ(column(*window, Model::Label), QStringList{"sweep"});
    typeFilter(*window, "sub/");
    EXPECT_EQ(rows(*window).rowCount(), 2);
    typeFilter(*window, "");

    auto* verdict = window->findChild<QComboBox*>();
    ASSERT_GE(verdict->count(), 3);
    EXPECT_EQ(verdict->itemText(0), "All");
    int kept = 0;
    for (int entry = 1; entry < verdict->count(); ++entry) {
        verdict->setCurrentIndex(entry);
        emit verdict->activated(entry);
        const bool fileRows = entry == verdict->count() - 1;
        const QStringList verdicts = column(*window, Model::VerdictColumn);
        EXPECT_FALSE(verdicts.isEmpty())
            << "nothing kept for " << verdict->itemText(entry).toStdString();
        for (const QString& shown : verdicts) {
            EXPECT_EQ(shown, fileRows ? QString() : verdict->itemText(entry));
        }
        kept += rows(*window).rowCount();
    }
    EXPECT_EQ(kept, 7) << "every row falls under exactly one entry";
}

class BusyFolder : public ::testing::Test {
  protected:
    static constexpr int kFiles = 200;

    // Every spectrum slot used, so each file takes the reader a while.
    void SetUp() override {
        fixtures::ImageBuilder image;
        for (int slot = 0; slot < 32; ++slot) {
            fixtures::SpectrumFields sweep{.leftFrequency = 2150, .rightFrequency = 950};
            for (std::size_t k = 0; k < sweep.levels.size(); ++k) {
                sweep.levels[k] =
                    static_cast<std::int8_t>(40 + (k * 7 + static_cast<std::size_t>(slot)) % 23);
            }
            image.addSpectrum(slot, sweep);
        }
        for (int k = 0; k < kFiles; ++k) {
            image.writeTo(folder / ("m" + std::to_string(1000 + k) + ".dat"));
        }
        window = new FolderOverviewWindow(
            QString::fromStdString(folder.path().string()), {},
            [](const QString&, std::optional<ScreenKind>, int) {}, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->table().model()->rowCount() > 0; }));
    }

    fixtures::ScratchFolder folder;
    QPointer<FolderOverviewWindow> window;
};

TEST_F(BusyFolder, CancelStopsReadingAndKeepsTheFilesReadSoFar) {
    window->findChild<QPushButton*>()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->filled(); }, 10000));
    const int rows = window->table().model()->rowCount();
    EXPECT_EQ(rows % 32, 0) << "a file half listed";
    EXPECT_LT(rows, 32 * kFiles) << "every file was read after Cancel";
    delete window;
}

TEST_F(BusyFolder, ClosingWhileReadingEndsTheWindowAndLeavesTheReaderToStop) {
    ASSERT_FALSE(window->filled());
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    // The reader ends after its file and posts into no window.
    QTest::qWait(200);
}

}  // namespace
}  // namespace mirelta
