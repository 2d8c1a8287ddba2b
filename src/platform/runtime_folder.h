#pragma once

#include <string>

namespace mirelta {

// The toolkit wants a private runtime folder and warns on stderr where none is set (root,
// containers, cron, CI). Make one before the application object exists; it goes with this.
class RuntimeFolder {
  public:
    RuntimeFolder();
    ~RuntimeFolder();
    RuntimeFolder(const RuntimeFolder&) = delete;
    RuntimeFolder& operator=(const RuntimeFolder&) = delete;

  private:
    std::string made_;  // empty when the environment had one already
};

}  // namespace mirelta
