#pragma once

#include "guide/guideprogramme.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Reads an XMLTV document as it arrives, in pieces of any size: plain, or gzip (told by its
// magic bytes and inflated as it comes), in UTF-8, UTF-16 or any single-byte character set.
// Hands out each <channel> with its display names and each <programme> of a channel the caller
// wants, with times in UTC seconds. A programme with no readable start is skipped and counted;
// an unreadable stop reads as 0 (unknown).
//
// Any XML error, a character set it cannot read, a root other than <tv>, a cut-short gzip stream
// or more than `maxBytes` of XML fails the reading: feed() returns false from then on and
// error() says why.
class XmltvReader final
{
public:
    struct Handlers
    {
        std::function<void(QByteArrayView id, const QStringList& names)> channel;
        // The caller's number for a programme's channel attribute, or -1 to skip the programme.
        std::function<int(QByteArrayView channelId)> programmeChannel;
        std::function<void(int channel, GuideProgramme&& programme)> programme;
    };

    static constexpr qint64 kDefaultMaxBytes = 1024LL * 1024 * 1024;
    // Longer titles and descriptions are cut here.
    static constexpr qsizetype kMaxTextBytes = 16 * 1024;

    explicit XmltvReader(Handlers handlers, qint64 maxBytes = kDefaultMaxBytes);
    ~XmltvReader();
    XmltvReader(const XmltvReader&) = delete;
    XmltvReader& operator=(const XmltvReader&) = delete;

    bool feed(QByteArrayView data);
    // The end of the input: true when the whole document was read.
    bool finish();

    bool failed() const;
    QString error() const;
    qint64 xmlBytes() const;     // after inflating
    qint64 skippedCount() const; // programmes without a readable start

private:
    struct Private;
    std::unique_ptr<Private> d;
};
