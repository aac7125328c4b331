#include "CMonthCalCtrl.h"

#include <QCalendarWidget>

void CMonthCalCtrl::Attach(QWidget* pWidget, CWnd* pParent)
{
    CWnd::Attach(pWidget, pParent);
    m_pCalendar = pWidget ? pWidget->findChild<QCalendarWidget*>() : nullptr;
    if (!m_pCalendar)
        m_pCalendar = qobject_cast<QCalendarWidget*>(pWidget);
}

void CMonthCalCtrl::Detach()
{
    CWnd::Detach();
    m_pCalendar = nullptr;
}

BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME& st)
{
    const QDate date(st.wYear, st.wMonth, st.wDay);
    if (!m_pCalendar || !date.isValid() || date < m_pCalendar->minimumDate() || date > m_pCalendar->maximumDate())
        return FALSE;
    m_pCalendar->setSelectedDate(date);
    m_pCalendar->setCurrentPage(date.year(), date.month());
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const CTime& time)
{
    std::tm parts{};
    if (!time.GetLocalTm(&parts))
        return FALSE;
    SYSTEMTIME st;
    st.wYear = static_cast<WORD>(parts.tm_year + 1900);
    st.wMonth = static_cast<WORD>(parts.tm_mon + 1);
    st.wDay = static_cast<WORD>(parts.tm_mday);
    return SetCurSel(st);
}

BOOL CMonthCalCtrl::GetCurSel(SYSTEMTIME* pst) const
{
    if (!m_pCalendar)
        return FALSE;
    const QDate date = m_pCalendar->selectedDate();
    *pst = SYSTEMTIME{};
    pst->wYear = static_cast<WORD>(date.year());
    pst->wMonth = static_cast<WORD>(date.month());
    pst->wDay = static_cast<WORD>(date.day());
    pst->wDayOfWeek = static_cast<WORD>(date.dayOfWeek() % 7);
    return TRUE;
}

BOOL CMonthCalCtrl::GetCurSel(CTime& time) const
{
    SYSTEMTIME st;
    if (!GetCurSel(&st))
        return FALSE;
    time = CTime(st, -1);
    return TRUE;
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    CMonthCalCtrl calendar;
    calendar.Attach(pDX->m_pDlgWnd->FindControl(nIDC), pDX->m_pDlgWnd);
    if (pDX->m_bSaveAndValidate)
        calendar.GetCurSel(value);
    else
        calendar.SetCurSel(value);
}
