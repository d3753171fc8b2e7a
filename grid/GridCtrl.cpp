// Construction of the grid and the Qt events that belong to no one concern.
#include "grid/GridCtrl.h"

#include <QApplication>
#include <QResizeEvent>
#include <QScrollBar>

#include "grid/InPlaceEdit.h"
#include "grid/TitleTip.h"

using namespace Qt::StringLiterals;

CGridCtrl::CGridCtrl(QWidget* parent) : QAbstractScrollArea(parent)
{
    gridFont_ = DcFont{-8, 0, kFontWeightNormal, false, u"MS Sans Serif"_s};

    seen_ = ReadSystemColours(palette());
    colours_ = {seen_.windowText, seen_.window, seen_.buttonShadow, seen_.windowText, seen_.buttonFace, 0};

    setFrameStyle(QFrame::Box | QFrame::Plain);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAcceptDrops(true);
    titleTip_ = new CTitleTip(this);

    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollAction(true, action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnScrollAction(false, action); });

    SetGridFont(gridFont_);
    ResetScrollBars();
}

CGridCtrl::~CGridCtrl()
{
    delete editor_.data();
    DeleteAllItems();
}

CInPlaceEdit* CGridCtrl::InPlaceEditor() const { return editor_.data(); }

void CGridCtrl::resizeEvent(QResizeEvent* event)
{
    // A resize ends an edit in place (its rectangle no longer holds); the
    // focus is taken only for that, not from whatever else has it.
    if (editor_)
        TakeFocus();
    QAbstractScrollArea::resizeEvent(event);
    ResetScrollBars();
}

void CGridCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        FollowSystemColours();
        viewport()->update();
    }
    QAbstractScrollArea::changeEvent(event);
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        titleTip_->Hide();
    return QAbstractScrollArea::viewportEvent(event);
}

void CGridCtrl::TakeFocus()
{
    if (!hasFocus())
        setFocus();
    // A window that is not active moves no focus: end the edit all the same.
    if (CInPlaceEdit* editor = editor_.data())
        editor->EndEdit();
}
