// Basic types, result codes and flags shared by the framework layer and the
// program. The names are the ones the dialog code is written against; the
// values are this layer's own.
#pragma once

#include <cstdint>

using BOOL = int;
constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Dialog and message box results.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Message box flags: the button set in the low nibble, the icon in the next.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_TYPEMASK = 0x000F;
constexpr UINT MB_ICONHAND = 0x0010;
constexpr UINT MB_ICONQUESTION = 0x0020;
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONASTERISK = 0x0040;
constexpr UINT MB_ICONMASK = 0x00F0;

// Messages a message map can route.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;

constexpr int BN_CLICKED = 0;

// List notifications.
constexpr int NM_CLICK = -2;
constexpr int LVN_COLUMNCLICK = -108;

// System commands.
constexpr UINT SC_CLOSE = 0xF060;

// The application's standard Help command.
constexpr UINT ID_HELP = 0xE146;

// Show commands for ShellExecute.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;

// Menu item flags.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

// List column format and width requests.
constexpr int LVCFMT_LEFT = 0;
constexpr int LVSCW_AUTOSIZE = -1;
constexpr int LVSCW_AUTOSIZE_USEHEADER = -2;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x0020;
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;

// System metrics.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

struct NMHDR {
    const void* hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    int code = 0;
};

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
};

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class CIconResource;
using HICON = const CIconResource*;
using HCURSOR = HICON;

inline int LOWORD(std::uintptr_t v) { return static_cast<int>(v & 0xFFFF); }
