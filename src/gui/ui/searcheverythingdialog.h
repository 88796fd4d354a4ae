#pragma once

#include "library/everythingsearch.h"
#include "model/mediaitem.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Ctrl+F: one search field over every kind of the active server, results grouped by kind and
// chosen with the keyboard (Up, Down, Return) or the mouse. It is modeless: results can be dragged
// out of it (onto a multi-view tile), and it may stay open after a choice.
class SearchEverythingDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kResultsPerGroup = 50;

    explicit SearchEverythingDialog(QWidget* parent);

    EverythingSearch& search() { return everything; }
    // Called with the chosen item; the dialog closes first (unless it stays open, below).
    void setChooser(std::function<void(const MediaItem&)> choose) { chooser = std::move(choose); }
    // Asked before a choice is handed on: true keeps the dialog open (several multi-view tiles
    // filled from one search).
    void setStaysOpen(std::function<bool(const MediaItem&)> stays) { staysOpen = std::move(stays); }
    // The result list, and the result at a point of its viewport.
    QTreeWidget* resultsView() const { return results; }
    std::optional<MediaItem> itemAt(const QPoint& viewportPos) const;
    // Shows the dialog with the field selected, results of the text kept.
    void open();
    // Searches the text again: another part has more to find.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refill(const QString& text);
    void moveCurrent(int step);
    void choose(QTreeWidgetItem* item);

    EverythingSearch everything;
    QList<MediaItem> shown; // indexed by the results' Qt::UserRole
    QLineEdit* edit = nullptr;
    QTreeWidget* results = nullptr;
    std::function<void(const MediaItem&)> chooser;
    std::function<bool(const MediaItem&)> staysOpen;
};
