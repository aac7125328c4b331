// The editing commands: Add, Update, Remove and the click on a row.
#include "DiaryDlg.h"
#include "MessageBox.h"

void CDiaryDlg::OnAdd()
{
    UpdateData(TRUE);
    AddEntry();
    UpdateData(FALSE);
}

void CDiaryDlg::AddEntry()
{
    UpdateData(TRUE);
    if (m_strDate.IsEmpty()) {
        MessageBox("No Date Set.\r\nNo entry added.\r\nPlease add a date.", "Error", MB_OK);
        return;
    }
    if (IsDuplicateEntry()) {
        if (AfxMessageBox("This entry is already in the list.\r\nDo you really want to add this item?", MB_YESNO, 0) !=
            IDYES)
            return;
    }
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 0, m_strDate, 0, 0, 0, 0);
    m_list.SetItemText(0, 1, m_strTitle);
    m_list.SetItemText(0, 2, m_strText);
    AutoSizeColumns();
    RefreshEntryCount();
}

BOOL CDiaryDlg::IsDuplicateEntry()
{
    // A duplicate has the same date and the same title, as exact bytes.
    UpdateData(TRUE);
    m_nEntries = m_list.GetItemCount();
    for (int i = 0; i < m_nEntries; ++i) {
        if (_mbscmp(m_list.GetItemText(i, 0), m_strDate) == 0 && _mbscmp(m_list.GetItemText(i, 1), m_strTitle) == 0)
            return TRUE;
    }
    return FALSE;
}

void CDiaryDlg::OnUpdate()
{
    UpdateData(TRUE);
    UpdateEntry();
    UpdateData(FALSE);
}

void CDiaryDlg::UpdateEntry()
{
    UpdateData(TRUE);
    if (!m_strDate.IsEmpty()) {
        const int nRow = m_list.GetSelectionMark();
        m_list.SetItemText(nRow, 0, m_strDate);
        m_list.SetItemText(nRow, 1, m_strTitle);
        m_list.SetItemText(nRow, 2, m_strText);
    }
    AutoSizeColumns();
    ClearFields();
}

void CDiaryDlg::OnRemove()
{
    UpdateData(TRUE);
    RemoveEntry();
    UpdateData(FALSE);
}

void CDiaryDlg::RemoveEntry()
{
    m_list.DeleteItem(m_list.GetSelectionMark());
    AutoSizeColumns();
    RefreshEntryCount();
}

void CDiaryDlg::OnClickList(NMHDR*, LRESULT* pResult)
{
    CopyRowToFields(m_list.GetSelectionMark());
    *pResult = 0;
}
