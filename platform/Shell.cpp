#include "Shell.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "ByteCodec.h"

int ShellExecute(const CWnd*, const CString& verb, const CString& file, const CString&, const CString& directory,
                 int)
{
    if (!verb.IsEmpty() && verb != CString("open"))
        return 31;  // no association for other verbs
    QString target = BytesToQString(file.view());
    const QUrl url(target);
    const bool isAddress = url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1;
    if (!isAddress) {
        // A bare file name is looked up in the given folder, else the current one.
        QDir base = directory.IsEmpty() ? QDir::current() : QDir(BytesToQString(directory.view()));
        target = QFileInfo(base, target).absoluteFilePath();
    }
    // xdg-open starts the desktop's default handler; it is not waited for.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target}) ? 42 : 2;
}
