#pragma once

#include "model/sourceconfig.h"

#include <QDialog>
#include <QString>

#include <optional>

class LocalPairingBackend;
class PairingClient;
class QComboBox;
class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QTimer;
class XtreamClient;

// Adds a server from a phone: shows a pairing code with its QR code and a countdown, polls the
// pairing backend until the phone has sent the server's details, checks that the server answers
// (an Xtream login, or a playlist with at least one channel) and only then accepts. A refused
// server shows the reason and a new code at once, so the user can fix it on the phone. Without a
// configured backend the dialog runs one on the home network while it is open, and lets the user
// pick the address when the computer has several.
class PairDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit PairDialog(QWidget* parent = nullptr);

    // Runs the dialog over `parent` and returns the checked server, or nothing when it was
    // cancelled or `parent` was destroyed while it ran.
    static std::optional<SourceConfig> askForServer(QWidget* parent);

    // The checked server; a default SourceConfig until the dialog accepts.
    SourceConfig result;

    void done(int outcome) override;

private:
    friend class PairDialogTestAccess;

    void requestCode(const QString& error);
    // Starts over with a new code, `message` in red above it (none when empty).
    void startOver(const QString& message);
    void fillAddresses();
    void poll();
    void updateCountdown();
    void checkServer(const SourceConfig& config);
    void checkPlaylist(const SourceConfig& config);
    void showMessage(const QString& text);
    void clearCode();

    PairingClient* client = nullptr;
    LocalPairingBackend* localBackend = nullptr; // null with VELMORA_BACKEND_URL
    XtreamClient* xtream = nullptr;
    QNetworkAccessManager* networkManager = nullptr;
    QTimer* pollTimer = nullptr;
    QTimer* countdownTimer = nullptr;
    QComboBox* addressBox = nullptr; // this computer's addresses, when it has several
    QLabel* messageLabel = nullptr;
    QLabel* qrLabel = nullptr;
    QLabel* instructionsLabel = nullptr;
    QLabel* codeLabel = nullptr;
    QLabel* deviceNameLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* newCodeButton = nullptr;
    QString deviceToken;
    qint64 expiresAtMs = 0;
    bool pollInFlight = false;
    int generation = 0;
};
