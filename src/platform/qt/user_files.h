#pragma once
#include "core/platform.h"

namespace tap::qt {

// Files the user names, read whole and written in one step through a temporary file.
class QtUserFiles : public UserFiles {
  public:
    FileText read(const std::string& path, std::size_t maxBytes) override;
    std::string write(const std::string& path, const std::string& text) override;
};

}  // namespace tap::qt
