#include "platform/Chooser.h"

#include "platform/PlatformGlobals.h"

namespace {

class CancellingChooser final : public Chooser {
public:
    QString OpenFile(const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(const QString&, const QString&) override { return {}; }
    bool Colour(ColorRef&) override { return false; }
    bool Font(QFont&) override { return false; }
};

}  // namespace

Chooser& CurrentChooser()
{
    static CancellingChooser cancelling;
    Chooser* installed = g_InstalledChooser.Get();
    return installed ? *installed : cancelling;
}

Chooser* InstallChooser(Chooser* chooser) { return g_InstalledChooser.Install(chooser); }
