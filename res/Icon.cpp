// Icon 128: a diary with a date label and a ribbon, 32 x 32 and 16 x 16.
#include "Resources.h"
#include "resource.h"

namespace {

const char* const kIcon32[] = {
    "32 32 7 1",
    ". c None",
    "k c #1B2430",
    "b c #2E6F73",
    "d c #1F4E52",
    "w c #F5F1E6",
    "g c #B8B2A2",
    "r c #C0392B",
    "................................",
    "................................",
    ".....kkkkkkkkkkkkkkkkkkkkkk.....",
    ".....kdddbbbbbbbbbbbbbbbbbk.....",
    ".....kdddbbbbbbbbbbbbbbwwwk.....",
    ".....kdddbbbbbbbbbbbbbbwwwk.....",
    ".....kdddbbbbbbbbbbbbbbgggk.....",
    ".....kdddbbrrrrrrrrrrbbwwwk.....",
    ".....kdddbbrrrrrrrrrrbbwwwk.....",
    ".....kdddbbrrrrrrrrrrbbgggk.....",
    ".....kdddbbwwwwwwwwwwbbwwwk.....",
    ".....kdddbbwwwwwwwwwwbbwwwk.....",
    ".....kdddbbwwkkwkkwwwbbgggk.....",
    ".....kdddbbwwkkwkkwwwbbwwwk.....",
    ".....kdddbbwwwwwwwwwwbbwwwk.....",
    ".....kdddbbwwkkwwwwwwbbgggk.....",
    ".....kdddbbwwwwwwwwwwbbwwwk.....",
    ".....kdddbbbbbbbbbbbbbbwwwk.....",
    ".....kdddbbbbbbbbbbbbbbgggk.....",
    ".....kdddbbbbbbbbbbbbbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbgggk.....",
    ".....kdddbbbbbbbbbrrrbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbgggk.....",
    ".....kdddbbbbbbbbbrrrbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbwwwk.....",
    ".....kdddbbbbbbbbbrrrbbgggk.....",
    ".....kdddbbbbbbbbbrrrbbbbbk.....",
    ".....kkkkkkkkkkkkkrrrkkkkkk.....",
    "..................rrr...........",
    "................................",
};

const char* const kIcon16[] = {
    "16 16 7 1",
    ". c None",
    "k c #1B2430",
    "b c #2E6F73",
    "d c #1F4E52",
    "w c #F5F1E6",
    "g c #B8B2A2",
    "r c #C0392B",
    "................",
    "..kdbbbbbbbbb...",
    "..kdbbbbbbbww...",
    "..kdbrrrrrbww...",
    "..kdbrrrrrbgg...",
    "..kdbwwwwwbww...",
    "..kdbwkwkwbww...",
    "..kdbwkwwwbgg...",
    "..kdbbbbbbbww...",
    "..kdbbbbbbbww...",
    "..kdbbbbbrbgg...",
    "..kdbbbbbrbww...",
    "..kdbbbbbrbww...",
    "..kdbbbbbrbgg...",
    "..kkkkkkkrkkk...",
    "................",
};

}  // namespace

const char* const* AfxFindIconImage(UINT id, int size)
{
    if (id != IDR_MAINFRAME)
        return nullptr;
    return size <= 16 ? kIcon16 : kIcon32;
}
