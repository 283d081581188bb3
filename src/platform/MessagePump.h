#pragma once
// Yielding to the message queue in the middle of long work on the GUI thread.
namespace platform {

// Dispatches every message waiting for the calling thread, then returns.
// A WM_QUIT found on the way is posted again for the main loop.
void PumpPendingMessages();

}  // namespace platform
