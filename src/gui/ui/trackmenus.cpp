#include "ui/trackmenus.h"

#include "app/filedialog.h"
#include "player/vlcplayer.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Menus open upward: their bottom edge on the button's top edge.
void execAbove(QMenu& menu, QWidget* button)
{
    menu.exec(button->mapToGlobal(QPoint(0, -menu.sizeHint().height())));
}
} // namespace

namespace trackmenus {

void showSubtitleMenu(VlcPlayer* player, QWidget* subtitleButton)
{
    QMenu menu(subtitleButton->window());
    auto* group = new QActionGroup(&menu);
    group->setExclusive(true);
    const int current = player->currentSubtitleTrack();

    QAction* disable = menu.addAction(QCoreApplication::translate("TrackMenus", "Disable"));
    disable->setCheckable(true);
    disable->setChecked(current < 0);
    group->addAction(disable);
    QObject::connect(disable, &QAction::triggered, player,
                     [player]() { player->setSubtitleTrack(-1); });

    const QList<QPair<int, QString>> tracks = player->subtitleTracks();
    if (!tracks.isEmpty()) {
        menu.addSeparator();
        for (const auto& [id, name] : tracks) {
            QAction* action = menu.addAction(name);
            action->setCheckable(true);
            action->setChecked(id == current);
            group->addAction(action);
            QObject::connect(action, &QAction::triggered, player,
                             [player, id = id]() { player->setSubtitleTrack(id); });
        }
    }
    menu.addSeparator();
    QAction* load =
        menu.addAction(QCoreApplication::translate("TrackMenus", "Load Subtitle File..."));
    QObject::connect(load, &QAction::triggered, player, [player, subtitleButton]() {
        loadSubtitleFile(player, subtitleButton->window());
    });
    execAbove(menu, subtitleButton);
}

void showAudioMenu(VlcPlayer* player, QWidget* audioButton)
{
    QMenu menu(audioButton->window());
    auto* group = new QActionGroup(&menu);
    group->setExclusive(true);
    const int current = player->currentAudioTrack();
    const QList<QPair<int, QString>> tracks = player->audioTracks();
    for (const auto& [id, name] : tracks) {
        QAction* action = menu.addAction(name);
        action->setCheckable(true);
        action->setChecked(id == current);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, player,
                         [player, id = id]() { player->setAudioTrack(id); });
    }
    if (tracks.isEmpty())
        menu.addAction(QCoreApplication::translate("TrackMenus", "No audio tracks"))
            ->setEnabled(false);
    execAbove(menu, audioButton);
}

void loadSubtitleFile(VlcPlayer* player, QWidget* parent)
{
    const QString path = FileDialog::getOpenFileName(
        parent, QCoreApplication::translate("TrackMenus", "Load Subtitle File"), QString(),
        QCoreApplication::translate("TrackMenus",
                                    "Subtitles (*.srt *.ass *.ssa *.sub *.vtt);;All Files (*)"));
    if (!path.isEmpty())
        player->loadSubtitleFile(path);
}

void showStreamInfo(VlcPlayer* player, QWidget* parent)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QCoreApplication::translate("TrackMenus", "Stream Info"));
    dialog->setMinimumSize(440, 340);
    auto* layout = new QVBoxLayout(dialog);
    auto* text = new QPlainTextEdit(dialog);
    text->setReadOnly(true);
    text->setPlainText(player->mediaInfoText());
    auto* refresh = new QPushButton(QCoreApplication::translate("TrackMenus", "Refresh"), dialog);
    layout->addWidget(text, 1);
    layout->addWidget(refresh, 0);
    QObject::connect(refresh, &QPushButton::clicked, text,
                     [player, text]() { text->setPlainText(player->mediaInfoText()); });
    dialog->show();
}

} // namespace trackmenus
