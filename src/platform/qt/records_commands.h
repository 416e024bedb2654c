#pragma once
// The command-line uses of the stored runs, answered without a window: --history and --export-last.
#include <QString>
#include <string>
#include <vector>

#include "core/platform.h"

namespace tap::qt {

// Whether the command line asks for one of them.
bool asksForRecords(const std::vector<std::string>& args);
// The stored runs as a table on the standard output. 0, or 1 when they cannot be read.
int printHistory(RunStore& store);
// The last run played on this device into `file`, CSV or JSON by its extension. 0, or 1 with a message when
// there is none or it cannot be written.
int exportLastRun(RunStore& store, const QString& file);

}  // namespace tap::qt
