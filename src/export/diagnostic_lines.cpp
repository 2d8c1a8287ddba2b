// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/diagnostic_lines.h"

#include <langinfo.h>

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace mirelta {

std::string DiagnosticLines(int bitsPerPixel, int width, int height) {
    return DiagnosticLinesInCodeset(bitsPerPixel, width, height, nl_langinfo(CODESET));
}

std::string DiagnosticLinesInCodeset(int bitsPerPixel, int width, int height, const char* codeset) {
    const QString text = QStringLiteral("当前屏幕色彩模式为%1位色彩\n屏幕宽度：%2\n屏幕高度：%3\n")
                             .arg(bitsPerPixel)
                             .arg(width)
                             .arg(height);

    QStringEncoder encoder(codeset);
    QStringDecoder decoder(codeset);
    if (encoder.isValid() && decoder.isValid()) {
        const QByteArray bytes = encoder.encode(text);
        // Encoders substitute what they cannot map; only a faithful round trip is kept.
        if (!encoder.hasError() && QString(decoder.decode(bytes)) == text) {
            return bytes.toStdString();
        }
    }
    return text.toUtf8().toStdString();
}

}  // namespace mirelta
