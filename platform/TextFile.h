// Text-mode file streams with the same behaviour on every platform.
// Reading turns CR LF into LF, keeps a lone CR and stops at byte 26 (Ctrl-Z).
// Writing turns LF into CR LF; the new content goes to a temporary file
// beside the target and replaces it only when every byte reached the disk.
#pragma once

#include <memory>
#include <string>

#include "CString.h"

class QFile;
class QSaveFile;

class CTextInStream {
public:
    // Opens `fileName` for reading. A missing file is created, empty, first;
    // a folder or a file that cannot be read fails to open.
    explicit CTextInStream(const CString& fileName);
    ~CTextInStream();
    CTextInStream(const CTextInStream&) = delete;
    CTextInStream& operator=(const CTextInStream&) = delete;

    bool fail() const { return m_openFailed; }
    // Whether the file was there before it was opened.
    bool existed() const { return m_existed; }
    // Next character after the text-mode translation; false at the end of the
    // text (end of file, byte 26) or on a read error.
    bool get(char& c);
    bool readError() const { return m_readError; }
    void close();

private:
    bool NextByte(unsigned char& b);
    bool PeekByte(unsigned char& b);
    bool Refill();

    std::unique_ptr<QFile> m_file;
    std::string m_buffer;
    std::size_t m_pos = 0;
    bool m_openFailed = false;
    bool m_existed = false;
    bool m_readError = false;
    bool m_atEnd = false;
};

class CTextOutStream {
public:
    // Prepares to replace `fileName`. Fails to open for a folder, a file that
    // may not be written, or a folder in which no file can be made.
    explicit CTextOutStream(const CString& fileName);
    ~CTextOutStream();  // without a successful close(), the old file stays
    CTextOutStream(const CTextOutStream&) = delete;
    CTextOutStream& operator=(const CTextOutStream&) = delete;

    bool fail() const { return m_failed; }
    void put(char c);
    void write(std::string_view text);
    // Writes what is buffered, syncs it to disk and puts the new file in place
    // of the old one. True only when all of that succeeded.
    bool close();

private:
    void FlushBuffer();

    std::unique_ptr<QSaveFile> m_file;
    std::string m_buffer;
    bool m_failed = false;
    bool m_closed = false;
};
