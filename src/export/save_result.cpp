// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/save_result.h"

#include <system_error>
#include <utility>

namespace mirelta {
namespace {

// Lead-ins for kinds whose detail alone would not say which step failed.
const char* StepText(SaveError error) {
    switch (error) {
        case SaveError::EncodingFailed:
            return "encoding failed";
        case SaveError::CreateFailed:
            return "cannot create a file in the folder";
        case SaveError::WriteFailed:
            return "writing failed";
        case SaveError::TimedOut:
            return "nothing was read from it for too long";
        case SaveError::ReplaceFailed:
            return "cannot replace the file";
        case SaveError::SyncFailed:
            return "saved, but the folder could not be flushed to the disk";
        case SaveError::None:
        case SaveError::NoPicture:
        case SaveError::UnknownFormat:
        case SaveError::NoFileName:
        case SaveError::UnsupportedTarget:
        case SaveError::OpenFailed:
            break;
    }
    return "";
}

}  // namespace

std::string SaveResult::reason() const {
    const std::string step = StepText(error);
    if (step.empty() || detail.empty()) {
        return step + detail;
    }
    return step + ": " + detail;
}

SaveResult SaveFailure(SaveError error, std::string detail) {
    return {error, std::move(detail)};
}

SaveResult SystemFailure(SaveError error, int systemError) {
    return {error, std::generic_category().message(systemError)};
}

}  // namespace mirelta
