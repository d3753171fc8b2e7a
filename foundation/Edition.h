#pragma once
// What differs between the three programs built from this tree. main() picks
// one edition object before anything else runs and installs it as g_Edition;
// code that an edition replaces calls through it. The chain is
// WoodblockEdition <- VerticalEdition <- HorizontalEdition: an edition
// inherits every form it does not give itself.
#include <cstdint>

#include <QString>
#include <QStringView>

class TBinFile;
class TTextFile;
struct TBoxSize;
struct TDisplayMode;
struct TStyle;
class TypesetEdition;  // typeset/TypesetEdition.h
class RenderEdition;   // render/RenderEdition.h

enum class EditionKind { Woodblock, Vertical, Horizontal };

// The binary files of a project or book, told apart per edition by extension
// and (from file version 29) by a magic string.
enum class FileKind { Project, ScanSettings, Typeset, Index, FourInOne, FourthCompanion, VolumeData };

class Edition {
public:
    virtual ~Edition() = default;

    virtual EditionKind Kind() const = 0;
    // "VellumorBlock", "VellumorVert", "VellumorHorz": the settings profile name.
    virtual QString ProgramName() const = 0;
    // The main window's title.
    virtual QString Title() const = 0;

    // Extension without the dot ("xmk").
    QString Extension(FileKind kind) const;
    // Magic string of a file, empty for the files that carry none.
    QString Magic(FileKind kind) const;
    // The two magics that are defined but written by nothing.
    QString TitleMagic() const;
    QString ScanMagic() const;
    // The edition block of the layout-parameter file: "PARA_KB" or "PARA_SP".
    virtual QString ParaBlockName() const = 0;
    // The oldest layout-parameter file version the edition reads.
    virtual int32_t MinParaFileVersion() const = 0;
    // The oldest project or typeset file version whose style list the
    // edition reads (and converts); older files keep the set as it was.
    virtual int32_t MinStyleListFileVersion() const = 0;

    // The two-page toggle as the woodblock program has it: command 501 with
    // its menu item and button, and the two-page flag as field 8 of the
    // settings archive. Without it, two-page display is switched with the
    // 'D' key only, the archive leaves the field out, and every reset of
    // the working state starts in single pages.
    virtual bool HasTwoPageCommand() const { return true; }

    // The style record: defaults, page size, zoomed copy, binary form and
    // the body of its "<STYLE>" block in the layout-parameter file.
    virtual void SetStyleDefaults(TStyle& style, const TDisplayMode& display) const = 0;
    virtual void ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const = 0;
    virtual TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom) const = 0;
    virtual int32_t WriteStyle(const TStyle& style, TBinFile& file) const = 0;
    virtual bool ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const = 0;
    virtual void StyleToText(TTextFile& file, const TStyle& style) const = 0;
    virtual void StyleFromText(QStringView text, TStyle& style, int32_t version,
                               const TDisplayMode& display) const = 0;

    // The box grid: its derived values and its stored forms.
    virtual void DeriveBoxSize(TBoxSize& size) const = 0;
    virtual int32_t WriteBoxSize(TBinFile& file, const TBoxSize& size) const = 0;
    // version: the file's; the horizontal grid gained fields with 30.
    virtual bool ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version) const = 0;
    virtual void BoxSizeToText(TTextFile& file, const TBoxSize& size) const = 0;
    virtual void BoxSizeFromText(QStringView block, TBoxSize& size) const = 0;

    // The typesetting rules this edition sets its own way; null for the
    // woodblock rules (CurrentTypesetEdition gives those).
    virtual const TypesetEdition* Typesetting() const { return nullptr; }

    // The page drawing this edition does its own way; null for the woodblock
    // drawing (CurrentDrawing gives that).
    virtual const RenderEdition* Drawing() const { return nullptr; }

protected:
    // "KB", "SP" or "HP": the suffix of every magic.
    virtual QString MagicSuffix() const = 0;
    // 'k', 's' or 'h': the last letter of every extension.
    virtual QChar ExtensionLetter() const = 0;
};

// The woodblock forms. The record forms (style, box grid) are defined beside
// their records in foundation/params; an edition that shares a step calls
// the WoodblockEdition form.
class WoodblockEdition : public Edition {
public:
    EditionKind Kind() const override { return EditionKind::Woodblock; }
    QString ProgramName() const override;
    QString Title() const override;
    QString ParaBlockName() const override;
    int32_t MinParaFileVersion() const override;
    int32_t MinStyleListFileVersion() const override;

    void SetStyleDefaults(TStyle& style, const TDisplayMode& display) const override;
    void ComputeStylePageSize(TStyle& style, const TDisplayMode& display) const override;
    TStyle& ScaleStyle(const TStyle& source, TStyle& out, double zoom) const override;
    int32_t WriteStyle(const TStyle& style, TBinFile& file) const override;
    bool ReadStyle(TBinFile& file, TStyle& style, int32_t version, const TDisplayMode& display) const override;
    void StyleToText(TTextFile& file, const TStyle& style) const override;
    void StyleFromText(QStringView text, TStyle& style, int32_t version, const TDisplayMode& display) const override;

    void DeriveBoxSize(TBoxSize& size) const override;
    int32_t WriteBoxSize(TBinFile& file, const TBoxSize& size) const override;
    bool ReadBoxSize(TBoxSize& size, TBinFile& file, int32_t version) const override;
    void BoxSizeToText(TTextFile& file, const TBoxSize& size) const override;
    void BoxSizeFromText(QStringView block, TBoxSize& size) const override;

protected:
    QString MagicSuffix() const override;
    QChar ExtensionLetter() const override;
};
