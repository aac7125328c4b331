// Icons from the program's resources.
#pragma once

#include "WinTypes.h"

class QIcon;
class QPixmap;

// The icon with both of its sizes, or nullptr when the program has none.
HICON AfxLoadIcon(UINT nIDResource);
const QIcon& AfxIconOf(HICON hIcon);
QPixmap AfxIconPixmap(UINT nIDResource, int size);
