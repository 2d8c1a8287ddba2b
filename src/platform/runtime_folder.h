// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace mirelta {

// The toolkit wants a private runtime folder and warns on stderr where none is set (root,
// containers, cron, CI). Where none is set, this names one of ours; make it before the
// application object exists.
class RuntimeFolder {
  public:
    RuntimeFolder();
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

  private:
    std::string made_;  // a one-off folder to remove with this object, when we needed one
};

}  // namespace mirelta
