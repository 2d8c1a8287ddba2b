// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo_records.h"

namespace mirelta::demo {
namespace {

constexpr std::uint8_t kDvbS = 1;
constexpr std::uint8_t kDvbS2 = 3;
constexpr std::uint8_t kHorizontal = 0;
constexpr std::uint8_t kVertical = 1;

// "亚太7号" in code page 936, as a meter sold there would save it.
const std::string kApstar7 =
    "\xD1\xC7\xCC\xAB"
    "7"
    "\xBA\xC5";

}  // namespace

void AddFindSnapshots(fixtures::ImageBuilder& builder) {
    builder.addFind(0, {.label = "Astra 11747H",
                        .satellite = "Astra 19.2E",
                        .lnbType = 0,
                        .frequency = 11747,
                        .symbolRate = 27500,
                        .polarisation = kHorizontal,
                        .quality = 85,
                        .strength = 78,
                        .powerLevel = 652,
                        .cn = 1234,
                        .berMantissa = 123,
                        .berExponent = 5,
                        .system = kDvbS,
                        .codeRate = 3,
                        .lockFlag = 1});
    builder.addFind(1, {.label = "Hotbird 12111V",
                        .satellite = "Hotbird 13E",
                        .lnbType = 1,
                        .frequency = 12111,
                        .symbolRate = 27500,
                        .polarisation = kVertical,
                        .quality = 72,
                        .strength = 81,
                        .powerLevel = 701,
                        .cn = 1075,
                        .berMantissa = 250,
                        .berExponent = 6,
                        .system = kDvbS2,
                        .modcod = 14,
                        .lockFlag = 1});
    builder.addFind(2, {.label = "Eutelsat 10721H",
                        .satellite = "Eutelsat 7E",
                        .lnbType = 9,
                        .loLow = 9750,
                        .loHigh = 10700,
                        .frequency = 10721,
                        .symbolRate = 22000,
                        .polarisation = kHorizontal,
                        .quality = 3,
                        .strength = 41,
                        .powerLevel = 412,
                        .system = kDvbS2,
                        .modcod = 4,
                        .lockFlag = 0});
    builder.addFind(5, {.label = "Thor 11216V",
                        .satellite = "Thor 0.8W",
                        .lnbType = 0,
                        .frequency = 11216,
                        .symbolRate = 24500,
                        .polarisation = kVertical,
                        .quality = 64,
                        .strength = 70,
                        .powerLevel = 618,
                        .cn = 987,
                        .berMantissa = 412,
                        .berExponent = 7,
                        .system = kDvbS2,
                        .modcod = 6,
                        .lockFlag = 1});
    builder.addFind(9, {.label = "Astra2 11954H",
                        .satellite = "Astra 28.2E",
                        .lnbType = 5,
                        .frequency = 11954,
                        .symbolRate = 27500,
                        .polarisation = kHorizontal,
                        .quality = 58,
                        .strength = 66,
                        .powerLevel = 597,
                        .cn = 842,
                        .berMantissa = 730,
                        .berExponent = 4,
                        .system = kDvbS,
                        .codeRate = 2,
                        .lockFlag = 1});
    builder.addFind(14, {.label = "Eutelsat 11590V",
                         .satellite = "Eutelsat 5W",
                         .lnbType = 4,
                         .frequency = 11590,
                         .symbolRate = 29950,
                         .polarisation = kVertical,
                         .quality = 0,
                         .strength = 22,
                         .powerLevel = 318,
                         .system = kDvbS,
                         .codeRate = 5,
                         .lockFlag = 0});
    builder.addFind(22, {.label = kApstar7 + " 12543H",
                         .satellite = kApstar7 + " 76.5E",
                         .lnbType = 0,
                         .frequency = 12543,
                         .symbolRate = 30000,
                         .polarisation = kHorizontal,
                         .quality = 91,
                         .strength = 88,
                         .powerLevel = 735,
                         .cn = 1461,
                         .berMantissa = 100,
                         .berExponent = 0,
                         .system = kDvbS2,
                         .modcod = 16,
                         .lockFlag = 1});
    builder.addFind(31, {.label = "Intelsat 3845H C-band",
                         .satellite = "Intelsat 20 68.5E",
                         .lnbType = 2,
                         .frequency = 3845,
                         .symbolRate = 30000,
                         .polarisation = kHorizontal,
                         .quality = 77,
                         .strength = 74,
                         .powerLevel = 664,
                         .cn = 1102,
                         .berMantissa = 560,
                         .berExponent = 8,
                         .system = kDvbS,
                         .codeRate = 7,
                         .lockFlag = 1});
}

}  // namespace mirelta::demo
