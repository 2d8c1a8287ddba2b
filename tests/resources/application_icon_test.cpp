// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMap>
#include <QTextStream>

#include "mirelta_resources.h"

namespace mirelta {
namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};


TEST(ApplicationIcon, EachSizeIsDrawnForThatSize) {
    for (const int size : kSizes) {
        const QImage image(QStringLiteral(":/icons/mirelta-%1.png").arg(size));
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        ASSERT_TRUE(image.hasAlphaChannel()) << size;
        // Transparent round the motif, opaque in its middle.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ApplicationIcon, HoldsEveryWindowSizeDrawnForThatSize) {
    const QIcon icon = ApplicationIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 24, 32, 48, 64}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size << " pixels missing";
        EXPECT_EQ(icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32),
                  QImage(QStringLiteral(":/icons/mirelta-%1.png").arg(size))
                      .convertToFormat(QImage::Format_ARGB32))
            << size;
    }
}

QMap<QString, QString> ReadDesktopEntry() {
    QFile file(QStringLiteral(MIRELTA_DESKTOP_ENTRY));
    QMap<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    QTextStream in(&file);
    QString group;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            group = line;
        } else if (group == QStringLiteral("[Desktop Entry]") && line.contains('=')) {
            const qsizetype eq = line.indexOf('=');
            keys.insert(line.left(eq), line.mid(eq + 1));
        }
    }
    return keys;
}

TEST(ApplicationIcon, DesktopEntryNamesTheProgramAndItsIcon) {
    const QMap<QString, QString> keys = ReadDesktopEntry();
    ASSERT_FALSE(keys.isEmpty()) << "no [Desktop Entry] in " MIRELTA_DESKTOP_ENTRY;
    EXPECT_EQ(keys.value("Type"), "Application");
    EXPECT_EQ(keys.value("Name"), "Mirelta");
    EXPECT_EQ(keys.value("Exec"), "mirelta %f");
    EXPECT_EQ(keys.value("Icon"), "org.mirelta.Mirelta");
    EXPECT_EQ(keys.value("Categories"), "Science;DataVisualization;Engineering;");
    EXPECT_FALSE(keys.value("Comment").isEmpty());
}

}  // namespace
}  // namespace mirelta
