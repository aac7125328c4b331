// Puts a recording stand-in for xdg-open first on PATH, so tests see what
// the program hands to the desktop's default handler.
#pragma once

#include <string>
#include <vector>

#include <QByteArray>
#include <QTemporaryDir>

class OpenRecorder {
public:
    OpenRecorder();
    ~OpenRecorder();
    // The arguments of each call so far, waiting up to `expected` calls.
    std::vector<std::string> Calls(std::size_t expected);

private:
    QTemporaryDir m_dir;
    QByteArray m_oldPath;
    std::string m_log;
};
