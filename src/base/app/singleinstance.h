#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One player per user and profile, as desktop programs are: the first start holds a lock file
// and listens on a local socket; a later start asks it to show its window and ends. The name
// holds the user and the settings and data locations, so players with profiles of their own
// (tests, the demo) never meet the user's own player or each other.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // The local socket's name for this user and profile (the application's names must be set).
    static QString serverName();

    // True when this process goes on as the player of this profile (it then listens); false when
    // the running player took the request to show itself and this process should end.
    bool claim();

signals:
    // Another start asked for the window.
    void activationRequested();

private:
    bool askRunningInstance();
    void listen();

    QString name;
    std::unique_ptr<QLockFile> lock;
    QLocalServer* server = nullptr;
};
