#pragma once

#include "pairing/pairdialog.h"

#include <QLabel>

// The pair dialog's members and steps, for tests (PairDialog befriends this class).
class PairDialogTestAccess final
{
public:
    explicit PairDialogTestAccess(PairDialog& dialog)
        : d(dialog)
    {}

#define VELMORA_MEMBER(name)                                                                       \
    auto& name()                                                                                   \
    {                                                                                              \
        return d.name;                                                                             \
    }
    VELMORA_MEMBER(pollTimer)
    VELMORA_MEMBER(countdownTimer)
    VELMORA_MEMBER(messageLabel)
    VELMORA_MEMBER(qrLabel)
    VELMORA_MEMBER(instructionsLabel)
    VELMORA_MEMBER(codeLabel)
    VELMORA_MEMBER(deviceNameLabel)
    VELMORA_MEMBER(statusLabel)
    VELMORA_MEMBER(newCodeButton)
    VELMORA_MEMBER(deviceToken)
    VELMORA_MEMBER(pollInFlight)
    VELMORA_MEMBER(generation)
    VELMORA_MEMBER(localBackend)
    VELMORA_MEMBER(addressBox)
#undef VELMORA_MEMBER

    void poll()
    {
        d.poll();
    }
    void updateCountdown()
    {
        d.updateCountdown();
    }

    // The code as the backend knows it: the shown code without its hyphen.
    QString code() const
    {
        return d.codeLabel->text().remove(QLatin1Char('-'));
    }

private:
    PairDialog& d;
};
