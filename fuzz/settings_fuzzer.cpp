// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the window's settings file. Whatever it holds, the settings
// read back are ones the window can use, and a file opened still goes to the top of Open Recent.
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/settings.h"
#include "fuzz_check.h"
#include "mirelta_version.h"

namespace mirelta::fuzz {
namespace {

namespace fs = std::filesystem;

// The store lives in a private config folder; the system's folders are left out of the search.
struct Store {
    Store() {
        const fs::path shm = "/dev/shm";
        folder = (fs::is_directory(shm) ? shm : fs::temp_directory_path()) /
                 ("mirelta_settings_" + std::to_string(::getpid()));
        fs::create_directories(folder / "system");
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", (folder / "system").c_str(), 1);
        file = folder / (std::string(kApplicationId) + ".conf");
        // A bad value is logged once per text; the fuzzer would spend its time printing them.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    ~Store() { fs::remove_all(folder); }

    int argc = 1;
    char name[16] = "settings_fuzzer";
    char* argv[2] = {name, nullptr};
    fs::path folder;
    fs::path file;
    std::unique_ptr<QCoreApplication> app;
    int inputs = 0;
};

Store& TheStore() {
    static Store store;
    return store;
}

void WriteInput(Store& store, const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream out(store.file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // The toolkit keeps a file it has read while its size and time stay; each input gets a time
    // of its own so that it is read afresh.
    ++store.inputs;
    fs::last_write_time(store.file, fs::file_time_type() + std::chrono::hours(store.inputs));
}

void CheckSane(const Settings& settings) {
    const Thresholds margins = settings.thresholds();
    Check(std::isfinite(margins.passMargin) && std::isfinite(margins.failMargin), "finite margins");
    Check(std::abs(margins.passMargin) <= Settings::kMarginLimit &&
              std::abs(margins.failMargin) <= Settings::kMarginLimit,
          "margins within the limit");
    Check(margins.failMargin <= margins.passMargin, "fail margin not above the pass margin");
    Check(margins.s2Allowance >= 0 && margins.s2Allowance <= Settings::kAllowanceLimit,
          "allowance within the limit");
    const int language = static_cast<int>(settings.language());
    Check(language == 0 || language == 1, "language");
    Check(settings.recentFiles().size() <= Settings::kRecentFileCount, "recent list length");
}

}  // namespace
}  // namespace mirelta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirelta;
    using namespace mirelta::fuzz;
    Store& store = TheStore();
    WriteInput(store, data, size);
    Settings settings;
    CheckSane(settings);
    const QString opened = QStringLiteral("/meter/opened.dat");
    settings.addRecentFile(opened);
    const QStringList recent = settings.recentFiles();
    Check(!recent.isEmpty() && recent.first() == opened, "an opened file tops the recent list");
    CheckSane(settings);
    return 0;
}
