#pragma once

#include "sources/sourcedialog.h"

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

private:
    SourceDialog& d;
};
