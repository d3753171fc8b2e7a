#include "app/controls/FolderDialog.h"

QString ShortenStatusPath(const QString& path)
{
    constexpr int kShown = 35;
    return path.size() > kShown ? path.left(kShown) + QStringLiteral("...") : path;
}
