#pragma once
// Page styles, covers, the 4-in-1 sheet and the parameter set of a book:
// the records, their defaults, the page-size rule, the zoom-scaled copies the
// view draws with, the font synchronisation and the cover helpers. Lengths
// are hundredths of a pixel at zoom 1.0.
//
// The style's defaults, page size, scaled copy and stored forms differ by
// edition and go through g_Edition; WoodblockEdition's overrides, defined in
// Style.cpp and StyleBinary.cpp, are the woodblock ones.
#include <cstdint>

#include <QString>

#include "foundation/OwningList.h"
#include "foundation/params/Box.h"
#include "foundation/params/ImageRef.h"
#include "foundation/params/Punctuation.h"
#include "foundation/params/SpecialFormats.h"

namespace StyleKind {
enum : int32_t { WOODBLOCK = 0, VERTICAL = 1, HORIZONTAL = 2, COVER = 3 };
}

// What the page size depends on besides the style: the view's display modes
// (the callers pass g_TwoPageMode and g_FourInOneMode). The defaults are
// those the program starts with.
struct TDisplayMode {
    bool twoPage = true;
    bool fourInOne = false;
};

struct TStyleBase {
    TBoxPara TEXT_BOX;
    TTechniqueList TECH_ARRAY;
    TCircleList CIRCLE_ARRAY;
    TQuanDianList QUAN_DIAN_ARRAY;
    TFontStyleList CE_PI_ARRAY;
    TBiaoDianPara BIAO_DIAN;
    TAttachFontGroup ATTACH_FONT_GROUP;
    TAttachRichFontGroup ATTACH_RICH_FONT_GROUP;
    int32_t kind = StyleKind::WOODBLOCK;
    QString NAME;
    int32_t pageWidth = 0;
    int32_t pageHeight = 0;
    // Centring offsets of the zoomed copy, set by the view.
    int32_t xOffset = 0;
    int32_t yOffset = 0;
};

// The vertical edition's side box beside the text box: the running title
// and the page number. BOX_HEIGHT is stored and copied but drawn by nothing.
struct TSideBox {
    int32_t BOX_WIDTH = 4000;
    int32_t BOX_HEIGHT = 0;
    int32_t BOX_TITLE_POS = 8000;
    int32_t BOX_PAGE_POS = 46000;
    TFontPair TITLE_FONT;  // "<TITLE_MFONT_GROUP>"
    TFontPair PAGE_FONT;   // "<PAGE_MFONT_GROUP>"

    bool operator==(const TSideBox&) const = default;
};

// Where the horizontal page bar puts the running title or the page number.
namespace TBarPosType {
enum : int32_t { TYPE_NO = 0, TYPE_HEAD_MID = 1, TYPE_HEAD_SIDE = 2, TYPE_FOOT_MID = 3, TYPE_FOOT_SIDE = 4 };
}

// The horizontal edition's header band above the text box and footer band
// below it, with the running title and the page number.
struct TPageBar {
    int32_t HEAD_HEIGHT = 4000;
    int32_t FOOT_HEIGHT = 0;
    bool SHOW_HEAD_LINE = true;
    bool SHOW_FOOT_LINE = false;
    int32_t TITLE_POS_TYPE = TBarPosType::TYPE_HEAD_MID;
    int32_t PAGE_POS_TYPE = TBarPosType::TYPE_HEAD_SIDE;
    TFontPair TITLE_FONT;  // "<TITLE_MFONT_GROUP>"
    TFontPair PAGE_FONT;   // "<PAGE_MFONT_GROUP>"

    bool operator==(const TPageBar&) const = default;
};

// Where a new volume starts (vertical and horizontal editions).
namespace TNewVolumePageType {
enum : int32_t { NEXT_PAGE = 0, NEXT_SINGLAR_PAGE = 1 };
}

struct TStyle : TStyleBase {
    // With the defaults of the edition in force.
    TStyle();

    int32_t OUT_BORDER = 0;  // outer frame line
    int32_t IN_BORDER = 0;   // inner frame line; the text box's rule after reading
    int32_t SPACE = 0;       // blank between the frames
    int32_t MID_WIDTH = 0;   // centre column
    int32_t MID_UP_HEIGHT = 0;
    int32_t MID_MID_HEIGHT = 0;
    int32_t MID_LINE = 0;  // black line along the centre seam; 0 none
    int32_t UP_FISH_TYPE = 0;
    int32_t DOWN_FISH_TYPE = 0;
    bool SHOW_MID_DOWN = false;
    bool raisedHead = false;  // set by the typesetter; binary files only
    bool SHOW_STAMP = false;
    ColorRef BORDER_COLOR = 0;
    ColorRef BACK_COLOR = 0;
    bool GROUND_IMAGE = false;
    TImageRef GROUND;  // GROUND_NAME and its folder kind
    TBoxPara HEAD_BOX;
    TFontPair MID_UP_FONT;
    TFontPair MID_MID_FONT;
    TFontPair MID_DOWN_FONT;
    // The vertical and horizontal editions.
    int32_t NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_SINGLAR_PAGE;
    TSideBox SIDE_BOX;
    TPageBar PAGE_BAR;  // the horizontal edition
};

// A cover ("FengMian") or back cover ("FengDi"). Its base part carries kind,
// NAME and the page size; its lists stay empty and its text box unset.
struct TCoverPara : TStyleBase {
    TCoverPara();

    TFontPair COVER_FONT;           // "<STYLE_COVER>", "<STYLE_BACK>"
    TRichFontPair COVER_RICH_FONT;  // stored nowhere
};

// The 4-in-1 sheet.
struct TPara4in1 {
    TPara4in1();

    bool continuousPages = false;  // page numbers run on across volumes
    int32_t halfGap = 0;           // between the upper and the lower half
    int32_t titleWidth = 0;        // title column
    int32_t titlePos = 0;
    int32_t pageNumberPos = 0;
    TFontPair titleFont;
    TFontPair pageNumberFont;
};

using TStyleList = OwningList<TStyle>;
using TCoverList = OwningList<TCoverPara>;

struct TParaSet {
    TStyleList styles;
    TCoverList covers;
};

extern const QString kCoverName;      // "FengMian"
extern const QString kBackCoverName;  // "FengDi"
extern const QString kDefaultStyleName;  // "para0"

// The name is that of the cover or the back cover, not of a page style.
inline bool IsCoverName(const QString& name) { return name == kCoverName || name == kBackCoverName; }

// Edition forms, dispatched through g_Edition.
void SetStyleDefaults(TStyle& style, const TDisplayMode& display);
// Style kinds other than the edition's page style keep their size.
void ComputeStylePageSize(TStyle& style, const TDisplayMode& display);
// The zoom-scaled copy of source (callers pass g_CurrentStyle).
TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom);

void SetCoverDefaults(TCoverPara& cover);
void SetPara4in1Defaults(TPara4in1& para);
// Scaled copies: of the cover (callers pass g_CurrentCover) and of the sheet.
TCoverPara& ScaleCoverPara(const TCoverPara& source, double zoom, TCoverPara& out);
TPara4in1& ScalePara4in1(const TPara4in1& source, TPara4in1& out, double zoom);

// Recomputes the derived grid values of both boxes.
void UpdateStylePitch(TStyle& style);
// Rich fonts of both boxes (where AUTO_RICH_FONT is set) and of the attached
// group (overwritten when the text box's AUTO_RICH_FONT is set).
void SyncStyleFonts(TStyle& style);

// The "FengMian" / "FengDi" record, appended when missing; never null.
TCoverPara* GetCoverPara(TParaSet& set);
TCoverPara* GetBackCoverPara(TParaSet& set);
// Files before version 28 keep covers as styles "COVER" and "BACK": they
// become the cover records and leave the style list.
void MoveLegacyCoverStyles(TParaSet& set);
// The largest page size of the styles becomes that of both covers.
void ApplyCoverSizes(TParaSet& set);

// Pointers into a set's styles. The current-list globals (g_CurTechList …
// g_CurAttachFonts) point at the lists of one style while it is typeset.
// Every operation here that deletes styles first releases the globals that
// point into them (they become null, never dangling); the holder of a
// current style re-points it with RepointStyle and PointCurrentListsAt.
void PointCurrentListsAt(TStyleBase* style);
void ReleaseCurrentLists(const TStyleBase& style);
// Deletes every style of the list, releasing the pointers into them.
void ClearStyles(TStyleList& styles);
void RemoveStyleAt(TStyleList& styles, int32_t index);
// The style named name, else the first style; null for an empty list.
TStyle* RepointStyle(const TStyleList& styles, const QString& name);
// Appends a style with the edition's defaults, its page size for the
// display modes; its name is left empty.
TStyle* AddNewStyle(TStyleList& styles, const TDisplayMode& display);
// Appends the default style "para0" when the list is empty.
void EnsureOneStyle(TStyleList& styles, const TDisplayMode& display);
