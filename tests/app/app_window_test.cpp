#include "app/app_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/window_placement.h"
#include "temp_dir.h"

namespace {

constexpr int kTestIcon = 101;

class ProbeWindow : public AppWindow {
public:
    ~ProbeWindow() override {
        if (window_) DestroyWindow(window_);
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    void OnCreate() override {
        createdWithWindow = window_ != nullptr && IsWindow(window_);
        ++creates;
    }
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SETTEXT && swallowSetText) return 1;
        return AppWindow::HandleMessage(window, message, wParam, lParam);
    }
    void RunMessageLoop() override {}
    void OnPaint() override {
        PAINTSTRUCT paint;
        BeginPaint(window_, &paint);
        EndPaint(window_, &paint);
        ++paints;
    }
    void OnCommand(WPARAM wParam) override { lastCommand = wParam; }

    int Create(const char* className, int width, int height) {
        return AppWindow::Create(GetModuleHandleA(nullptr), nullptr, "Probe", className, WS_POPUP,
                                 width, height);
    }
    HICON ClassIcon() const {
        return reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICON));
    }

    bool createdWithWindow = false;
    int creates = 0;
    int paints = 0;
    bool swallowSetText = false;
    WPARAM lastCommand = 0;
};

bool QuitPosted() {
    MSG quit;
    return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

std::string ClassNameOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

TEST(AppWindow, CreatesDefaultClassPopupCentredAndCallsOnCreate) {
    ProbeWindow window;
    ASSERT_EQ(window.Create(nullptr, 641, 300), 1);
    EXPECT_EQ(ClassNameOf(window.Handle()), "Kasasasasdow");
    EXPECT_TRUE(window.createdWithWindow);
    EXPECT_EQ(window.creates, 1);
    EXPECT_FALSE(IsWindowVisible(window.Handle()));

    const LONG style = GetWindowLongA(window.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION);

    RECT rect;
    GetWindowRect(window.Handle(), &rect);
    EXPECT_EQ(rect.left, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), 641));
    EXPECT_EQ(rect.top, CentredOrigin(GetSystemMetrics(SM_CYSCREEN), 300));
    EXPECT_EQ(rect.right - rect.left, 641);
    EXPECT_EQ(rect.bottom - rect.top, 300);

    window.Show();
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
}

TEST(AppWindow, WiderThanScreenOverhangsBothEdges) {
    ProbeWindow window;
    const int width = GetSystemMetrics(SM_CXSCREEN) + 176;
    ASSERT_EQ(window.Create("ProbeWide", width, 100), 1);
    RECT rect;
    GetWindowRect(window.Handle(), &rect);
    EXPECT_EQ(rect.left, -88);
    EXPECT_EQ(rect.right - GetSystemMetrics(SM_CXSCREEN), 88);
}

TEST(AppWindow, RoutesCommandsPaintAndCloseToTheObject) {
    ProbeWindow window;
    ASSERT_EQ(window.Create("ProbeRouting", 200, 100), 1);

    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(2150, 7), 0);
    EXPECT_EQ(window.lastCommand, MAKEWPARAM(2150, 7));

    window.Show();
    window.Invalidate();
    UpdateWindow(window.Handle());
    EXPECT_GE(window.paints, 1);

    EXPECT_EQ(SendMessageA(window.Handle(), WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(window.Handle()));
    EXPECT_TRUE(QuitPosted());
}

TEST(AppWindow, HandledMessagesSkipDefaultProcessing) {
    ProbeWindow window;
    ASSERT_EQ(window.Create("ProbeDefault", 200, 100), 1);
    SetWindowTextA(window.Handle(), "changed");
    char title[32] = {};
    GetWindowTextA(window.Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "changed");

    window.swallowSetText = true;
    SetWindowTextA(window.Handle(), "swallowed");
    GetWindowTextA(window.Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "changed");
}

TEST(AppWindow, DestructionUnregistersTheClass) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    {
        ProbeWindow window;
        ASSERT_EQ(window.Create("ProbeUnregister", 10, 10), 1);
        EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "ProbeUnregister", &info));
    }
    EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), "ProbeUnregister", &info));
}

TEST(AppWindow, IconComesFromTheFileOrElseFromResource101) {
    const HICON builtIn = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kTestIcon));
    ASSERT_NE(builtIn, nullptr);

    TempDir dir;
    ProbeWindow plain;
    plain.SetIconFromFile(dir.Write("notes.txt", "no icon here").c_str());
    ASSERT_EQ(plain.Create("ProbeTextIcon", 10, 10), 1);
    EXPECT_EQ(plain.ClassIcon(), builtIn);

    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof(self));
    ProbeWindow fromFile;
    fromFile.SetIconFromFile(self);
    ASSERT_EQ(fromFile.Create("ProbeFileIcon", 10, 10), 1);
    EXPECT_NE(fromFile.ClassIcon(), nullptr);
    EXPECT_NE(fromFile.ClassIcon(), builtIn);
}

// A second registration of a class name fails with the warning box and no window.
TEST(AppWindow, FailedRegistrationWarnsAndCreatesNothing) {
    ProbeWindow first;
    ASSERT_EQ(first.Create("ProbeTwice", 10, 10), 1);

    std::atomic<bool> done{false};
    std::string text;
    std::thread answer([&] {
        for (int i = 0; i < 500 && !done; ++i) {
            if (HWND box = FindWindowA("#32770", "Blad!")) {
                char buffer[128] = {};
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof(buffer));
                text = buffer;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
    });
    ProbeWindow second;
    const int created = second.Create("ProbeTwice", 10, 10);
    done = true;
    answer.join();
    EXPECT_EQ(created, 0);
    EXPECT_EQ(second.Handle(), nullptr);
    EXPECT_EQ(second.creates, 0);
    EXPECT_EQ(text, "Aplikacja wymaga środowiska Windows.");
}

}  // namespace
