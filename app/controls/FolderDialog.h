#pragma once
// Choosing a folder: the status text the chooser shows for a path.
#include <QString>

// A path longer than 35 characters as its first 35 and "...".
QString ShortenStatusPath(const QString& path);
