#pragma once

#include <QString>

// A stream or playlist address as it may be written to a diagnostic line: Xtream addresses carry
// the password in their path (/live/<user>/<password>/<id>.ts, likewise /movie/ and /series/, and
// the archive's /timeshift/<user>/<password>/<minutes>/<start>/<id>.ts), in
// the user-info part or in a "password=" query item; each of those becomes "***". Everything else
// is kept as written. Only for logging: the address used is never changed.
QString maskStreamUrl(const QString& url);

// The same for every address inside a text meant for the user, such as an error message that
// names the stream it could not start.
QString maskStreamUrlsIn(const QString& text);
