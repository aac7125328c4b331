// CWnd: a window of the program, with dialog data exchange and message-map
// dispatch. Child controls (list, calendar) are CWnd objects attached to a
// control of a dialog by DDX_Control.
#pragma once

#include <cstddef>
#include <iterator>
#include <variant>

#include "CString.h"
#include "WinTypes.h"

class QWidget;
class CWnd;
class CMenu;
class CTime;

// ---- message maps --------------------------------------------------------

using AFX_PMSG = void (CWnd::*)();
using AFX_PMSG_NOTIFY = void (CWnd::*)(NMHDR*, LRESULT*);
using AFX_PMSG_SYSCOMMAND = void (CWnd::*)(UINT, LPARAM);
using AFX_PMSG_CURSOR = HCURSOR (CWnd::*)();
using AfxHandler = std::variant<AFX_PMSG, AFX_PMSG_NOTIFY, AFX_PMSG_SYSCOMMAND, AFX_PMSG_CURSOR>;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_NOTIFY, WM_SYSCOMMAND, ...
    int nCode;      // BN_CLICKED or the notification code
    UINT nID;       // control id, 0 for window messages
    AfxHandler pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* pEntries;
    std::size_t nEntries;
};

// ---- data exchange --------------------------------------------------------

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls into members; FALSE: members into controls
    CWnd* m_pDlgWnd;
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value);

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Runs DoDataExchange; TRUE unless a value failed to validate.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // A message box owned by this window (the layer's hook may answer it).
    int MessageBox(const CString& text, const CString& caption = CString(), UINT nType = MB_OK);

    CString GetDlgItemText(int nID) const;
    BOOL IsIconic() const;
    void GetClientRect(CRect* pRect) const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    // The window's system menu, or nullptr for a window without one.
    CMenu* GetSystemMenu(BOOL bRevert);
    BOOL IsWindowVisible() const;

    // Entry points of the layer: route a message through the message map.
    void SendCommand(UINT nID);
    void SendNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void SendSysCommand(UINT nID, LPARAM lParam);
    void SendPaint();
    void SendDestroy();
    HCURSOR SendQueryDragIcon();

    QWidget* GetSafeWidget() const { return m_pWidget; }
    virtual QWidget* FindControl(int nID) const;
    CWnd* GetParent() const { return m_pParent; }

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Called by DDX_Control for a control of a dialog.
    virtual void Attach(QWidget* pWidget, CWnd* pParent);
    virtual void Detach();

protected:
    // Default processing of the messages a map can route.
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    void OnDestroy();
    // A command no map entry handled (IDOK, IDCANCEL in dialogs).
    virtual void OnDefaultCommand(UINT nID);

    QWidget* m_pWidget = nullptr;
    CWnd* m_pParent = nullptr;
    CMenu* m_pSystemMenu = nullptr;

private:
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, int nCode, UINT nID) const;
};

// ---- message map entries --------------------------------------------------
// Each helper files one handler of a class derived from CWnd in the map.

template <class T>
AFX_MSGMAP_ENTRY ON_BN_CLICKED(UINT nID, void (T::*pfn)())
{
    return {WM_COMMAND, BN_CLICKED, nID, static_cast<AFX_PMSG>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY ON_NOTIFY(int nCode, UINT nID, void (T::*pfn)(NMHDR*, LRESULT*))
{
    return {WM_NOTIFY, nCode, nID, static_cast<AFX_PMSG_NOTIFY>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY ON_WM_SYSCOMMAND(void (T::*pfn)(UINT, LPARAM))
{
    return {WM_SYSCOMMAND, 0, 0, static_cast<AFX_PMSG_SYSCOMMAND>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY ON_WM_PAINT(void (T::*pfn)())
{
    return {WM_PAINT, 0, 0, static_cast<AFX_PMSG>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY ON_WM_DESTROY(void (T::*pfn)())
{
    return {WM_DESTROY, 0, 0, static_cast<AFX_PMSG>(pfn)};
}

template <class T>
AFX_MSGMAP_ENTRY ON_WM_QUERYDRAGICON(HCURSOR (T::*pfn)())
{
    return {WM_QUERYDRAGICON, 0, 0, static_cast<AFX_PMSG_CURSOR>(pfn)};
}

template <std::size_t N>
AFX_MSGMAP MakeMessageMap(const AFX_MSGMAP* pBaseMap, const AFX_MSGMAP_ENTRY (&entries)[N])
{
    return {pBaseMap, entries, N};
}

// ---- painting ---------------------------------------------------------------

class QPainter;

// A paint context for the window being painted (valid inside OnPaint).
class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    void DrawIcon(int x, int y, HICON hIcon);

private:
    QPainter* m_pPainter = nullptr;
};

int GetSystemMetrics(int nIndex);
