#include "TestSupport.h"

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QKeyEvent>

#include "ListView.h"

BoxRecorder::BoxRecorder()
{
    m_previous = AfxSetMessageBoxHook([this](const MessageBoxRequest& request) {
        shown.push_back({request.pOwner, request.text.str(), request.caption.str(), request.nType});
        if (!m_answers.empty()) {
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return (request.nType & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
}

BoxRecorder::~BoxRecorder()
{
    AfxSetMessageBoxHook(std::move(m_previous));
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool Exists(const std::string& path)
{
    return QFileInfo::exists(QString::fromStdString(path)) || QFileInfo(QString::fromStdString(path)).isSymLink();
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    const auto list = QDir(QString::fromStdString(folder)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : list)
        names.push_back(name.toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

void FolderTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    m_previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir->path()));
}

void FolderTest::TearDown()
{
    QDir::setCurrent(m_previous);
    m_dir.reset();
}

std::string FolderTest::Path() const
{
    return m_dir->path().toStdString();
}

void DiaryTest::TearDown()
{
    dlg.reset();
    FolderTest::TearDown();
}

CDiaryDlg& DiaryTest::Open()
{
    dlg = std::make_unique<CDiaryDlg>();
    EXPECT_TRUE(dlg->Create());
    return *dlg;
}

void DiaryTest::Close()
{
    dlg->DestroyWindow();
}

void DiaryTest::Show()
{
    dlg->GetSafeWidget()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg->GetSafeWidget()));
    QApplication::processEvents();
}

void DiaryTest::SetFields(const CString& date, const CString& title, const CString& text)
{
    dlg->m_strDate = date;
    dlg->m_strTitle = title;
    dlg->m_strText = text;
    dlg->UpdateData(FALSE);
}

std::vector<std::string> DiaryTest::Rows() const
{
    std::vector<std::string> rows;
    for (int i = 0; i < dlg->m_list.GetItemCount(); ++i) {
        rows.push_back(dlg->m_list.GetItemText(i, 0).str() + "|" + dlg->m_list.GetItemText(i, 1).str() + "|" +
                       dlg->m_list.GetItemText(i, 2).str());
    }
    return rows;
}

void DiaryTest::ClickRow(int row)
{
    ListView* view = dlg->m_list.View();
    ASSERT_NE(view, nullptr);
    const QModelIndex index = view->model()->index(row, 1);
    view->scrollTo(index);
    QApplication::processEvents();
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

std::string DiaryBytes(const std::vector<std::vector<std::string>>& rowsTopFirst)
{
    if (rowsTopFirst.empty())
        return {};
    std::string out = "CREATOR=VL 1.0\r\n";
    for (auto it = rowsTopFirst.rbegin(); it != rowsTopFirst.rend(); ++it) {
        if (it != rowsTopFirst.rbegin())
            out += "\r\n";
        out += "DATE=" + (*it)[0] + "\r\nTITLE=" + (*it)[1] + "\r\nTEXT=" + (*it)[2] + "\r\n";
    }
    return out;
}

void WhenModalOpens(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

SmallDisk::SmallDisk()
{
    if (geteuid() != 0) {
        m_why = "mounting a small file system needs root";
        return;
    }
    QDir().mkdir("small");
    m_path = QDir().absoluteFilePath("small").toStdString();
    m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (!m_mounted)
        m_why = "cannot mount a tmpfs here";
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(m_path.c_str(), MNT_DETACH);
}
