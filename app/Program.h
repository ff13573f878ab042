#pragma once

#include <QString>

namespace bacc {

// "Version 2.1": the version the build was made from, as the start screen and the about box show it.
QString ProgramVersionText();

// Brings the program's front window forward: the main window when it is open, else the start screen.
// A second copy started by the user asks for this and ends.
void ActivateFrontWindow();

} // namespace bacc
