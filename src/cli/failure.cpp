// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/failure.h"

#include <iostream>

#include "cli/exit_codes.h"
#include "cli/usage.h"

namespace mirelta::cli {

int ExitCode(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::None:
            return kExitOk;
        case ErrorKind::Usage:
            return kExitUsage;
        case ErrorKind::CannotOpen:
            return kExitCannotOpen;
        case ErrorKind::ShortRead:
            return kExitShortRead;
        case ErrorKind::WriteFailed:
            return kExitWriteFailed;
    }
    return kExitUsage;
}

int Fail(const Command& command, const Error& error, const std::string& subject) {
    switch (error.kind) {
        case ErrorKind::None:
            break;
        case ErrorKind::Usage:
            PrintUsageError(std::cerr, &command, error.detail);
            break;
        case ErrorKind::CannotOpen:
            std::cerr << "Open false! " << subject << ": " << error.detail << '\n';
            break;
        case ErrorKind::ShortRead:
            std::cerr << "Read file error! " << subject << ": " << error.detail << '\n';
            break;
        case ErrorKind::WriteFailed:
            std::cerr << "mirelta-cli: cannot write " << subject << ": " << error.detail << '\n';
            break;
    }
    return ExitCode(error.kind);
}

Error UsageError(std::string detail) {
    return {ErrorKind::Usage, std::move(detail)};
}

}  // namespace mirelta::cli
