// SPDX-License-Identifier: GPL-3.0-or-later
// The Save dialog's format list against the formats the encoder takes.
#include "export/image_save_filter.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <algorithm>

#include "export/image_encoding.h"

namespace mirelta {
namespace {

TEST(ImageSaveFilter, OffersEverySavableFormatOnceBmpAndPngFirst) {
    const std::string filter = ImageSaveFilter();
    EXPECT_TRUE(filter.starts_with("Bmp File (*.bmp)|*.bmp|PNG image (*.png)|*.png|")) << filter;
    EXPECT_NE(filter.find("|JPEG image (*.jpg *.jpeg)|*.jpg;*.jpeg|"), std::string::npos) << filter;

    const QStringList fields = QString::fromStdString(filter).split('|');
    ASSERT_EQ(fields.size() % 2, 1) << "pairs, each ended by '|'";
    EXPECT_TRUE(fields.last().isEmpty());
    std::vector<std::string> offered;
    for (qsizetype k = 0; k + 1 < fields.size(); k += 2) {
        const QString& patterns = fields[k + 1];
        // The description shows the same patterns the entry filters by.
        EXPECT_TRUE(fields[k].endsWith(" (" + QString(patterns).replace(';', ' ') + ")"))
            << fields[k].toStdString();
        for (const QString& pattern : patterns.split(';')) {
            ASSERT_TRUE(pattern.startsWith("*.")) << pattern.toStdString();
            offered.push_back(pattern.mid(2).toStdString());
        }
    }
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, SavableImageFormats());
}

}  // namespace
}  // namespace mirelta
