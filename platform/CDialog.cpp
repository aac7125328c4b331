#include "CDialog.h"

#include <algorithm>
#include <vector>

#include <QApplication>

#include "CMenu.h"
#include "DialogWindow.h"
#include "EditField.h"
#include "CWinApp.h"
#include "Resources.h"

namespace {

std::vector<CDialog*>& OpenDialogs()
{
    static std::vector<CDialog*> dialogs;
    return dialogs;
}

}  // namespace

CDialog* AfxGetActiveDialog()
{
    return OpenDialogs().empty() ? nullptr : OpenDialogs().back();
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParent) : m_nIDTemplate(nIDTemplate)
{
    m_pParent = pParent;
}

CDialog::~CDialog()
{
    // A window still open here is closed without OnDestroy: the derived part
    // of the object, its control members included, is already gone.
    if (m_pWindow) {
        delete m_pWindow->widget;
        std::erase(OpenDialogs(), this);
    }
}

const AFX_MSGMAP* CDialog::GetThisMessageMap()
{
    static const AFX_MSGMAP map = {CWnd::GetThisMessageMap(), nullptr, 0};
    return &map;
}

const AFX_MSGMAP* CDialog::GetMessageMap() const
{
    return GetThisMessageMap();
}

BOOL CDialog::Create()
{
    if (m_pWindow)
        return TRUE;
    const DialogTemplate* tmpl = AfxFindDialogTemplate(m_nIDTemplate);
    if (!tmpl || !QApplication::instance())
        return FALSE;
    // Without a parent, a dialog is owned by the application's main window
    // (so an About box opens over it), unless it is that window.
    CWnd* owner = m_pParent;
    if (!owner && AfxGetMainWnd() != this)
        owner = AfxGetMainWnd();
    QWidget* parentWidget = owner ? owner->GetSafeWidget() : nullptr;
    m_pWindow = BuildDialogWindow(*tmpl, this, parentWidget);
    m_pWidget = m_pWindow->widget;
    m_pSystemMenu = m_pWindow->systemMenu.get();
    m_bEnded = false;
    m_nResult = -1;
    OpenDialogs().push_back(this);
    // TRUE: the first control in tab order gets the focus.
    if (OnInitDialog() && m_pWindow && m_pWindow->firstTabStop)
        m_pWindow->firstTabStop->setFocus(Qt::OtherFocusReason);
    return TRUE;
}

int CDialog::DoModal()
{
    if (!Create())
        return -1;
    if (!m_bEnded && m_pWindow && m_pWindow->widget) {
        m_pWindow->widget->setModal(true);
        m_pWindow->widget->exec();
    }
    DestroyWindow();
    return m_nResult;
}

void CDialog::DestroyWindow()
{
    if (!m_pWindow)
        return;
    SendDestroy();  // WM_DESTROY: the controls still exist
    for (CWnd* child : m_children)
        child->Detach();
    m_children.clear();
    std::unique_ptr<DialogWindow> window = std::move(m_pWindow);
    m_pWidget = nullptr;
    m_pSystemMenu = nullptr;
    std::erase(OpenDialogs(), this);
    delete window->widget;
}

void CDialog::EndDialog(int nResult)
{
    m_nResult = nResult;
    m_bEnded = true;
    if (m_pWindow && m_pWindow->widget)
        m_pWindow->widget->done(nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::OnDefaultCommand(UINT nID)
{
    if (nID == IDOK)
        OnOK();
    else if (nID == IDCANCEL)
        OnCancel();
}

QWidget* CDialog::FindControl(int nID) const
{
    if (!m_pWindow)
        return nullptr;
    if (EditField* field = FindEditField(nID))
        return field->Widget();  // showing its latest text
    auto it = m_pWindow->controls.find(nID);
    return it == m_pWindow->controls.end() ? nullptr : it->second;
}

EditField* CDialog::FindEditField(int nID) const
{
    if (!m_pWindow)
        return nullptr;
    auto it = m_pWindow->edits.find(nID);
    return it == m_pWindow->edits.end() ? nullptr : it->second.get();
}

void CDialog::AddChild(CWnd* pChild)
{
    if (std::find(m_children.begin(), m_children.end(), pChild) == m_children.end())
        m_children.push_back(pChild);
}
