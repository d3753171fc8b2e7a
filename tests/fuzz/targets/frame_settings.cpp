// The settings archive: margins, orientation, zoom, folders, the two-page
// flag (woodblock only) and the panes' fonts, read field by field.
#include "FuzzTarget.h"

#include <QBuffer>

#include "app/settings/FrameSettings.h"

// two-page field selector (low bit) · the file
void FuzzOne(FuzzInput input)
{
    const bool withTwoPage = input.TakeByte() & 1;
    QByteArray bytes = input.RestBytes();
    QBuffer device(&bytes);
    if (!device.open(QIODevice::ReadOnly))
        return;
    TFrameSettings settings;
    ReadFrameSettings(device, settings, withTwoPage);
}

void WriteSeeds(SeedWriter& seeds)
{
    TFrameSettings settings;
    settings.projectFolder = QStringLiteral("/home/書/論語");
    settings.lastBookFolder = QStringLiteral("/home/書");
    settings.textFormat.face = QStringLiteral("AR PL UMing TW");
    for (char withTwoPage = 0; withTwoPage < 2; ++withTwoPage) {
        QByteArray bytes;
        QBuffer device(&bytes);
        device.open(QIODevice::WriteOnly);
        WriteFrameSettings(device, settings, withTwoPage != 0);
        seeds.Add(QStringLiteral("settings-%1").arg(int(withTwoPage)), QByteArray(1, withTwoPage) + bytes);
    }
}
