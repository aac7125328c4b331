#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "ByteCodec.h"

namespace {

constexpr std::size_t kChunk = 64 * 1024;

QString FileNameOf(const CString& name)
{
    return BytesToQString(name.view());
}

}  // namespace

CTextInStream::CTextInStream(const CString& fileName)
{
    const QString name = FileNameOf(fileName);
    QFileInfo info(name);
    m_existed = info.exists() || info.isSymLink();
    if (info.isDir() || name.isEmpty()) {
        m_openFailed = true;
        return;
    }
    m_file = std::make_unique<QFile>(name);
    if (!info.exists() && !info.isSymLink()) {
        // Opening for reading makes a missing file, empty.
        QFile create(name);
        if (!create.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_openFailed = true;
            return;
        }
        create.close();
    }
    if (!m_file->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_openFailed = true;
}

CTextInStream::~CTextInStream() = default;

bool CTextInStream::Refill()
{
    if (m_atEnd || !m_file || !m_file->isOpen())
        return false;
    m_buffer.resize(kChunk);
    const qint64 n = m_file->read(m_buffer.data(), static_cast<qint64>(kChunk));
    if (n < 0) {
        m_readError = true;
        m_atEnd = true;
        m_buffer.clear();
        return false;
    }
    m_buffer.resize(static_cast<std::size_t>(n));
    m_pos = 0;
    if (n == 0) {
        m_atEnd = true;
        return false;
    }
    return true;
}

bool CTextInStream::NextByte(unsigned char& b)
{
    if (m_pos >= m_buffer.size() && !Refill())
        return false;
    b = static_cast<unsigned char>(m_buffer[m_pos++]);
    return true;
}

bool CTextInStream::PeekByte(unsigned char& b)
{
    if (m_pos >= m_buffer.size() && !Refill())
        return false;
    b = static_cast<unsigned char>(m_buffer[m_pos]);
    return true;
}

bool CTextInStream::get(char& c)
{
    if (m_openFailed)
        return false;
    unsigned char b;
    if (!NextByte(b))
        return false;
    if (b == 26) {  // Ctrl-Z ends the text
        m_atEnd = true;
        m_buffer.clear();
        m_pos = 0;
        return false;
    }
    if (b == '\r') {
        unsigned char next;
        if (PeekByte(next) && next == '\n') {
            ++m_pos;
            b = '\n';
        }
    }
    c = static_cast<char>(b);
    return true;
}

void CTextInStream::close()
{
    if (m_file)
        m_file->close();
}

CTextOutStream::CTextOutStream(const CString& fileName)
{
    const QString name = FileNameOf(fileName);
    if (name.isEmpty() || QFileInfo(name).isDir()) {
        m_failed = true;
        return;
    }
    m_file = std::make_unique<QSaveFile>(name);
    // QSaveFile refuses an existing file that may not be written, follows a
    // symbolic link to its target and keeps the old file's permission bits.
    if (!m_file->open(QIODevice::WriteOnly))
        m_failed = true;
    m_buffer.reserve(kChunk + 2);
}

CTextOutStream::~CTextOutStream()
{
    if (m_file && !m_closed)
        m_file->cancelWriting();  // the temporary file is removed, the old file stays
}

void CTextOutStream::FlushBuffer()
{
    if (m_failed || m_buffer.empty()) {
        m_buffer.clear();
        return;
    }
    const qint64 n = m_file->write(m_buffer.data(), static_cast<qint64>(m_buffer.size()));
    if (n != static_cast<qint64>(m_buffer.size()))
        m_failed = true;
    m_buffer.clear();
}

void CTextOutStream::put(char c)
{
    if (c == '\n')
        m_buffer += '\r';
    m_buffer += c;
    if (m_buffer.size() >= kChunk)
        FlushBuffer();
}

void CTextOutStream::write(std::string_view text)
{
    // The same as put() for every character, a line at a time.
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        const std::string_view line = text.substr(0, lf);
        m_buffer.append(line);
        if (lf == std::string_view::npos) {
            text = {};
        } else {
            m_buffer.append("\r\n");
            text.remove_prefix(lf + 1);
        }
        if (m_buffer.size() >= kChunk)
            FlushBuffer();
    }
}

bool CTextOutStream::close()
{
    if (m_closed)
        return !m_failed;
    FlushBuffer();
    m_closed = true;
    if (!m_file)
        return false;
    if (m_failed) {
        m_file->cancelWriting();
        m_file->commit();  // discards the temporary file
        return false;
    }
    // commit() flushes, syncs to disk and renames over the old file.
    if (!m_file->commit())
        m_failed = true;
    return !m_failed;
}
