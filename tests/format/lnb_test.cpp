// SPDX-License-Identifier: GPL-3.0-or-later
// LNB names and local oscillator values.
#include <gtest/gtest.h>

#include "data/find_record.h"
#include "fixtures/image_builder.h"
#include "format/value_format.h"

namespace mirelta {
namespace {

FindRecord FindWith(const fixtures::FindFields& fields) {
    return fixtures::FindRecordOf(fields);
}

TEST(Lnb, TableNamesAndValues) {
    struct Row {
        std::uint8_t type;
        const char* name;
        std::uint16_t low;
        std::uint16_t high;
    };
    const Row rows[] = {{0, "Universal", 9750, 10600}, {1, "9750/10750", 9750, 10750},
                        {2, "05150", 5150, 0},         {3, "05750", 5750, 0},
                        {4, "09750", 9750, 0},         {5, "10600", 10600, 0},
                        {6, "10750", 10750, 0},        {7, "11300", 11300, 0},
                        {8, "11475", 11475, 0},        {9, "Customised", 9750, 10600}};
    for (const Row& row : rows) {
        EXPECT_STREQ(LnbTypeTable(row.type).name, row.name) << int(row.type);
        EXPECT_EQ(LnbTypeTable(row.type).loLow, row.low) << int(row.type);
        EXPECT_EQ(LnbTypeTable(row.type).loHigh, row.high) << int(row.type);
        EXPECT_EQ(LnbName(row.type), row.name);
    }
}

TEST(Lnb, TableTypesIgnoreTheRecordsLoFields) {
    const FindRecord record = FindWith({.lnbType = 1, .loLow = 1111, .loHigh = 2222});
    EXPECT_EQ(LoLow(record), 9750);
    EXPECT_EQ(LoHigh(record), 10750);
}

TEST(Lnb, SingleLoTypeHasZeroHigh) {
    const FindRecord record = FindWith({.lnbType = 7, .loLow = 1111, .loHigh = 2222});
    EXPECT_EQ(LoLow(record), 11300);
    EXPECT_EQ(LoHigh(record), 0);
}

TEST(Lnb, CustomisedUsesTheRecordsLoFields) {
    const FindRecord record = FindWith({.lnbType = 9, .loLow = 9000, .loHigh = 65535});
    EXPECT_EQ(LnbName(record.lnbType()), "Customised");
    EXPECT_EQ(LoLow(record), 9000);
    EXPECT_EQ(LoHigh(record), 65535);
}

TEST(Lnb, TypesAboveNineFallBackToUnknownWithZeroLo) {
    for (int type : {10, 12, 255}) {
        const FindRecord record =
            FindWith({.lnbType = static_cast<std::uint8_t>(type), .loLow = 1234, .loHigh = 5678});
        EXPECT_EQ(LnbName(record.lnbType()), "Unknown (" + std::to_string(type) + ")");
        EXPECT_STREQ(LnbTypeTable(record.lnbType()).name, "Unknown");
        EXPECT_EQ(LoLow(record), 0);
        EXPECT_EQ(LoHigh(record), 0);
    }
}

TEST(Lnb, AllZeroRecordIsUniversal) {
    const FindRecord record;
    EXPECT_EQ(LnbName(record.lnbType()), "Universal");
    EXPECT_EQ(LoLow(record), 9750);
    EXPECT_EQ(LoHigh(record), 10600);
}

}  // namespace
}  // namespace mirelta
