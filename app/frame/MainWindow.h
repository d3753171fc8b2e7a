#pragma once
// The program's main window: the page view in the middle and the status
// bar; the window answers the views' requests to the frame. It holds the
// typesetter, which lives as long as the view it typesets for.
#include <QMainWindow>

#include "app/FrameServices.h"
#include "typeset/typesetter/Typesetter.h"

class PageView;

class MainWindow : public QMainWindow, public FrameServices {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    PageView& View() { return *view_; }
    // Opens, typesets and shows a pre-processed text.
    bool OpenText(const QString& path);

    // FrameServices
    void SetDocumentTitle(const QString& title) override;
    void FillPageCombo(int count) override;
    void ShownPageChanged(int shownPage) override;

private:
    PageView* view_;
    TTypesetter typesetter_;
    FrameServices* previousFrame_;
};
