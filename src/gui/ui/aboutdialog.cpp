#include "ui/aboutdialog.h"

#include "app/messagebox.h"
#include "ui/abouttext.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QMessageBox>
#include <QWidget>

void AboutDialog::attachTo(QWidget* window)
{
    auto* about = new QAction(AboutText::title(), window);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence::HelpContents);
    about->setShortcutContext(Qt::WindowShortcut);
    window->addAction(about);
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(about, &QAction::triggered, window, [window]() { exec(window); });
}

void AboutDialog::exec(QWidget* parent)
{
    QMessageBox box(parent);
    box.setWindowTitle(AboutText::title());
    box.setTextFormat(Qt::RichText);
    box.setText(AboutText::html(AboutText::current()));
    // Paths are there to be copied into a file manager or a bug report.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setIconPixmap(QGuiApplication::windowIcon().pixmap(64, 64));
    box.setStandardButtons(QMessageBox::Ok);
    MessageBox::exec(box);
}
