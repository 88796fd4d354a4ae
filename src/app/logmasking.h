#pragma once

#include <QString>

// Diagnostic lines never carry passwords. These return the text with every password piece they can
// recognise replaced by "***".

// `text` with every literal occurrence of `password` masked (nothing when it is empty).
QString maskPassword(const QString& text, const QString& password);

// A stream or playlist address with its secrets masked: the password of the user-info part, the
// value of every "password" query item, and the password segment of Xtream stream paths
// (/live/<user>/<password>/..., /movie/..., /series/..., also behind a path prefix).
QString maskUrlSecrets(const QString& url);
