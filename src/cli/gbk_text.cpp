#include "cli/gbk_text.h"

#include <QByteArray>
#include <QStringDecoder>

namespace mirelta::cli {

std::string GbkToUtf8(const std::string& bytes) {
    QStringDecoder decoder("GBK");
    const QString text = decoder(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return text.toStdString();
}

}  // namespace mirelta::cli
