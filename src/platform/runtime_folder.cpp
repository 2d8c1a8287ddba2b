#include "platform/runtime_folder.h"

#include <QByteArray>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>

namespace mirelta {

RuntimeFolder::RuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    std::error_code ec;
    std::string folder = (std::filesystem::temp_directory_path(ec) / "mirelta-XXXXXX").string();
    // mkdtemp makes it with mode 0700, which is what the toolkit checks for.
    if (!ec && ::mkdtemp(folder.data()) != nullptr) {
        made_ = folder;
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
    }
}

RuntimeFolder::~RuntimeFolder() {
    if (!made_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(made_, ignored);
    }
}

}  // namespace mirelta
