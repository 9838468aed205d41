#pragma once

#include <memory>

#include "edit/Tool.h"

namespace tessark {

// The one place that knows which class answers for which tool. Null for a tool whose
// behaviour this build does not have (its buttons stay disabled).
std::unique_ptr<Tool> CreateTool(ToolKind kind);

}  // namespace tessark
