#pragma once

#include <ostream>

#include "cli/loaded_file.h"

namespace mirelta::cli {

// The three output forms of `dump`; each writes every listed record of a loaded file.
void DumpText(const LoadedFile& file, std::ostream& out);
void DumpJson(const LoadedFile& file, std::ostream& out);
void DumpCsv(const LoadedFile& file, std::ostream& out);

}  // namespace mirelta::cli
