// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_codec.h"

#include <QStringDecoder>

namespace mirelta {

QString DecodeLocalText(const std::string& bytes) {
    // Setting up the codec costs more than most decodes; a stateless one can be reused.
    thread_local QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string DecodeLocalTextToUtf8(const std::string& bytes) {
    return DecodeLocalText(bytes).toStdString();
}

}  // namespace mirelta
