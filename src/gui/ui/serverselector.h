#pragma once

#include "model/sourceconfig.h"

#include <QObject>

class QComboBox;
class QHBoxLayout;
class QWidget;
class SourceManager;

// The server row: the selector with "Add Server...", "Edit Server..." and "Refresh Playlist", the
// dialogs behind them, deleting servers, and servers added with a retired subscription key
// (shown, never loaded, offered for deletion). Loading is the window's: `loadRequested`.
class ServerSelector final : public QObject
{
    Q_OBJECT

public:
    ServerSelector(SourceManager* sources, QWidget* window);

    QWidget* row() const { return serverRow; }
    QComboBox* combo() const { return sourceCombo; }
    // The row's layout, for the window's own additions before the stretch at its end.
    QHBoxLayout* rowLayout() const;

    // Fills the selector at start and loads the last server used (or asks for one).
    void fillSourceSelector();
    void addSource();
    void editSource();
    // A retired server was chosen: the selector goes back to `activeName` and offers deletion.
    void refuseRetired(const QString& name, const QString& activeName);

signals:
    void loadRequested(const SourceConfig& config, bool forceRefresh);
    void refreshRequested();
    // The last server was deleted: nothing may keep playing from it.
    void allRemoved();

private:
    void onSourceSelected(int index);
    void removeSourceAt(int index);
    void promptRemoveRetiredSource(int index);

    SourceManager* const sourceManager;
    QWidget* const window;
    QWidget* serverRow = nullptr;
    QComboBox* sourceCombo = nullptr;
};
