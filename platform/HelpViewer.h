#pragma once

class QString;
class QTextBrowser;
class QWidget;

namespace bacc {

// Context number of the start screen's help topic.
inline constexpr int StartScreenHelpTopic = 1;

// Shows the help file (HelpPath) in the help window at its contents page.
void ShowHelpContents(QWidget* parent = nullptr);

// Shows the help file at the topic with the given context number; an unknown number shows the contents.
void ShowHelpContext(int context, QWidget* parent = nullptr);

// Shows the help file at the topic with the given anchor; an empty anchor shows the contents.
void ShowHelpTopic(const QString& anchor, QWidget* parent = nullptr);

// The browser of the open help window, or nullptr when none is open.
QTextBrowser* HelpBrowser();

} // namespace bacc
