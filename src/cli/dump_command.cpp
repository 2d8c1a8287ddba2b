// mirelta-cli dump FILE [--json|--csv]: every field of every listed record.
#include <iostream>

#include "cli/command.h"
#include "cli/dump_forms.h"
#include "cli/file_arguments.h"
#include "cli/loaded_file.h"
#include "cli/threshold_options.h"
#include "cli/usage.h"

namespace mirelta::cli {
namespace {

int RunDump(const Arguments& given) {
    Arguments args = given;
    Thresholds thresholds;
    if (const std::string error = TakeThresholdOptions(args, thresholds); !error.empty()) {
        return UsageError(kDumpCommand, error);
    }
    FileArguments parsed;
    if (const std::string error = ParseFileArguments(args, {"--json", "--csv"}, parsed);
        !error.empty()) {
        return UsageError(kDumpCommand, error);
    }
    LoadedFile file;
    if (const int code = OpenSource(parsed.path, file); code != 0) {
        return code;
    }
    if (parsed.format == "--json") {
        DumpJson(file, std::cout, thresholds);
    } else if (parsed.format == "--csv") {
        DumpCsv(file, std::cout, thresholds);
    } else {
        DumpText(file, std::cout);
    }
    return 0;
}

}  // namespace

const Command kDumpCommand{
    "dump", "mirelta-cli dump FILE [--json|--csv] [--pass-margin DB] [--fail-margin DB]", RunDump};

}  // namespace mirelta::cli
