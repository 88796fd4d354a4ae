#pragma once

class QWidget;

// The About box. The window has no menu bar, so it is reached from the window's context menu
// (right click on anything without a menu of its own) and with F1.
class AboutDialog final
{
public:
    // Adds the "About Velmora Player" entry to `window`'s context menu and its F1 shortcut.
    static void attachTo(QWidget* window);
    // Shows the box modally over `parent`.
    static void exec(QWidget* parent);
};
