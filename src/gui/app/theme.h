#pragma once

class QApplication;
class QPalette;
class QString;

// The application-wide look: Fusion style, a dark palette and one style sheet.
class Theme final
{
public:
    // Call once, after the application object exists and before any window is created.
    static void apply(QApplication& app);

    static QPalette palette();
    static QString styleSheet();
};
