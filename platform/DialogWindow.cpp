#include "DialogWindow.h"

#include <algorithm>

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCharFormat>
#include <QVBoxLayout>
#include <QLocale>

#include "CDialog.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "Icon.h"
#include "ListView.h"

DialogWidget::DialogWidget(CDialog* pOwner, QWidget* parent) : QDialog(parent), m_pOwner(pOwner) {}

void DialogWidget::accept()
{
    m_pOwner->SendCommand(IDOK);
}

void DialogWidget::reject()
{
    m_pOwner->SendCommand(IDCANCEL);
}

void DialogWidget::closeEvent(QCloseEvent* event)
{
    // The close box is the system menu's Close command.
    if (m_pOwner->IsEnded()) {
        event->accept();
        return;
    }
    event->ignore();
    m_pOwner->SendSysCommand(SC_CLOSE, 0);
}

void DialogWidget::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    m_pOwner->SendPaint();
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event)
{
    // A right click on the dialog's free area opens its system menu.
    if (m_pSystemMenu) {
        m_pSystemMenu->Menu()->exec(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}

void DialogWidget::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (CWinApp* app = AfxGetApp())
            app->OnCmdMsg(ID_HELP);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace {

// Dialog units from the dialog font: a quarter of the average character
// width across, an eighth of the character height down.
struct DialogUnits {
    int baseX;
    int baseY;
    int X(int du) const { return (du * baseX + 2) / 4; }
    int Y(int du) const { return (du * baseY + 4) / 8; }
};

DialogUnits UnitsFor(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

QWidget* MakeEdit(const DialogItemTemplate& item, QWidget* parent, DialogWindow& window)
{
    if (item.style & ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setLineWrapMode(QPlainTextEdit::NoWrap);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setTabChangesFocus(true);  // Tab moves on, Enter makes a new line
        edit->setReadOnly((item.style & ES_READONLY) != 0);
        window.edits[item.id] = std::make_unique<EditField>(edit);
        return edit;
    }
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly((item.style & ES_READONLY) != 0);
    edit->setFrame((item.style & WS_BORDER) != 0);
    window.edits[item.id] = std::make_unique<EditField>(edit);
    return edit;
}

// A month calendar with today marked and a link at its foot that selects it.
QWidget* MakeMonthCalendar(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* calendar = new QCalendarWidget(box);
    calendar->setSelectionMode(QCalendarWidget::SingleSelection);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);  // no week numbers
    calendar->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    calendar->setGridVisible(false);
    const QDate today = QDate::currentDate();
    QTextCharFormat todayMark = calendar->dateTextFormat(today);
    todayMark.setFontWeight(QFont::Bold);
    todayMark.setFontUnderline(true);
    todayMark.setForeground(QColor(0xC0, 0x39, 0x2B));
    calendar->setDateTextFormat(today, todayMark);
    auto* todayLink = new QPushButton(QStringLiteral("Today: ") + QLocale().toString(today, QLocale::ShortFormat), box);
    todayLink->setFlat(true);
    todayLink->setFocusPolicy(Qt::NoFocus);
    todayLink->setAutoDefault(false);
    todayLink->setCursor(Qt::PointingHandCursor);
    QObject::connect(todayLink, &QPushButton::clicked, calendar, [calendar, today] {
        calendar->setSelectedDate(today);
        calendar->setCurrentPage(today.year(), today.month());
    });
    layout->addWidget(calendar, 1);
    layout->addWidget(todayLink);
    box->setFocusProxy(calendar);
    return box;
}

QWidget* MakeControl(const DialogItemTemplate& item, DialogWidget* dialog, CDialog* pOwner, DialogWindow& window)
{
    const QString text = QString::fromUtf8(item.text);
    switch (item.kind) {
    case ControlKind::Edit:
        return MakeEdit(item, dialog, window);
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, dialog);
        button->setAutoDefault(true);
        if (item.style & BS_DEFPUSHBUTTON)
            button->setDefault(true);
        const UINT id = static_cast<UINT>(item.id);
        QObject::connect(button, &QPushButton::clicked, button, [pOwner, id] { pOwner->SendCommand(id); });
        return button;
    }
    case ControlKind::Static: {
        auto* label = new QLabel(dialog);
        if (item.style & SS_ICON)
            label->setPixmap(AfxIconPixmap(static_cast<UINT>(text.toUInt()), 32));
        else
            label->setText(text);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::ListView: {
        auto* list = new ListView(dialog);
        const UINT id = static_cast<UINT>(item.id);
        list->onClick = [pOwner, id] {
            NMHDR hdr{nullptr, id, NM_CLICK};
            LRESULT result = 0;
            pOwner->SendNotify(id, &hdr, &result);
        };
        list->onColumnClick = [pOwner, id](int column) {
            NMLISTVIEW nm;
            nm.hdr = NMHDR{nullptr, id, LVN_COLUMNCLICK};
            nm.iSubItem = column;
            LRESULT result = 0;
            pOwner->SendNotify(id, &nm.hdr, &result);
        };
        return list;
    }
    case ControlKind::MonthCalendar: {
        QWidget* box = MakeMonthCalendar(dialog);
        // Enter (or a double click) on a day presses the default button.
        QObject::connect(box->findChild<QCalendarWidget*>(), &QCalendarWidget::activated, box,
                         [pOwner] { pOwner->SendCommand(IDOK); });
        return box;
    }
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<DialogWindow> BuildDialogWindow(const DialogTemplate& tmpl, CDialog* pOwner, QWidget* parent)
{
    auto window = std::make_unique<DialogWindow>();
    auto* dialog = new DialogWidget(pOwner, parent);
    window->widget = dialog;

    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (tmpl.style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (tmpl.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    dialog->setWindowTitle(QString::fromUtf8(tmpl.caption));
    dialog->setSizeGripEnabled(false);

    const DialogUnits du = UnitsFor(dialog->font());
    dialog->setFixedSize(du.X(tmpl.cx), du.Y(tmpl.cy));

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < tmpl.itemCount; ++i) {
        const DialogItemTemplate& item = tmpl.items[i];
        QWidget* control = MakeControl(item, dialog, pOwner, *window);
        if (!control)
            continue;
        // Texts and the calendar take the room the desktop's font needs,
        // which may be more than the template's font needed.
        int width = du.X(item.cx);
        int height = du.Y(item.cy);
        if (item.kind == ControlKind::Static && !(item.style & SS_ICON))
            width = std::max(width, control->sizeHint().width());
        if (item.kind == ControlKind::MonthCalendar) {
            width = std::max(width, control->sizeHint().width());
            height = std::max(height, control->sizeHint().height());
        }
        control->setGeometry(du.X(item.x), du.Y(item.y), width, height);
        control->setVisible((item.style & WS_VISIBLE) != 0);
        if (item.id != -1)
            window->controls[item.id] = control;
        if (item.style & WS_TABSTOP) {
            control->setFocusPolicy(Qt::StrongFocus);
            if (previous)
                QWidget::setTabOrder(previous, control);
            else
                window->firstTabStop = control;
            previous = control;
        } else {
            control->setFocusPolicy(Qt::NoFocus);
        }
    }

    // A dialog whose controls had to grow grows with them.
    QRect used;
    for (QWidget* child : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        used |= child->geometry();
    const QSize needed(std::max(dialog->width(), used.right() + 1 + du.X(7)),
                       std::max(dialog->height(), used.bottom() + 1 + du.Y(7)));
    if (needed != dialog->size())
        dialog->setFixedSize(needed);

    if (tmpl.style & WS_SYSMENU) {
        window->systemMenu = std::make_unique<CMenu>(pOwner);
        window->systemMenu->AppendMenu(MF_STRING, SC_CLOSE, "Close");
        dialog->m_pSystemMenu = window->systemMenu.get();
        auto* shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+Space")), dialog);
        QObject::connect(shortcut, &QShortcut::activated, dialog, [dialog] {
            dialog->m_pSystemMenu->Menu()->exec(dialog->mapToGlobal(QPoint(0, 0)));
        });
    }
    return window;
}
