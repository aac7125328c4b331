// CDiaryDlg: Velmora's main dialog. Its list control is the diary while the
// program runs; the field record (m_strDate, m_strTitle, m_strText,
// m_nEntries) carries every entry between the edit fields, the list, the
// diary file and the report.
#pragma once

#include "CDialog.h"
#include "CListCtrl.h"
#include "resource.h"

// One column of the entry list; its position in g_columns is its index.
struct ColumnDef {
    const char* pszHeading;
    int nFormat;
};

extern const ColumnDef g_columns[3];

class CDiaryDlg : public CDialog {
public:
    explicit CDiaryDlg(CWnd* pParent = nullptr);
    ~CDiaryDlg() override;

    enum { IDD = IDD_VELMORA_DIALOG };

    CString m_strReportFile;
    CListCtrl m_list;
    CString m_strText;
    CString m_strDate;
    int m_nEntries;
    CString m_strTitle;
    HICON m_hIcon;

    // Entry list operations.
    void SetupColumns();
    void AutoSizeColumns();
    void RefreshEntryCount();
    void CopyRowToFields(int nRow);
    void InsertRowFromFields();
    void ClearFields();
    void ReverseRows();
    void ExchangeRows(int nRowA, int nRowB);

    // The diary file.
    void LoadDiary();
    void SaveDiary();

    // Column sorting.
    void OnColumnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    void SortByColumn(int nColumn);

    // Whole-file helpers and the HTML report.
    CString LoadTextFile(CString strFileName);
    int SaveTextFile(CString strFileName, CString strText);
    void OnOutput();
    void GenerateReport();

    // Editing commands.
    void OnAdd();
    void AddEntry();
    BOOL IsDuplicateEntry();
    void OnUpdate();
    void UpdateEntry();
    void OnRemove();
    void RemoveEntry();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);

    // Date selection.
    void OnSelect();
    void SelectDate();

    // Help.
    void OnHelp();

    // Window.
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnDestroy();

    static const AFX_MSGMAP* GetThisMessageMap();
    const AFX_MSGMAP* GetMessageMap() const override;

private:
    // "vl.dat" exists but could not be read whole at start: saving the list
    // over it would lose entries, so it is left alone.
    bool m_bDiaryUnreadable = false;
};
