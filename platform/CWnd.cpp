#include "CWnd.h"

#include <charconv>

#include <QIcon>
#include <QPainter>
#include <QWidget>

#include "CDialog.h"
#include "CMenu.h"
#include "EditField.h"
#include "Icon.h"
#include "MessageBox.h"

CWnd::CWnd() = default;
CWnd::~CWnd() = default;

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP map = {nullptr, nullptr, 0};
    return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const
{
    return GetThisMessageMap();
}

void CWnd::Attach(QWidget* pWidget, CWnd* pParent)
{
    m_pWidget = pWidget;
    m_pParent = pParent;
}

void CWnd::Detach()
{
    m_pWidget = nullptr;
    m_pSystemMenu = nullptr;
}

QWidget* CWnd::FindControl(int) const
{
    return nullptr;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT nType)
{
    // The classic default caption of a window's box is "Error".
    return AfxShowMessageBox(this, text, caption.IsEmpty() ? CString("Error") : caption, nType);
}

CString CWnd::GetDlgItemText(int nID) const
{
    const auto* dialog = dynamic_cast<const CDialog*>(this);
    EditField* field = dialog ? dialog->FindEditField(nID) : nullptr;
    return field ? field->GetBytes() : CString();
}

BOOL CWnd::IsIconic() const
{
    return m_pWidget && m_pWidget->isMinimized() ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const
{
    return m_pWidget && m_pWidget->isVisible() ? TRUE : FALSE;
}

void CWnd::GetClientRect(CRect* pRect) const
{
    *pRect = CRect{};
    if (m_pWidget) {
        pRect->right = m_pWidget->width();
        pRect->bottom = m_pWidget->height();
    }
}

HICON CWnd::SetIcon(HICON hIcon, BOOL)
{
    // A Qt window has one icon holding every size.
    if (m_pWidget && hIcon)
        m_pWidget->setWindowIcon(AfxIconOf(hIcon));
    return hIcon;
}

CMenu* CWnd::GetSystemMenu(BOOL)
{
    return m_pSystemMenu;
}

// ---- dispatch -----------------------------------------------------------------

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT nMessage, int nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (std::size_t i = 0; i < map->nEntries; ++i) {
            const AFX_MSGMAP_ENTRY& e = map->pEntries[i];
            if (e.nMessage == nMessage && e.nCode == nCode && e.nID == nID)
                return &e;
        }
    }
    return nullptr;
}

void CWnd::SendCommand(UINT nID)
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_COMMAND, BN_CLICKED, nID))
        (this->*std::get<AFX_PMSG>(e->pfn))();
    else
        OnDefaultCommand(nID);
}

void CWnd::SendNotify(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_NOTIFY, pNMHDR->code, nID))
        (this->*std::get<AFX_PMSG_NOTIFY>(e->pfn))(pNMHDR, pResult);
}

void CWnd::SendSysCommand(UINT nID, LPARAM lParam)
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_SYSCOMMAND, 0, 0))
        (this->*std::get<AFX_PMSG_SYSCOMMAND>(e->pfn))(nID, lParam);
    else
        OnSysCommand(nID, lParam);
}

void CWnd::SendPaint()
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_PAINT, 0, 0))
        (this->*std::get<AFX_PMSG>(e->pfn))();
    else
        OnPaint();
}

void CWnd::SendDestroy()
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_DESTROY, 0, 0))
        (this->*std::get<AFX_PMSG>(e->pfn))();
    else
        OnDestroy();
}

HCURSOR CWnd::SendQueryDragIcon()
{
    if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_QUERYDRAGICON, 0, 0))
        return (this->*std::get<AFX_PMSG_CURSOR>(e->pfn))();
    return nullptr;
}

void CWnd::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == SC_CLOSE)
        SendCommand(IDCANCEL);
}

void CWnd::OnPaint() {}

void CWnd::OnDestroy() {}

void CWnd::OnDefaultCommand(UINT) {}

// ---- data exchange ------------------------------------------------------------

namespace {

EditField* FieldOf(CDataExchange* pDX, int nIDC)
{
    const auto* dialog = dynamic_cast<const CDialog*>(pDX->m_pDlgWnd);
    return dialog ? dialog->FindEditField(nIDC) : nullptr;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    QWidget* widget = pDX->m_pDlgWnd->FindControl(nIDC);
    if (widget && rControl.GetSafeWidget() != widget) {
        rControl.Attach(widget, pDX->m_pDlgWnd);
        if (auto* dialog = dynamic_cast<CDialog*>(pDX->m_pDlgWnd))
            dialog->AddChild(&rControl);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    EditField* field = FieldOf(pDX, nIDC);
    if (!field)
        return;
    if (pDX->m_bSaveAndValidate)
        value = field->GetBytes();
    else
        field->SetBytes(value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    EditField* field = FieldOf(pDX, nIDC);
    if (!field)
        return;
    if (!pDX->m_bSaveAndValidate) {
        char buffer[16];
        field->SetBytes(_itoa(value, buffer, 10));
        return;
    }
    std::string text = field->GetBytes().str();
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string::npos) {
        pDX->m_bFailed = true;
        return;
    }
    int parsed = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    const auto [ptr, ec] = std::from_chars(begin, end, parsed);
    if (ec != std::errc() || ptr != end) {
        pDX->m_bFailed = true;  // not an integer: the member keeps its value
        return;
    }
    value = parsed;
}

// ---- painting -------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd)
{
    if (pWnd && pWnd->GetSafeWidget())
        m_pPainter = new QPainter(pWnd->GetSafeWidget());
}

CPaintDC::~CPaintDC()
{
    delete m_pPainter;
}

void CPaintDC::DrawIcon(int x, int y, HICON hIcon)
{
    if (m_pPainter && hIcon)
        m_pPainter->drawPixmap(x, y, AfxIconOf(hIcon).pixmap(32, 32));
}

int GetSystemMetrics(int nIndex)
{
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0;
}
