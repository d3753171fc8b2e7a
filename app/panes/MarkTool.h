#pragma once
// The mark tool: a modeless palette of buttons, one per bracket tag of the
// pre-processed text. A pressed button only reports its id; the text pane
// inserts the button's tag or tag pair at its selection (InsertMarkTag).
#include <QDialog>
#include <QString>

class QPlainTextEdit;
class QPushButton;

// How a button's tag goes in.
enum class MarkKind {
    Single = 1,         // the tag, at the caret or before the selection
    Pair = 2,           // tag and closing tag around the selection
    PairWithParam = 4,  // a pair, the caret left inside the opening tag
};

struct MarkButton {
    int id;
    const char16_t* caption;
    const char16_t* tag;
    const char16_t* closing;
    MarkKind kind;
};

// The buttons in the palette's order; null for an unknown id.
const MarkButton* FindMarkButton(int id);

// Writes the button's tag into the edit at its selection and gives it the
// focus; an unknown id inserts nothing.
void InsertMarkTag(QPlainTextEdit& edit, int id);

class CDlgMarkTool : public QDialog {
    Q_OBJECT
public:
    explicit CDlgMarkTool(QWidget* parent = nullptr);

    QPushButton* Button(int id) const;

signals:
    // A button was pressed; delivered queued, as a posted message would be.
    void MarkToolCommand(int id);
};
