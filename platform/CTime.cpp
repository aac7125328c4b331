#include "CTime.h"

namespace {

bool SameDay(const std::tm& a, int year, int month, int day)
{
    return a.tm_year + 1900 == year && a.tm_mon + 1 == month && a.tm_mday == day;
}

long long DayKey(const std::tm& t)
{
    return (static_cast<long long>(t.tm_year) * 13 + t.tm_mon) * 32 + t.tm_mday;
}

}  // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    std::tm parts{};
    parts.tm_year = nYear - 1900;
    parts.tm_mon = nMonth - 1;
    parts.tm_mday = nDay;
    parts.tm_hour = nHour;
    parts.tm_min = nMin;
    parts.tm_sec = nSec;
    parts.tm_isdst = nDST < 0 ? -1 : (nDST > 0 ? 1 : 0);
    const std::time_t t = std::mktime(&parts);
    m_time = static_cast<std::int64_t>(t);

    // A midnight skipped by a clock change may be normalised into the day
    // before; move on to the first second that belongs to the requested day.
    std::tm check{};
    const std::time_t tt = static_cast<std::time_t>(m_time);
    if (!localtime_r(&tt, &check) || SameDay(check, nYear, nMonth, nDay))
        return;
    std::tm wanted{};
    wanted.tm_year = nYear - 1900;
    wanted.tm_mon = nMonth - 1;
    wanted.tm_mday = nDay;
    if (DayKey(check) > DayKey(wanted))
        return;  // the day itself does not exist in this zone
    std::int64_t lo = m_time;             // still the day before
    std::int64_t hi = m_time + 2 * 86400;  // surely past the start of the day
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        const std::time_t tm = static_cast<std::time_t>(mid);
        std::tm at{};
        localtime_r(&tm, &at);
        if (DayKey(at) < DayKey(wanted))
            lo = mid;
        else
            hi = mid;
    }
    m_time = hi;
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{
}

CTime CTime::GetCurrentTime()
{
    return CTime(static_cast<std::int64_t>(std::time(nullptr)));
}

std::tm* CTime::GetLocalTm(std::tm* ptm) const
{
    const std::time_t t = static_cast<std::time_t>(m_time);
    return localtime_r(&t, ptm);
}
