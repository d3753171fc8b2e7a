#pragma once
// A three-volume book for the find and replace tests: four pages a volume,
// the key 天地 on pages 1 and 3 of the first volume and on page 2 of the
// third, none in the second.
#include <QRadioButton>

#include "app/find/FindDialog.h"
#include "tests/app/BookFixture.h"

inline const QString kFindKey = QStringLiteral("天地");

// Each page one column: the volume name on page 0, a title on page 1.
inline void WriteFindVolume(const QString& path, const QString& name, const std::vector<QStringView>& bodies)
{
    g_PageTable = TPageTable();
    for (size_t p = 0; p < bodies.size(); ++p) {
        TPageRec* page = AppendPageRecord(g_PageTable);
        page->styleName = kDefaultStyleName;
        QString line = bodies[p].toString();
        if (p == 0)
            line.prepend(QStringLiteral("<JM") + name + u'>');
        else if (p == 1)
            line.prepend(QStringLiteral("<BT1-題一>"));
        page->lines = {{line, 0}};
    }
    ASSERT_TRUE(WriteVolumeDataFile(path));
}

class FindBook : public BookOnDisk {
public:
    FindBook() : BookOnDisk({4, 4, 4})
    {
        const std::vector<std::vector<QStringView>> volumes = {
            {u"甲乙丙丁", u"甲天地乙", u"丙丁戊己", u"庚天地辛"},
            {u"甲乙丙丁", u"戊己庚辛", u"壬癸甲乙", u"丙丁戊己"},
            {u"甲乙丙丁", u"戊己庚辛", u"壬天地癸", u"丙丁戊己"},
        };
        for (size_t v = 0; v < volumes.size(); ++v)
            WriteFindVolume(VolumePath(int32_t(v)), QStringLiteral("卷%1").arg(v + 1), volumes[v]);
        g_PageTable = TPageTable();
    }
};

// The find window's scope, chosen as a click would.
inline void ChooseScope(CDlgFind& dialog, CDlgFind::Scope scope)
{
    dialog.findChildren<QRadioButton*>().at(scope)->click();
}
