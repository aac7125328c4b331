// CTime: a point in time as a signed 64-bit count of seconds since
// 1970-01-01 00:00:00 UTC (no 2038 limit).
#pragma once

#include <cstdint>
#include <ctime>

using WORD = unsigned short;

struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
};

class CTime {
public:
    CTime() = default;
    explicit CTime(std::int64_t seconds) : m_time(seconds) {}
    // A local date and time; nDST -1 lets the time-zone rules decide whether
    // daylight saving time applies. A local time that does not exist (skipped
    // by a clock change) gives the first moment of that day that does.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    explicit CTime(const SYSTEMTIME& st, int nDST = -1);

    static CTime GetCurrentTime();

    std::int64_t GetTime() const { return m_time; }
    // The time taken apart in local time.
    std::tm* GetLocalTm(std::tm* ptm) const;

    friend bool operator==(const CTime& a, const CTime& b) { return a.m_time == b.m_time; }

private:
    std::int64_t m_time = 0;
};
