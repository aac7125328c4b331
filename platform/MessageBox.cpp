#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include "ByteCodec.h"
#include "CDialog.h"
#include "CWinApp.h"

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::Icon IconFor(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

MessageBoxHook AfxSetMessageBoxHook(MessageBoxHook hook)
{
    MessageBoxHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

int AfxShowMessageBox(const CWnd* pOwner, const CString& text, const CString& caption, UINT nType)
{
    if (Hook())
        return Hook()({pOwner, text, caption, nType});

    QString body = BytesToQString(text.view());
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconFor(nType), BytesToQString(caption.view()), body, QMessageBox::NoButton,
                    pOwner ? pOwner->GetSafeWidget() : nullptr);
    box.setTextFormat(Qt::PlainText);
    if ((nType & MB_TYPEMASK) == MB_YESNO) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}

int AfxMessageBox(const CString& text, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0)
        nType |= MB_ICONEXCLAMATION;
    const CWnd* owner = AfxGetMainWnd();
    if (!owner)
        owner = AfxGetActiveDialog();
    return AfxShowMessageBox(owner, text, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, 0);
}
