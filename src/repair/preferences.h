// The one preference of the scan options page: "Exclude references to CDROM
// and Network drives", kept as "chkSkipCDLan" in the settings key.
#pragma once

#include "platform/registry.h"

namespace repair {

// The box's state at start. The box is checked in the window's design, so
// an unchecked result is a change of state, and the change stores "0"
// (also when nothing was stored); a stored "1" writes nothing.
bool LoadSkipCdLan(platform::Registry& registry);
// Stores the box's state as "1" or "0".
void SaveSkipCdLan(platform::Registry& registry, bool checked);

}  // namespace repair
