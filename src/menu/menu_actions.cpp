#include "app/launch.h"
#include "audio/cd_audio_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/outro_dialog.h"
#include "menu/menu_ids.h"
#include "menu/menu_window.h"

void MenuWindow::ShowButton(int id) { buttons_.ShowButton(window_, id); }
void MenuWindow::HideButton(int id) { buttons_.HideButton(window_, id); }
void MenuWindow::EnableButton(int id) { buttons_.EnableButton(window_, id); }
void MenuWindow::DisableButton(int id) { buttons_.DisableButton(window_, id); }

void MenuWindow::ShowApplication(const Application& application) {
    SetDlgItemTextA(window_, menu_id::kTitleField, application.title.c_str());
    SetDlgItemTextA(window_, menu_id::kDescriptionField, application.description.c_str());
    HWND screen = GetDlgItem(window_, menu_id::kScreenField);
    ShowWindow(screen, SW_HIDE);
    // The field lets go of the old picture before the picture goes.
    SetScreenImage(screen, nullptr);
    if (application.screen.empty()) return;
    screenshot_.Load(window_, programFolder_ + application.screen);
    SetScreenImage(screen, screenshot_.Bitmap());
    ShowWindow(screen, SW_SHOWNORMAL);
}

// Version 6 of the common controls shows a 32-bit bitmap through a copy of its own, and hands
// that copy back when the image is replaced: it is ours to delete then.
void MenuWindow::SetScreenImage(HWND screen, HBITMAP bitmap) {
    const auto previous = reinterpret_cast<HBITMAP>(
        SendMessageA(screen, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (previous && previous != screenImage_) DeleteObject(previous);
    screenImage_ = bitmap;
}

void MenuWindow::RunProgram(const std::string& commandLine) { ::RunProgram(commandLine); }
void MenuWindow::OpenDocument(const std::string& target) { ::OpenDocument(target); }

void MenuWindow::ReportMissingInstaller(const std::string& title) {
    MessageBoxA(window_, title.c_str(), "Brak instalatora!", MB_ICONERROR | MB_OK);
}

void MenuWindow::Minimize() { ShowWindow(window_, SW_MINIMIZE); }

// The menu vanishes at once, then the loop ends.
void MenuWindow::Close() {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW);
    if (outro_) ShowOutro(instance_, window_);
    SendMessageA(window_, WM_CLOSE, 0, 0);
}

void MenuWindow::OpenHelp() { ShowHelpDialog(instance_, window_, language_); }
void MenuWindow::OpenInfo() { ShowInfoDialog(instance_, window_); }
void MenuWindow::OpenAudioPlayer() { ShowAudioPlayer(instance_, window_, &buttons_); }
