#pragma once

#include <functional>

// Ends the process at once with exit code 0: nothing is saved, no destructor runs, no server call
// follows. In the program it never returns; a test handler may record the call and return (or
// throw), so callers return right after calling it.
void ProgramiSonlandir();

using ProcessEndHandler = std::function<void()>;
// Replaces what ProgramiSonlandir does; an empty handler restores std::_Exit(0). Returns the previous one.
ProcessEndHandler setProcessEndHandler(ProcessEndHandler handler);
