#pragma once

#include "lineup/guidechannels.h"
#include "lineup/lineup.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

class LineupFlow;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Manage Lineup...": every category of the server with a checkbox (shown or hidden), a filter
// and "Show All"/"Hide All" for what the filter leaves, dragging into the user's order; hidden
// channels to bring back; channels the guide does not cover with scored suggestions; and the
// server's guide addresses in order. Changes are kept only on OK.
class ManageLineupDialog final : public QDialog
{
    Q_OBJECT

public:
    ManageLineupDialog(LineupFlow& flow, QWidget* parent);

    void accept() override;

    QComboBox* sectionBox = nullptr;
    QLineEdit* filterEdit = nullptr;
    QListWidget* categoryList = nullptr;
    QPushButton* showAllButton = nullptr;
    QPushButton* hideAllButton = nullptr;
    QListWidget* hiddenList = nullptr;
    QPushButton* showAgainButton = nullptr;
    QPushButton* forgetButton = nullptr;
    QListWidget* noGuideList = nullptr;
    QListWidget* suggestionList = nullptr;
    QPushButton* bindButton = nullptr;
    QListWidget* sourceList = nullptr;

private:
    QWidget* buildCategoriesPage();
    QWidget* buildHiddenPage();
    QWidget* buildNoGuidePage();
    QWidget* buildSourcesPage();
    int kind() const;
    LineupEntry& pendingEntry(int what, int kind, const QString& id, const QString& name);
    Lineup pendingLineup() const;
    void fillCategories();
    void applyFilter();
    void setAllShown(bool shown);
    void readOrder();
    void fillHidden();
    void fillNoGuide();
    void showSuggestions();
    void bindSuggestion();
    void addSource(const QString& address);
    void moveSource(int by);

    LineupFlow& flow;
    QHash<QString, LineupEntry> pending; // what/kind/id
    QList<GuideChannelChoice> guideChannels;
    bool filling = false;
};
