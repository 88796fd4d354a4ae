#pragma once

#include "catchup/catchupaddress.h"

#include <QHash>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QObject;

// Which archive address form each Xtream server answers. The path form is tried first; a server
// that answers it with an HTTP error at start gets the query form. The form that answered is kept
// for the session and used without asking again.
class XtreamArchiveForms final
{
public:
    using Form = CatchupAddress::XtreamForm;
    // The address to play and the form it has; called once, on the GUI thread.
    using Resolved = std::function<void(const QString& url, Form form)>;

    // A server that sends no header within this long is left to the player to judge.
    static constexpr int kProbeTimeoutMs = 10000;

    Form preferred(const QString& baseUrl) const;
    void remember(const QString& baseUrl, Form form);

    // The forms must outlive `context`. A server whose form is known resolves at once (still
    // not from inside this call). Otherwise the path form's address is asked for, reading only
    // the answer's head; an HTTP error there switches to the query form. Whichever answers is
    // remembered. When neither does, or the network fails, the first address is given: the
    // player's own failure rules then tell the user.
    void resolve(QNetworkAccessManager* manager, const XtreamAccount& account,
                 const QString& streamId, const ServerTimeZone& zone, const CatchupWindow& window,
                 QObject* context, Resolved done);

    // Completion: the HTTP status of the answer's head, or 0 when none came (network error,
    // timeout). Reads no more than the head: archive answers are endless streams.
    static void probe(QNetworkAccessManager* manager, const QString& url, QObject* context,
                      std::function<void(int status)> done);

private:
    QHash<QString, Form> forms;
};
