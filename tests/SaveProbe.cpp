// Opens Velmora's main dialog in the working folder, optionally adds one
// entry ("probe <date> <title>"), and destroys the window, which saves the
// diary. Every message box is printed as "BOX<tab>text<tab>caption".
#include <cstdio>

#include <QApplication>

#include "DiaryApp.h"
#include "DiaryDlg.h"
#include "MessageBox.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    CDiaryApp app;
    QApplication qapp(argc, argv);
    AfxSetMessageBoxHook([](const MessageBoxRequest& request) {
        std::printf("BOX\t%s\t%s\n", request.text.GetString(), request.caption.GetString());
        return (request.nType & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    });
    CDiaryDlg dlg;
    if (!dlg.Create())
        return 2;
    std::printf("ROWS\t%d\n", dlg.m_list.GetItemCount());
    if (argc >= 3) {
        dlg.m_strDate = argv[1];
        dlg.m_strTitle = argv[2];
        dlg.UpdateData(FALSE);
        dlg.OnAdd();
    }
    dlg.DestroyWindow();
    return 0;
}
