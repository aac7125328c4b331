#include "EditField.h"

#include <climits>

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "ByteCodec.h"

EditField::EditField(QLineEdit* pLine) : m_pLine(pLine)
{
    m_pLine->setMaxLength(INT_MAX);  // no cut of long texts
    QObject::connect(m_pLine, &QLineEdit::textChanged, this, [this] {
        if (!m_bSetting)
            m_bUserEdited = true;
    });
    Watch(m_pLine);
}

EditField::EditField(QPlainTextEdit* pMulti) : m_pMulti(pMulti)
{
    QObject::connect(m_pMulti, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_bSetting)
            m_bUserEdited = true;
    });
    Watch(m_pMulti);
}

void EditField::Watch(QWidget* widget)
{
    widget->installEventFilter(this);
    if (m_pMulti)
        m_pMulti->viewport()->installEventFilter(this);
}

bool EditField::eventFilter(QObject*, QEvent* event)
{
    // Whatever the user or the screen is about to see or change must be the
    // latest text.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::FocusIn:
    case QEvent::Show:
    case QEvent::Paint:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        Flush();
        break;
    default:
        break;
    }
    return false;
}

QWidget* EditField::Widget()
{
    Flush();
    if (m_pLine)
        return m_pLine;
    return m_pMulti;
}

void EditField::SetBytes(const CString& bytes)
{
    if (!m_bUserEdited && bytes == m_bytes)
        return;  // already what the field stands for
    m_bytes = bytes;
    m_bUserEdited = false;
    if (!m_bStale) {
        m_bStale = true;
        QTimer::singleShot(0, this, [this] { Flush(); });
    }
}

void EditField::Flush()
{
    if (!m_bStale)
        return;
    m_bStale = false;
    ShowBytes();
}

void EditField::ShowBytes()
{
    m_bSetting = true;
    QString text = BytesToQString(m_bytes.view());
    if (m_pMulti) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_pMulti->setPlainText(text);
    } else {
        m_pLine->setText(text);
        m_pLine->setCursorPosition(0);
    }
    m_bSetting = false;
    m_bUserEdited = false;
}

CString EditField::GetBytes()
{
    // A field not yet brought up to date cannot have been edited.
    if (!m_bUserEdited || m_bStale)
        return m_bytes;
    QString text;
    if (m_pMulti) {
        text = m_pMulti->toPlainText();
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    } else {
        // A single line never hands over a line feed, whatever was pasted.
        text = m_pLine->text();
        text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    // The widget now stands for these bytes until the next edit.
    m_bytes = QStringToBytes(text);
    m_bUserEdited = false;
    return m_bytes;
}
