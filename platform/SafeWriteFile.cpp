#include "platform/SafeWriteFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

#include <vector>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// Our temporary files are named target + this + the writing process's id +
// "-" + six random characters: no user's file looks like that, and the id
// tells a save still running from one that was killed.
constexpr char16_t kTempMark[] = u".vellumor-save-";

QString RandomSuffix()
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QChar(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars - 1))]);
    return suffix;
}

bool ProcessIsGone(qint64 pid) { return pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH; }

// Removes what a killed save of target left beside it; a save still running
// in another program keeps its file. The folder is read with readdir and
// names compared as bytes: a save runs once per volume of a book, and
// building a QFileInfo for every name of a folder of thousands of volumes
// made saving the whole book grow with its square.
void RemoveStrayTemps(const QString& target)
{
    const QFileInfo info(target);
    const QByteArray dirPath = QFile::encodeName(info.path());
    const QByteArray prefix = QFile::encodeName(info.fileName() + QString::fromUtf16(kTempMark));
    DIR* dir = ::opendir(dirPath.constData());
    if (!dir)
        return;
    std::vector<QByteArray> strays;
    while (const dirent* entry = ::readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strncmp(name, prefix.constData(), size_t(prefix.size())) != 0)
            continue;
        bool ok = false;
        const qint64 pid = QByteArray(name + prefix.size()).split('-').value(0).toLongLong(&ok);
        if (ok && (pid == qint64(::getpid()) || ProcessIsGone(pid)))
            strays.push_back(dirPath + '/' + name);
    }
    ::closedir(dir);
    for (const QByteArray& stray : strays)
        if (QFileInfo(QFile::decodeName(stray)).isFile())
            ::unlink(stray.constData());
}

// A link is saved through: its target is replaced, the link stays.
QString ResolvedTarget(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

}  // namespace

SafeWriteFile::SafeWriteFile() = default;

SafeWriteFile::~SafeWriteFile() { Discard(); }

bool SafeWriteFile::Open(const QString& path)
{
    Discard();
    failed_ = false;
    target_ = ResolvedTarget(path);
    const QFileInfo existing(target_);
    if (existing.exists() && (!existing.isFile() || !existing.isWritable()))
        return false;
    RemoveStrayTemps(target_);
    const QString stem = target_ + QString::fromUtf16(kTempMark) + QString::number(::getpid()) + u'-';
    for (int attempt = 0; attempt < 16; ++attempt) {
        auto file = std::make_unique<QFile>(stem + RandomSuffix());
        // Unbuffered: our callers gather large blocks themselves, and a write
        // that fails (a full disk) must fail here, not in a later flush.
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (existing.exists())
                file->setPermissions(existing.permissions());
            file_ = std::move(file);
            return true;
        }
        if (QFileInfo::exists(file->fileName()))
            continue;  // the name was taken: another
        return false;
    }
    return false;
}

bool SafeWriteFile::IsOpen() const { return file_ != nullptr; }

bool SafeWriteFile::Write(const char* data, qint64 size)
{
    if (!file_ || failed_)
        return false;
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file_->write(data + done, size - done);
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        done += n;
    }
    return true;
}

bool SafeWriteFile::Commit()
{
    if (!file_)
        return false;
    // On the disk before it takes the target's place: a crash after the
    // rename finds the whole new file, before it the whole old one.
    bool ok = !failed_ && ::fsync(file_->handle()) == 0;
    file_->close();
    ok = ok && file_->error() == QFileDevice::NoError;
    ok = ok && std::rename(QFile::encodeName(file_->fileName()).constData(), QFile::encodeName(target_).constData()) == 0;
    if (!ok)
        file_->remove();
    file_.reset();
    return ok;
}

void SafeWriteFile::Discard()
{
    if (!file_)
        return;
    file_->close();
    file_->remove();
    file_.reset();
}

QString SafeWriteFile::ErrorString() const { return file_ ? file_->errorString() : QString(); }
