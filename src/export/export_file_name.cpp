// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/export_file_name.h"

#include <QString>
#include <cstdio>
#include <utility>

namespace mirelta {

namespace {

// Letters and digits of any script stay, so labels in the meter's Chinese read as they are.
bool Keeps(QChar c) {
    return c.isLetterOrNumber() || c == u'-' || c == u'.' || c == u'_';
}

std::string SafeLabel(const std::string& label) {
    QString safe;
    for (const QChar c : QString::fromStdString(label)) {
        const QChar kept = Keeps(c) ? c : QChar(u'_');
        if (kept == u'_' && safe.endsWith(u'_')) {
            continue;
        }
        safe += kept;
    }
    // No hidden files, no "..", no leading or trailing separators.
    while (safe.startsWith(u'.') || safe.startsWith(u'_')) {
        safe.remove(0, 1);
    }
    while (safe.endsWith(u'.') || safe.endsWith(u'_')) {
        safe.chop(1);
    }
    constexpr qsizetype kLongest = 64;
    safe.truncate(kLongest);
    return safe.isEmpty() ? "record" : safe.toStdString();
}

// Cuts at most `longest` bytes without splitting a UTF-8 sequence.
std::string CutBytes(std::string text, std::size_t longest) {
    if (text.size() <= longest) {
        return text;
    }
    std::size_t end = longest;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

}  // namespace

std::string ExportFileName(const std::string& kind, int entry, const std::string& label,
                           const std::string& extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%02d", entry);
    return kind + "-" + number + "-" + SafeLabel(label) + "." + extension;
}

std::string ExportFolderName(const std::filesystem::path& source) {
    if (source == "-") {
        return "stdin";
    }
    std::string name = source.filename().stem().string();
    for (char& c : name) {
        if (c == '/' || c == '\0') {
            c = '_';
        }
    }
    name.erase(0, name.find_first_not_of('.'));
    constexpr std::size_t kLongest = 200;
    name = CutBytes(std::move(name), kLongest);
    return name.empty() ? "file" : name;
}

}  // namespace mirelta
