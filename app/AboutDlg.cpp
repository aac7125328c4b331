#include "AboutDlg.h"

#include "DiaryDlg.h"
#include "Shell.h"
#include "WebAddresses.h"

CAboutDlg::CAboutDlg() : CDialog(IDD, nullptr) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void CDiaryDlg::OnHelp()
{
    UpdateData(TRUE);
    ShellExecute(nullptr, "open", VELMORA_HELP_PAGE, CString(), CString(), SW_HIDE);
    UpdateData(FALSE);
}
