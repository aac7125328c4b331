// CMenu: a popup menu whose items send commands to their window. The layer
// uses it for a dialog's system menu.
#pragma once

#include <memory>

#include "CWnd.h"

class QMenu;

class CMenu {
public:
    // A menu whose items send WM_SYSCOMMAND to `pOwner`.
    explicit CMenu(CWnd* pOwner);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL AppendMenu(UINT nFlags, UINT nIDNewItem = 0, const CString& text = CString());
    int GetMenuItemCount() const;
    // The item's text ("" for a separator) and command id, by position.
    CString GetMenuItemText(int nPos) const;
    UINT GetMenuItemID(int nPos) const;  // 0 for a separator
    QMenu* Menu() const { return m_pMenu.get(); }

private:
    CWnd* m_pOwner;
    std::unique_ptr<QMenu> m_pMenu;
};
