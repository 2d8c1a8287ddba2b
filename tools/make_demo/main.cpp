// SPDX-License-Identifier: GPL-3.0-or-later
// make_demo OUTPUT: writes the demo source file (always the same bytes).
#include <cstdio>
#include <exception>
#include <filesystem>

#include "demo_records.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo OUTPUT.dat\n");
        return 2;
    }
    const std::filesystem::path output = argv[1];
    mirelta::fixtures::ImageBuilder builder;
    mirelta::demo::AddFindSnapshots(builder);
    mirelta::demo::AddConstellationSnapshots(builder);
    mirelta::demo::AddSpectrumSnapshots(builder);
    // Write beside the target and rename, so a failure never leaves half a file behind.
    std::filesystem::path partial = output;
    partial += ".partial";
    try {
        builder.writeTo(partial);
        std::filesystem::rename(partial, output);
    } catch (const std::exception& error) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        std::fprintf(stderr, "make_demo: %s\n", error.what());
        return 1;
    }
    return 0;
}
