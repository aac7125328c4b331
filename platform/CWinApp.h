// CWinApp: the application object. The program defines exactly one, whose
// InitInstance runs the program; AfxWinMain starts the toolkit and calls it.
#pragma once

#include <cstddef>
#include <functional>

#include "CString.h"
#include "WinTypes.h"

class CWnd;
class CWinApp;

using AFX_APP_PMSG = void (CWinApp::*)();

struct AFX_APPMAP_ENTRY {
    UINT nID;
    AFX_APP_PMSG pfn;
};

class CWinApp {
public:
    // Without a name the application is named after its program file.
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    HICON LoadIcon(UINT nIDResource) const;

    // Routes an application command (such as ID_HELP) through the command map.
    bool OnCmdMsg(UINT nID);
    // Opens m_strHelpFilePath with the shell's "open".
    void OnHelp();

    CString m_strAppName;
    CString m_strHelpFilePath;
    CWnd* m_pMainWnd = nullptr;

protected:
    virtual const AFX_APPMAP_ENTRY* GetCommandMap(std::size_t& count) const;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
CString AfxGetAppName();

// The program's entry: starts the toolkit and runs the application object.
int AfxWinMain(int argc, char** argv);

// Checks that the system can make a network socket (made and closed again).
BOOL AfxSocketInit();
// Replaces the check, for tests; an empty function restores it.
void AfxSetSocketInitProbe(std::function<bool()> probe);

// Set-up calls of the classic framework that need nothing on this platform.
inline void AfxEnableControlContainer() {}
inline void Enable3dControlsStatic() {}
