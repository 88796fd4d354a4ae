#include "sources/sourcedialog.h"

#include "app/filedialog.h"
#include "app/messagebox.h"
#include "providers/xtreamclient.h"
#include "sources/sourcenames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <utility>

namespace {
bool isRemoteUrl(const QString& url)
{
    return url.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           url.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

// Copies through a temporary file and a rename, so a failed copy never leaves half a playlist
// where the previous copy was.
bool copyFileAtomically(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty()) {
        if (target.write(chunk) != chunk.size())
            return false;
    }
    return source.error() == QFileDevice::NoError && target.commit();
}

QWidget* rowOf(QWidget* parent, QWidget* first, QWidget* second)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second);
    return row;
}
} // namespace

SourceDialog::SourceDialog(QWidget* parent, const SourceConfig* existing,
                           const QList<QString>& otherNames)
    : QDialog(parent)
    , otherNames(otherNames)
{
    testClient = new XtreamClient(this);

    auto* layout = new QVBoxLayout(this);
    if (!existing) {
        auto* subscription = new QPushButton(tr("Quorbin Subscription"), this);
        subscription->setObjectName(QStringLiteral("subscriptionButton"));
        subscription->setToolTip(
            tr("Type the server's details on your phone instead, using a code shown here"));
        layout->addWidget(subscription);
        layout->addWidget(new QLabel(tr("Or enter the server's details here:"), this));
        connect(subscription, &QPushButton::clicked, this, &SourceDialog::addFromSubscription);
    }

    typeCombo = new QComboBox(this);
    typeCombo->addItem(tr("M3U Playlist"), int(SourceConfig::M3u));
    typeCombo->addItem(tr("Xtream Codes"), int(SourceConfig::Xtream));
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(new QLabel(tr("Server Type:"), this));
    typeRow->addWidget(typeCombo);
    layout->addLayout(typeRow);

    pageStack = new QStackedWidget(this);

    // Page 0: playlist.
    auto* m3uPage = new QWidget(pageStack);
    auto* m3uForm = new QFormLayout(m3uPage);
    m3uNameEdit = new QLineEdit(m3uPage);
    m3uUrlEdit = new QLineEdit(m3uPage);
    m3uUrlEdit->setPlaceholderText(tr("http://example.com/playlist.m3u or local file path"));
    auto* uploadButton = new QPushButton(tr("Upload File..."), m3uPage);
    m3uForm->addRow(tr("Name:"), m3uNameEdit);
    m3uForm->addRow(tr("Playlist URL/File:"), rowOf(m3uPage, m3uUrlEdit, uploadButton));
    // A playlist does not say how many streams its account allows at once.
    connectionsSpin = new QSpinBox(m3uPage);
    connectionsSpin->setObjectName(QStringLiteral("connectionsSpin"));
    connectionsSpin->setRange(0, 1000);
    connectionsSpin->setSpecialValueText(tr("No limit"));
    m3uForm->addRow(tr("Connections allowed:"), connectionsSpin);
    pageStack->addWidget(m3uPage);

    // Page 1: Xtream account.
    auto* xtreamPage = new QWidget(pageStack);
    auto* xtreamForm = new QFormLayout(xtreamPage);
    nameEdit = new QLineEdit(xtreamPage);
    urlEdit = new QLineEdit(xtreamPage);
    urlEdit->setPlaceholderText(QStringLiteral("http://example.com:8080"));
    usernameEdit = new QLineEdit(xtreamPage);
    passwordEdit = new QLineEdit(xtreamPage);
    passwordEdit->setEchoMode(QLineEdit::Normal);
    showPasswordCheck = new QCheckBox(tr("Show"), xtreamPage);
    showPasswordCheck->setChecked(true);
    liveFormatCombo = new QComboBox(xtreamPage);
    liveFormatCombo->addItem(QStringLiteral("m3u8"), QStringLiteral("m3u8"));
    liveFormatCombo->addItem(QStringLiteral("ts"), QStringLiteral("ts"));
    statusLabel = new QLabel(xtreamPage);
    auto* testButton = new QPushButton(tr("Test Connection"), xtreamPage);
    xtreamForm->addRow(tr("Name:"), nameEdit);
    xtreamForm->addRow(tr("Server URL:"), urlEdit);
    xtreamForm->addRow(tr("Username:"), usernameEdit);
    xtreamForm->addRow(tr("Password:"), rowOf(xtreamPage, passwordEdit, showPasswordCheck));
    xtreamForm->addRow(tr("Live Stream Format:"), liveFormatCombo);
    xtreamForm->addRow(testButton, statusLabel);
    pageStack->addWidget(xtreamPage);
    layout->addWidget(pageStack);

    // Both kinds: a guide of the user's choice, and a shift for guides in the wrong time zone.
    auto* guideForm = new QFormLayout();
    guideUrlEdit = new QLineEdit(this);
    guideUrlEdit->setObjectName(QStringLiteral("guideUrlEdit"));
    guideUrlEdit->setPlaceholderText(tr("Empty: the server's own guide"));
    guideOffsetSpin = new QSpinBox(this);
    guideOffsetSpin->setObjectName(QStringLiteral("guideOffsetSpin"));
    guideOffsetSpin->setRange(-12, 12);
    guideOffsetSpin->setSuffix(tr(" h"));
    guideForm->addRow(tr("Guide URL:"), guideUrlEdit);
    guideForm->addRow(tr("Guide time offset:"), guideOffsetSpin);
    layout->addLayout(guideForm);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    if (existing) {
        auto* deleteButton =
            buttons->addButton(tr("Delete Server"), QDialogButtonBox::DestructiveRole);
        connect(deleteButton, &QPushButton::clicked, this, &SourceDialog::onDeleteClicked);
    }
    layout->addWidget(buttons);

    setWindowTitle(existing ? tr("Edit Server") : tr("Add Server"));
    setMinimumWidth(420);

    connect(typeCombo, &QComboBox::currentIndexChanged, this, &SourceDialog::onTypeChanged);
    connect(uploadButton, &QPushButton::clicked, this, &SourceDialog::browseForFile);
    connect(testButton, &QPushButton::clicked, this, &SourceDialog::testConnection);
    connect(showPasswordCheck, &QCheckBox::toggled, this, &SourceDialog::togglePasswordVisibility);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (!existing) {
        typeCombo->setCurrentIndex(SourceConfig::Xtream);
        pageStack->setCurrentIndex(SourceConfig::Xtream);
        selectLiveFormat(QStringLiteral("ts"));
        return;
    }

    editedName = existing->name;
    guideUrlEdit->setText(existing->guideUrl);
    guideOffsetSpin->setValue(existing->guideOffsetHours);
    connectionsSpin->setValue(existing->maxConnections);
    offeredGuideUrls = existing->offeredGuideUrls;
    // Only the two kinds that can still be created have a page; anything else shows the
    // playlist page (the caller never edits retired servers here).
    const int type =
        existing->type == SourceConfig::Xtream ? SourceConfig::Xtream : SourceConfig::M3u;
    typeCombo->setCurrentIndex(type);
    pageStack->setCurrentIndex(type);
    if (type == SourceConfig::M3u) {
        m3uNameEdit->setText(existing->name);
        m3uUrlEdit->setText(existing->url);
    } else {
        nameEdit->setText(existing->name);
        urlEdit->setText(existing->url);
        usernameEdit->setText(existing->username);
        passwordEdit->setText(existing->password);
        selectLiveFormat(existing->liveExtension);
    }
}

void SourceDialog::selectLiveFormat(const QString& extension)
{
    const int index = liveFormatCombo->findData(extension);
    liveFormatCombo->setCurrentIndex(index >= 0 ? index : 0);
}

void SourceDialog::onTypeChanged(int index)
{
    pageStack->setCurrentIndex(index);
}

void SourceDialog::togglePasswordVisibility(bool visible)
{
    passwordEdit->setEchoMode(visible ? QLineEdit::Normal : QLineEdit::Password);
}

void SourceDialog::browseForFile()
{
    const QString path = FileDialog::getOpenFileName(this, tr("Upload M3U Playlist"), QString(),
                                                     tr("Playlists (*.m3u *.m3u8);;All Files (*)"));
    if (!path.isEmpty())
        m3uUrlEdit->setText(path);
}

void SourceDialog::testConnection()
{
    statusLabel->setText(tr("Testing..."));
    testClient->configure(urlEdit->text().trimmed(), usernameEdit->text().trimmed(),
                          passwordEdit->text());
    testClient->testLogin([this](bool ok, const QString& message) {
        statusLabel->setText(ok ? tr("Connection OK") : tr("Failed: %1").arg(message));
    });
}

void SourceDialog::onDeleteClicked()
{
    const auto answer =
        MessageBox::question(this, tr("Delete Server"),
                             tr("Delete server \"%1\"? This cannot be undone.").arg(editedName),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    deleteRequested = true;
    reject();
}

void SourceDialog::setSubscriptionPrompt(SubscriptionPrompt prompt)
{
    subscriptionPrompt = std::move(prompt);
}

void SourceDialog::addFromSubscription()
{
    if (!subscriptionPrompt)
        return;
    // Nothing of this dialog is touched unless a server came back: it may be gone by then (the
    // prompt is called through a copy for that reason).
    const SubscriptionPrompt prompt = subscriptionPrompt;
    const std::optional<SourceConfig> answer = prompt(this);
    if (!answer)
        return;
    const SourceConfig& received = *answer;

    const int type = received.type == SourceConfig::M3u ? SourceConfig::M3u : SourceConfig::Xtream;
    typeCombo->setCurrentIndex(typeCombo->findData(type));
    if (type == SourceConfig::Xtream) {
        nameEdit->setText(received.name);
        urlEdit->setText(received.url);
        usernameEdit->setText(received.username);
        passwordEdit->setText(received.password);
        selectLiveFormat(received.liveExtension);
    } else {
        m3uNameEdit->setText(received.name);
        m3uUrlEdit->setText(received.url);
    }
    // The caller builds the server through config(), exactly as if it had been typed.
    accept();
}

SourceConfig SourceDialog::config() const
{
    SourceConfig config;
    config.type = typeCombo->currentData().toInt();
    if (config.type != SourceConfig::M3u) {
        config.name = nameEdit->text().trimmed();
        config.url = urlEdit->text().trimmed();
        config.username = usernameEdit->text().trimmed();
        config.password = passwordEdit->text();
        config.liveExtension = liveFormatCombo->currentData().toString();
    } else {
        config.name = m3uNameEdit->text().trimmed();
        config.url = m3uUrlEdit->text().trimmed();
    }

    if (config.name.isEmpty())
        config.name = config.type != SourceConfig::M3u ? tr("Xtream Account") : tr("M3U Playlist");
    config.name = uniqueSourceName(config.name, otherNames);

    // A local playlist is copied so the server keeps working when the picked file moves.
    if (config.type == SourceConfig::M3u && !isRemoteUrl(config.url) && !config.url.isEmpty() &&
        QFileInfo::exists(config.url)) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                            QStringLiteral("/playlists");
        QDir().mkpath(dir);
        const QFileInfo source(config.url);
        const QString target =
            dir + u'/' + playlistCopyFileName(config.name, source.suffix(), otherNames);
        // When the copy cannot be made (a read-only or full data folder), the server keeps
        // the picked file rather than pointing at a copy that does not exist.
        if (QFileInfo(target).canonicalFilePath() != source.canonicalFilePath() &&
            copyFileAtomically(config.url, target))
            config.url = target;
    }
    config.guideUrl = guideUrlEdit->text().trimmed();
    config.guideOffsetHours = guideOffsetSpin->value();
    config.maxConnections = config.type == SourceConfig::M3u ? connectionsSpin->value() : 0;
    config.offeredGuideUrls = offeredGuideUrls;
    config.lastUpdated = 0;
    return config;
}
