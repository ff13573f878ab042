#pragma once

#include <functional>

namespace bacc {

// Ends the program: leaves the event loop. Windows call it when they are done closing.
void EndProgram();

// Test seam: what EndProgram does instead of leaving the event loop; an empty function restores it.
void SetEndProgramHook(std::function<void()> hook);

} // namespace bacc
