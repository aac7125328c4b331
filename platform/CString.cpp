#include "CString.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "Resources.h"

int CString::Replace(std::string_view oldText, std::string_view newText)
{
    if (oldText.empty())
        return 0;
    std::size_t pos = m_str.find(oldText);
    if (pos == std::string::npos)
        return 0;
    int count = 0;
    if (newText.size() <= oldText.size()) {
        // The result is not longer: rewrite in place; writing never
        // overtakes reading, and no new memory is touched.
        char* data = m_str.data();
        std::size_t write = pos;
        std::size_t read = pos;
        while (pos != std::string::npos) {
            std::memmove(data + write, data + read, pos - read);
            write += pos - read;
            std::memcpy(data + write, newText.data(), newText.size());
            write += newText.size();
            read = pos + oldText.size();
            ++count;
            pos = m_str.find(oldText, read);
        }
        const std::size_t rest = m_str.size() - read;
        std::memmove(data + write, data + read, rest);
        m_str.resize(write + rest);
        return count;
    }
    // Longer: build the result in one pass, linear in the length.
    std::string out;
    out.reserve(m_str.size() + m_str.size() / 8);
    std::size_t from = 0;
    while (pos != std::string::npos) {
        out.append(m_str, from, pos - from);
        out.append(newText);
        from = pos + oldText.size();
        ++count;
        pos = m_str.find(oldText, from);
    }
    out.append(m_str, from, std::string::npos);
    m_str.swap(out);
    return count;
}

CString& CString::TrimRight()
{
    std::size_t n = m_str.size();
    while (n > 0) {
        const char c = m_str[n - 1];
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f')
            break;
        --n;
    }
    m_str.resize(n);
    return *this;
}

void CString::Format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<std::size_t>(n) + 1, '\0');
        std::vsnprintf(m_str.data(), m_str.size(), fmt, args);
        m_str.resize(static_cast<std::size_t>(n));
    }
    va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
    const char* text = AfxFindStringResource(nID);
    if (!text) {
        m_str.clear();
        return FALSE;
    }
    m_str = text;
    return TRUE;
}

int _mbscmp(const CString& a, const CString& b)
{
    const std::string& x = a.str();
    const std::string& y = b.str();
    const std::size_t n = x.size() < y.size() ? x.size() : y.size();
    const int c = n ? std::memcmp(x.data(), y.data(), n) : 0;  // memcmp is unsigned
    if (c != 0)
        return c < 0 ? -1 : 1;
    if (x.size() == y.size())
        return 0;
    return x.size() < y.size() ? -1 : 1;
}

char* _itoa(int value, char* buffer, int radix)
{
    if (radix < 2 || radix > 36) {
        buffer[0] = '\0';
        return buffer;
    }
    char digits[40];
    int n = 0;
    // Work in unsigned so INT_MIN does not overflow.
    unsigned long long v = value < 0 && radix == 10 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(value))
                                                    : static_cast<unsigned int>(value);
    do {
        const unsigned d = static_cast<unsigned>(v % static_cast<unsigned>(radix));
        digits[n++] = static_cast<char>(d < 10 ? '0' + d : 'a' + d - 10);
        v /= static_cast<unsigned>(radix);
    } while (v);
    int i = 0;
    if (value < 0 && radix == 10)
        buffer[i++] = '-';
    while (n)
        buffer[i++] = digits[--n];
    buffer[i] = '\0';
    return buffer;
}
