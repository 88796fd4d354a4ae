#include "pairing/pairdialog.h"

#include "app/clock.h"
#include "app/httprequests.h"
#include "pairing/localpairingbackend.h"
#include "pairing/pairingclient.h"
#include "pairing/pairingtext.h"
#include "pairing/qrimage.h"
#include "providers/m3uparser.h"
#include "providers/playlistdownload.h"
#include "providers/xtreamclient.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {
constexpr int kQrSide = 240;

QString expiredText()
{
    return PairDialog::tr("This code has expired.");
}

QLabel* plainLabel(QWidget* parent)
{
    // Texts from the backend and from servers are shown as they are, never as markup.
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

bool isWebLink(const QString& link)
{
    const QString scheme = QUrl(link, QUrl::TolerantMode).scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}
} // namespace

std::optional<SourceConfig> PairDialog::askForServer(QWidget* parent)
{
    // Held by a guard, not on the stack: if `parent` is destroyed while the dialog runs, its
    // child must not be deleted a second time.
    QPointer<PairDialog> pair = new PairDialog(parent);
    const int outcome = pair->exec();
    if (!pair)
        return std::nullopt;
    const SourceConfig received = pair->result;
    delete pair;
    if (outcome != QDialog::Accepted)
        return std::nullopt;
    return received;
}

PairDialog::PairDialog(QWidget* parent)
    : QDialog(parent)
{
    client = new PairingClient(this);
    if (!backendUrlConfigured())
        localBackend = new LocalPairingBackend(this);
    xtream = new XtreamClient(this);
    networkManager = new QNetworkAccessManager(this);
    pollTimer = new QTimer(this);
    countdownTimer = new QTimer(this);
    countdownTimer->setInterval(Clock::waitMs(1000));

    messageLabel = plainLabel(this);
    messageLabel->setObjectName(QStringLiteral("messageLabel"));
    messageLabel->setStyleSheet(QStringLiteral("color: #e5484d;"));
    messageLabel->hide();

    qrLabel = new QLabel(this);
    qrLabel->setObjectName(QStringLiteral("qrLabel"));
    qrLabel->setFixedSize(kQrSide, kQrSide);
    qrLabel->setAlignment(Qt::AlignCenter);

    instructionsLabel = new QLabel(this);
    instructionsLabel->setObjectName(QStringLiteral("instructionsLabel"));
    instructionsLabel->setWordWrap(true);
    instructionsLabel->setTextFormat(Qt::RichText);

    codeLabel = new QLabel(this);
    codeLabel->setObjectName(QStringLiteral("codeLabel"));
    codeLabel->setTextFormat(Qt::PlainText);
    QFont codeFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    codeFont.setPointSize(28);
    codeFont.setWeight(QFont::Bold);
    codeFont.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    codeLabel->setFont(codeFont);
    codeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    deviceNameLabel = plainLabel(this);
    deviceNameLabel->setObjectName(QStringLiteral("deviceNameLabel"));
    statusLabel = plainLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    newCodeButton = new QPushButton(tr("Get a new code"), this);
    newCodeButton->setObjectName(QStringLiteral("newCodeButton"));
    newCodeButton->hide();

    auto* column = new QVBoxLayout;
    column->addWidget(instructionsLabel);
    column->addWidget(codeLabel);
    column->addWidget(deviceNameLabel);
    column->addWidget(statusLabel);
    column->addWidget(newCodeButton, 0, Qt::AlignLeft);
    column->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(qrLabel);
    row->addSpacing(16);
    row->addLayout(column, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);

    addressBox = new QComboBox(this);
    addressBox->setObjectName(QStringLiteral("addressBox"));
    auto* addressLabel = new QLabel(tr("Address for the phone:"), this);
    addressLabel->setBuddy(addressBox);
    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(addressBox);
    addressRow->addStretch();
    fillAddresses();
    addressLabel->setVisible(addressBox->count() > 1);
    addressBox->setVisible(addressBox->count() > 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel);
    layout->addLayout(addressRow);
    layout->addLayout(row);
    layout->addWidget(buttons);

    setWindowTitle(tr("Quorbin Subscription"));
    setMinimumWidth(620);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(newCodeButton, &QPushButton::clicked, this, [this] { requestCode(QString()); });
    connect(pollTimer, &QTimer::timeout, this, &PairDialog::poll);
    connect(countdownTimer, &QTimer::timeout, this, &PairDialog::updateCountdown);
    connect(addressBox, &QComboBox::activated, this, [this] {
        localBackend->setAddress(QHostAddress(addressBox->currentData().toString()));
        requestCode(QString());
    });

    requestCode(QString());
}

void PairDialog::fillAddresses()
{
    if (!localBackend)
        return;
    // A computer on Wi-Fi and cable, or with a VPN, has several: which one the phone reaches
    // only the user knows.
    const QList<QHostAddress> addresses = LocalPairingBackend::addresses();
    for (const QHostAddress& address : addresses)
        addressBox->addItem(address.toString(), address.toString());
    localBackend->setAddress(addresses.value(0));
}

void PairDialog::done(int outcome)
{
    // A closed dialog neither polls nor acts on answers still on their way.
    ++generation;
    pollTimer->stop();
    countdownTimer->stop();
    deviceToken.clear();
    if (localBackend)
        localBackend->stop();
    QDialog::done(outcome);
}

void PairDialog::clearCode()
{
    qrLabel->clear();
    codeLabel->clear();
    deviceNameLabel->clear();
    instructionsLabel->clear();
}

void PairDialog::requestCode(const QString& error)
{
    startOver(failureText(error));
}

void PairDialog::startOver(const QString& message)
{
    ++generation;
    messageLabel->setText(message);
    messageLabel->setVisible(!message.isEmpty());
    pollTimer->stop();
    countdownTimer->stop();
    deviceToken.clear();
    newCodeButton->hide();
    clearCode();
    statusLabel->setText(tr("Getting a code..."));

    if (localBackend) {
        QString problem;
        if (!localBackend->start(&problem)) {
            showMessage(problem);
            return;
        }
        client->setBaseUrl(localBackend->baseUrl());
    }
    const int requested = generation;
    client->start([this, requested](bool ok, const PairingClient::Started& started,
                                    const QString& errorText) {
        if (requested != generation)
            return;
        if (!ok) {
            showMessage(errorText);
            return;
        }
        deviceToken = started.deviceToken;
        expiresAtMs = Clock::epochMs() + qint64(started.expiresIn) * 1000;

        // A link too long for any QR code still leaves the link and the code to type.
        const QImage qr = qrCodeImage(started.pairUrl, kQrSide);
        if (!qr.isNull())
            qrLabel->setPixmap(QPixmap::fromImage(qr));
        instructionsLabel->setText(
            pairingInstructions(started.pairUrl, localBackend ? localBackend->port() : 0));
        codeLabel->setText(displayedCode(started.code));
        deviceNameLabel->setText(deviceNameText(PairingClient::deviceLabel()));

        // The backend's to set, not ours: it is not shortened in tests.
        pollTimer->start(started.pollInterval * 1000);
        countdownTimer->start();
        updateCountdown();
    });
}

void PairDialog::updateCountdown()
{
    const qint64 remaining = expiresAtMs - Clock::epochMs();
    if (pairingCodeExpired(remaining)) {
        showMessage(expiredText());
        return;
    }
    statusLabel->setText(waitingText(remaining));
}

void PairDialog::poll()
{
    if (deviceToken.isEmpty() || pollInFlight)
        return;
    pollInFlight = true;
    const int requested = generation;
    client->status(deviceToken,
                   [this, requested](PairingClient::Status status, const SourceConfig& config) {
                       pollInFlight = false;
                       if (requested != generation)
                           return;
                       switch (status) {
                       case PairingClient::Ready:
                           checkServer(config);
                           break;
                       case PairingClient::Expired:
                           showMessage(expiredText());
                           break;
                       case PairingClient::Lost:
                           // Polling on would wait in silence until the code runs out.
                           startOver(tr("The pairing service lost this code, perhaps because "
                                        "it restarted. Enter the new code below on your phone."));
                           break;
                       case PairingClient::Pending:
                       case PairingClient::Failed:
                           break; // the next timeout asks again
                       }
                   });
}

void PairDialog::checkServer(const SourceConfig& config)
{
    pollTimer->stop();
    countdownTimer->stop();
    deviceToken.clear();
    clearCode();
    statusLabel->setText(tr("Received. Checking the server..."));

    if (config.type != SourceConfig::Xtream) {
        checkPlaylist(config);
        return;
    }
    // The details come from outside this computer: never let them read local files.
    if (!isWebLink(config.url)) {
        requestCode(tr("Couldn't reach that server: the link must start with http:// or https://"));
        return;
    }
    const int requested = generation;
    xtream->configure(config.url, config.username, config.password);
    xtream->testLogin([this, requested, config](bool ok, const QString& message) {
        if (requested != generation)
            return;
        if (!ok) {
            requestCode(message);
            return;
        }
        result = config;
        accept();
    });
}

void PairDialog::checkPlaylist(const SourceConfig& config)
{
    // The details come from outside this computer: never let them read local files.
    if (!isWebLink(config.url)) {
        requestCode(
            tr("Couldn't download that playlist: the link must start with http:// or https://"));
        return;
    }
    const int requested = generation;
    // The window's own download: a playlist accepted here loads there.
    PlaylistDownload::get(
        networkManager, config.url, this,
        [this, requested, config](const QByteArray& body, const QString& error) {
            if (requested != generation)
                return;
            if (!error.isEmpty()) {
                requestCode(tr("Couldn't download that playlist: %1").arg(error));
                return;
            }
            if (M3uParser::parseUtf8(body).items.isEmpty()) {
                requestCode(tr("That playlist link didn't load any channels. Check "
                               "that it's correct and still active."));
                return;
            }
            result = config;
            accept();
        });
}

void PairDialog::showMessage(const QString& text)
{
    pollTimer->stop();
    countdownTimer->stop();
    deviceToken.clear();
    clearCode();
    statusLabel->setText(text);
    newCodeButton->show();
}
