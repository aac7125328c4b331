// Lossless conversion between the program's byte strings and Qt's QString.
// Valid UTF-8 becomes the characters it encodes; every byte that is not part
// of valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF, which no valid
// UTF-8 can produce, and turns back into the same byte.
#pragma once

#include <QString>

#include "CString.h"

QString BytesToQString(std::string_view bytes);
CString QStringToBytes(const QString& text);
