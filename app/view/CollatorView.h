#pragma once
// The main view: the page view with what the application keeps beside it,
// the typesetter it runs, the books it has open and the state of a book
// being generated.
#include <cstdint>

#include <QString>

#include "app/navigation/ViewData.h"
#include "app/view/PageView.h"
#include "foundation/OwningList.h"
#include "foundation/params/Style.h"
#include "typeset/book/Book.h"
#include "typeset/typesetter/Typesetter.h"

class CollatorView : public PageView {
    Q_OBJECT
public:
    explicit CollatorView(QWidget* parent = nullptr);

    bool ShowVolumePage(int volume, int page) override;

    // What the opening, navigation and generating commands keep: the
    // typesetter, the open books (g_CurrentBook is one of them), the shown
    // volume's data file, the scan settings, the generating flag.
    ViewData Data;

    // The parameter set collected while a book is generated.
    TParaSet GenerateSet;
    // Cover and back-cover pages agreed while generating; -1 not yet.
    int32_t AgreedCoverPages = -1;
    int32_t AgreedBackPages = -1;
    QString GeneratedFolder;
};
