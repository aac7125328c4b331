// Entering entries: Add, Update, Remove, Clear and the click on a row.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "CWinApp.h"
#include "ListView.h"
#include "TestSupport.h"

namespace {

const char kNoDate[] = "No Date Set.\r\nNo entry added.\r\nPlease add a date.";
const char kDuplicate[] = "This entry is already in the list.\r\nDo you really want to add this item?";

}  // namespace

class EditingTest : public DiaryTest {
protected:
    void Add(const CString& date, const CString& title, const CString& text)
    {
        SetFields(date, title, text);
        dlg->OnAdd();
    }
};

TEST_F(EditingTest, AddPutsEntriesOnTopAndKeepsTheFields)
{
    Open();
    Add("2004-07-12", "Trip", "Train\r\nBack");
    EXPECT_EQ(Rows(), std::vector<std::string>{"2004-07-12|Trip|Train\r\nBack"});
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "1");
    EXPECT_EQ(Field(IDC_TITLE).str(), "Trip");
    EXPECT_EQ(Field(IDC_TEXT).str(), "Train\r\nBack");
    Add("2001-01-01", "", "");  // an earlier date still goes on top
    Add("2009-09-09", "Last", "");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2009-09-09|Last|", "2001-01-01||", "2004-07-12|Trip|Train\r\nBack"}));
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "3");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EditingTest, AddWithoutADateShowsTheErrorAndAddsNothing)
{
    Open();
    Add("", "Title", "Text");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kNoDate);
    EXPECT_EQ(boxes.shown[0].caption, "Error");
    EXPECT_EQ(boxes.shown[0].flags, MB_OK);
    EXPECT_EQ(boxes.shown[0].owner, dlg.get());
    EXPECT_EQ(dlg->m_list.GetItemCount(), 0);
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "0");
    EXPECT_EQ(Field(IDC_TITLE).str(), "Title");
}

TEST_F(EditingTest, DuplicateQuestionOnSameDateAndTitle)
{
    struct Case {
        const char* date;
        const char* title;
        const char* text;
        int answer;  // 0: no question expected
        int rowsAfter;
    };
    const Case cases[] = {
        {"2004-07-09", "Party", "cake", IDYES, 2},   // all three equal, Yes
        {"2004-07-09", "Party", "cake", IDNO, 1},    // all three equal, No
        {"2004-07-09", "Party", "other", IDNO, 1},   // same date and title
        {"2004-07-10", "Party", "cake", 0, 2},       // another date
        {"2004-07-09", "party", "cake", 0, 2},       // the title differs in case
        {"2004-07-09", "Party ", "cake", 0, 2},      // nothing is trimmed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.title + " " + std::to_string(c.answer));
        Open();
        Add("2004-07-09", "Party", "cake");
        boxes.shown.clear();
        if (c.answer)
            boxes.Answer(c.answer);
        Add(c.date, c.title, c.text);
        EXPECT_EQ(dlg->m_list.GetItemCount(), c.rowsAfter);
        ASSERT_EQ(boxes.shown.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(boxes.shown[0].text, kDuplicate);
            EXPECT_EQ(boxes.shown[0].caption, AfxGetAppName().str());
            EXPECT_EQ(boxes.shown[0].flags, MB_YESNO | MB_ICONEXCLAMATION);
            EXPECT_EQ(Field(IDC_TEXT).str(), c.text);  // the fields stay either way
        }
        dlg.reset();
    }
}

TEST_F(EditingTest, ClickUpdateAndRemoveActOnTheRowTheUserPicked)
{
    Open();
    Show();
    Add("2004-01-01", "A", "a");
    Add("2004-01-02", "B", "b");
    Add("2004-01-03", "C", "c");  // rows: C B A

    ClickRow(1);
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "2004-01-02Bb");
    // A click below the rows is a click in the list too: the marked row again.
    dlg->ClearFields();
    QWidget* viewport = dlg->m_list.View()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(5, viewport->height() - 3));
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 1);
    EXPECT_EQ(Field(IDC_TITLE).str(), "B");

    SetFields("2004-01-02", "B changed", "b\r\nmore");
    dlg->OnUpdate();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2004-01-03|C|c", "2004-01-02|B changed|b\r\nmore", "2004-01-01|A|a"}));
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "");
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "3");

    // Update with an empty date changes no row but empties the fields.
    SetFields("", "lost", "lost");
    dlg->OnUpdate();
    EXPECT_EQ(dlg->m_list.GetItemText(1, 1).str(), "B changed");
    EXPECT_EQ(Field(IDC_TITLE).str(), "");

    // Update that makes two rows equal asks nothing.
    SetFields("2004-01-03", "C", "c");
    dlg->OnUpdate();
    EXPECT_EQ(dlg->m_list.GetItemText(1, 1).str(), "C");
    EXPECT_TRUE(boxes.shown.empty());

    ClickRow(2);
    dlg->OnRemove();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2004-01-03|C|c", "2004-01-03|C|c"}));
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "2");
    EXPECT_EQ(Field(IDC_TITLE).str(), "A");  // the removed entry is still in the fields
    // The marked row is gone: a second Remove deletes nothing.
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), -1);
    dlg->OnRemove();
    EXPECT_EQ(dlg->m_list.GetItemCount(), 2);
    // Adding it back asks nothing: it is no longer in the list.
    dlg->OnAdd();
    EXPECT_EQ(dlg->m_list.GetItemText(0, 1).str(), "A");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(EditingTest, WithoutASelectionNothingChanges)
{
    Open();
    Add("2004-01-01", "A", "a");
    ASSERT_EQ(dlg->m_list.GetSelectionMark(), -1);
    dlg->OnRemove();
    EXPECT_EQ(dlg->m_list.GetItemCount(), 1);
    SetFields("2004-09-09", "Z", "z");
    dlg->OnUpdate();
    EXPECT_EQ(Rows(), std::vector<std::string>{"2004-01-01|A|a"});
    EXPECT_EQ(Field(IDC_DATE).str(), "");
    // A click in the list while nothing is marked empties the fields.
    SetFields("2004-09-09", "Z", "z");
    NMHDR hdr{nullptr, IDC_LIST, NM_CLICK};
    LRESULT result = 1;
    dlg->OnClickList(&hdr, &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "");
}

TEST_F(EditingTest, TheMarkFollowsItsRowAndTheKeyboardDoesNotCopy)
{
    Open();
    Show();
    Add("2004-01-01", "A", "a");
    Add("2004-01-02", "B", "b");
    ClickRow(1);  // A
    dlg->ClearFields();
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 1);
    EXPECT_EQ(dlg->m_list.GetItemCount(), 2);  // Clear leaves list and mark alone
    Add("2004-01-03", "C", "c");               // inserted above the mark
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 2);
    EXPECT_EQ(dlg->m_list.GetItemText(2, 1).str(), "A");

    dlg->ClearFields();
    QWidget* list = Control(IDC_LIST);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);  // a keyboard move marks, but does not copy
    EXPECT_EQ(dlg->m_list.GetSelectionMark(), 1);
    EXPECT_EQ(Field(IDC_TITLE).str(), "");
    dlg->OnRemove();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2004-01-03|C|c", "2004-01-01|A|a"}));
}

TEST_F(EditingTest, TheWholeRoadWithTheKeyboardAlone)
{
    Open();
    Show();
    QWidget* window = dlg->GetSafeWidget();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(Control(IDC_DATE)->hasFocus());  // the first control in tab order

    auto focus = [window] { return window->focusWidget(); };
    auto key = [&focus](Qt::Key k) { QTest::keyClick(focus(), k); };
    key(Qt::Key_Tab);
    ASSERT_EQ(focus(), Control(IDC_SELECT));
    WhenModalOpens([](QWidget* dateDialog) {
        QWidget* inside = dateDialog->focusWidget();
        QTest::keyClick(inside ? inside : dateDialog, Qt::Key_Return);
    });
    key(Qt::Key_Space);  // Select: the date dialog, Return takes today
    QTRY_VERIFY(!Field(IDC_DATE).IsEmpty());
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(Field(IDC_DATE).str(), today.toStdString());

    key(Qt::Key_Tab);
    ASSERT_EQ(focus(), Control(IDC_TITLE));
    QTest::keyClicks(focus(), "By keyboard");
    key(Qt::Key_Tab);
    ASSERT_EQ(focus(), Control(IDC_TEXT));
    QTest::keyClicks(focus(), "line one");
    key(Qt::Key_Return);
    QTest::keyClicks(focus(), "line two");
    key(Qt::Key_Tab);  // the list
    key(Qt::Key_Tab);
    ASSERT_EQ(focus(), Control(IDC_ADD));
    key(Qt::Key_Space);
    QTRY_COMPARE(dlg->m_list.GetItemCount(), 1);
    EXPECT_EQ(Rows(), std::vector<std::string>{today.toStdString() + "|By keyboard|line one\r\nline two"});
    EXPECT_TRUE(boxes.shown.empty());
}
