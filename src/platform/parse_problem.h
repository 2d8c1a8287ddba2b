// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <string>

namespace mirelta {

// Why the parser refused a command line, in the wording of both programs' usage errors: lower
// case, no full stop, options named as they are typed ("unknown option '--xml'").
std::string ParseProblem(const QCommandLineParser& parser);

}  // namespace mirelta
