#include "platform/SafeWriteFile.h"

#include <QSaveFile>

SafeWriteFile::SafeWriteFile() = default;

SafeWriteFile::~SafeWriteFile() { Discard(); }

bool SafeWriteFile::Open(const QString& path)
{
    Discard();
    file_ = std::make_unique<QSaveFile>(path);
    failed_ = false;
    // Unbuffered: our callers gather large blocks themselves, and a write that
    // fails (a full disk) must fail here, not in a flush that commit() misses.
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        file_.reset();
        return false;
    }
    return true;
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
            file_->cancelWriting();
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
    const bool ok = !failed_ && file_->commit();
    file_.reset();
    return ok;
}

void SafeWriteFile::Discard()
{
    file_.reset();  // QSaveFile removes its temporary file when not committed
}

QString SafeWriteFile::ErrorString() const { return file_ ? file_->errorString() : QString(); }
