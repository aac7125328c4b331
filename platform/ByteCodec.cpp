#include "ByteCodec.h"

namespace {

// Length of the valid UTF-8 sequence at p (1..4), or 0 when the bytes there
// are not one (overlong forms, surrogates and values past U+10FFFF included).
int ValidSequenceLength(const unsigned char* p, std::size_t avail, char32_t& cp)
{
    const unsigned char b0 = p[0];
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    int len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2; cp = b0 & 0x1F; min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3; cp = b0 & 0x0F; min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4; cp = b0 & 0x07; min = 0x10000;
    } else {
        return 0;
    }
    if (avail < static_cast<std::size_t>(len))
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

}  // namespace

QString BytesToQString(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n && p[i] < 0x80)
        ++i;
    if (i == n)
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(n));

    QString out;
    out.reserve(static_cast<qsizetype>(n));
    out.append(QLatin1String(bytes.data(), static_cast<qsizetype>(i)));
    while (i < n) {
        char32_t cp = 0;
        const int len = ValidSequenceLength(p + i, n - i, cp);
        if (len == 0) {
            out.append(QChar(static_cast<char16_t>(0xDC00 + p[i])));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out.append(QChar(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10))));
            out.append(QChar(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))));
        } else {
            out.append(QChar(static_cast<char16_t>(cp)));
        }
        i += static_cast<std::size_t>(len);
    }
    return out;
}

CString QStringToBytes(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text.at(i).unicode();
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n) {
            const char32_t lo = text.at(i + 1).unicode();
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
                ++i;
            }
        }
        if (cp >= 0xDC80 && cp <= 0xDCFF) {  // a byte that was not UTF-8
            out += static_cast<char>(cp - 0xDC00);
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)  // any other lone surrogate
            cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return CString(std::move(out));
}
