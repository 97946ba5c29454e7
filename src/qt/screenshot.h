// Pictures of the windows for checking the layout: the main window on each tab, the hub
// window and the About window, written as PNG files.
#pragma once

#include <QString>

class GuiShell;

// Writes base.png, base-tab1.png ... base-tab3.png, base-hub.png and base-about.png (from
// "base.png"); a message box that opens on the way is written and closed. False when a file
// could not be written.
bool WriteScreenshots(GuiShell& shell, const QString& path);
