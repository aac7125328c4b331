// Times Velmora's diary operations with the real dialog on the offscreen
// platform: start-up, loading and saving "vl.dat", the editing commands,
// sorting and the report. Run by hand:  velmora_bench [entries...]
// (default 10000 100000). Each size runs in a fresh temporary folder.
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "DiaryApp.h"
#include "DiaryDlg.h"
#include "MessageBox.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A diary file of `n` entries: titles of about 30 bytes, texts of about
// 400 bytes in four lines.
std::size_t WriteDiary(const std::string& path, int n)
{
    std::string out = "CREATOR=VL 1.0";
    out.reserve(static_cast<std::size_t>(n) * 480);
    const char* words[] = {"garden", "train", "letter", "coffee", "meeting", "river", "market", "violin"};
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < n; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1990 + static_cast<int>(next() % 36),
                      1 + static_cast<int>(next() % 12), 1 + static_cast<int>(next() % 28));
        std::string title = "Entry " + std::to_string(i) + " about the " + words[next() % 8] + " " + words[next() % 8];
        title.resize(30, '.');
        std::string text;
        for (int line = 0; line < 4; ++line) {
            if (line)
                text += "<br>";
            std::string l = "Line " + std::to_string(line) + ":";
            while (l.size() < 96)
                l += std::string(" ") + words[next() % 8];
            l.resize(96);
            text += l;
        }
        out += "\r\nDATE=" + std::string(date) + "\r\nTITLE=" + title + "\r\nTEXT=" + text + "\r\n";
    }
    std::ofstream(path, std::ios::binary) << out;
    return out.size();
}

void Report(const char* what, int n, double ms, const char* target)
{
    std::printf("  %-34s %7d entries  %9.1f ms   (target %s)\n", what, n, ms, target);
}

void RunSize(int n)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const std::size_t fileSize = WriteDiary("vl.dat", n);
    std::printf("%d entries, vl.dat of %.1f MB\n", n, static_cast<double>(fileSize) / 1e6);

    // Start until shown: the dialog is built, the diary loaded, the window shown.
    auto t0 = Clock::now();
    auto* dlg = new CDiaryDlg;
    dlg->Create();
    dlg->GetSafeWidget()->show();
    (void)QTest::qWaitForWindowExposed(dlg->GetSafeWidget());
    QApplication::processEvents();
    Report("start until the dialog is shown", n, Ms(t0), "-");
    std::printf("  peak memory after start: %.1f MB (%.2f x the file; target <= 4)\n",
                static_cast<double>(PeakRssKb()) / 1024.0,
                static_cast<double>(PeakRssKb()) * 1024.0 / static_cast<double>(fileSize));

    {
        // LoadDiary and SaveDiary alone, on a second dialog that starts empty.
        CDiaryDlg third;
        QTemporaryDir empty;
        QDir::setCurrent(empty.path());
        third.Create();  // empty folder: empty list
        QFile::remove(empty.filePath("vl.dat"));
        QFile::copy(dir.filePath("vl.dat"), empty.filePath("vl.dat"));
        auto t = Clock::now();
        third.LoadDiary();
        Report("LoadDiary", n, Ms(t), "<= 1000 ms at 100000");
        QFile::remove(empty.filePath("vl.dat"));
        auto s = Clock::now();
        third.SaveDiary();
        Report("SaveDiary", n, Ms(s), "<= 500 ms at 100000");
        third.DestroyWindow();
        QDir::setCurrent(dir.path());
    }

    // The editing commands on the full list.
    AfxSetMessageBoxHook([](const MessageBoxRequest&) { return IDYES; });
    dlg->m_strDate = "2026-12-11";
    dlg->m_strTitle = "A new entry";
    dlg->m_strText = "First line\r\nSecond line";
    dlg->UpdateData(FALSE);
    // Each figure includes the work the toolkit does afterwards (fields
    // brought up to date, the list repainted).
    QApplication::processEvents();
    auto t = Clock::now();
    dlg->OnAdd();
    QApplication::processEvents();
    Report("Add (duplicate scan included)", n, Ms(t), "<= 50 ms");
    dlg->m_list.SetSelectionMark(n / 2);
    t = Clock::now();
    NMHDR hdr{nullptr, IDC_LIST, NM_CLICK};
    LRESULT result = 0;
    dlg->OnClickList(&hdr, &result);
    QApplication::processEvents();
    Report("click on a row", n, Ms(t), "<= 50 ms");
    dlg->m_strTitle = "Changed title";
    dlg->UpdateData(FALSE);
    t = Clock::now();
    dlg->OnUpdate();
    QApplication::processEvents();
    Report("Update", n, Ms(t), "<= 50 ms");
    t = Clock::now();
    dlg->OnRemove();
    QApplication::processEvents();
    Report("Remove", n, Ms(t), "<= 50 ms");

    // Sorting.
    for (int column = 0; column < 3; ++column) {
        t = Clock::now();
        dlg->SortByColumn(column);
        QApplication::processEvents();
        char what[64];
        std::snprintf(what, sizeof what, "sort by column %d", column);
        Report(what, n, Ms(t), "<= 300 ms");
    }
    t = Clock::now();
    dlg->SortByColumn(2);
    QApplication::processEvents();
    Report("reversing click", n, Ms(t), "<= 100 ms");

    // The report.
    const QString templates = QStringLiteral(VELMORA_TEMPLATE_DIR);
    QFile::copy(templates + "/ReportOutside.htm", "ReportOutside.htm");
    QFile::copy(templates + "/ReportInside.htm", "ReportInside.htm");
    AfxSetMessageBoxHook([](const MessageBoxRequest&) { return IDNO; });
    t = Clock::now();
    dlg->OnOutput();
    Report("report", n, Ms(t), "<= 1000 ms at 100000");
    const CString page = dlg->LoadTextFile("report.htm");
    t = Clock::now();
    dlg->SaveTextFile("report-copy.htm", page);
    Report("  of which writing the page (fsync)", n, Ms(t), "-");
    AfxSetMessageBoxHook({});

    t = Clock::now();
    dlg->DestroyWindow();
    Report("end of run (SaveDiary on destroy)", n, Ms(t), "-");
    delete dlg;
    std::printf("\n");
    QDir::setCurrent(previous);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    CDiaryApp app;
    QApplication qapp(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {10000, 100000};
    for (int n : sizes)
        RunSize(n);
    return 0;
}
