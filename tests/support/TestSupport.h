// Shared pieces of Velmora's tests: a fresh working folder per test, a
// recorder that answers message boxes, file bytes, and the real main dialog.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DiaryDlg.h"
#include "MessageBox.h"

class QWidget;

struct RecordedBox {
    const CWnd* owner;
    std::string text;
    std::string caption;
    UINT flags;
};

// Records every message box and answers it from a queue (IDOK for OK boxes,
// IDNO for questions when the queue is empty).
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    void Answer(int answer) { m_answers.push_back(answer); }
    std::vector<RecordedBox> shown;

private:
    std::deque<int> m_answers;
    MessageBoxHook m_previous;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Names in the working folder (hidden ones included), sorted.
std::vector<std::string> FolderEntries(const std::string& folder = ".");

// A test in a fresh temporary folder that is the working folder.
class FolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string Path() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previous;
    BoxRecorder boxes;
};

// A folder test that opens the real main dialog (OnInitDialog loads vl.dat).
class DiaryTest : public FolderTest {
protected:
    void TearDown() override;
    CDiaryDlg& Open();
    // Destroys the window: the diary is saved.
    void Close();
    // Shows the dialog on the (offscreen) screen, for simulated input.
    void Show();

    CString Field(int id) const { return dlg->GetDlgItemText(id); }
    QWidget* Control(int id) const { return dlg->FindControl(id); }
    void SetFields(const CString& date, const CString& title, const CString& text);
    // The rows as "date|title|text", top first.
    std::vector<std::string> Rows() const;
    // A mouse click on row `row`, as a user would make it.
    void ClickRow(int row);

    std::unique_ptr<CDiaryDlg> dlg;
};

// A 64 KiB file system mounted at folder "small" of the working folder for
// the life of the object, to make a disk run full. Needs root; Skip() says
// why it could not be made.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    bool Mounted() const { return m_mounted; }
    const std::string& Skip() const { return m_why; }

private:
    bool m_mounted = false;
    std::string m_path;
    std::string m_why;
};

// Runs `action` on the next modal dialog as soon as it is open (a dialog a
// key press opens appears only after that key's events are processed).
void WhenModalOpens(std::function<void(QWidget*)> action);

// Types `text` into `widget` as key presses carrying text (any characters).
void TypeText(QWidget* widget, const QString& text);

// "vl.dat" bytes for entries given top row first (as the list shows them).
std::string DiaryBytes(const std::vector<std::vector<std::string>>& rowsTopFirst);
