// The main window: the screen and player profile.
#include "app/mainwindow.h"

#include "playlist/tablemedia.h"
#include "profile/screenprofiledialog.h"

void MainWindow::editScreenProfile()
{
    ScreenProfileDialog dialog(tableMedia->profile(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ScreenProfile profile = dialog.profile();
    profile.save();
    tableMedia->setProfile(profile);
    showNote(tr("Screen and player: %1").arg(ScreenProfileDialog::presetName(profile.preset)));
}
