// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a source file, read and loaded, every field touched.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "data/record_lists.h"
#include "data/source_file.h"

namespace {

volatile std::uint64_t sink;

template <typename Record>
void Touch(const Record& record) {
    sink = sink + record.listLabel().size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/mirelta_fuzz_" + std::to_string(::getpid()) + ".dat";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    mirelta::ReadResult read = mirelta::ReadSourceFile(path);
    if (!read.error.ok()) {
        if (read.image || size >= mirelta::kSourceImageSize) {
            __builtin_trap();  // failures carry no image, and only short files fail
        }
        return 0;
    }
    const mirelta::RecordLists lists = mirelta::Load(*read.image);
    if (read.image->signature() != mirelta::kValidSignature) {
        __builtin_trap();
    }
    for (int k = 0; k < lists.findCount; ++k) {
        const auto& r = lists.find[static_cast<std::size_t>(k)];
        Touch(r);
        sink = sink + r.satelliteName().size() + r.frequency() + r.lockFlag();
    }
    for (int k = 0; k < lists.constellationCount; ++k) {
        const auto& r = lists.constellation[static_cast<std::size_t>(k)];
        Touch(r);
        sink =
            sink + static_cast<std::uint8_t>(r.sampleQ(mirelta::ConstellationRecord::kSamples - 1));
    }
    for (int k = 0; k < lists.spectrumCount; ++k) {
        const auto& r = lists.spectrum[static_cast<std::size_t>(k)];
        Touch(r);
        sink = sink + static_cast<std::uint8_t>(r.level(mirelta::SpectrumRecord::kLevels - 1));
    }
    return 0;
}
