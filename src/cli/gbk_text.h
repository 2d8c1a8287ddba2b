#pragma once

#include <string>

namespace mirelta::cli {

// The meter's 8-bit texts are code page 936; output is UTF-8.
std::string GbkToUtf8(const std::string& bytes);

}  // namespace mirelta::cli
