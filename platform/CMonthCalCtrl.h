// CMonthCalCtrl: a month calendar in which one day can be selected; today is
// marked and offered by a link at its foot; no week numbers.
#pragma once

#include "CTime.h"
#include "CWnd.h"

class QCalendarWidget;

class CMonthCalCtrl : public CWnd {
public:
    // Selects (and shows) the local day of `time`.
    BOOL SetCurSel(const CTime& time);
    BOOL SetCurSel(const SYSTEMTIME& st);
    // The selected day; the time of day is zero.
    BOOL GetCurSel(SYSTEMTIME* pst) const;
    // The selected day at local midnight.
    BOOL GetCurSel(CTime& time) const;

    void Attach(QWidget* pWidget, CWnd* pParent) override;
    void Detach() override;
    QCalendarWidget* Calendar() const { return m_pCalendar; }

private:
    QCalendarWidget* m_pCalendar = nullptr;
};
