// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: arbitrary bytes as a DVBv5 satellite list. The text is either a list of
// satellite frequencies or an error, never both, and every block left out says where.
#include <cstdint>
#include <string_view>

#include "analysis/channel_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using fuzz::Check;
    const analysis::ChannelFile file =
        analysis::ParseChannelFile({reinterpret_cast<const char*>(data), size});
    Check(file.error.empty() != file.transponders.empty(), "a list or an error");
    for (const analysis::ListedTransponder& t : file.transponders) {
        Check(t.frequencyMHz >= 1000 && t.frequencyMHz <= 100000, "a satellite frequency");
        Check(!t.symbolRateKsps || *t.symbolRateKsps > 0, "a positive symbol rate");
    }
    for (const std::string& block : file.leftOut) {
        Check(block.starts_with("line "), "a block left out says where");
    }
    return 0;
}
