// CListCtrl: the list control in report view. A row index that names no row
// reads as an empty text; setting or deleting it changes nothing.
#pragma once

#include "CWnd.h"

class ListView;

class CHeaderCtrl {
public:
    explicit CHeaderCtrl(const ListView* pView) : m_pView(pView) {}
    int GetItemCount() const;

private:
    const ListView* m_pView;
};

class CListCtrl : public CWnd {
public:
    CListCtrl() = default;

    int GetItemCount() const;
    // Inserts a row at nItem (past the end: at the end) with the Date cell's
    // text; returns its index. Image, state and item data are not kept.
    int InsertItem(UINT nMask, int nItem, const CString& text, UINT nState, UINT nStateMask, int nImage,
                   LPARAM lParam);
    int InsertItem(int nItem, const CString& text);
    BOOL SetItemText(int nItem, int nSubItem, const CString& text);
    BOOL SetItemText(int nItem, int nSubItem, CString&& text);  // takes the text over
    CString GetItemText(int nItem, int nSubItem) const;
    // Exchanges all texts of two rows; the rows keep their selection and
    // focus state. FALSE when either index names no row.
    BOOL SwapItemTexts(int nItemA, int nItemB);
    BOOL DeleteItem(int nItem);
    int GetSelectionMark() const;
    int SetSelectionMark(int iIndex);

    int InsertColumn(int nCol, const CString& heading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    int GetColumnWidth(int nCol) const;
    // nWidth: pixels, LVSCW_AUTOSIZE (widest cell) or LVSCW_AUTOSIZE_USEHEADER
    // (heading; the last column reaches the right edge).
    BOOL SetColumnWidth(int nCol, int nWidth);
    // Replaces the extended styles; LVS_EX_FULLROWSELECT is the one known.
    void SetExtendedStyle(unsigned dwNewStyle);
    CHeaderCtrl* GetHeaderCtrl();

    void SetRedraw(BOOL bRedraw = TRUE);
    void Invalidate(BOOL bErase = TRUE);

    void Attach(QWidget* pWidget, CWnd* pParent) override;
    void Detach() override;
    ListView* View() const { return m_pView; }

private:
    ListView* m_pView = nullptr;
    CHeaderCtrl m_header{nullptr};
};
