// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/failure.h"

#include <iostream>

#include "cli/exit_codes.h"
#include "cli/usage.h"

namespace mirelta::cli {

Failure::Failure(const Error& read)
    : kind(read.kind == ErrorKind::CannotOpen  ? FailureKind::CannotOpen
           : read.kind == ErrorKind::ShortRead ? FailureKind::ShortRead
                                               : FailureKind::None),
      detail(read.detail) {}

Failure::Failure(const SaveResult& written)
    : kind(written.ok() ? FailureKind::None : FailureKind::WriteFailed), detail(written.reason()) {}

int ExitCode(FailureKind kind) {
    switch (kind) {
        case FailureKind::None:
            return kExitOk;
        case FailureKind::Usage:
            return kExitUsage;
        case FailureKind::CannotOpen:
            return kExitCannotOpen;
        case FailureKind::ShortRead:
            return kExitShortRead;
        case FailureKind::WriteFailed:
            return kExitWriteFailed;
    }
    return kExitUsage;
}

int Fail(const Command& command, const Failure& error, const std::string& subject) {
    switch (error.kind) {
        case FailureKind::None:
            break;
        case FailureKind::Usage:
            PrintUsageError(std::cerr, &command, error.detail);
            break;
        case FailureKind::CannotOpen:
            std::cerr << "Open false! " << subject << ": " << error.detail << '\n';
            break;
        case FailureKind::ShortRead:
            std::cerr << "Read file error! " << subject << ": " << error.detail << '\n';
            break;
        case FailureKind::WriteFailed:
            std::cerr << "mirelta-cli: cannot write " << subject << ": " << error.detail << '\n';
            break;
    }
    return ExitCode(error.kind);
}

Failure UsageError(std::string detail) {
    return {FailureKind::Usage, std::move(detail)};
}

}  // namespace mirelta::cli
