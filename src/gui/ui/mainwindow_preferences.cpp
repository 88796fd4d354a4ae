// MainWindow: the Preferences dialog's pages. A subsystem with settings adds its page here.
#include "ui/mainwindow.h"

#include "app/generalpage.h"
#include "app/preferencesdialog.h"
#include "lineup/lineupflow.h"
#include "lineup/parentallockpage.h"
#include "recording/recordingflow.h"

void MainWindow::addPreferencePages(PreferencesDialog& dialog)
{
    dialog.addPage(new GeneralPage);
    recordingFlow->addPreferencePage(dialog);
    dialog.addPage(new ParentalLockPage(lineupFlow->parental(), &dialog));
}
