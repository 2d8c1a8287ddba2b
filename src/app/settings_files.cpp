// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_files.h"

#include <sys/stat.h>

#include <QFile>
#include <QStandardPaths>
#include <optional>
#include <string>
#include <string_view>

namespace mirelta {
namespace {

std::optional<char16_t> EscapedCharacter(char code) {
    constexpr std::string_view kCodes = "abfnrtv\"?'\\";
    constexpr std::u16string_view kCharacters = u"\a\b\f\n\r\t\v\"?'\\";
    const std::size_t at = kCodes.find(code);
    return at == std::string_view::npos ? std::nullopt : std::optional(kCharacters[at]);
}

int DigitValue(char digit, int base) {
    const int value = digit >= '0' && digit <= '9'   ? digit - '0'
                      : digit >= 'a' && digit <= 'f' ? digit - 'a' + 10
                      : digit >= 'A' && digit <= 'F' ? digit - 'A' + 10
                                                     : base;
    return value < base ? value : -1;
}

// The text as the toolkit's reader unescapes a value: codes, hex and octal numbers of any length
// (kept to 16 bits, as it keeps them), a line joined by a backslash, any other escaped character
// dropped, and quotes dropped. Whatever it makes of keys and comments, a value spelled to
// deserialise is spelled so here too.
std::u16string UnescapedText(QByteArrayView text) {
    std::u16string plain;
    plain.reserve(static_cast<std::size_t>(text.size()));
    qsizetype at = 0;
    const auto number = [&](int base, char16_t value) {
        for (int digit = 0; at < text.size() && (digit = DigitValue(text[at], base)) >= 0; ++at) {
            value = static_cast<char16_t>(value * base + digit);
        }
        plain.push_back(value);
    };
    while (at < text.size()) {
        const char next = text[at++];
        if (next != '\\') {
            // Other bytes of a UTF-8 sequence cannot make the ASCII prefixes looked for.
            if (next != '"') {
                plain.push_back(static_cast<unsigned char>(next) < 0x80 ? next : u'\uFFFD');
            }
            continue;
        }
        if (at == text.size()) {
            break;
        }
        const char code = text[at++];
        if (const auto character = EscapedCharacter(code)) {
            plain.push_back(*character);
        } else if (code == 'x' && at < text.size() && DigitValue(text[at], 16) >= 0) {
            number(16, 0);
        } else if (DigitValue(code, 8) >= 0) {
            number(8, static_cast<char16_t>(code - '0'));
        } else if ((code == '\n' || code == '\r') && at < text.size() &&
                   (text[at] == '\n' || text[at] == '\r') && text[at] != code) {
            ++at;  // the line's end is two characters
        }
    }
    return plain;
}

}  // namespace

// As QSettings lays out its files on an XDG desktop: the first generic config folder is the
// user's, the others are the system's.
QStringList SettingsFilesOf(const QString& organization, const QString& application) {
    const QString orgFile = organization + QStringLiteral(".conf");
    const QString appFile = organization + u'/' + application + QStringLiteral(".conf");
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        if (!application.isEmpty()) {
            files.append(folder + u'/' + appFile);
        }
        files.append(folder + u'/' + orgFile);
    }
    return files;
}

QString WhyNotToOpen(const QString& file) {
    // stat follows a link, as opening the file would.
    struct stat status {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0) {
        return {};
    }
    if (!S_ISREG(status.st_mode)) {
        return QStringLiteral("is not a regular file");
    }
    if (status.st_size > kMostStoreBytes) {
        return QStringLiteral("is larger than %1 bytes, more than the window ever stores")
            .arg(kMostStoreBytes);
    }
    QFile store(file);
    if (store.open(QIODevice::ReadOnly) && HoldsSerialisedValue(store.read(kMostStoreBytes))) {
        return QStringLiteral("holds a serialised value, which the window never stores");
    }
    return {};
}

bool HoldsSerialisedValue(QByteArrayView text) {
    const std::u16string plain = UnescapedText(text);
    return plain.find(u"@Variant(") != std::u16string::npos ||
           plain.find(u"@DateTime(") != std::u16string::npos;
}

}  // namespace mirelta
