// The entry list: columns, sizing, the entry count, and moving entries
// between the rows and the field record.
#include "DiaryDlg.h"

const ColumnDef g_columns[3] = {
    {"Date", LVCFMT_LEFT},
    {"Title", LVCFMT_LEFT},
    {"Text", LVCFMT_LEFT},
};

void CDiaryDlg::SetupColumns()
{
    int nColumn = 0;
    for (const ColumnDef& column : g_columns) {
        m_list.InsertColumn(nColumn, column.pszHeading, column.nFormat, -1, -1);
        ++nColumn;
    }
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    AutoSizeColumns();
}

void CDiaryDlg::AutoSizeColumns()
{
    CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
    if (!pHeader)
        return;
    m_list.SetRedraw(FALSE);
    const int nColumns = pHeader->GetItemCount();
    for (int i = 0; i < nColumns; ++i) {
        // Wide enough for the widest cell and for the heading.
        m_list.SetColumnWidth(i, LVSCW_AUTOSIZE);
        const int nCellWidth = m_list.GetColumnWidth(i);
        m_list.SetColumnWidth(i, LVSCW_AUTOSIZE_USEHEADER);
        const int nHeadingWidth = m_list.GetColumnWidth(i);
        m_list.SetColumnWidth(i, nCellWidth > nHeadingWidth ? nCellWidth : nHeadingWidth);
    }
    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
}

void CDiaryDlg::RefreshEntryCount()
{
    m_nEntries = m_list.GetItemCount();
    UpdateData(FALSE);
}

void CDiaryDlg::CopyRowToFields(int nRow)
{
    UpdateData(TRUE);
    m_strDate = m_list.GetItemText(nRow, 0);
    m_strTitle = m_list.GetItemText(nRow, 1);
    m_strText = m_list.GetItemText(nRow, 2);
    UpdateData(FALSE);
}

void CDiaryDlg::InsertRowFromFields()
{
    UpdateData(TRUE);
    RefreshEntryCount();
    if (m_strDate.IsEmpty())
        return;
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 0, m_strDate, 0, 0, 0, 0);
    m_list.SetItemText(0, 1, m_strTitle);
    m_list.SetItemText(0, 2, m_strText);
    UpdateData(FALSE);
    AutoSizeColumns();
    RefreshEntryCount();
}

void CDiaryDlg::ClearFields()
{
    UpdateData(TRUE);
    m_strDate.Empty();
    m_strText.Empty();
    m_strTitle.Empty();
    UpdateData(FALSE);
}

void CDiaryDlg::ReverseRows()
{
    UpdateData(TRUE);
    const int n = m_list.GetItemCount();
    m_nEntries = n;
    for (int k = 0; k < m_nEntries / 2; ++k)
        ExchangeRows(k, n - 1 - k);
    UpdateData(FALSE);
}

void CDiaryDlg::ExchangeRows(int nRowA, int nRowB)
{
    // Only texts move, all three of each row, whole; the rows keep their
    // selection and focus state.
    m_list.SwapItemTexts(nRowA, nRowB);
}
