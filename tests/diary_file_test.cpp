// The diary file "vl.dat": its exact format, what the reader tolerates, and
// that no failure loses the diary.
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "TestSupport.h"

namespace {

const std::string kWorkedExample =
    "CREATOR=VL 1.0\r\n"
    "DATE=2004-07-09\r\n"
    "TITLE=Dentist\r\n"
    "TEXT=Check-up\r\n"
    "\r\n"
    "DATE=2004-07-12\r\n"
    "TITLE=Trip\r\n"
    "TEXT=Train at nine.<br>Back on Sunday.\r\n";

}  // namespace

class DiaryFileTest : public DiaryTest {
protected:
    // Saves rows given top first through the real dialog, then loads them
    // back in a new dialog; returns the rows as read.
    std::vector<std::string> RoundTrip(const std::vector<std::vector<std::string>>& rowsTopFirst)
    {
        Open();
        for (auto it = rowsTopFirst.rbegin(); it != rowsTopFirst.rend(); ++it)
            Insert((*it)[0], (*it)[1], (*it)[2]);
        Close();
        Open();
        return Rows();
    }

    void Insert(const std::string& date, const std::string& title, const std::string& text)
    {
        dlg->m_list.InsertItem(0, date);
        dlg->m_list.SetItemText(0, 1, title);
        dlg->m_list.SetItemText(0, 2, text);
    }
};

TEST_F(DiaryFileTest, WorkedExampleIsWrittenByteForByteAndReadBack)
{
    Open();
    Insert("2004-07-09", "Dentist", "Check-up");
    Insert("2004-07-12", "Trip", "Train at nine.\r\nBack on Sunday.");
    Close();
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);
    EXPECT_EQ(ReadBytes("vl.dat").size(), 134u);

    Open();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"2004-07-12|Trip|Train at nine.\r\nBack on Sunday.",
                                                 "2004-07-09|Dentist|Check-up"}));
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "2");
    EXPECT_EQ(Field(IDC_DATE).str(), "");
    EXPECT_TRUE(boxes.shown.empty());
    Close();
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);  // a run without edits changes nothing
}

TEST_F(DiaryFileTest, EmptyAndMissingDiaries)
{
    Open();  // no vl.dat: an empty list, and an empty file left behind
    EXPECT_TRUE(Exists("vl.dat"));
    EXPECT_EQ(dlg->m_list.GetItemCount(), 0);
    EXPECT_EQ(Field(IDC_ENTRIES).str(), "0");
    Close();
    EXPECT_EQ(ReadBytes("vl.dat"), "");

    Open();
    Insert("2004-01-01", "One", "only");
    Close();
    EXPECT_EQ(ReadBytes("vl.dat"), "CREATOR=VL 1.0\r\nDATE=2004-01-01\r\nTITLE=One\r\nTEXT=only\r\n");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DiaryFileTest, AwkwardContentSurvivesSavingAndLoading)
{
    const std::string longTitle(100000, 't');
    const std::string longText = std::string(50000, 'a') + "\r\n" + std::string(50000, 'b');
    const std::vector<std::vector<std::string>> rows = {
        {"2004-07-09", "caf\xC3\xA9 \xFF\xFE raw bytes", "not \xC3\x28 UTF-8"},
        {"2004-07-10", "a=b==c", "x=1<br-ish>=2"},
        {"2004-07-11", longTitle, longText},
        {"2004-07-12", "lone CR", "left\rright"},
        {"2004-07-13", "ends with a break", "last line\r\n"},
        {"2004-07-14", "  leading spaces stay", "  indented"},
    };
    std::vector<std::string> expected;
    for (const auto& r : rows)
        expected.push_back(r[0] + "|" + r[1] + "|" + r[2]);
    EXPECT_EQ(RoundTrip(rows), expected);
}

TEST_F(DiaryFileTest, WhatTheFormatChangesOnTheWay)
{
    // Trailing white space is trimmed at load; "<br>" typed into a text
    // becomes a line break; a title keeps it.
    const auto rows = RoundTrip({{"2004-07-09", "Title <br> kept\t ", "typed <br> here  "}});
    EXPECT_EQ(rows, std::vector<std::string>{"2004-07-09|Title <br> kept|typed \r\n here"});
}

TEST_F(DiaryFileTest, ALoneLineFeedInATextNeverBreaksTheFile)
{
    Open();
    Insert("2004-07-09", "Title with\nfeed", "first\nDATE=1999-01-01\nTITLE=phantom");
    Close();
    const std::string bytes = ReadBytes("vl.dat");
    EXPECT_EQ(bytes,
              "CREATOR=VL 1.0\r\nDATE=2004-07-09\r\nTITLE=Title with feed\r\n"
              "TEXT=first<br>DATE=1999-01-01<br>TITLE=phantom\r\n");
    Open();
    EXPECT_EQ(Rows(), std::vector<std::string>{
                          "2004-07-09|Title with feed|first\r\nDATE=1999-01-01\r\nTITLE=phantom"});
}

TEST_F(DiaryFileTest, ReaderToleratesOddFiles)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {"no CREATOR line", "DATE=2004-01-01\r\nTITLE=A\r\nTEXT=a\r\n", {"2004-01-01|A|a"}},
        {"other version", "CREATOR=VL 9.9\r\nDATE=2004-01-01\r\nTITLE=A\r\nTEXT=a\r\n", {"2004-01-01|A|a"}},
        {"lower-case and unknown keys",
         "date=2004-01-01\r\nDATE=2004-01-02\r\ntitle=x\r\nTITLE=B\r\nMOOD=fine\r\nTEXT=b\r\n",
         {"2004-01-02|B|b"}},
        {"empty date yields no row", "DATE=\r\nTITLE=ghost\r\nTEXT=g\r\n\r\nDATE=2004-01-03\r\nTITLE=C\r\nTEXT=c\r\n",
         {"2004-01-03|C|c"}},
        {"group without TITLE or TEXT takes nothing from the one before",
         "DATE=2004-01-01\r\nTITLE=A\r\nTEXT=a\r\n\r\nDATE=2004-01-02\r\n", {"2004-01-02||", "2004-01-01|A|a"}},
        {"fields in another order", "TEXT=t\r\nTITLE=T\r\nDATE=2004-01-05\r\n", {"2004-01-05||"}},
        {"no line end at the end", "DATE=2004-01-01\r\nTITLE=A\r\nTEXT=last", {"2004-01-01|A|last"}},
        {"bare LF line ends", "DATE=2004-01-01\nTITLE=A\nTEXT=a\n", {"2004-01-01|A|a"}},
        {"Ctrl-Z ends the data", "DATE=2004-01-01\r\nTITLE=A\r\nTEXT=a\r\n\x1A" "DATE=2004-01-02\r\n", {"2004-01-01|A|a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes("vl.dat", c.bytes);
        Open();
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(Field(IDC_ENTRIES).str(), std::to_string(c.rows.size()));
        dlg.reset();  // no save: the next case starts from its own bytes
    }
}

TEST_F(DiaryFileTest, QuitEscapeAndTheCloseBoxAllSave)
{
    const std::vector<std::string> ways = {"Quit", "Escape", "close box"};
    for (const std::string& way : ways) {
        SCOPED_TRACE(way);
        WriteBytes("vl.dat", "");
        dlg = std::make_unique<CDiaryDlg>();
        int result = 0;
        QTimer::singleShot(0, [this, &way] {
            dlg->m_list.InsertItem(0, "2004-01-01");
            dlg->m_list.SetItemText(0, 1, way);
            QWidget* window = dlg->GetSafeWidget();
            if (way == "Quit")
                QTest::mouseClick(dlg->FindControl(IDOK), Qt::LeftButton);
            else if (way == "Escape")
                QTest::keyClick(window, Qt::Key_Escape);
            else
                window->close();
        });
        result = dlg->DoModal();
        EXPECT_EQ(result, way == "Quit" ? IDOK : IDCANCEL);
        EXPECT_EQ(ReadBytes("vl.dat"), DiaryBytes({{"2004-01-01", way, ""}}));
    }
}

TEST_F(DiaryFileTest, EnterInTheTitleFieldQuitsAndSaves)
{
    dlg = std::make_unique<CDiaryDlg>();
    QTimer::singleShot(0, [this] {
        QWidget* title = dlg->FindControl(IDC_TITLE);
        title->setFocus();
        dlg->m_strDate = "2004-02-02";
        dlg->UpdateData(FALSE);
        QTest::keyClicks(title, "typed");
        dlg->OnAdd();
        QTest::keyClick(title, Qt::Key_Return);
    });
    EXPECT_EQ(dlg->DoModal(), IDOK);
    EXPECT_EQ(ReadBytes("vl.dat"), DiaryBytes({{"2004-02-02", "typed", ""}}));
}

// ---- failures must never lose the diary -----------------------------------

namespace {

bool IsRoot()
{
    return geteuid() == 0;
}

// Runs the save probe in `folder` as an unprivileged user (as root: nobody).
struct ProbeResult {
    int exitCode;
    std::string output;
};

ProbeResult RunProbeUnprivileged(const QString& folder, const QStringList& args = {})
{
    // The build folder may not be open to the unprivileged user: run a copy
    // of the probe from a folder that is.
    QTemporaryDir bin;
    const QString program = bin.filePath("velmora_save_probe");
    QFile::copy(VELMORA_SAVE_PROBE, program);
    const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                          QFileDevice::ExeOther;
    QFile::setPermissions(bin.path(), everyone);
    QFile::setPermissions(program, everyone);

    QProcess probe;
    // Leak checking (and its suppression file, which the user may not be
    // able to read) is left to the tests that run in this process.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LSAN_OPTIONS");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    probe.setProcessEnvironment(env);
    probe.setWorkingDirectory(folder);
    probe.setProcessChannelMode(QProcess::MergedChannels);
    if (IsRoot())
        probe.start("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", program} + args);
    else
        probe.start(program, args);
    probe.waitForFinished(60000);
    return {probe.exitCode(), probe.readAll().toStdString()};
}

}  // namespace

class DiaryFailureTest : public FolderTest {
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        // Everybody may enter the folder; who may write in it is each test's.
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                 QFileDevice::ReadOther | QFileDevice::ExeOther |
                                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    }
    void MakeFolderWritableForAll()
    {
        QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777));
    }
};

const char kWriteErrorBox[] = "BOX\tSave to File\tError Writing File\n";

TEST_F(DiaryFailureTest, AReadOnlyDiaryIsLeftAsItWas)
{
    MakeFolderWritableForAll();
    WriteBytes("vl.dat", kWorkedExample);
    QFile::setPermissions("vl.dat", QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const ProbeResult r = RunProbeUnprivileged(m_dir->path(), {"2005-05-05", "Added"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("ROWS\t2"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find(kWriteErrorBox), std::string::npos) << r.output;
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vl.dat"});
}

TEST_F(DiaryFailureTest, AFolderWhereNothingCanBeWrittenKeepsTheDiary)
{
    WriteBytes("vl.dat", kWorkedExample);
    QFile::setPermissions("vl.dat", QFileDevice::Permissions(0x6666));  // the file itself is writable
    const ProbeResult r = RunProbeUnprivileged(m_dir->path(), {"2005-05-05", "Added"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find(kWriteErrorBox), std::string::npos) << r.output;
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vl.dat"});
}

TEST_F(DiaryFailureTest, ADiaryThatCouldNotBeReadIsNotReplaced)
{
    MakeFolderWritableForAll();
    WriteBytes("vl.dat", kWorkedExample);
    QFile::setPermissions("vl.dat", QFileDevice::ReadOwner | QFileDevice::WriteOwner);  // others may not read
    const ProbeResult r = RunProbeUnprivileged(m_dir->path());
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("ROWS\t0"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find(kWriteErrorBox), std::string::npos) << r.output;
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);
}

TEST_F(DiaryFailureTest, AFolderNamedLikeTheDiaryIsLeftAlone)
{
    QDir().mkdir("vl.dat");
    WriteBytes("vl.dat/inside", "x");
    BoxRecorder recorder;
    {
        CDiaryDlg dlg;
        dlg.Create();
        EXPECT_EQ(dlg.m_list.GetItemCount(), 0);
        dlg.DestroyWindow();
    }
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].text, "Save to File");
    EXPECT_EQ(recorder.shown[0].caption, "Error Writing File");
    EXPECT_EQ(recorder.shown[0].flags, MB_OK);
    EXPECT_EQ(ReadBytes("vl.dat/inside"), "x");
}

TEST_F(DiaryFailureTest, AFullDiskKeepsTheOldDiaryAndLeavesNoTemporaryFile)
{
    SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Skip();
    ASSERT_TRUE(QDir::setCurrent("small"));
    WriteBytes("vl.dat", kWorkedExample);
    BoxRecorder recorder;
    {
        CDiaryDlg dlg;
        dlg.Create();
        ASSERT_EQ(dlg.m_list.GetItemCount(), 2);
        dlg.m_list.InsertItem(0, "2005-01-01");
        dlg.m_list.SetItemText(0, 2, std::string(200000, 'x'));  // more than the disk holds
        dlg.DestroyWindow();
    }
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].caption, "Error Writing File");
    EXPECT_EQ(ReadBytes("vl.dat"), kWorkedExample);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vl.dat"});
    ASSERT_TRUE(QDir::setCurrent(m_dir->path()));
}

TEST_F(DiaryFailureTest, SavingKeepsPermissionsAndWritesThroughASymbolicLink)
{
    QDir().mkdir("real");
    WriteBytes("real/diary.dat", kWorkedExample);
    QFile::setPermissions("real/diary.dat", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::link("real/diary.dat", "vl.dat"));
    BoxRecorder recorder;
    {
        CDiaryDlg dlg;
        dlg.Create();
        dlg.m_list.InsertItem(0, "2005-01-01");
        dlg.DestroyWindow();
    }
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_TRUE(QFileInfo("vl.dat").isSymLink());
    EXPECT_EQ(ReadBytes("real/diary.dat"),
              kWorkedExample + "\r\nDATE=2005-01-01\r\nTITLE=\r\nTEXT=\r\n");
    EXPECT_EQ(QFile::permissions("real/diary.dat") & QFileDevice::Permissions(0x7077),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
