#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <functional>

class QSplitter;
class QTabWidget;
class QTimer;
class QWidget;

// The window's splitter in two arrangements: browsing, the catalog tabs beside the player and
// the programme list; and the TV Guide, where the grid takes most of the width, the video is a
// preview beside it and the programme list (which the grid repeats) stays out of the way.
// Choosing a tab switches between them. Each keeps the sizes the user gave it, also in the
// settings store; the splitter moves only when the user moves it or the tab changes.
class SplitterModes final : public QObject
{
    Q_OBJECT

public:
    enum Mode
    {
        Browse,
        Guide
    };

    struct Parts
    {
        QSplitter* splitter = nullptr; // holds tabs, player panel and programme list in order
        QTabWidget* tabs = nullptr;
        QWidget* playerPanel = nullptr;
        QWidget* guidePanel = nullptr;
        std::function<bool(const QWidget* page)> isGuidePage;
        std::function<bool()> fullscreen; // while true, the window's chrome is hidden
    };

    // The grid's share of the splitter when the user has not set one: over two thirds.
    static constexpr double kGuideShare = 0.7;

    SplitterModes(Parts parts, QObject* parent);
    ~SplitterModes() override;

    Mode mode() const { return current; }
    // Brings the programme list back to what the mode wants, after fullscreen showed it.
    void restoreChrome();

signals:
    void saveFailed(const QString& settingsFile);

private:
    void tabChanged();
    void apply();
    QList<int> fitted(QList<int> sizes) const;
    void load();
    void save();

    Parts p;
    Mode current = Browse;
    std::array<QList<int>, 2> sizes;  // as each mode was left; empty: never shown yet
    std::array<bool, 2> userSet = {}; // moved by the user: kept in the settings store
    QTimer* saveTimer = nullptr;
};
