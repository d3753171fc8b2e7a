#pragma once
// The main view: the page view with what the application keeps beside it,
// the typesetter it runs, the books it has open and the state of a book
// being generated.
#include <array>
#include <cstdint>

#include <QString>

#include "app/view/PageView.h"
#include "foundation/OwningList.h"
#include "foundation/params/Style.h"
#include "typeset/book/Book.h"
#include "typeset/typesetter/Typesetter.h"

class CollatorView : public PageView {
    Q_OBJECT
public:
    explicit CollatorView(QWidget* parent = nullptr);

    // The parameter set collected while a book is generated.
    TParaSet GenerateSet;
    // A folder of texts is being turned into a book: the panes stay as they are.
    bool Generating = false;
    TTypesetter Typesetter;
    // Cover and back-cover pages agreed while generating; -1 not yet.
    int32_t AgreedCoverPages = -1;
    int32_t AgreedBackPages = -1;
    QString GeneratedFolder;

    // The volume-data file of the shown volume.
    QString VolumeDataPath;
    // The scan settings of the open book: their text and three values.
    QString ScanSettings;
    std::array<int32_t, 3> ScanValues = {0, 1, 1};
    // The open books; g_CurrentBook is one of them.
    OwningList<TBook> BookList;
};
