#pragma once
// A frame for the headless tests of the opening and navigation commands:
// it records what the commands ask of the window, and its reset clears the
// working state as the view's ResetProjectState does.
#include <memory>
#include <vector>

#include <QString>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/navigation/ViewData.h"
#include "app/view/PageView.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

class RecordingFrame final : public FrameServices {
public:
    explicit RecordingFrame(ViewData& view) : view_(view) { previous_ = InstallFrameServices(this); }
    ~RecordingFrame() override { InstallFrameServices(previous_); }

    void SetDocumentTitle(const QString& title) override { titles.push_back(title); }
    void FillPageCombo(int count) override { comboCounts.push_back(count); }
    bool AskSavePreText() override { return true; }
    void RefreshPageTree() override { ++treeRefreshes; }
    void ResetProjectState() override
    {
        ++resets;
        TParaSet fresh;
        AddNewStyle(fresh.styles, {g_TwoPageMode != 0, g_FourInOneMode != 0})->NAME = kDefaultStyleName;
        ReplaceProjectParaSet(std::move(fresh));
        g_PageTable = TPageTable();
        g_TextName.clear();
        g_FindText.clear();
        g_CurrentPage = g_ShownTextPage = g_ShownTextPage2 = -1;
        ClearBooks(view_.books);
        g_CurrentBook = nullptr;
        g_CurrentCover = nullptr;
        g_ProjectName.clear();
        g_ProjectDirty = false;
        view_.volumeDataPath.clear();
        view_.scan.text.clear();
        g_VolumeShown = false;
        view_.generating = false;
    }

    std::vector<QString> titles;
    std::vector<int> comboCounts;
    int resets = 0;
    int treeRefreshes = 0;

private:
    ViewData& view_;
    FrameServices* previous_;
};

// A view for the commands, with its page view, and the recording frame.
struct HeadlessView {
    HeadlessView() { data.pages = pages.get(); }
    std::unique_ptr<PageView> pages = std::make_unique<PageView>();
    ViewData data;
    RecordingFrame frame{data};
};
