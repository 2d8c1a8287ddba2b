// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the names export-all makes up from a source's file name and a record's label.
// Whatever they hold, each name is one path component, so every picture lands inside DIR.
#include <cstdint>
#include <filesystem>
#include <string>

#include "export/export_file_name.h"
#include "fuzz_check.h"
#include "platform/text_codec.h"

namespace mirelta::fuzz {
namespace {

constexpr std::size_t kLongestComponent = 255;  // NAME_MAX of the usual file systems

void CheckComponent(const std::string& name, const char* what) {
    Check(!name.empty() && name != "." && name != "..", what);
    Check(name.find('/') == std::string::npos && name.find('\0') == std::string::npos, what);
    Check(name.size() <= kLongestComponent, what);
}

}  // namespace
}  // namespace mirelta::fuzz

// Byte 0: the list entry; byte 1: how many of the next bytes are the source's path; the rest: the
// label as the meter stores it (code page 936 bytes).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using namespace mirelta::fuzz;
    if (size < 2) {
        return 0;
    }
    const int entry = data[0] % 32;
    const std::size_t pathSize = std::min<std::size_t>(data[1], size - 2);
    const std::string path(reinterpret_cast<const char*>(data + 2), pathSize);
    const std::string label(reinterpret_cast<const char*>(data + 2 + pathSize),
                            size - 2 - pathSize);

    const std::string folder = ExportFolderName(path);
    CheckComponent(folder, "folder name is one component");
    const std::filesystem::path dir = "/export/dir";
    for (const char* kind : {"find", "constellation", "spectrum"}) {
        for (const char* extension : {"bmp", "png", "jpeg"}) {
            const std::string name =
                ExportFileName(kind, entry, DecodeLocalTextToUtf8(label), extension);
            CheckComponent(name, "picture name is one component");
            const std::filesystem::path file = (dir / folder / name).lexically_normal();
            Check(file.parent_path().parent_path() == dir, "picture inside DIR");
        }
    }
    return 0;
}
