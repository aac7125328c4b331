// The entry list: columns and their widths, insertion at the top, the entry
// count, reversing, and rows as positions.
#include <QApplication>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "ListView.h"
#include "TestSupport.h"

class EntryListTest : public DiaryTest {
protected:
    void InsertFields(const CString& date, const CString& title, const CString& text)
    {
        SetFields(date, title, text);
        dlg->InsertRowFromFields();
    }
    int HeadingWidth(int column) const
    {
        return dlg->m_list.View()->header()->fontMetrics().horizontalAdvance(g_columns[column].pszHeading);
    }
};

TEST_F(EntryListTest, ColumnsOfAnEmptyListFitTheirHeadingsAndTheLastFillsTheList)
{
    Open();
    Show();
    QHeaderView* header = dlg->m_list.View()->header();
    ASSERT_EQ(header->count(), 3);
    const char* headings[] = {"Date", "Title", "Text"};
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(dlg->m_list.View()->model()->headerData(c, Qt::Horizontal).toString(), headings[c]);
    const int date = dlg->m_list.GetColumnWidth(0);
    const int title = dlg->m_list.GetColumnWidth(1);
    EXPECT_GE(date, HeadingWidth(0));
    EXPECT_LT(date, HeadingWidth(0) + 40);
    EXPECT_GE(title, HeadingWidth(1));
    EXPECT_LT(title, HeadingWidth(1) + 40);
    EXPECT_EQ(date + title + dlg->m_list.GetColumnWidth(2), dlg->m_list.View()->viewport()->width());
    EXPECT_FALSE(header->isSortIndicatorShown());
}

TEST_F(EntryListTest, InsertingPutsTheNewEntryOnTopAndRefreshesTheCount)
{
    Open();
    InsertFields("2004-01-01", "A", "a");
    InsertFields("2004-01-02", "B", "b");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2004-01-02|B|b", "2004-01-01|A|a"}));
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "2");
    EXPECT_EQ(dlg->m_strDate.str(), "2004-01-02");  // the field record is not cleared

    boxes.shown.clear();
    InsertFields("", "no date", "none");
    EXPECT_EQ(dlg->m_list.GetItemCount(), 2);
    EXPECT_EQ(Field(IDC_TITLE).str(), "no date");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EntryListTest, RefreshingTheCountShowsTheFieldRecordAgain)
{
    Open();
    Show();
    SetFields("2004-01-01", "record", "");
    QApplication::processEvents();
    QTest::keyClicks(Control(IDC_TITLE), " typed");
    dlg->RefreshEntryCount();
    EXPECT_EQ(Field(IDC_TITLE).str(), "record");
}

TEST_F(EntryListTest, CellsOfAnyLengthAndBytesComeBackWhole)
{
    Open();
    const std::string longText = std::string(5000, 'L') + "\r\n" + std::string(3000, 'M');
    dlg->m_list.InsertItem(0, "d");
    EXPECT_TRUE(dlg->m_list.SetItemText(0, 2, longText));
    EXPECT_EQ(dlg->m_list.GetItemText(0, 2).str(), longText);
    // A row that does not exist: reading gives nothing, changing changes nothing.
    EXPECT_EQ(dlg->m_list.GetItemText(-1, 0).str(), "");
    EXPECT_EQ(dlg->m_list.GetItemText(7, 1).str(), "");
    EXPECT_FALSE(dlg->m_list.SetItemText(-1, 1, "x"));
    EXPECT_FALSE(dlg->m_list.DeleteItem(-1));
    EXPECT_EQ(dlg->m_list.GetItemCount(), 1);
    dlg->CopyRowToFields(-1);
    EXPECT_EQ(dlg->m_strDate.str() + dlg->m_strTitle.str() + dlg->m_strText.str(), "");
}

TEST_F(EntryListTest, ReversingMovesTextsButNotTheSelection)
{
    Open();
    Show();
    for (const char* d : {"A", "B", "C", "D"})
        InsertFields(d, d, d);
    // Rows are D C B A; select the second row as a user would.
    ClickRow(1);
    ASSERT_EQ(dlg->m_list.GetSelectionMark(), 1);
    dlg->ReverseRows();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A|A|A", "B|B|B", "C|C|C", "D|D|D"}));
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 1);
    EXPECT_EQ(dlg->m_list.View()->selectionModel()->selectedRows().value(0).row(), 1);
    dlg->ReverseRows();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"D|D|D", "C|C|C", "B|B|B", "A|A|A"}));

    dlg->m_list.DeleteItem(0);  // three rows: the middle one stays
    dlg->ReverseRows();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"A|A|A", "B|B|B", "C|C|C"}));
    EXPECT_EQ(dlg->m_nEntries, 3);
}

TEST_F(EntryListTest, ColumnWidthsKeptUpToDateEqualAFullMeasurement)
{
    Open();
    ListModel* model = dlg->m_list.View()->Model();
    unsigned seed = 7;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int step = 0; step < 600; ++step) {
        const int n = dlg->m_list.GetItemCount();
        const std::string text(1 + next() % 300, static_cast<char>('a' + next() % 26));
        const std::string odd = next() % 5 == 0 ? "\xC3\xA9\xFF\r\n" + text : text;
        switch (next() % 4) {
        case 0:
        case 1:
            dlg->m_list.InsertItem(static_cast<int>(next() % (n + 1)), odd);
            break;
        case 2:
            dlg->m_list.SetItemText(n ? static_cast<int>(next() % n) : 0, static_cast<int>(next() % 3), odd);
            break;
        default:
            dlg->m_list.DeleteItem(n ? static_cast<int>(next() % n) : -1);
            break;
        }
    }
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(model->WidestCell(c), model->MeasureWidestCell(c)) << "column " << c;
    dlg->AutoSizeColumns();
    EXPECT_GE(dlg->m_list.GetColumnWidth(0), model->MeasureWidestCell(0));
}
