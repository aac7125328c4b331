// The diary file "vl.dat": a CREATOR line, then one DATE/TITLE/TEXT group per
// entry, bottom row first, groups separated by an empty line, CR LF line ends.
#include "DiaryDlg.h"
#include "TextFile.h"

namespace {

const char kDiaryFile[] = "vl.dat";

}  // namespace

void CDiaryDlg::SaveDiary()
{
    ReverseRows();
    m_list.SetRedraw(FALSE);
    ClearFields();
    UpdateData(TRUE);

    // A diary that could not be read at start is not overwritten by the
    // partial list; neither is a file we may not write.
    bool bSaved = false;
    if (!m_bDiaryUnreadable) {
        CTextOutStream file(kDiaryFile);
        if (!file.fail()) {
            CString strRecord = "CREATOR=VL 1.0";
            const int n = m_list.GetItemCount();
            for (int i = 0; i < n; ++i) {
                CopyRowToFields(i);
                // Every line break of the text becomes "<br>", so a TEXT
                // line never breaks; date and title never hold one either.
                CString strText = m_strText;
                strText.Replace("\r\n", "<br>");
                strText.Replace("\n", "<br>");
                CString strDate = m_strDate;
                strDate.Replace("\n", " ");
                CString strTitle = m_strTitle;
                strTitle.Replace("\n", " ");
                strRecord += "\nDATE=" + strDate;
                strRecord += "\nTITLE=" + strTitle;
                strRecord += "\nTEXT=" + strText;
                strRecord += "\n";
                ClearFields();
                file.write(strRecord.view());
                strRecord.Empty();
            }
            // With no rows nothing is written: an empty diary is an empty file.
            bSaved = file.close();
        }
    }
    if (!bSaved)
        MessageBox("Save to File", "Error Writing File", MB_OK);

    ReverseRows();
    m_list.SetRedraw(TRUE);
    m_list.Invalidate(TRUE);
    ClearFields();
    UpdateData(FALSE);
}

void CDiaryDlg::LoadDiary()
{
    UpdateData(TRUE);
    CTextInStream file(kDiaryFile);
    if (file.fail()) {
        // A diary that exists but cannot be read must survive this run.
        m_bDiaryUnreadable = file.existed();
    } else {
        CString strLine;
        char ch;
        bool bMore = true;
        while (bMore) {
            bMore = file.get(ch);
            if (bMore)
                strLine += ch;
            // A line ends at its line feed; a last line without one counts too.
            const bool bLineEnds = bMore ? ch == '\n' : !strLine.IsEmpty();
            if (!bLineEnds)
                continue;
            strLine.TrimRight();
            const std::string& line = strLine.str();
            const std::size_t equals = line.find('=');
            const CString strKey = line.substr(0, equals);
            const CString strValue = equals == std::string::npos ? std::string() : line.substr(equals + 1);
            if (strKey == "DATE") {
                if (!m_strDate.IsEmpty()) {
                    UpdateData(FALSE);
                    InsertRowFromFields();
                }
                // A new entry starts empty: a group without a TITLE or TEXT
                // line must not inherit the previous entry's.
                m_strTitle.Empty();
                m_strText.Empty();
                m_strDate = strValue;
            } else if (strKey == "TITLE") {
                m_strTitle = strValue;
            } else if (strKey == "TEXT") {
                m_strText = strValue;
                m_strText.Replace("<br>", "\r\n");
            }
            strLine.Empty();
        }
        if (file.readError())
            m_bDiaryUnreadable = true;
        file.close();
    }
    if (!m_strDate.IsEmpty()) {
        UpdateData(FALSE);
        InsertRowFromFields();
    }
    ClearFields();
    UpdateData(FALSE);
}
