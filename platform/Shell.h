// The shell's "open": hands a file or a web address to the desktop's default
// program for it, without waiting.
#pragma once

#include "CString.h"

class CWnd;

// Returns a value greater than 32 when the handler could be started.
int ShellExecute(const CWnd* pOwner, const CString& verb, const CString& file, const CString& parameters,
                 const CString& directory, int nShowCmd);
