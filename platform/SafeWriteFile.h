#pragma once
// The one way our writers put bytes on disk. Everything goes to a temporary
// file beside the target that replaces it only when Commit succeeds, so a
// failed save leaves the old file as it was. Errors are sticky: after the
// first failed write, further writes do nothing and Commit reports failure.
// A temporary file that a killed save left behind is removed when that
// target is next saved.
#include <memory>

#include <QString>

class QFile;

class SafeWriteFile {
public:
    SafeWriteFile();
    ~SafeWriteFile();  // an uncommitted file is discarded
    SafeWriteFile(const SafeWriteFile&) = delete;
    SafeWriteFile& operator=(const SafeWriteFile&) = delete;

    bool Open(const QString& path);
    bool IsOpen() const;
    bool Write(const char* data, qint64 size);
    // Replaces the target with what was written; false when anything failed.
    bool Commit();
    // Drops what was written; the target stays untouched.
    void Discard();
    QString ErrorString() const;

private:
    std::unique_ptr<QFile> file_;  // the temporary file
    QString target_;
    bool failed_ = false;
};
