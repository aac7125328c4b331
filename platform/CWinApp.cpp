#include "CWinApp.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>

#include "Icon.h"
#include "Shell.h"

namespace {

CWinApp* g_pApp = nullptr;

std::function<bool()>& SocketProbe()
{
    static std::function<bool()> probe;
    return probe;
}

}  // namespace

CWinApp::CWinApp(const char* pszAppName)
{
    if (pszAppName)
        m_strAppName = pszAppName;
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return AfxLoadIcon(nIDResource);
}

const AFX_APPMAP_ENTRY* CWinApp::GetCommandMap(std::size_t& count) const
{
    count = 0;
    return nullptr;
}

bool CWinApp::OnCmdMsg(UINT nID)
{
    std::size_t count = 0;
    const AFX_APPMAP_ENTRY* entries = GetCommandMap(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (entries[i].nID == nID) {
            (this->*entries[i].pfn)();
            return true;
        }
    }
    return false;
}

void CWinApp::OnHelp()
{
    if (!m_strHelpFilePath.IsEmpty())
        ShellExecute(nullptr, "open", m_strHelpFilePath, CString(), CString(), SW_SHOWNORMAL);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp ? g_pApp->m_pMainWnd : nullptr;
}

CString AfxGetAppName()
{
    if (g_pApp && !g_pApp->m_strAppName.IsEmpty())
        return g_pApp->m_strAppName;
    // The program file's name without its extension.
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString name = QFileInfo(path).completeBaseName();
    return CString(name.toUtf8().toStdString());
}

BOOL AfxSocketInit()
{
    if (SocketProbe())
        return SocketProbe()() ? TRUE : FALSE;
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return FALSE;
    ::close(fd);
    return TRUE;
}

void AfxSetSocketInitProbe(std::function<bool()> probe)
{
    SocketProbe() = std::move(probe);
}

int AfxWinMain(int argc, char** argv)
{
    QApplication app(argc, argv);
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    if (pApp->m_strAppName.IsEmpty())
        pApp->m_strAppName = AfxGetAppName();
    // Window titles are the templates' captions alone; the desktop file
    // name lets the desktop match the windows to the application's entry.
    QGuiApplication::setApplicationDisplayName(QString());
    QGuiApplication::setDesktopFileName(QString::fromUtf8(pApp->m_strAppName.GetString()));
    // InitInstance runs the program; FALSE means there is no loop to enter.
    if (pApp->InitInstance())
        return app.exec();
    return 0;
}
