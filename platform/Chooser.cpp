#include "platform/Chooser.h"

namespace {

class CancellingChooser final : public Chooser {
public:
    QString OpenFile(const QString&, const QString&) override { return {}; }
    QString SaveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString Folder(const QString&, const QString&) override { return {}; }
    bool Colour(ColorRef&) override { return false; }
    bool Font(QFont&) override { return false; }
};

CancellingChooser g_cancellingChooser;
Chooser* g_installedChooser = nullptr;

}  // namespace

Chooser& CurrentChooser() { return g_installedChooser ? *g_installedChooser : g_cancellingChooser; }

Chooser* InstallChooser(Chooser* chooser)
{
    Chooser* previous = g_installedChooser;
    g_installedChooser = chooser;
    return previous;
}
