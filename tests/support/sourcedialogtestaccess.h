#pragma once

#include "sources/sourcedialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

// The server dialog's widgets, for tests (SourceDialog befriends this class).
class SourceDialogTestAccess final
{
public:
    explicit SourceDialogTestAccess(SourceDialog& dialog)
        : d(dialog)
    {
    }

#define VELMORA_MEMBER(name)                                                                       \
    auto& name() { return d.name; }
    VELMORA_MEMBER(typeCombo)
    VELMORA_MEMBER(pageStack)
    VELMORA_MEMBER(m3uNameEdit)
    VELMORA_MEMBER(m3uUrlEdit)
    VELMORA_MEMBER(nameEdit)
    VELMORA_MEMBER(urlEdit)
    VELMORA_MEMBER(usernameEdit)
    VELMORA_MEMBER(passwordEdit)
    VELMORA_MEMBER(showPasswordCheck)
    VELMORA_MEMBER(liveFormatCombo)
    VELMORA_MEMBER(statusLabel)
    VELMORA_MEMBER(editedName)
#undef VELMORA_MEMBER

    void testConnection() { d.testConnection(); }
    void browseForFile() { d.browseForFile(); }
    void onDeleteClicked() { d.onDeleteClicked(); }

    // Runs the dialog and presses its "Quorbin Subscription" button once it is up; after
    // `guardMs` whatever is still open is rejected, so a test never hangs on a dialog.
    int execThroughSubscription(int guardMs)
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &d, [this] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
            d.reject();
        });
        guard.start(guardMs);
        QTimer::singleShot(0, &d, [this] {
            d.findChild<QPushButton*>(QStringLiteral("subscriptionButton"))->click();
        });
        return d.exec();
    }

private:
    SourceDialog& d;
};
