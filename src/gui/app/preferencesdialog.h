#pragma once

#include <QDialog>
#include <QList>
#include <QWidget>
#include <functional>

class QTabWidget;

// One page of the Preferences dialog; a subsystem with settings of its own adds one.
class PreferencesPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
    virtual QString title() const = 0;
    // Stores what the page shows. Empty when saved; otherwise a message for the user.
    virtual QString apply() = 0;
};

// The program's one settings dialog: a tab per page, OK stores every page.
class PreferencesDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    void addPage(PreferencesPage* page);
    QList<PreferencesPage*> pages() const { return pageList; }

    // Adds "Preferences..." (Ctrl+,) to `window`'s context menu; `build` fills each new dialog.
    template <typename Build>
    static void attachTo(QWidget* window, Build build);

    void accept() override;

private:
    static void addAction(QWidget* window, std::function<void(PreferencesDialog&)> build);

    QTabWidget* tabs = nullptr;
    QList<PreferencesPage*> pageList;
};

template <typename Build>
void PreferencesDialog::attachTo(QWidget* window, Build build)
{
    addAction(window, std::function<void(PreferencesDialog&)>(std::move(build)));
}
