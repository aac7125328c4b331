// The main dialog: construction, message map, data exchange, start-up,
// painting and teardown.
#include "DiaryDlg.h"

#include "AboutDlg.h"
#include "CMenu.h"
#include "CWinApp.h"

CDiaryDlg::CDiaryDlg(CWnd* pParent) : CDialog(IDD, pParent), m_nEntries(0)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
}

CDiaryDlg::~CDiaryDlg() = default;

const AFX_MSGMAP* CDiaryDlg::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        ON_WM_SYSCOMMAND(&CDiaryDlg::OnSysCommand),
        ON_WM_PAINT(&CDiaryDlg::OnPaint),
        ON_WM_QUERYDRAGICON(&CDiaryDlg::OnQueryDragIcon),
        ON_BN_CLICKED(IDC_ADD, &CDiaryDlg::OnAdd),
        ON_BN_CLICKED(IDC_UPDATE, &CDiaryDlg::OnUpdate),
        ON_BN_CLICKED(IDC_REMOVE, &CDiaryDlg::OnRemove),
        ON_BN_CLICKED(IDC_CLEAR, &CDiaryDlg::ClearFields),
        ON_WM_DESTROY(&CDiaryDlg::OnDestroy),
        ON_BN_CLICKED(IDC_SELECT, &CDiaryDlg::OnSelect),
        ON_NOTIFY(NM_CLICK, IDC_LIST, &CDiaryDlg::OnClickList),
        ON_BN_CLICKED(IDC_HELP_BUTTON, &CDiaryDlg::OnHelp),
        ON_BN_CLICKED(IDC_OUTPUT, &CDiaryDlg::OnOutput),
        ON_NOTIFY(LVN_COLUMNCLICK, IDC_LIST, &CDiaryDlg::OnColumnClickList),
    };
    static const AFX_MSGMAP map = MakeMessageMap(CDialog::GetThisMessageMap(), entries);
    return &map;
}

const AFX_MSGMAP* CDiaryDlg::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CDiaryDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Text(pDX, IDC_TEXT, m_strText);
    DDX_Text(pDX, IDC_DATE, m_strDate);
    DDX_Text(pDX, IDC_ENTRIES, m_nEntries);
    DDX_Text(pDX, IDC_TITLE, m_strTitle);
}

BOOL CDiaryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The About item goes at the end of the system menu.
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SetupColumns();
    LoadDiary();
    return TRUE;
}

void CDiaryDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CDiaryDlg::OnPaint()
{
    if (IsIconic()) {
        // Minimised: the icon, centred in the client area.
        CPaintDC dc(this);
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CDiaryDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CDiaryDlg::OnDestroy()
{
    CDialog::OnDestroy();
    SaveDiary();
}
