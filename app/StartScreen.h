#pragma once

#include <QWidget>

namespace bacc {

// The start screen: shown alone before the main window, with Start, Help and Exit.
class StartScreen : public QWidget {
    Q_OBJECT
public:
    explicit StartScreen(QWidget* parent = nullptr);

    // Finds the settings file and sets the texts. False when the settings file is missing: the
    // missing-file message has been shown and the program is to end.
    bool Form_Load();
    void cmdStart_Click();
    void Command1_Click();
    void cmdHelp_Click();
    void cmdQuit_Click();
    void Form_KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend void CloseStartScreen();
    void Start();
    bool handedOver_ = false; // closed because the main window took over
};

// The start screen while it is open.
StartScreen* TheStartScreen();
// Creates the start screen (it is not loaded or shown yet).
StartScreen* CreateStartScreen();
// Closes the start screen without ending the program: the main window has taken over.
void CloseStartScreen();

} // namespace bacc
