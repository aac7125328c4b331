// CDiaryApp: starts the socket layer and runs the main dialog.
#pragma once

#include "CWinApp.h"

class CDiaryApp : public CWinApp {
public:
    CDiaryApp();
    BOOL InitInstance() override;

protected:
    const AFX_APPMAP_ENTRY* GetCommandMap(std::size_t& count) const override;
};
