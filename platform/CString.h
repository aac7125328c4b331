// CString: an 8-bit byte string. Every byte value is carried, zero bytes
// included; the length is the byte count. Comparisons are exact bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "WinTypes.h"

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* p, std::size_t n) : m_str(p, n) {}
    CString(std::string s) : m_str(std::move(s)) {}
    CString(std::string_view s) : m_str(s) {}
    CString(char ch, int nRepeat) : m_str(nRepeat > 0 ? static_cast<std::size_t>(nRepeat) : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int i) const { return m_str[static_cast<std::size_t>(i)]; }
    char operator[](int i) const { return GetAt(i); }

    // Replaces every non-overlapping occurrence of `oldText`, scanning left to
    // right; inserted text is not searched again. Returns the number replaced.
    int Replace(std::string_view oldText, std::string_view newText);
    // Removes trailing space, tab, LF, CR, VT and FF.
    CString& TrimRight();
    // Sets the string from a printf-style format.
    void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    // Loads a string from the program's string table; FALSE when there is none.
    BOOL LoadString(UINT nID);

    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz) { m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }

    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char* b) { a += b; return a; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }

    const std::string& str() const { return m_str; }
    std::string& str() { return m_str; }
    const char* GetString() const { return m_str.c_str(); }
    std::string_view view() const { return m_str; }

private:
    std::string m_str;
};

// Multibyte comparison of the program's code page (UTF-8): exact unsigned
// byte order, which for UTF-8 is code-point order. <0, 0 or >0.
int _mbscmp(const CString& a, const CString& b);

// Writes `value` in the given radix (2..36) into `buffer`, returns buffer.
char* _itoa(int value, char* buffer, int radix);
