#pragma once
// The scan-settings file beside a pre-processed text (the text's path with
// the scan-settings extension), read when present and never written:
//
//   int32 version · [from 29] the scan-settings magic · a string ·
//   three int32 values
#include <cstdint>

#include <QByteArray>
#include <QString>

// What the view keeps of the file; nothing else uses the values.
struct TScanSettings {
    QString text;
    int32_t values[3] = {0, 1, 1};
};

// Reads the file of the text at path (its extension replaced) into
// settings. False, with settings unchanged, when there is no such file,
// when it belongs to another edition or when it ends early.
bool ReadScanSettingsFile(const QString& path, TScanSettings& settings);
// The same over the bytes of a file.
bool ReadScanSettingsFile(const QByteArray& bytes, TScanSettings& settings);
