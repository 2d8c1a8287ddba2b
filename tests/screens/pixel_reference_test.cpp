// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "platform/window_template.h"
#include "window_harness.h"

// Every screen for a set of records, compared pixel for pixel with checksums taken from the
// drawing code as it stood before its speed work. Set MIRELTA_RECORD_PIXELS=1 to rewrite them.
namespace mirelta::testing {
namespace {

using Checksums = std::map<std::string, std::string>;

std::string Checksum(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < rgb.height(); ++y) {
        hash.addData(QByteArrayView(rgb.constScanLine(y), rgb.width() * 3));
    }
    return hash.result().toHex().toStdString();
}

fixtures::ImageBuilder RecordSet() {
    fixtures::ImageBuilder image;
    const fixtures::FindFields finds[] = {
        {.label = "Locked V",
         .satellite = "ASTRA 19.2E",
         .lnbType = 0,
         .loLow = 9750,
         .loHigh = 10600,
         .frequency = 11494,
         .symbolRate = 22000,
         .polarisation = 1,
         .quality = 55,
         .strength = 73,
         .powerLevel = 512,
         .cn = 105,
         .berMantissa = 3,
         .berExponent = 5,
         .system = 1,
         .modcod = 5,
         .codeRate = 3,
         .lockFlag = 1},
        {.label = "Unlocked H",
         .satellite = "HOTBIRD",
         .lnbType = 2,
         .loLow = 5150,
         .frequency = 3880,
         .symbolRate = 27500,
         .quality = 100,
         .strength = 3,
         .powerLevel = 77},
        {.label = "Weak",
         .satellite = "A satellite name far longer than its field",
         .lnbType = 1,
         .loLow = 10750,
         .frequency = 12100,
         .symbolRate = 1000,
         .polarisation = 1,
         .quality = 4,
         .strength = 100,
         .powerLevel = 999,
         .cn = 3,
         .berMantissa = 9,
         .berExponent = 9,
         .codeRate = 8,
         .lockFlag = 1},
    };
    for (int slot = 0; slot < 3; ++slot) {
        image.addFind(slot, finds[slot]);
    }
    for (int slot = 0; slot < 3; ++slot) {
        fixtures::ConstellationFields c;
        c.label = "Cons " + std::to_string(slot);
        c.frequency = 10000u + 1000u * static_cast<unsigned>(slot);
        c.symbolRate = 27500;
        c.polarisation = static_cast<std::uint8_t>(slot & 1);
        c.system = static_cast<std::uint8_t>(slot == 2 ? 1 : 0);
        c.modcod = static_cast<std::uint8_t>(3 * slot);
        c.codeRate = static_cast<std::uint8_t>(slot + 1);
        c.cn = 80u + 30u * static_cast<unsigned>(slot);
        c.berMantissa = 2;
        c.berExponent = 6;
        c.mer = 95u + 20u * static_cast<unsigned>(slot);
        for (int k = 0; k < 1000; ++k) {
            const double angle = k * 0.37 + slot;
            c.i[k] = static_cast<std::int8_t>(std::lround(60.0 * std::cos(angle)) + (k % 7) - 3);
            c.q[k] = static_cast<std::int8_t>(std::lround(60.0 * std::sin(angle)) - (k % 5) + 2);
        }
        c.quality = static_cast<std::uint16_t>(35 * slot + 20);
        c.strength = static_cast<std::uint16_t>(100 - 30 * slot);
        image.addConstellation(slot, c);
    }
    const std::int32_t edges[][2] = {{2150, 950}, {1150, 950}, {1350, 950}, {950, 950}};
    for (int slot = 0; slot < 4; ++slot) {
        fixtures::SpectrumFields s;
        s.label = "Sweep " + std::to_string(slot);
        s.leftFrequency = edges[slot][0];
        s.rightFrequency = edges[slot][1];
        s.cursorFrequency = 1300;
        s.cursorLevel = 50 + slot;
        s.spanCode = static_cast<std::uint8_t>(slot == 3 ? 7 : slot);
        s.system = 1;
        s.modcod = 4;
        for (int k = 0; k < 150; ++k) {
            const double hump = 25.0 * std::pow(std::sin(k * (0.05 + 0.03 * slot)), 2.0);
            s.levels[k] = static_cast<std::int8_t>(30 + hump + (k * 7) % 5);
        }
        image.addSpectrum(slot, s);
    }
    return image;
}

// Drives every screen in one language the way a user would and checksums each picture.
void WalkScreens(WindowHarness& w, const std::string& prefix, Checksums& out) {
    Document& logic = w.document;
    const auto snap = [&](const std::string& step) {
        out[prefix + step] = Checksum(logic.clientImage());
    };
    const int finds = logic.controls().itemCount(ids::FindList);
    const int constellations = logic.controls().itemCount(ids::ConstellationList);
    const int spectra = logic.controls().itemCount(ids::SpectrumList);

    w.chooseScreen(0);
    snap("find");
    for (int k = finds - 1; k >= 0; --k) {
        w.pickFind(k);
        snap("find/" + std::to_string(k));
    }
    w.chooseScreen(1);
    snap("constellation");
    for (int k = constellations - 1; k >= 0; --k) {
        w.pickConstellation(k);
        snap("constellation/" + std::to_string(k));
    }
    w.chooseScreen(2);
    snap("spectrum");
    for (int k = spectra - 1; k >= 0; --k) {
        const std::string at = "spectrum/" + std::to_string(k);
        w.pickSpectrum(k);
        snap(at);
        logic.TrackCursor(QPoint(300 + 7 * k, 200));
        logic.RedrawTrace();
        snap(at + "/cursor");
        logic.RefreshCursorReadout();
        snap(at + "/readout");
        logic.click(ids::Up);
        snap(at + "/up");
        logic.RefLevelByWheel(-120);
        logic.click(ids::Down);
        snap(at + "/down");
        logic.TrackCursor(QPoint(10, 10));
        logic.repaint();
        snap(at + "/outside");
    }
}

Checksums WalkBothLanguages(WindowHarness& w) {
    Checksums sums;
    for (const auto& [entry, name] : {std::pair{0, "en/"}, std::pair{1, "fr/"}}) {
        w.chooseLanguage(entry);
        WalkScreens(w, name, sums);
    }
    return sums;
}

Checksums AllPictures() {
    Checksums sums;
    {
        WindowHarness w;
        sums["start"] = Checksum(w.document.clientImage());
        EXPECT_TRUE(w.open(RecordSet()));
        sums["records/open"] = Checksum(w.document.clientImage());
        for (const auto& [step, sum] : WalkBothLanguages(w)) {
            sums["records/" + step] = sum;
        }
    }
    WindowHarness w;
    EXPECT_TRUE(w.document.OpenPath(MIRELTA_DEMO_FILE).ok());
    for (const auto& [step, sum] : WalkBothLanguages(w)) {
        sums["demo/" + step] = sum;
    }
    return sums;
}

Checksums ReadReferences() {
    Checksums sums;
    std::ifstream in(MIRELTA_PIXEL_REFERENCES);
    std::string step;
    std::string sum;
    while (in >> step >> sum) {
        sums[step] = sum;
    }
    return sums;
}

TEST(PixelReference, EveryScreenMatchesTheReferencePictures) {
    const Checksums actual = AllPictures();
    if (std::getenv("MIRELTA_RECORD_PIXELS") != nullptr) {
        std::ofstream out(MIRELTA_PIXEL_REFERENCES);
        for (const auto& [step, sum] : actual) {
            out << step << ' ' << sum << '\n';
        }
        GTEST_SKIP() << "references rewritten";
    }
    const Checksums expected = ReadReferences();
    ASSERT_EQ(expected.size(), actual.size()) << "the set of pictures changed";
    for (const auto& [step, sum] : expected) {
        const auto found = actual.find(step);
        ASSERT_NE(found, actual.end()) << step;
        EXPECT_EQ(found->second, sum) << step;
    }
}

}  // namespace
}  // namespace mirelta::testing
