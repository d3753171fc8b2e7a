#pragma once
// What the opening and navigation commands keep of the main view beside its
// drawing: the page view they move, the typesetter, the open books, the
// shown volume's data file and the scan settings of the open text.
#include <QString>

#include "app/files/ScanSettingsFile.h"
#include "typeset/book/Book.h"
#include "typeset/typesetter/Typesetter.h"

class PageView;

struct ViewData {
    PageView* pages = nullptr;  // not owned; set before any command runs
    TTypesetter typesetter;
    TBookList books;
    QString volumeDataPath;
    TScanSettings scan;
    bool generating = false;  // a folder of texts is being made a book
};
