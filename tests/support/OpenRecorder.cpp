#include "OpenRecorder.h"

#include <cstdlib>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "TestSupport.h"

OpenRecorder::OpenRecorder() : m_oldPath(qgetenv("PATH"))
{
    m_log = m_dir.filePath("calls.log").toStdString();
    const QString script = m_dir.filePath("xdg-open");
    WriteBytes(script.toStdString(), "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + m_log + "'\n");
    QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("PATH", m_dir.path().toUtf8() + ":" + m_oldPath);
}

OpenRecorder::~OpenRecorder()
{
    qputenv("PATH", m_oldPath);
}

std::vector<std::string> OpenRecorder::Calls(std::size_t expected)
{
    std::vector<std::string> calls;
    QElapsedTimer timer;
    timer.start();
    do {
        calls.clear();
        const std::string log = ReadBytes(m_log);
        std::size_t from = 0;
        while (from < log.size()) {
            const std::size_t lf = log.find('\n', from);
            calls.push_back(log.substr(from, lf - from));
            from = lf == std::string::npos ? log.size() : lf + 1;
        }
        if (calls.size() >= expected)
            break;
        QTest::qWait(20);
    } while (timer.elapsed() < 5000);
    return calls;
}
