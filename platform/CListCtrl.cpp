#include "CListCtrl.h"

#include <QHeaderView>

#include "ListView.h"

int CHeaderCtrl::GetItemCount() const
{
    return m_pView ? m_pView->header()->count() : 0;
}

void CListCtrl::Attach(QWidget* pWidget, CWnd* pParent)
{
    CWnd::Attach(pWidget, pParent);
    m_pView = dynamic_cast<ListView*>(pWidget);
    m_header = CHeaderCtrl(m_pView);
}

void CListCtrl::Detach()
{
    CWnd::Detach();
    m_pView = nullptr;
    m_header = CHeaderCtrl(nullptr);
}

int CListCtrl::GetItemCount() const
{
    return m_pView ? m_pView->GetItemCount() : 0;
}

int CListCtrl::InsertItem(UINT nMask, int nItem, const CString& text, UINT, UINT, int, LPARAM)
{
    if (!m_pView)
        return -1;
    return m_pView->InsertItem(nItem, (nMask & LVIF_TEXT) ? text : CString());
}

int CListCtrl::InsertItem(int nItem, const CString& text)
{
    return InsertItem(LVIF_TEXT, nItem, text, 0, 0, 0, 0);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const CString& text)
{
    return m_pView && m_pView->SetItemText(nItem, nSubItem, text) ? TRUE : FALSE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, CString&& text)
{
    return m_pView && m_pView->SetItemText(nItem, nSubItem, std::move(text)) ? TRUE : FALSE;
}

BOOL CListCtrl::SwapItemTexts(int nItemA, int nItemB)
{
    return m_pView && m_pView->SwapItemTexts(nItemA, nItemB) ? TRUE : FALSE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    return m_pView ? m_pView->GetItemText(nItem, nSubItem) : CString();
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return m_pView && m_pView->DeleteItem(nItem) ? TRUE : FALSE;
}

int CListCtrl::GetSelectionMark() const
{
    return m_pView ? m_pView->GetSelectionMark() : -1;
}

int CListCtrl::SetSelectionMark(int iIndex)
{
    if (!m_pView)
        return -1;
    const int old = m_pView->GetSelectionMark();
    m_pView->SetSelectionMark(iIndex);
    return old;
}

int CListCtrl::InsertColumn(int nCol, const CString& heading, int nFormat, int nWidth, int)
{
    return m_pView ? m_pView->InsertColumn(nCol, heading, nFormat, nWidth) : -1;
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return m_pView ? m_pView->GetColumnWidth(nCol) : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int nWidth)
{
    return m_pView && m_pView->SetColumnWidth(nCol, nWidth) ? TRUE : FALSE;
}

void CListCtrl::SetExtendedStyle(unsigned dwNewStyle)
{
    if (m_pView)
        m_pView->SetFullRowSelect((dwNewStyle & LVS_EX_FULLROWSELECT) != 0);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    return m_pView ? &m_header : nullptr;
}

void CListCtrl::SetRedraw(BOOL bRedraw)
{
    if (m_pView)
        m_pView->SetRedraw(bRedraw != FALSE);
}

void CListCtrl::Invalidate(BOOL)
{
    if (m_pView)
        m_pView->InvalidateAll();
}
