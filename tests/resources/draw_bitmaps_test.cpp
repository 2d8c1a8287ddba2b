// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

namespace mirelta {
namespace {

const QString kTool = QStringLiteral(MIRELTA_DRAW_BITMAPS);
const QString kCommitted = QStringLiteral(MIRELTA_RESOURCES_DIR);

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

ToolRun RunTool(const QStringList& arguments) {
    QProcess process;
    process.start(kTool, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        return run;
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// The icon is drawn antialiased, and Qt's rasteriser may round an edge pixel differently on
// another CPU; the meter bitmaps are drawn without antialiasing and must match exactly.
int LargestChannelDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

QStringList PicturesIn(const QString& root) {
    QStringList files;
    for (const QString& folder : {QStringLiteral("bitmaps"), QStringLiteral("icons")}) {
        for (const QString& name : QDir(root + "/" + folder).entryList({"*.png"}, QDir::Files)) {
            files.append(folder + "/" + name);
        }
    }
    files.sort();
    return files;
}

TEST(DrawBitmaps, RegenerationReproducesTheCommittedPictures) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const ToolRun run = RunTool({out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    const QStringList drawn = PicturesIn(out.path());
    ASSERT_EQ(drawn, PicturesIn(kCommitted));
    ASSERT_EQ(drawn.size(), 12 + 7);
    for (const QString& file : drawn) {
        const QImage fresh = QImage(out.path() + "/" + file).convertToFormat(QImage::Format_ARGB32);
        const QImage committed =
            QImage(kCommitted + "/" + file).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(committed.isNull()) << file.toStdString();
        if (file.startsWith("icons/")) {
            ASSERT_EQ(fresh.size(), committed.size()) << file.toStdString();
            EXPECT_LE(LargestChannelDifference(fresh, committed), 2)
                << file.toStdString() << " differs from the committed one";
        } else {
            EXPECT_EQ(fresh, committed) << file.toStdString() << " differs from the committed one";
        }
    }
}

TEST(DrawBitmaps, WithoutAnOutputFolderPrintsUsageAndWritesNothing) {
    QTemporaryDir cwd;
    ASSERT_TRUE(cwd.isValid());
    QProcess process;
    process.setWorkingDirectory(cwd.path());
    process.start(kTool, {});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains("usage"));
    EXPECT_TRUE(QDir(cwd.path()).isEmpty());
}

TEST(DrawBitmaps, UnwritableOutputFolderIsReportedNotCrashed) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    // A regular file where the output folder should be.
    const QString blocker = out.path() + "/taken";
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const ToolRun run = RunTool({blocker});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("draw_bitmaps: cannot create folder"))
        << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains(blocker)) << run.errors.toStdString();
}

}  // namespace
}  // namespace mirelta
