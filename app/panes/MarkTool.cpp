#include "app/panes/MarkTool.h"

#include <algorithm>
#include <array>

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

namespace {

using enum MarkKind;

constexpr std::array kButtons = {
    MarkButton{1175, u"注文", u"【ZW】", u"【-ZW】", Pair},
    MarkButton{1165, u"分割", u"【|】", u"", Single},
    MarkButton{1144, u"字體", u"【ZT】", u"【-ZT】", PairWithParam},
    MarkButton{1158, u"字距", u"【ZJ】", u"【-ZJ】", PairWithParam},
    MarkButton{1115, u"特殊", u"【TS】", u"【-TS】", PairWithParam},
    MarkButton{1159, u"帶圈", u"【YQ】", u"【-YQ】", PairWithParam},
    MarkButton{1166, u"圖片", u"【TP+", u"】", Pair},
    MarkButton{1170, u"印章", u"【YZ", u"】", Pair},
    MarkButton{1160, u"書名", u"【SM", u"】", Pair},
    MarkButton{1167, u"圖字", u"【TZ", u"】", Pair},
    MarkButton{1161, u"卷名", u"【JM", u"】", Pair},
    MarkButton{1162, u"標題", u"【BT-", u"】", Pair},
    MarkButton{1163, u"空格", u"【BK】", u"", Single},
    MarkButton{1173, u"抬頭", u"【TT】", u"", Single},
    MarkButton{1164, u"版心", u"【BX】", u"", Single},
    MarkButton{1174, u"行數", u"【HS】", u"", Single},
    MarkButton{1168, u"版式", u"【BS", u"】", Pair},
    MarkButton{1169, u"參數", u"【CS", u"】", Pair},
    MarkButton{1171, u"斷行", u"【DH】", u"", Single},
    MarkButton{1172, u"換行", u"【HH】", u"", Single},
    MarkButton{1176, u"封面", u"【FM】", u"【-FM】", Pair},
    MarkButton{1177, u"封底", u"【FD", u"】", Pair},
    MarkButton{1205, u"眉批", u"【MP】", u"【-MP】", Pair},
    MarkButton{1201, u"側批", u"【CP】", u"【-CP】", PairWithParam},
    MarkButton{1195, u"圈點", u"【QD】", u"【-QD】", PairWithParam},
};

// Head notes, side notes and emphasis marks exist in the woodblock edition only.
constexpr std::array kWoodblockOnly = {1205, 1201, 1195};
constexpr int kColumns = 5;

}  // namespace

const MarkButton* FindMarkButton(int id)
{
    const auto it = std::find_if(kButtons.begin(), kButtons.end(), [id](const MarkButton& b) { return b.id == id; });
    return it == kButtons.end() ? nullptr : &*it;
}

void InsertMarkTag(QPlainTextEdit& edit, int id)
{
    const MarkButton* button = FindMarkButton(id);
    if (!button)
        return;
    const QString tag = QString::fromUtf16(button->tag);
    const QString closing = QString::fromUtf16(button->closing);
    QTextCursor cursor = edit.textCursor();
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    if (start == end) {
        cursor.insertText(button->kind == MarkKind::Single ? tag : tag + closing);
        cursor.setPosition(start + int(tag.size()));
    } else if (button->kind == MarkKind::Single) {
        cursor.setPosition(start);
        cursor.insertText(tag);
    } else {
        cursor.beginEditBlock();
        cursor.setPosition(end);
        cursor.insertText(closing);
        cursor.setPosition(start);
        cursor.insertText(tag);
        cursor.endEditBlock();
        if (button->kind == MarkKind::PairWithParam)
            cursor.setPosition(start + int(tag.size()) - 1);
    }
    edit.setTextCursor(cursor);
    edit.setFocus();
}

CDlgMarkTool::CDlgMarkTool(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("標記工具"));
    setModal(false);
    auto* grid = new QGridLayout(this);
    const bool woodblock = g_Edition->Kind() == EditionKind::Woodblock;
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const MarkButton& b = kButtons[i];
        auto* button = new QPushButton(QString::fromUtf16(b.caption), this);
        button->setObjectName(QString::number(b.id));
        button->setAutoDefault(false);
        const bool woodblockOnly = std::find(kWoodblockOnly.begin(), kWoodblockOnly.end(), b.id) != kWoodblockOnly.end();
        button->setEnabled(woodblock || !woodblockOnly);
        connect(button, &QPushButton::clicked, this, [this, id = b.id] { emit MarkToolCommand(id); },
                Qt::QueuedConnection);
        grid->addWidget(button, int(i) / kColumns, int(i) % kColumns);
    }
}

QPushButton* CDlgMarkTool::Button(int id) const
{
    return findChild<QPushButton*>(QString::number(id));
}
