#include "app/settings/FrameSettings.h"

#include <algorithm>
#include <functional>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/AppGlobals.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "platform/Archive.h"
#include "platform/SafeWriteFile.h"
#include "render/RenderGlobals.h"

using namespace Qt::StringLiterals;

namespace {

void ExchangeTextFormat(Archive& archive, TTextPaneFormat& format)
{
    archive.Exchange(format.face);
    archive.Exchange(format.charset);
    archive.Exchange(format.height);
    archive.Exchange(format.pitchAndFamily);
    archive.Exchange(format.effects);
}

// One field: exchanges its value with the archive; when loading, the value
// is taken only when it came whole and passes the check.
using FieldStep = std::function<bool(Archive&, TFrameSettings&)>;

template <class T>
FieldStep Field(T TFrameSettings::*member, std::function<bool(const T&)> sound = {})
{
    return [member, sound](Archive& archive, TFrameSettings& settings) {
        T value = settings.*member;
        archive.Exchange(value);
        if (archive.Failed() || (archive.IsLoading() && sound && !sound(value)))
            return false;
        settings.*member = value;
        return true;
    };
}

template <class T>
FieldStep Record(T TFrameSettings::*member, void (*exchange)(Archive&, T&))
{
    return [member, exchange](Archive& archive, TFrameSettings& settings) {
        T value = settings.*member;
        exchange(archive, value);
        if (archive.Failed())
            return false;
        settings.*member = value;
        return true;
    };
}

std::vector<FieldStep> FieldSteps(bool withTwoPage)
{
    const auto notNegative = [](const int32_t& v) { return v >= 0; };
    const auto orientation = [](const int16_t& v) { return v == 1 || v == 2; };
    std::vector<FieldStep> steps = {
        Field<int32_t>(&TFrameSettings::marginLeft, notNegative),
        Field<int32_t>(&TFrameSettings::marginRight, notNegative),
        Field<int32_t>(&TFrameSettings::marginTop, notNegative),
        Field<int32_t>(&TFrameSettings::marginBottom, notNegative),
        Field<int16_t>(&TFrameSettings::orientation, orientation),
        Field<int32_t>(&TFrameSettings::zoomIndex),
        Field<QString>(&TFrameSettings::projectFolder),
    };
    if (withTwoPage)
        steps.push_back(Field<int32_t>(&TFrameSettings::twoPage));
    steps.push_back(Field<QString>(&TFrameSettings::lastBookFolder));
    steps.push_back(Record<TFontAndColor>(&TFrameSettings::editFont, SerializeFontAndColor));
    steps.push_back(Record<TTextPaneFormat>(&TFrameSettings::textFormat, ExchangeTextFormat));
    return steps;
}

bool EditionHasTwoPageField() { return !g_Edition || g_Edition->HasTwoPageCommand(); }

}  // namespace

bool ReadFrameSettings(QIODevice& device, TFrameSettings& settings, bool withTwoPage)
{
    Archive archive(device, Archive::Mode::Load);
    bool whole = true;
    for (const FieldStep& step : FieldSteps(withTwoPage)) {
        if (!step(archive, settings)) {
            whole = false;
            break;
        }
    }
    settings.zoomIndex = std::clamp(settings.zoomIndex, 0, kMaxZoomIndex);
    return whole;
}

bool WriteFrameSettings(QIODevice& device, const TFrameSettings& settings, bool withTwoPage)
{
    Archive archive(device, Archive::Mode::Store);
    TFrameSettings copy = settings;
    for (const FieldStep& step : FieldSteps(withTwoPage))
        step(archive, copy);
    return !archive.Failed();
}

QString FrameSettingsPath()
{
    if (g_ProgramPath.isEmpty())
        InitAppFolder();
    const QString program = g_ProgramPath.isEmpty() ? QString() : QFileInfo(g_ProgramPath).completeBaseName();
    const QString name = (program.isEmpty() && g_Edition ? g_Edition->ProgramName() : program) + u".ini"_s;
    if (!g_ProgramPath.isEmpty()) {
        const QFileInfo folder(QFileInfo(g_ProgramPath).absolutePath());
        if (folder.isDir() && folder.isWritable())
            return folder.absoluteFilePath() + u'/' + name;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u'/' + name;
}

void LoadFrameSettings(TFrameSettings& settings, const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        ReadFrameSettings(file, settings, EditionHasTwoPageField());
    if (!settings.projectFolder.isEmpty() && QFileInfo(settings.projectFolder).isDir())
        QDir::setCurrent(settings.projectFolder);
    const TDisplayMode display{settings.twoPage != 0, g_FourInOneMode != 0};
    for (TStyle& style : g_ParaSet.styles)
        ComputeStylePageSize(style, display);
}

bool SaveFrameSettings(const TFrameSettings& settings, const QString& path)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    WriteFrameSettings(bytes, settings, EditionHasTwoPageField());
    QDir().mkpath(QFileInfo(path).absolutePath());
    SafeWriteFile file;
    return file.Open(path) && file.Write(bytes.data().constData(), bytes.data().size()) && file.Commit();
}
