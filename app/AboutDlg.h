// CAboutDlg: "About Velmora", the icon, the version and OK.
#pragma once

#include "CDialog.h"
#include "resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    enum { IDD = IDD_ABOUTBOX };
    void DoDataExchange(CDataExchange* pDX) override;
};
