// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/signal_handling.h"

#include <pthread.h>

#include <csignal>
#include <cstdlib>
#include <thread>

#include "export/live_temporaries.h"

namespace mirelta::cli {
namespace {

bool Ignored(int signal) {
    struct sigaction current {};
    return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

}  // namespace

void SetUpSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t stops;
    sigemptyset(&stops);
    for (const int signal : {SIGINT, SIGTERM}) {
        if (!Ignored(signal)) {
            sigaddset(&stops, signal);
        }
    }
    // Blocked here, before any other thread starts, so that every thread inherits the mask and
    // the signals reach only the waiting thread, where removing files needs no care for
    // async-signal safety.
    ::pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    std::thread([stops] {
        int signal = 0;
        while (::sigwait(&stops, &signal) != 0) {
        }
        RemoveLiveTemporaries();
        std::_Exit(128 + signal);
    }).detach();
}

}  // namespace mirelta::cli
