#pragma once

#include "model/sourceconfig.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QStackedWidget;
class XtreamClient;

// Adds a server ("Add Server") or edits or deletes one ("Edit Server"). Saves nothing itself: the
// caller reads config() after the dialog is accepted, or deleteRequested after a rejection.
class SourceDialog final : public QDialog
{
    Q_OBJECT

public:
    // `existing` null means adding; `otherNames` are the names of all other servers.
    SourceDialog(QWidget* parent, const SourceConfig* existing, const QList<QString>& otherNames);

    // The server described by the form. Call once after acceptance: a local playlist file is
    // copied into the application-data "playlists" folder here.
    SourceConfig config() const;

    bool deleteRequested = false;

    // Asks for a server another way (a phone, through the pair dialog) for the "Quorbin
    // Subscription" button; empty when that was cancelled, or when `parent` went away meanwhile.
    using SubscriptionPrompt = std::function<std::optional<SourceConfig>(QWidget* parent)>;
    void setSubscriptionPrompt(SubscriptionPrompt prompt);

private slots:
    void onTypeChanged(int index);
    void browseForFile();
    void testConnection();
    void togglePasswordVisibility(bool visible);
    void onDeleteClicked();
    void addFromSubscription();

private:
    friend class SourceDialogTestAccess;

    void selectLiveFormat(const QString& extension);

    QComboBox* typeCombo = nullptr;
    QStackedWidget* pageStack = nullptr;
    QLineEdit* m3uNameEdit = nullptr;
    QLineEdit* m3uUrlEdit = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* urlEdit = nullptr;
    QLineEdit* usernameEdit = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QCheckBox* showPasswordCheck = nullptr;
    QComboBox* liveFormatCombo = nullptr;
    QLineEdit* guideUrlEdit = nullptr;
    QSpinBox* guideOffsetSpin = nullptr;
    QSpinBox* connectionsSpin = nullptr;
    QString offeredGuideUrls; // kept from the edited server
    QLabel* statusLabel = nullptr;
    XtreamClient* testClient = nullptr;
    QString editedName;
    QList<QString> otherNames;
    SubscriptionPrompt subscriptionPrompt;
};
