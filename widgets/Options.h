#pragma once

namespace bacc {

// The option flags of the table, held in memory by the main window and mirrored in the settings file.
// The table reads them at their point of use.
struct Options {
    bool CardFaceUp = true;
    bool CardValues = true;
    bool CardsDealt = true;
    bool CardsDealtCount = true;
    bool ShowScore = true;
    bool ShowNaturals = true;
    bool PlayerBlue = true;
    bool Delay = true;
    bool Animation = true;
    bool RevealArrows = true;     // false: hands reveal the cards
    bool StatisticsShown = false; // the check mark of the Statistics menu item
};

// The one set of options of the program.
Options& Settings();

} // namespace bacc
