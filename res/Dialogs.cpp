// Dialog templates: controls in tab order, positions and sizes in dialog units.
#include "Resources.h"
#include "resource.h"

namespace {

constexpr unsigned kChild = WS_CHILD | WS_VISIBLE;
constexpr unsigned kButton = kChild | WS_TABSTOP;
constexpr unsigned kLabel = kChild | WS_GROUP;

const DialogItemTemplate kMainItems[] = {
    {ControlKind::Edit, IDC_DATE, "", 31, 4, 198, 14, kChild | WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL},
    {ControlKind::PushButton, IDC_SELECT, "Select", 230, 4, 26, 14, kButton},
    {ControlKind::Edit, IDC_TITLE, "", 31, 19, 224, 14, kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
    {ControlKind::Edit, IDC_TEXT, "", 31, 34, 224, 50,
     kChild | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL},
    {ControlKind::ListView, IDC_LIST, "List1", 7, 85, 248, 91, kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL},
    {ControlKind::PushButton, IDC_ADD, "Add", 262, 28, 50, 14, kButton},
    {ControlKind::PushButton, IDC_UPDATE, "Update", 262, 42, 50, 14, kButton},
    {ControlKind::PushButton, IDC_REMOVE, "Remove", 262, 56, 50, 14, kButton},
    {ControlKind::PushButton, IDC_CLEAR, "Clear", 262, 70, 50, 14, kButton},
    {ControlKind::PushButton, IDC_OUTPUT, "Output", 262, 90, 50, 14, kButton},
    {ControlKind::PushButton, IDC_HELP_BUTTON, "Help", 262, 147, 50, 14, kButton},
    {ControlKind::PushButton, 1 /* IDOK */, "Quit", 262, 4, 50, 14, kButton | BS_DEFPUSHBUTTON},
    {ControlKind::Static, -1, "Date:", 7, 7, 18, 8, kLabel},
    {ControlKind::Static, -1, "Text:", 7, 36, 17, 8, kLabel},
    {ControlKind::Edit, IDC_ENTRIES, "", 266, 126, 40, 14, kChild | WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL},
    {ControlKind::Static, -1, "Title:", 7, 22, 16, 8, kLabel},
    {ControlKind::Static, -1, "Entries:", 266, 117, 24, 8, kLabel},
    {ControlKind::Static, IDC_FOOTER, "Velmora v1.01 - a small diary", 7, 180, 208, 8, kLabel},
};

const DialogItemTemplate kDateSelectItems[] = {
    {ControlKind::MonthCalendar, IDC_CALENDAR, "MonthCalendar1", 7, 7, 134, 97, kChild | WS_TABSTOP},
    {ControlKind::PushButton, 1 /* IDOK */, "Return", 142, 7, 37, 14, kButton | BS_DEFPUSHBUTTON},
};

const DialogItemTemplate kAboutItems[] = {
    {ControlKind::Static, -1, "128", 11, 17, 20, 20, kChild | SS_ICON},
    {ControlKind::Static, -1, "Velmora Version 1.0", 40, 10, 119, 8, kLabel},
    {ControlKind::PushButton, 1 /* IDOK */, "OK", 178, 7, 50, 14, kButton | WS_GROUP | BS_DEFPUSHBUTTON},
};

constexpr unsigned kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

template <std::size_t N>
constexpr DialogTemplate MakeTemplate(UINT id, const char* caption, int cx, int cy, unsigned style,
                                      const DialogItemTemplate (&items)[N])
{
    return {id, caption, 0, 0, cx, cy, "MS Sans Serif", 8, style, items, N};
}

const DialogTemplate kTemplates[] = {
    MakeTemplate(IDD_VELMORA_DIALOG, "Velmora", 320, 194, kDialogStyle | WS_VISIBLE | WS_EX_APPWINDOW, kMainItems),
    MakeTemplate(IDD_DATE_SELECT, "Date Selection", 186, 113, kDialogStyle, kDateSelectItems),
    MakeTemplate(IDD_ABOUTBOX, "About Velmora", 235, 55, kDialogStyle, kAboutItems),
};

}  // namespace

const DialogTemplate* AfxFindDialogTemplate(UINT id)
{
    for (const DialogTemplate& t : kTemplates)
        if (t.id == id)
            return &t;
    return nullptr;
}
