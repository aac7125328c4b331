// The string table.
#include "Resources.h"
#include "resource.h"

namespace {

struct StringEntry {
    UINT id;
    const char* text;
};

const StringEntry kStrings[] = {
    {IDS_ABOUTBOX, "&About Velmora..."},
    {IDP_SOCKETS_INIT_FAILED, "Windows sockets initialization failed."},
};

}  // namespace

const char* AfxFindStringResource(UINT id)
{
    for (const StringEntry& s : kStrings)
        if (s.id == id)
            return s.text;
    return nullptr;
}
