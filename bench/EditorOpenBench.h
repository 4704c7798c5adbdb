#pragma once

namespace bench {

// Ends the editor the benchmark of opening a device in the editor started, if any; before the
// application object goes.
void EndEditor();

} // namespace bench
