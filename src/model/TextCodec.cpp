#include "model/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <iconv.h>


namespace gbk {

namespace {

// Qt reaches GBK through ICU on Debian; where a build lacks ICU, iconv from the C library
// does the same work.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from)
        : m_handle(iconv_open(to, from))
    {
    }
    ~IconvConverter()
    {
        if (valid())
            iconv_close(m_handle);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool valid() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts input; stops with ok = false at the first sequence it cannot convert.
    QByteArray convert(const QByteArray& input, bool& ok) const
    {
        QByteArray output(input.size() * 4 + 16, Qt::Uninitialized);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char* out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        ok = iconv(m_handle, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
        output.truncate(output.size() - static_cast<qsizetype>(outLeft));
        return output;
    }

private:
    iconv_t m_handle;
};

bool qtHasGbk()
{
    static const bool has = QStringEncoder("GBK").isValid() && QStringDecoder("GBK").isValid();
    return has;
}

QByteArray encodeWithIconv(const QString& text)
{
    // iconv cannot substitute, so characters are converted one at a time and '?' stands
    // for those GBK lacks.
    IconvConverter converter("GBK", "UTF-8");
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        bool ok = false;
        const QByteArray bytes = converter.convert(text.mid(i, length).toUtf8(), ok);
        result += ok ? bytes : QByteArray("?");
        i += length - 1;
    }
    return result;
}

} // namespace

QByteArray encode(const QString& text)
{
    if (!qtHasGbk())
        return encodeWithIconv(text);
    // Qt's encoder writes '?' for what GBK lacks, as the printer would show it.
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

bool isWellFormed(const QByteArray& bytes)
{
    // A single byte below 0x81 (ASCII, and 0x80 for the euro sign of code page 936), or a
    // lead byte 0x81..0xFE followed by a trail byte 0x40..0xFE other than 0x7F. Qt's GBK
    // decoder maps some other bytes to private-use characters without complaint.
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes.at(i));
        if (lead <= 0x80)
            continue;
        if (lead == 0xFF || i + 1 == bytes.size())
            return false;
        const auto trail = static_cast<unsigned char>(bytes.at(++i));
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF)
            return false;
    }
    return true;
}

QString decode(const QByteArray& bytes, bool* ok)
{
    bool success = isWellFormed(bytes);
    QString text;
    if (success && qtHasGbk()) {
        QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
        text = decoder.decode(bytes);
        success = !decoder.hasError();
    } else if (success) {
        IconvConverter converter("UTF-8", "GBK");
        text = QString::fromUtf8(converter.convert(bytes, success));
    }
    if (ok)
        *ok = success;
    return success ? text : QString();
}

bool canEncode(const QString& text)
{
    if (!qtHasGbk()) {
        IconvConverter converter("GBK", "UTF-8");
        bool ok = false;
        converter.convert(text.toUtf8(), ok);
        return ok;
    }
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray discarded = encoder.encode(text);
    return !encoder.hasError();
}

qsizetype byteLength(const QString& text)
{
    return encode(text).size();
}

} // namespace gbk
