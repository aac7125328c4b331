#include "DateSelectDlg.h"

#include "DiaryDlg.h"

CDateSelectDlg::CDateSelectDlg(CWnd* pParent) : CDialog(IDD, pParent), m_timeSelected(0) {}

CDateSelectDlg::~CDateSelectDlg() = default;

const AFX_MSGMAP* CDateSelectDlg::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_DESTROY(&CDateSelectDlg::OnDestroy),
    };
    static const AFX_MSGMAP map = MakeMessageMap(CDialog::GetThisMessageMap(), entries);
    return &map;
}

const AFX_MSGMAP* CDateSelectDlg::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CDateSelectDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_CALENDAR, m_calendar);
    DDX_MonthCalCtrl(pDX, IDC_CALENDAR, m_timeSelected);
}

void CDateSelectDlg::OnDestroy()
{
    CDialog::OnDestroy();
    // Whether Return, Escape or the close box ended the dialog, the day
    // selected now counts, at local midnight.
    SYSTEMTIME st;
    if (m_calendar.GetCurSel(&st)) {
        st.wHour = 0;
        st.wMinute = 0;
        st.wSecond = 0;
        st.wMilliseconds = 0;
        m_timeSelected = CTime(st, -1);
    }
}

void CDiaryDlg::OnSelect()
{
    UpdateData(TRUE);
    SelectDate();
    UpdateData(FALSE);
}

void CDiaryDlg::SelectDate()
{
    UpdateData(TRUE);
    m_strDate.Empty();
    CString strYear, strMonth, strDay;
    {
        CDateSelectDlg dlg(this);
        dlg.m_timeSelected = CTime::GetCurrentTime();
        dlg.DoModal();

        std::tm parts{};
        dlg.m_timeSelected.GetLocalTm(&parts);
        char buffer[16];
        strYear = _itoa(parts.tm_year + 1900, buffer, 10);
        strMonth = _itoa(parts.tm_mon + 1, buffer, 10);
        strDay = _itoa(parts.tm_mday, buffer, 10);
    }
    // Month and day always take two digits; the year is written as it is.
    if (strMonth.GetLength() < 2)
        strMonth = "0" + strMonth;
    if (strDay.GetLength() < 2)
        strDay = "0" + strDay;
    m_strDate += strYear;
    m_strDate += "-";
    m_strDate += strMonth;
    m_strDate += "-";
    m_strDate += strDay;
    UpdateData(FALSE);
}
