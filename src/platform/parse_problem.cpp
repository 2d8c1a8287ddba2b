// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/parse_problem.h"

#include <QStringList>

namespace mirelta {

std::string ParseProblem(const QCommandLineParser& parser) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString& name = unknown.first();
        return "unknown option '" + std::string(name.size() == 1 ? "-" : "--") +
               name.toStdString() + "'";
    }
    QString text = parser.errorText();
    if (text.endsWith('.')) {
        text.chop(1);
    }
    if (!text.isEmpty()) {
        text[0] = text[0].toLower();
    }
    return text.toStdString();
}

}  // namespace mirelta
