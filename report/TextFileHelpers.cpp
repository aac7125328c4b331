// Reading and writing a whole text file in text mode.
#include "DiaryDlg.h"
#include "TextFile.h"

CString CDiaryDlg::LoadTextFile(CString strFileName)
{
    CString strText;
    CTextInStream file(strFileName);
    if (file.fail()) {
        MessageBox("Error loading file", "Error", MB_OK);
        return strText;
    }
    char ch;
    while (file.get(ch))
        strText += ch;
    file.close();
    return strText;
}

int CDiaryDlg::SaveTextFile(CString strFileName, CString strText)
{
    CTextOutStream file(strFileName);
    if (!file.fail()) {
        file.write(strText.view());
        // Success only when every byte reached the disk and the file is in place.
        if (file.close())
            return 1;
    }
    MessageBox("Save to File", "Error Saving File.", MB_OK);
    return -1;
}
