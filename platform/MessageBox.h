// Message boxes. Every box goes through one replaceable hook, so tests can
// record what is shown and answer it.
#pragma once

#include <functional>

#include "CString.h"

class CWnd;

struct MessageBoxRequest {
    const CWnd* pOwner;
    CString text;
    CString caption;
    UINT nType;  // MB_OK or MB_YESNO, with an icon flag or none
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Installs `hook` (an empty one restores the real boxes); returns the old one.
MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook);

// Shows a box owned by `pOwner`; returns IDOK, IDYES or IDNO.
int AfxShowMessageBox(const CWnd* pOwner, const CString& text, const CString& caption, UINT nType);

// A box captioned with the application's name, owned by the main window;
// the exclamation icon is added when the flags name no icon.
int AfxMessageBox(const CString& text, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
