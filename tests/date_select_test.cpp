// Select and the "Date Selection" dialog: the day chosen in the calendar
// becomes a ten-character date text, in every time zone.
#include <cstdlib>
#include <ctime>

#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CTime.h"
#include "TestSupport.h"

namespace {

void UseTimeZone(const char* zone)
{
    setenv("TZ", zone, 1);
    tzset();
}

QCalendarWidget* OpenCalendar()
{
    QWidget* dialog = QApplication::activeModalWidget();
    return dialog ? dialog->findChild<QCalendarWidget*>() : nullptr;
}

}  // namespace

class DateSelectTest : public DiaryTest {
protected:
    void TearDown() override
    {
        unsetenv("TZ");
        tzset();
        DiaryTest::TearDown();
    }

    // Runs Select; inside the dialog, picks `day` (if valid) and ends with `key`.
    std::string Select(const QDate& day, Qt::Key key, QDate* shownAtOpen = nullptr)
    {
        QTimer::singleShot(0, [day, key, shownAtOpen] {
            QCalendarWidget* calendar = OpenCalendar();
            ASSERT_NE(calendar, nullptr);
            if (shownAtOpen)
                *shownAtOpen = calendar->selectedDate();
            if (day.isValid())
                calendar->setSelectedDate(day);
            QTest::keyClick(calendar, key);
        });
        dlg->OnSelect();
        return Field(IDC_DATE).str();
    }
};

TEST_F(DateSelectTest, EveryDayGivesItsOwnDateTextInEveryZone)
{
    Open();
    const char* zones[] = {"UTC", "America/Sao_Paulo", "Europe/Berlin", "Pacific/Auckland", "America/St_Johns",
                           "Asia/Kathmandu"};
    const QDate days[] = {
        QDate(1601, 1, 1),  QDate(1969, 12, 31), QDate(1970, 1, 1),  QDate(2004, 7, 9),   QDate(2038, 1, 19),
        QDate(2038, 1, 20), QDate(9999, 12, 31), QDate(2018, 11, 4), QDate(2018, 2, 18),  // Sao Paulo's changes
        QDate(2004, 3, 28), QDate(2004, 10, 31),                                          // Berlin's
        QDate(2024, 9, 29), QDate(2024, 4, 7),                                            // Auckland's
    };
    for (const char* zone : zones) {
        UseTimeZone(zone);
        for (const QDate& day : days) {
            SCOPED_TRACE(std::string(zone) + " " + day.toString(Qt::ISODate).toStdString());
            EXPECT_EQ(Select(day, Qt::Key_Return), day.toString("yyyy-MM-dd").toStdString());
        }
    }
}

TEST_F(DateSelectTest, LocalMidnightThatDoesNotExistStillNamesItsDay)
{
    // In Sao Paulo the clocks went from 00:00 to 01:00 on 2018-11-04.
    UseTimeZone("America/Sao_Paulo");
    CTime t(2018, 11, 4, 0, 0, 0, -1);
    std::tm parts{};
    t.GetLocalTm(&parts);
    EXPECT_EQ(parts.tm_year + 1900, 2018);
    EXPECT_EQ(parts.tm_mon + 1, 11);
    EXPECT_EQ(parts.tm_mday, 4);
    EXPECT_EQ(parts.tm_hour, 1);
    // After 2038 with a 64-bit count.
    CTime late(2100, 6, 1, 0, 0, 0, -1);
    EXPECT_GT(late.GetTime(), 4102444800LL);
}

TEST_F(DateSelectTest, ReturnEscapeAndTheCloseBoxAllTakeTheSelectedDay)
{
    Open();
    SetFields("2004-01-05", "kept title", "kept\r\ntext");
    QDate shownAtOpen;
    EXPECT_EQ(Select(QDate(), Qt::Key_Return, &shownAtOpen), QDate::currentDate().toString("yyyy-MM-dd").toStdString());
    EXPECT_EQ(shownAtOpen, QDate::currentDate());  // opens at today, not at the old date
    EXPECT_EQ(Select(QDate(2004, 3, 5), Qt::Key_Return), "2004-03-05");
    EXPECT_EQ(Select(QDate(2004, 12, 31), Qt::Key_Escape), "2004-12-31");
    QTimer::singleShot(0, [] {
        QCalendarWidget* calendar = OpenCalendar();
        ASSERT_NE(calendar, nullptr);
        calendar->setSelectedDate(QDate(2010, 12, 25));
        QApplication::activeModalWidget()->close();
    });
    dlg->OnSelect();
    EXPECT_EQ(Field(IDC_DATE).str(), "2010-12-25");
    // Title and Text keep their texts, typed or not.
    EXPECT_EQ(Field(IDC_TITLE).str(), "kept title");
    EXPECT_EQ(Field(IDC_TEXT).str(), "kept\r\ntext");
}

TEST_F(DateSelectTest, TheDialogAsBuiltFromItsTemplate)
{
    Open();
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Date Selection");
        QCalendarWidget* calendar = dialog->findChild<QCalendarWidget*>();
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
        EXPECT_EQ(calendar->minimumDate(), QDate(1601, 1, 1));
        EXPECT_EQ(calendar->maximumDate(), QDate(9999, 12, 31));
        QPushButton* today = nullptr;
        QPushButton* ret = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text().startsWith("Today"))
                today = b;
            if (b->text() == "Return")
                ret = b;
        }
        ASSERT_NE(today, nullptr);
        ASSERT_NE(ret, nullptr);
        EXPECT_TRUE(ret->isDefault());
        calendar->setSelectedDate(QDate(2000, 2, 29));
        today->click();  // the link at the foot selects today
        EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
        calendar->setSelectedDate(QDate(2000, 2, 29));
        ret->click();
    });
    dlg->OnSelect();
    EXPECT_EQ(Field(IDC_DATE).str(), "2000-02-29");
}
