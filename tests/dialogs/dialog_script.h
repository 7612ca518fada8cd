#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// Drives the dialog this thread shows next from inside its modal loop: a thread timer runs
// one step per tick against the first visible dialog window of the thread. A tick comes
// only once the messages posted before it are handled, so a step sees what the previous
// step's posted input did. A dialog still open long after the last step, or one whose steps
// never find it, is ended with kAbandoned so that the test always returns.
class DialogScript {
public:
    using Step = std::function<void(HWND dialog)>;
    static constexpr INT_PTR kAbandoned = -2;

    explicit DialogScript(std::vector<Step> steps);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // True when every step ran.
    bool Done() const { return next_ == steps_.size(); }
    bool Abandoned() const { return abandoned_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void RunNext();

    std::vector<Step> steps_;
    size_t next_ = 0;
    int idleTicks_ = 0;
    bool abandoned_ = false;
    UINT_PTR timer_ = 0;
};

// The first visible "#32770" window of the calling thread, or null.
HWND VisibleDialogOfThisThread();
