// The Qt side of a dialog: the window, its controls by id, its edit fields
// and its system menu. Built from a dialog template.
#pragma once

#include <map>
#include <memory>

#include <QDialog>
#include <QPointer>

#include "EditField.h"
#include "Resources.h"

class CDialog;
class CMenu;

class DialogWidget : public QDialog {
public:
    DialogWidget(CDialog* pOwner, QWidget* parent);
    void accept() override;
    void reject() override;

    CMenu* m_pSystemMenu = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CDialog* m_pOwner;
};

struct DialogWindow {
    // Guarded: an owner window deletes the windows it owns with it.
    QPointer<DialogWidget> widget;
    std::map<int, QWidget*> controls;
    std::map<int, std::unique_ptr<EditField>> edits;
    std::unique_ptr<CMenu> systemMenu;
    QWidget* firstTabStop = nullptr;
};

// Builds the window of `tmpl` for `pOwner`; controls report to the owner.
std::unique_ptr<DialogWindow> BuildDialogWindow(const DialogTemplate& tmpl, CDialog* pOwner, QWidget* parent);
