// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "data/error.h"
#include "export/save_result.h"

namespace mirelta::cli {

struct Command;

// Every way a command can fail, each with its own wording and exit code: the command line's own
// usage errors, the reading errors of the file layer and the write failures of export.
enum class FailureKind { None, Usage, CannotOpen, ShortRead, WriteFailed };

struct Failure {
    FailureKind kind = FailureKind::None;
    std::string detail;  // the reason in words for the user

    Failure() = default;
    Failure(FailureKind failureKind, std::string reason)
        : kind(failureKind), detail(std::move(reason)) {}
    // A failed read or write of the layers below, as the command tells it.
    Failure(const Error& read);          // NOLINT(google-explicit-constructor)
    Failure(const SaveResult& written);  // NOLINT(google-explicit-constructor)

    bool ok() const { return kind == FailureKind::None; }
};

// The exit code of each kind of failure; documented in the help text, scripts rely on them.
int ExitCode(FailureKind kind);

// Prints `failure` on stderr in the one wording of its kind and returns its exit code.
// `subject` is the file it concerns (the source for a read, the picture for a write).
int Fail(const Command& command, const Failure& failure, const std::string& subject = {});

// Shorthand for a usage error of `command`.
Failure UsageError(std::string detail);

}  // namespace mirelta::cli
