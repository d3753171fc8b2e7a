#pragma once
// Shows the wait cursor while an object of this class lives (the stored
// parameter records are read and written under one). Guards nest. Nothing
// happens without a graphical application or on the offscreen platform.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_ = false;
};
