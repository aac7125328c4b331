// A click on a column heading: ascending by exact bytes, stable; a list that
// already stands ascending is reversed instead.
#include <algorithm>
#include <array>

#include <QHeaderView>
#include <QTest>
#include <QTreeView>

#include "ListView.h"
#include "TestSupport.h"

namespace {

using Row = std::array<std::string, 3>;

// What one click must leave, worked out the plain way.
std::vector<Row> ReferenceClick(std::vector<Row> rows, int column)
{
    const bool ascending = std::is_sorted(rows.begin(), rows.end(),
                                          [column](const Row& a, const Row& b) { return a[column] < b[column]; });
    if (ascending)
        std::reverse(rows.begin(), rows.end());
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [column](const Row& a, const Row& b) { return a[column] < b[column]; });
    return rows;
}

}  // namespace

class SortingTest : public DiaryTest {
protected:
    void Fill(const std::vector<Row>& rowsTopFirst)
    {
        for (auto it = rowsTopFirst.rbegin(); it != rowsTopFirst.rend(); ++it) {
            dlg->m_list.InsertItem(0, (*it)[0]);
            dlg->m_list.SetItemText(0, 1, (*it)[1]);
            dlg->m_list.SetItemText(0, 2, (*it)[2]);
        }
    }
    std::vector<Row> List() const
    {
        std::vector<Row> rows;
        for (int i = 0; i < dlg->m_list.GetItemCount(); ++i)
            rows.push_back({dlg->m_list.GetItemText(i, 0).str(), dlg->m_list.GetItemText(i, 1).str(),
                            dlg->m_list.GetItemText(i, 2).str()});
        return rows;
    }
    void ClickHeading(int column)
    {
        NMLISTVIEW nm;
        nm.hdr = NMHDR{nullptr, IDC_LIST, LVN_COLUMNCLICK};
        nm.iSubItem = column;
        LRESULT result = 1;
        dlg->OnColumnClickList(&nm.hdr, &result);
        EXPECT_EQ(result, 0);
    }
};

TEST_F(SortingTest, EachClickMatchesTheReferenceOrder)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<int> clicks;
    };
    const Case cases[] = {
        {"dates in calendar order",
         {{"2004-10-01", "b", ""}, {"2003-12-31", "a", ""}, {"2004-02-09", "c", ""}, {"2004-01-01", "d", ""}},
         {0, 0, 0}},
        {"equal titles keep their order, then reverse",
         {{"1", "same", "x"}, {"2", "other", "y"}, {"3", "same", "z"}, {"4", "same", "w"}},
         {1, 1, 1, 1}},
        {"upper case before lower, prefix before longer",
         {{"1", "apple", ""}, {"2", "Zebra", ""}, {"3", "app", ""}, {"4", "", ""}, {"5", "\xC3\xA9t\xC3\xA9", ""}},
         {1, 1}},
        {"every text equal: every click reverses", {{"a", "", ""}, {"b", "", ""}, {"c", "", ""}}, {1, 2, 1}},
        {"line breaks sort before printable text",
         {{"1", "", "a b"}, {"2", "", "a\r\nb"}, {"3", "", "a"}},
         {2, 2}},
        {"two rows swap on every click", {{"2004-01-02", "B", ""}, {"2004-01-01", "A", ""}}, {0, 0, 1, 2}},
        {"title order with dates kept", {{"3", "t", ""}, {"1", "t", ""}, {"2", "s", ""}}, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        Fill(c.rows);
        std::vector<Row> expected = c.rows;
        for (int column : c.clicks) {
            expected = ReferenceClick(expected, column);
            ClickHeading(column);
            EXPECT_EQ(List(), expected) << "after a click on column " << column;
            EXPECT_EQ(Field(IDC_ENTRIES).str(), std::to_string(c.rows.size()));
        }
        dlg.reset();
    }
}

TEST_F(SortingTest, EmptyAndSingleRowListsStayAsTheyAre)
{
    Open();
    ClickHeading(0);
    EXPECT_EQ(dlg->m_list.GetItemCount(), 0);
    Fill({{"2004-01-01", "only", "one"}});
    ClickHeading(1);
    EXPECT_EQ(List(), (std::vector<Row>{{"2004-01-01", "only", "one"}}));
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "1");
}

TEST_F(SortingTest, SelectionFieldsAndWidthsStayPut)
{
    Open();
    Show();
    Fill({{"2004-01-03", "c", ""}, {"2004-01-01", "a", ""}, {"2004-01-02", "b", ""}, {"2004-01-04", "d", ""}});
    dlg->AutoSizeColumns();
    ClickRow(2);
    SetFields("typed", "not yet", "applied");
    const int widths[] = {dlg->m_list.GetColumnWidth(0), dlg->m_list.GetColumnWidth(1), dlg->m_list.GetColumnWidth(2)};

    // A real click on the "Date" heading.
    QHeaderView* header = dlg->m_list.View()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    EXPECT_EQ(dlg->m_list.GetItemText(0, 0).str(), "2004-01-01");
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 2);
    EXPECT_EQ(dlg->m_list.View()->selectionModel()->selectedRows().value(0).row(), 2);
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "typednot yetapplied");
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(dlg->m_list.GetColumnWidth(c), widths[c]);
    EXPECT_FALSE(header->isSortIndicatorShown());

    // Remove acts on the position: the third row, whatever stands there now.
    dlg->OnRemove();
    EXPECT_EQ(List(), (std::vector<Row>{{"2004-01-01", "a", ""}, {"2004-01-02", "b", ""}, {"2004-01-04", "d", ""}}));
}

TEST_F(SortingTest, TheSortedOrderIsWhatIsSavedAndShownAgain)
{
    Open();
    Fill({{"2004-01-03", "c", ""}, {"2004-01-01", "a", ""}, {"2004-01-02", "b", ""}});
    ClickHeading(0);
    Close();
    Open();
    EXPECT_EQ(List(), (std::vector<Row>{{"2004-01-01", "a", ""}, {"2004-01-02", "b", ""}, {"2004-01-03", "c", ""}}));
}
