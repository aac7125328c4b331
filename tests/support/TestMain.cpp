// Runs the tests with a real application object and toolkit. Listing the
// tests (for CTest's discovery) needs neither.
#include <QApplication>
#include <gtest/gtest.h>

#include "DiaryApp.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    CDiaryApp app;
    QApplication qapp(argc, argv);
    return RUN_ALL_TESTS();
}
