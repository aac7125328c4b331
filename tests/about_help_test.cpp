// The system menu's About item and box, Help and F1.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CMenu.h"
#include "OpenRecorder.h"
#include "TestSupport.h"

namespace {

const std::string kHelpPage = "https://" VELMORA_WEB_HOST "/velmora/help.htm";

}  // namespace

class AboutHelpTest : public DiaryTest {};

TEST_F(AboutHelpTest, TheSystemMenuEndsWithASeparatorAndTheAboutItem)
{
    Open();
    CMenu* menu = dlg->GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    const int n = menu->GetMenuItemCount();
    ASSERT_GE(n, 3);
    EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
    EXPECT_EQ(menu->GetMenuItemID(n - 2), 0u);  // the separator
    EXPECT_EQ(menu->GetMenuItemText(n - 1).str(), "&About Velmora...");
    EXPECT_EQ(menu->GetMenuItemID(n - 1), static_cast<UINT>(IDM_ABOUTBOX));
}

TEST_F(AboutHelpTest, TheAboutBoxClosesEveryWayAndChangesNothing)
{
    Open();
    SetFields("2004-01-01", "title", "text");
    const std::vector<std::string> ways = {"OK", "Enter", "Escape", "close box"};
    for (const std::string& way : ways) {
        SCOPED_TRACE(way);
        bool seen = false;
        QTimer::singleShot(0, [&way, &seen] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "About Velmora");
            bool version = false;
            for (QLabel* label : box->findChildren<QLabel*>())
                version = version || label->text() == "Velmora Version 1.0";
            EXPECT_TRUE(version);
            seen = true;
            QPushButton* ok = box->findChild<QPushButton*>();
            ASSERT_NE(ok, nullptr);
            if (way == "OK")
                ok->click();
            else if (way == "Enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (way == "Escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        // The About item as the menu sends it (any of the low four bits set).
        dlg->SendSysCommand(IDM_ABOUTBOX | 0x3, 0);
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_FALSE(dlg->IsEnded());
    }
    EXPECT_EQ(Field(IDC_TITLE).str(), "title");
}

TEST_F(AboutHelpTest, HelpButtonAndF1OpenTheHelpPage)
{
    Open();
    Show();
    dlg->m_list.InsertItem(0, "2004-01-01");
    SetFields("d", "t", "x");
    OpenRecorder opened;
    QTest::mouseClick(Control(IDC_HELP_BUTTON), Qt::LeftButton);
    dlg->OnHelp();
    EXPECT_EQ(opened.Calls(2), (std::vector<std::string>{kHelpPage, kHelpPage}));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(Field(IDC_DATE).str() + Field(IDC_TITLE).str() + Field(IDC_TEXT).str(), "dtx");
    EXPECT_EQ(dlg->m_list.GetItemCount(), 1);

    // F1 is the application's Help command.
    QTest::keyClick(dlg->GetSafeWidget(), Qt::Key_F1);
    EXPECT_EQ(opened.Calls(3).size(), 3u);
}

TEST_F(AboutHelpTest, ARightClickOnTheFreeAreaOpensTheSystemMenu)
{
    Open();
    Show();
    QWidget* window = dlg->GetSafeWidget();
    bool aboutShown = false;
    QTimer::singleShot(0, [&aboutShown] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* about = menu->actions().constLast();
        EXPECT_EQ(about->text(), "&About Velmora...");
        WhenModalOpens([&aboutShown](QWidget* box) {
            aboutShown = box->windowTitle() == "About Velmora";
            QTest::keyClick(box, Qt::Key_Escape);
        });
        menu->close();
        about->trigger();
    });
    // A right click on the dialog itself, below the Entries field.
    const QPoint at = Control(IDC_ENTRIES)->geometry().bottomLeft() + QPoint(0, 40);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window->mapToGlobal(at));
    QApplication::sendEvent(window, &event);
    QTRY_VERIFY(aboutShown);
    EXPECT_FALSE(dlg->IsEnded());
}
