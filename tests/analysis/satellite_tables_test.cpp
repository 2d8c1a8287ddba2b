// SPDX-License-Identifier: GPL-3.0-or-later
// Reading DVBv5 satellite lists from a folder and grouping them by orbital position.
#include "analysis/satellite_tables.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fixtures/scratch_folder.h"

namespace mirelta {
namespace {

using analysis::ListedTransponder;
using analysis::Polarisation;

struct Block {
    const char* frequency;
    const char* polarisation;
    const char* symbolRate;
};

// A list as the tables write it: a comment, then one block per transponder with the keys read
// and some that are not.
std::string ListText(const std::vector<Block>& blocks) {
    std::string text = "# satellite list\n\n";
    for (const Block& b : blocks) {
        text +=
            std::string("[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS2\n\tFREQUENCY = ") + b.frequency +
            "\n\tPOLARIZATION = " + b.polarisation + "\n\tSYMBOL_RATE = " + b.symbolRate +
            "\n\tINNER_FEC = 3/4\n\tMODULATION = PSK/8\n\tINVERSION = AUTO\n\tSTREAM_ID = 0\n\n";
    }
    return text;
}

void Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(SatelliteTables, GroupsListsByPositionNamedAfterTheirSatellites) {
    fixtures::ScratchFolder folder;
    Write(folder / "Astra-19.2E", ListText({{"11914500", "HORIZONTAL", "27500000"}}));
    // A block that does not read is left out, not its list.
    Write(folder / "Astra-1KR-19.2E",
          ListText({{"10743750", "VERTICAL", "22000000"}, {"12207", "VERTICAL", "27500000"}}));
    Write(folder / "Thor-5-0.8W", ListText({{"11216000", "LEFT", "24500000"}}));
    Write(folder / ".hidden-13.0E", "not read");
    const analysis::SatelliteTables tables = analysis::ReadSatelliteTables(folder.path());

    EXPECT_EQ(tables.warnings,
              std::vector<std::string>{(folder / "Astra-1KR-19.2E").string() +
                                       ": line 15: FREQUENCY is not a satellite frequency in kHz: "
                                       "'12207'; the block is left out"});
    ASSERT_EQ(tables.positions.size(), 2u);
    const analysis::OrbitalPosition& thor = tables.positions[0];
    EXPECT_EQ(thor.name, "Thor-5");  // alone at its position
    EXPECT_DOUBLE_EQ(thor.degrees, -0.8);
    ASSERT_EQ(thor.transponders.size(), 1u);
    EXPECT_EQ(thor.transponders[0].polarisation, Polarisation::Left);

    const analysis::OrbitalPosition& astra = tables.positions[1];
    EXPECT_EQ(astra.name, "Astra");
    EXPECT_DOUBLE_EQ(astra.degrees, 19.2);
    EXPECT_EQ(astra.files, (std::vector<std::string>{"Astra-19.2E", "Astra-1KR-19.2E"}));
    ASSERT_EQ(astra.transponders.size(), 2u);
    const ListedTransponder& first = astra.transponders[0];  // by frequency, across the files
    EXPECT_DOUBLE_EQ(first.frequencyMHz, 10743.75);
    EXPECT_EQ(first.polarisation, Polarisation::Vertical);
    EXPECT_EQ(first.symbolRateKsps, 22000);
    EXPECT_EQ(first.deliverySystem, "DVBS2");
    EXPECT_EQ(first.modulation, "PSK/8");
    EXPECT_EQ(first.innerFec, "3/4");
    EXPECT_DOUBLE_EQ(astra.transponders[1].frequencyMHz, 11914.5);
}

TEST(SatelliteTables, MalformedFilesAreLeftOutWithTheirReason) {
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"[CHANNEL]\nFREQUENCY = 11.7GHz\n", "line 2: FREQUENCY is not a satellite frequency"},
        {"[CHANNEL]\nPOLARIZATION = VERTICAL\n", "line 1: a block without FREQUENCY"},
        {"FREQUENCY = 11747000\n", "line 1: a value before the first [CHANNEL] line"},
        {"[CHANNEL]\nFREQUENCY = 11747000\nPOLARIZATION = SIDEWAYS\n", "line 3: POLARIZATION"},
        {"[CHANNEL]\nFREQUENCY = 11747000\nSYMBOL_RATE = -1\n", "line 3: SYMBOL_RATE"},
        {"\x89PNG\r\n\x1a\n", "line 1: neither a [CHANNEL] line nor KEY = VALUE"},
        {"# nothing\n", "no [CHANNEL] block"},
    };
    for (const auto& c : cases) {
        fixtures::ScratchFolder folder;
        Write(folder / "Hotbird-13.0E", ListText({{"10719000", "VERTICAL", "27500000"}}));
        Write(folder / "Broken-19.2E", c.text);
        const analysis::SatelliteTables tables = analysis::ReadSatelliteTables(folder.path());
        ASSERT_EQ(tables.positions.size(), 1u) << c.reason;
        EXPECT_EQ(tables.positions[0].name, "Hotbird");
        ASSERT_EQ(tables.warnings.size(), 1u) << c.reason;
        EXPECT_NE(tables.warnings[0].find("Broken-19.2E: left out, " + c.reason), std::string::npos)
            << tables.warnings[0];
    }
}

TEST(SatelliteTables, MissingFolderOrUnnamedListGiveWarnings) {
    fixtures::ScratchFolder folder;
    const analysis::SatelliteTables missing = analysis::ReadSatelliteTables(folder / "absent");
    EXPECT_TRUE(missing.positions.empty());
    ASSERT_EQ(missing.warnings.size(), 1u);
    EXPECT_NE(missing.warnings[0].find("absent: No such file or directory"), std::string::npos);

    Write(folder / "README", ListText({{"10719000", "VERTICAL", "27500000"}}));
    const analysis::SatelliteTables unnamed = analysis::ReadSatelliteTables(folder.path());
    EXPECT_TRUE(unnamed.positions.empty());
    ASSERT_EQ(unnamed.warnings.size(), 1u);
    EXPECT_NE(unnamed.warnings[0].find("README: left out"), std::string::npos);
}

}  // namespace
}  // namespace mirelta
