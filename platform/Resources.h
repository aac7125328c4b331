// The program's resources as data: dialog templates, the string table and
// icons. The layer declares how they look and how they are found; the
// program supplies them (res/), the way resources are part of a program file.
#pragma once

#include <cstddef>

#include "WinTypes.h"

// Window and control styles of dialog templates.
enum DialogStyle : unsigned {
    WS_POPUP = 1u << 0,
    WS_VISIBLE = 1u << 1,
    WS_CAPTION = 1u << 2,
    WS_SYSMENU = 1u << 3,
    DS_MODALFRAME = 1u << 4,
    DS_SETFONT = 1u << 5,
    WS_TABSTOP = 1u << 6,
    WS_GROUP = 1u << 7,
    WS_BORDER = 1u << 8,
    WS_CHILD = 1u << 9,
    ES_READONLY = 1u << 10,
    ES_AUTOHSCROLL = 1u << 11,
    ES_MULTILINE = 1u << 12,
    ES_WANTRETURN = 1u << 13,
    LVS_REPORT = 1u << 14,
    LVS_SINGLESEL = 1u << 15,
    BS_DEFPUSHBUTTON = 1u << 16,
    SS_ICON = 1u << 17,
    WS_EX_APPWINDOW = 1u << 18,
};

enum class ControlKind { Edit, PushButton, Static, ListView, MonthCalendar };

struct DialogItemTemplate {
    ControlKind kind;
    int id;            // -1 for static texts nobody addresses
    const char* text;  // caption, or for an SS_ICON static the icon id as decimal text
    int x, y, cx, cy;  // dialog units
    unsigned style;
};

struct DialogTemplate {
    UINT id;
    const char* caption;
    int x, y, cx, cy;  // dialog units
    const char* fontName;
    int pointSize;
    unsigned style;
    const DialogItemTemplate* items;
    std::size_t itemCount;
};

// Looked up by the layer; defined by the program's resources.
const DialogTemplate* AfxFindDialogTemplate(UINT id);
const char* AfxFindStringResource(UINT id);
// XPM image of an icon at the given pixel size (32 or 16), or nullptr.
const char* const* AfxFindIconImage(UINT id, int size);
