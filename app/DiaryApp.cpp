#include "DiaryApp.h"

#include "DiaryDlg.h"
#include "MessageBox.h"
#include "WebAddresses.h"

CDiaryApp::CDiaryApp()
{
    // F1 opens the same online help as the Help button.
    m_strHelpFilePath = VELMORA_HELP_PAGE;
}

const AFX_APPMAP_ENTRY* CDiaryApp::GetCommandMap(std::size_t& count) const
{
    static const AFX_APPMAP_ENTRY entries[] = {
        {ID_HELP, &CWinApp::OnHelp},
    };
    count = std::size(entries);
    return entries;
}

BOOL CDiaryApp::InitInstance()
{
    if (!AfxSocketInit()) {
        AfxMessageBox(IDP_SOCKETS_INIT_FAILED, MB_OK);
        return FALSE;
    }
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CDiaryDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // The dialog has ended: leave instead of entering a message loop.
    return FALSE;
}
