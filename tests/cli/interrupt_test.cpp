// SPDX-License-Identifier: GPL-3.0-or-later
// Interrupted and killed runs leave no temporary files behind: INT and TERM remove them before the
// process ends, and those a KILL left are removed by the next run once they are old.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "cli_run.h"
#include "fixtures/image_builder.h"

namespace mirelta::testing {
namespace {

namespace fs = std::filesystem;

bool IsTemporary(const std::string& name) {
    return name.starts_with('.') && name.ends_with(".tmp");
}

std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (IsTemporary(entry.path().filename().string())) {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

pid_t StartCli(const std::vector<std::string>& args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(MIRELTA_CLI_PATH)};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(MIRELTA_CLI_PATH, argv.data());
        ::_exit(127);
    }
    return pid;
}

// Starts the command and stops it the moment a temporary file appears in `folder`; true when one
// was still there with the process stopped, false when the run ended first.
bool StopWhileATemporaryExists(const std::vector<std::string>& command, const fs::path& folder,
                               pid_t& pid) {
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ::inotify_add_watch(watch, folder.c_str(), IN_CREATE);
    pid = StartCli(command);
    bool caught = false;
    alignas(inotify_event) char events[4096];
    pollfd ready{watch, POLLIN, 0};
    for (bool seen = false; !seen && ::poll(&ready, 1, 60'000) == 1;) {
        const ssize_t size = ::read(watch, events, sizeof events);
        for (ssize_t at = 0; at < size && !seen;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            seen = event->len > 0 && IsTemporary(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
        if (seen) {
            ::kill(pid, SIGSTOP);
            caught = !Temporaries(folder).empty();
        }
    }
    ::close(watch);
    return caught;
}

TEST(CliInterrupt, IntAndTermRemoveTheTemporaryFilesBeforeTheRunEnds) {
    TempDir dir;
    fixtures::ImageBuilder image;
    for (int slot = 0; slot < 8; ++slot) {
        image.addFind(slot, {.label = "F" + std::to_string(slot)});
        image.addSpectrum(
            slot,
            {.label = "S" + std::to_string(slot), .leftFrequency = 2150, .rightFrequency = 950});
    }
    image.writeTo(dir / "meter.dat");
    const std::string meter = (dir / "meter.dat").string();
    const fs::path out = dir / "out";
    const std::vector<std::vector<std::string>> commands = {
        {"export-all", meter, "-d", out.string(), "--format", "bmp"},
        {"report", meter, "-o", (out / "report.pdf").string()},
    };
    for (const auto& command : commands) {
        for (const int signal : {SIGINT, SIGTERM}) {
            // A run whose file was renamed before it stopped proves nothing; try again.
            bool caught = false;
            int status = 0;
            for (int attempt = 0; attempt < 10 && !caught; ++attempt) {
                fs::remove_all(out);
                fs::create_directories(out);
                pid_t pid = 0;
                caught = StopWhileATemporaryExists(command, out, pid);
                ::kill(pid, signal);
                ::kill(pid, SIGCONT);
                ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            }
            ASSERT_TRUE(caught) << command[0] << ": never stopped with a temporary file";
            EXPECT_TRUE(WIFEXITED(status)) << command[0] << ' ' << signal;
            EXPECT_EQ(WEXITSTATUS(status), 128 + signal) << command[0];
            EXPECT_EQ(Temporaries(out), std::vector<std::string>{}) << command[0] << ' ' << signal;
        }
    }
}

TEST(CliInterrupt, TemporaryFilesLeftByAKilledRunAreRemovedOnceAnHourOld) {
    TempDir dir;
    fixtures::ImageBuilder().addFind(0, {.label = "F0"}).writeTo(dir / "meter.dat");
    const auto plant = [](const fs::path& file, std::chrono::minutes age) {
        std::ofstream(file) << "left behind";
        fs::last_write_time(file, fs::file_time_type::clock::now() - age);
    };
    const std::vector<std::vector<std::string>> commands = {
        {"export-all", (dir / "meter.dat").string(), "-d", (dir / "out").string()},
        {"report", (dir / "meter.dat").string(), "-o", (dir / "out" / "report.pdf").string()},
    };
    for (const auto& command : commands) {
        fs::remove_all(dir / "out");
        fs::create_directories(dir / "out");
        plant(dir / "out" / ".report.pdf.mirelta-104729.tmp", std::chrono::minutes(61));
        plant(dir / "out" / ".find-00-F0.png.mirelta-000001.tmp", std::chrono::minutes(59));
        plant(dir / "out" / ".notes.txt.104729.tmp", std::chrono::minutes(600));
        const CliResult result = RunCli(command);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        EXPECT_FALSE(fs::exists(dir / "out" / ".report.pdf.mirelta-104729.tmp")) << command[0];
        EXPECT_TRUE(fs::exists(dir / "out" / ".find-00-F0.png.mirelta-000001.tmp")) << command[0];
        EXPECT_TRUE(fs::exists(dir / "out" / ".notes.txt.104729.tmp")) << command[0];
    }
}

}  // namespace
}  // namespace mirelta::testing
