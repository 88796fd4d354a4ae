#include "app/preferencesdialog.h"

#include "app/messagebox.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Preferences"));
    auto* layout = new QVBoxLayout(this);
    tabs = new QTabWidget(this);
    layout->addWidget(tabs);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesDialog::reject);
}

void PreferencesDialog::addPage(PreferencesPage* page)
{
    page->setParent(tabs);
    tabs->addTab(page, page->title());
    pageList.append(page);
}

void PreferencesDialog::accept()
{
    // Every page is stored even when one fails, so one bad file does not lose the others' choices.
    QStringList problems;
    for (PreferencesPage* page : std::as_const(pageList)) {
        const QString problem = page->apply();
        if (!problem.isEmpty() && !problems.contains(problem))
            problems.append(problem);
    }
    if (!problems.isEmpty()) {
        MessageBox::warning(this, tr("Preferences Not Saved"), problems.join(QLatin1Char('\n')));
        return;
    }
    QDialog::accept();
}

void PreferencesDialog::addAction(QWidget* window, std::function<void(PreferencesDialog&)> build)
{
    auto* action = new QAction(tr("Preferences..."), window);
    action->setObjectName(QStringLiteral("preferencesAction"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(action, &QAction::triggered, window, [window, build]() {
        PreferencesDialog dialog(window);
        build(dialog);
        dialog.exec();
    });
}
