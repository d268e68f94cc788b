#pragma once
// Start-up work that needs no window: drawing the artwork and finding the
// fonts. Run beside the main thread while SDL opens the window, it leaves the
// first screen both ready instead of doing them in turn before its first frame.

namespace rallix {

void WarmUpForStartUp();

}  // namespace rallix
