#include "CMenu.h"

#include <QAction>
#include <QMenu>

#include "ByteCodec.h"

CMenu::CMenu(CWnd* pOwner) : m_pOwner(pOwner), m_pMenu(std::make_unique<QMenu>()) {}

CMenu::~CMenu() = default;

BOOL CMenu::AppendMenu(UINT nFlags, UINT nIDNewItem, const CString& text)
{
    if (nFlags & MF_SEPARATOR) {
        m_pMenu->addSeparator();
        return TRUE;
    }
    QAction* action = m_pMenu->addAction(BytesToQString(text.view()));
    action->setData(nIDNewItem);
    CWnd* owner = m_pOwner;
    QObject::connect(action, &QAction::triggered, action, [owner, nIDNewItem] { owner->SendSysCommand(nIDNewItem, 0); });
    return TRUE;
}

int CMenu::GetMenuItemCount() const
{
    return static_cast<int>(m_pMenu->actions().size());
}

CString CMenu::GetMenuItemText(int nPos) const
{
    const auto actions = m_pMenu->actions();
    if (nPos < 0 || nPos >= actions.size())
        return CString();
    return QStringToBytes(actions.at(nPos)->text());
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    const auto actions = m_pMenu->actions();
    if (nPos < 0 || nPos >= actions.size() || actions.at(nPos)->isSeparator())
        return 0;
    return actions.at(nPos)->data().toUInt();
}
