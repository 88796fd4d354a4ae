// MainWindow: the Preferences dialog's pages. A subsystem with settings adds its page here.
#include "ui/mainwindow.h"

#include "app/generalpage.h"
#include "app/preferencesdialog.h"

void MainWindow::addPreferencePages(PreferencesDialog& dialog)
{
    dialog.addPage(new GeneralPage);
}
