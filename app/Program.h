#pragma once

namespace bacc {

// Brings the program's front window forward: the main window when it is open, else the start screen.
// A second copy started by the user asks for this and ends.
void ActivateFrontWindow();

} // namespace bacc
