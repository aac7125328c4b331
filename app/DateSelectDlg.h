// CDateSelectDlg: "Date Selection", a month calendar and a Return button.
// However it ends, m_timeSelected holds local midnight of the selected day.
#pragma once

#include "CDialog.h"
#include "CMonthCalCtrl.h"
#include "CTime.h"
#include "resource.h"

class CDateSelectDlg : public CDialog {
public:
    explicit CDateSelectDlg(CWnd* pParent = nullptr);
    ~CDateSelectDlg() override;

    enum { IDD = IDD_DATE_SELECT };

    CMonthCalCtrl m_calendar;
    CTime m_timeSelected;

    void DoDataExchange(CDataExchange* pDX) override;
    void OnDestroy();

    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;
};
