// The application object: start-up, the one failure that ends the program
// before any window, and the main dialog as built from its template.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CWinApp.h"
#include "DiaryApp.h"
#include "Icon.h"
#include "TestSupport.h"

class AppTest : public FolderTest {
protected:
    void TearDown() override
    {
        AfxSetSocketInitProbe({});
        FolderTest::TearDown();
    }
};

TEST_F(AppTest, WithoutSocketsTheProgramEndsBeforeAnyWindow)
{
    AfxSetSocketInitProbe([] { return false; });
    CDiaryApp* app = static_cast<CDiaryApp*>(AfxGetApp());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->InitInstance(), FALSE);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(boxes.shown[0].caption, AfxGetAppName().str());
    EXPECT_EQ(boxes.shown[0].flags, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(AfxGetActiveDialog(), nullptr);
    EXPECT_TRUE(FolderEntries().empty());  // nothing read or written
}

TEST_F(AppTest, InitInstanceRunsTheDialogAndSavesWhenItEnds)
{
    EXPECT_TRUE(AfxSocketInit());
    WriteBytes("vl.dat", DiaryBytes({{"2004-01-01", "kept", "as is"}}));
    bool shown = false;
    WhenModalOpens([&shown](QWidget* window) {
        shown = true;
        EXPECT_EQ(window->windowTitle(), "Velmora");
        EXPECT_FALSE(window->windowIcon().isNull());
        EXPECT_EQ(AfxGetMainWnd(), AfxGetActiveDialog());
        QTest::keyClick(window, Qt::Key_Escape);
    });
    EXPECT_EQ(AfxGetApp()->InitInstance(), FALSE);
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadBytes("vl.dat"), DiaryBytes({{"2004-01-01", "kept", "as is"}}));
}

class MainDialogTest : public DiaryTest {};

TEST_F(MainDialogTest, ControlsStandWhereTheTemplatePutsThem)
{
    Open();
    Show();
    QWidget* window = dlg->GetSafeWidget();
    EXPECT_EQ(window->windowTitle(), "Velmora");
    // Buttons with their texts; Quit is the default button.
    const std::pair<int, const char*> buttons[] = {{IDC_SELECT, "Select"}, {IDC_ADD, "Add"},
                                                   {IDC_UPDATE, "Update"}, {IDC_REMOVE, "Remove"},
                                                   {IDC_CLEAR, "Clear"},   {IDC_OUTPUT, "Output"},
                                                   {IDC_HELP_BUTTON, "Help"}, {IDOK, "Quit"}};
    for (const auto& [id, text] : buttons) {
        auto* button = qobject_cast<QPushButton*>(Control(id));
        ASSERT_NE(button, nullptr) << text;
        EXPECT_EQ(button->text(), text);
        EXPECT_EQ(button->isDefault(), id == IDOK) << text;
    }
    EXPECT_TRUE(qobject_cast<QLineEdit*>(Control(IDC_DATE))->isReadOnly());
    EXPECT_TRUE(qobject_cast<QLineEdit*>(Control(IDC_ENTRIES))->isReadOnly());
    EXPECT_FALSE(qobject_cast<QLineEdit*>(Control(IDC_TITLE))->isReadOnly());
    auto* text = qobject_cast<QPlainTextEdit*>(Control(IDC_TEXT));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
    // Relative places: Date above Title above Text above the list; the
    // buttons in a column to the right; the footer at the bottom.
    auto top = [this](int id) { return Control(id)->geometry().top(); };
    EXPECT_LT(top(IDC_DATE), top(IDC_TITLE));
    EXPECT_LT(top(IDC_TITLE), top(IDC_TEXT));
    EXPECT_LT(top(IDC_TEXT), top(IDC_LIST));
    EXPECT_LT(top(IDOK), top(IDC_ADD));
    EXPECT_LT(top(IDC_CLEAR), top(IDC_OUTPUT));
    EXPECT_LT(top(IDC_OUTPUT), top(IDC_ENTRIES));
    EXPECT_LT(top(IDC_ENTRIES), top(IDC_HELP_BUTTON));
    EXPECT_GT(Control(IDC_ADD)->geometry().left(), Control(IDC_LIST)->geometry().right());
    auto* footer = qobject_cast<QLabel*>(Control(IDC_FOOTER));
    ASSERT_NE(footer, nullptr);
    EXPECT_TRUE(footer->text().contains("Velmora"));
    EXPECT_TRUE(footer->text().contains("v1.01"));
    EXPECT_GT(top(IDC_FOOTER), Control(IDC_LIST)->geometry().bottom());
    // Every control lies inside the fixed-size window.
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(window->rect().contains(child->geometry())) << child->metaObject()->className();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(MainDialogTest, ClearEmptiesTheFieldsAndNothingElse)
{
    Open();
    Show();
    dlg->m_list.InsertItem(0, "2004-01-01");
    SetFields("2004-01-01", "t", "x");
    dlg->RefreshEntryCount();
    QTest::mouseClick(Control(IDC_CLEAR), Qt::LeftButton);
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "");
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "1");
    EXPECT_EQ(dlg->m_list.GetItemCount(), 1);
}
