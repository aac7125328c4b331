// An edit control that gives back exactly the bytes it was given.
// Until the user changes the text, reading returns the bytes last set,
// whatever they are; after an edit, the widget's text is converted back.
// The multi-line kind hands its line breaks over as CR LF pairs.
//
// Setting is cheap: the widget is brought up to date once the program's
// handler has finished (or sooner, as soon as the user or the screen needs
// it), so a run of data exchanges (loading a diary passes every entry
// through the fields) lays out the text only once.
#pragma once

#include <QObject>

#include "CString.h"

class QWidget;
class QLineEdit;
class QPlainTextEdit;

class EditField : public QObject {
public:
    explicit EditField(QLineEdit* pLine);
    explicit EditField(QPlainTextEdit* pMulti);

    void SetBytes(const CString& bytes);
    CString GetBytes();
    // The widget, showing the latest bytes.
    QWidget* Widget();
    bool IsMultiLine() const { return m_pMulti != nullptr; }
    void Flush();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QWidget* widget);
    void ShowBytes();

    QLineEdit* m_pLine = nullptr;
    QPlainTextEdit* m_pMulti = nullptr;
    CString m_bytes;
    bool m_bUserEdited = false;
    bool m_bSetting = false;
    bool m_bStale = false;
};
