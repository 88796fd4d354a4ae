#include "guide/xmltvreader.h"

#include "guide/xmlencoding.h"
#include "guide/xmltvtime.h"

#include <expat.h>
#include <zlib.h>

#include <cstring>
#include <vector>

namespace {
constexpr int kInflateChunk = 256 * 1024;

enum class Mode
{
    Unknown,
    Plain,
    Gzip
};

enum class Collect
{
    None,
    Title,
    Description,
    DisplayName
};

const char* attribute(const XML_Char** attrs, const char* name)
{
    for (int i = 0; attrs[i]; i += 2) {
        if (std::strcmp(attrs[i], name) == 0)
            return attrs[i + 1];
    }
    return nullptr;
}
} // namespace

struct XmltvReader::Private
{
    Handlers handlers;
    qint64 maxBytes = 0;
    XML_Parser parser = nullptr;
    z_stream zip{};
    bool zipOpen = false;
    bool zipEnded = false;
    Mode mode = Mode::Unknown;
    QByteArray head;
    std::vector<char> inflated;

    QString error;
    QString encoding;    // the last one expat did not know itself
    QString encodingWhy; // why it could not be read, when it could not
    qint64 xmlBytes = 0;
    qint64 skipped = 0;
    int depth = 0;
    bool sawRoot = false;

    // The element being read.
    int programmeDepth = -1;
    int channelDepth = -1;
    int programmeChannel = -1;
    GuideProgramme programme;
    QByteArray channelId;
    QStringList names;
    Collect collect = Collect::None;
    std::string text;
    bool haveTitle = false;
    bool haveDescription = false;

    void fail(const QString& message)
    {
        if (error.isEmpty())
            error = message;
    }

    bool parse(const char* data, qsizetype size, bool last)
    {
        if (!error.isEmpty())
            return false;
        xmlBytes += size;
        if (xmlBytes > maxBytes) {
            fail(QCoreApplication::translate("XmltvReader", "the guide is larger than %1 MB")
                     .arg(maxBytes / (1024 * 1024)));
            return false;
        }
        while (size > 0 || last) {
            const int piece = int(std::min<qsizetype>(size, 1 << 30));
            const bool final = last && piece == size;
            if (XML_Parse(parser, data, piece, final) == XML_STATUS_ERROR) {
                const XML_Error code = XML_GetErrorCode(parser);
                if (code == XML_ERROR_UNKNOWN_ENCODING && !encoding.isEmpty())
                    fail(QCoreApplication::translate(
                             "XmltvReader", "the guide's character set \"%1\" cannot be read: %2")
                             .arg(encoding, encodingWhy.isEmpty()
                                                ? QCoreApplication::translate(
                                                      "XmltvReader",
                                                      "it is not compatible with ASCII")
                                                : encodingWhy));
                else if (error.isEmpty())
                    fail(QCoreApplication::translate("XmltvReader",
                                                     "the guide is not valid XMLTV (line %1: %2)")
                             .arg(XML_GetCurrentLineNumber(parser))
                             .arg(QString::fromUtf8(XML_ErrorString(code))));
                return false;
            }
            data += piece;
            size -= piece;
            if (final)
                break;
        }
        return error.isEmpty();
    }

    bool inflateInto(const char* data, qsizetype size)
    {
        zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
        zip.avail_in = uInt(size);
        while (zip.avail_in > 0) {
            if (zipEnded) {
                // Another gzip member may follow; anything else after the end is ignored.
                if (zip.avail_in >= 2 && zip.next_in[0] == 0x1f && zip.next_in[1] == 0x8b) {
                    inflateReset(&zip);
                    zipEnded = false;
                } else {
                    zip.avail_in = 0;
                    break;
                }
            }
            zip.next_out = reinterpret_cast<Bytef*>(inflated.data());
            zip.avail_out = uInt(inflated.size());
            const int status = inflate(&zip, Z_NO_FLUSH);
            if (status != Z_OK && status != Z_STREAM_END && status != Z_BUF_ERROR) {
                fail(QCoreApplication::translate("XmltvReader",
                                                 "the compressed guide is damaged (%1)")
                         .arg(QString::fromUtf8(zip.msg ? zip.msg : "inflate error")));
                return false;
            }
            const qsizetype produced = qsizetype(inflated.size() - zip.avail_out);
            if (produced > 0 && !parse(inflated.data(), produced, false))
                return false;
            if (status == Z_STREAM_END)
                zipEnded = true;
            else if (status == Z_BUF_ERROR && produced == 0)
                break;
        }
        return true;
    }

    bool consume(const char* data, qsizetype size)
    {
        if (mode == Mode::Unknown) {
            head.append(data, size);
            if (head.size() < 2)
                return true;
            mode = (uchar(head[0]) == 0x1f && uchar(head[1]) == 0x8b) ? Mode::Gzip : Mode::Plain;
            if (mode == Mode::Gzip) {
                inflated.resize(kInflateChunk);
                if (inflateInit2(&zip, 16 + MAX_WBITS) != Z_OK) {
                    fail(QCoreApplication::translate("XmltvReader",
                                                     "could not start inflating the guide"));
                    return false;
                }
                zipOpen = true;
            }
            const QByteArray first = std::exchange(head, QByteArray());
            return consume(first.constData(), first.size());
        }
        if (mode == Mode::Gzip)
            return inflateInto(data, size);
        return parse(data, size, false);
    }

    // ---- expat callbacks ----

    static int onUnknownEncoding(void* user, const XML_Char* name, XML_Encoding* info)
    {
        auto* self = static_cast<Private*>(user);
        self->encoding = QString::fromUtf8(name).left(60);
        self->encodingWhy.clear();
        const auto table = XmlEncoding::singleByteTable(QByteArrayView(name), &self->encodingWhy);
        if (!table)
            return XML_STATUS_ERROR;
        std::copy(table->cbegin(), table->cend(), info->map);
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
        return XML_STATUS_OK;
    }

    static void onStart(void* user, const XML_Char* name, const XML_Char** attrs)
    {
        static_cast<Private*>(user)->start(name, attrs);
    }
    static void onEnd(void* user, const XML_Char* name) { static_cast<Private*>(user)->end(name); }
    static void onText(void* user, const XML_Char* s, int len)
    {
        auto* self = static_cast<Private*>(user);
        if (self->collect == Collect::None)
            return;
        const size_t room =
            size_t(kMaxTextBytes) - std::min(self->text.size(), size_t(kMaxTextBytes));
        self->text.append(s, std::min(size_t(len), room));
    }

    void start(const char* name, const char** attrs)
    {
        ++depth;
        if (depth == 1) {
            sawRoot = true;
            if (std::strcmp(name, "tv") != 0) {
                fail(QCoreApplication::translate(
                         "XmltvReader", "the server sent no XMLTV guide (the document is <%1>)")
                         .arg(QString::fromUtf8(name).left(40)));
                XML_StopParser(parser, XML_FALSE);
            }
            return;
        }
        if (depth == 2 && std::strcmp(name, "programme") == 0) {
            programmeDepth = depth;
            const char* channel = attribute(attrs, "channel");
            const char* startText = attribute(attrs, "start");
            programmeChannel = -1;
            if (!channel)
                return;
            const std::optional<qint64> startTime =
                startText ? XmltvTime::parse(QByteArrayView(startText)) : std::nullopt;
            if (!startTime) {
                ++skipped;
                return;
            }
            programmeChannel = handlers.programmeChannel(QByteArrayView(channel));
            if (programmeChannel < 0)
                return;
            programme = GuideProgramme();
            programme.start = *startTime;
            const char* stopText = attribute(attrs, "stop");
            programme.stop = stopText ? XmltvTime::parse(QByteArrayView(stopText)).value_or(0) : 0;
            haveTitle = haveDescription = false;
            return;
        }
        if (depth == 2 && std::strcmp(name, "channel") == 0) {
            channelDepth = depth;
            const char* id = attribute(attrs, "id");
            channelId = id ? QByteArray(id) : QByteArray();
            names.clear();
            return;
        }
        if (programmeDepth > 0 && programmeChannel >= 0 && depth == programmeDepth + 1) {
            if (!haveTitle && std::strcmp(name, "title") == 0)
                collect = Collect::Title;
            else if (!haveDescription && std::strcmp(name, "desc") == 0)
                collect = Collect::Description;
        } else if (channelDepth > 0 && depth == channelDepth + 1 &&
                   std::strcmp(name, "display-name") == 0) {
            collect = Collect::DisplayName;
        }
        text.clear();
    }

    void end(const char* /*name*/)
    {
        if (collect != Collect::None && depth > 2) {
            QString value = QString::fromUtf8(text.data(), qsizetype(text.size())).trimmed();
            if (collect == Collect::Title && !value.isEmpty()) {
                programme.title = std::move(value);
                haveTitle = true;
            } else if (collect == Collect::Description && !value.isEmpty()) {
                programme.description = std::move(value);
                haveDescription = true;
            } else if (collect == Collect::DisplayName && !value.isEmpty()) {
                names.append(std::move(value));
            }
            collect = Collect::None;
            text.clear();
        }
        if (depth == programmeDepth) {
            if (programmeChannel >= 0)
                handlers.programme(programmeChannel, std::move(programme));
            programmeDepth = -1;
            programmeChannel = -1;
        } else if (depth == channelDepth) {
            if (!channelId.isEmpty())
                handlers.channel(channelId, names);
            channelDepth = -1;
        }
        --depth;
    }
};

XmltvReader::XmltvReader(Handlers handlers, qint64 maxBytes)
    : d(std::make_unique<Private>())
{
    d->handlers = std::move(handlers);
    d->maxBytes = maxBytes;
    d->parser = XML_ParserCreate(nullptr);
    XML_SetUserData(d->parser, d.get());
    XML_SetElementHandler(d->parser, &Private::onStart, &Private::onEnd);
    XML_SetCharacterDataHandler(d->parser, &Private::onText);
    XML_SetUnknownEncodingHandler(d->parser, &Private::onUnknownEncoding, d.get());
}

XmltvReader::~XmltvReader()
{
    if (d->zipOpen)
        inflateEnd(&d->zip);
    XML_ParserFree(d->parser);
}

bool XmltvReader::feed(QByteArrayView data)
{
    if (!d->error.isEmpty())
        return false;
    if (data.isEmpty())
        return true;
    return d->consume(data.data(), data.size());
}

bool XmltvReader::finish()
{
    if (!d->error.isEmpty())
        return false;
    if (d->mode == Mode::Unknown) {
        d->mode = Mode::Plain;
        const QByteArray rest = std::exchange(d->head, QByteArray());
        if (!rest.isEmpty() && !d->parse(rest.constData(), rest.size(), false))
            return false;
    }
    if (d->mode == Mode::Gzip && !d->zipEnded) {
        d->fail(QCoreApplication::translate("XmltvReader", "the compressed guide is cut short"));
        return false;
    }
    if (d->xmlBytes == 0) {
        d->fail(QCoreApplication::translate("XmltvReader", "the guide is empty"));
        return false;
    }
    if (!d->parse(nullptr, 0, true))
        return false;
    if (!d->sawRoot) {
        d->fail(QCoreApplication::translate("XmltvReader", "the guide is empty"));
        return false;
    }
    return true;
}

bool XmltvReader::failed() const
{
    return !d->error.isEmpty();
}

QString XmltvReader::error() const
{
    return d->error;
}

qint64 XmltvReader::xmlBytes() const
{
    return d->xmlBytes;
}

qint64 XmltvReader::skippedCount() const
{
    return d->skipped;
}
