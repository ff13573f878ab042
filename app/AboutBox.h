#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace bacc {

// The about box: the program's picture, its version and what it is for.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();

    static QString Description();
};

// Opens the about box (window-modal over parent) and answers it; one at a time.
AboutBox* ShowAboutBox(QWidget* parent = nullptr);
// The open about box, if any.
AboutBox* TheAboutBox();

} // namespace bacc
