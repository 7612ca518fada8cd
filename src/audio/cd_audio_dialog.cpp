#include "audio/cd_audio_dialog.h"

#include <vfw.h>

#include <memory>
#include <optional>
#include <string>

#include "app/handles.h"
#include "app/system_library.h"
#include "app/window_placement.h"
#include "audio/cd_player.h"
#include "audio/media_window.h"
#include "audio/player_config.h"
#include "audio/player_texts.h"
#include "audio/publisher_link.h"
#include "audio/start_button.h"
#include "audio/system_mci.h"
#include "controls/button_manager.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMilliseconds = 300;
constexpr UINT_PTR kEnableStartTimer = 2;
constexpr UINT kEnableStartMilliseconds = 1000;

// Built at WM_INITDIALOG, reached through DWLP_USER, deleted with the dialog's window.
struct PlayerState {
    explicit PlayerState(HWND dialog) : mci(dialog) {}

    ButtonManager* buttons = nullptr;
    PlayerConfig config;
    UniqueBitmap background;
    SystemMci mci;
    std::optional<CdPlayer> cd;          // mode "cda"
    std::unique_ptr<MediaWindow> media;  // mode "mp3"
    PublisherLinkPointer link;
};

PlayerState* StateOf(HWND dialog) {
    return reinterpret_cast<PlayerState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HINSTANCE InstanceOf(HWND dialog) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
}

void ShowControl(HWND dialog, int id, bool shown) {
    ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOWNORMAL : SW_HIDE);
}

RECT StatusRectOf(const PlayerState& state) {
    const StatusRect& status = state.config.status;
    return {status.left, status.top, status.right, status.bottom};
}

void Close(HWND dialog) {
    if (PlayerState* state = StateOf(dialog)) {
        if (state->cd) state->cd->Shut();
        if (state->media) {
            state->media->Close();
            state->media->Destroy();
            state->media.reset();
        }
        state->background.Reset();
    }
    EndDialog(dialog, 0);
}

void ReportDeviceError(HWND dialog) {
    MessageBoxA(dialog, player_text::kDeviceError, player_text::kDeviceErrorCaption,
                MB_ICONWARNING | MB_OK);
    Close(dialog);
}

void CentreOnOwner(HWND dialog, const PlayerConfig& config) {
    RECT owner{};
    GetWindowRect(GetWindow(dialog, GW_OWNER), &owner);
    const int x = owner.left + CentredOrigin(owner.right - owner.left, config.width);
    const int y = owner.top + CentredOrigin(owner.bottom - owner.top, config.height);
    MoveWindow(dialog, x, y, config.width, config.height, FALSE);
}

// False when the configuration is missing or empty; the dialog is closed then.
bool ReadConfiguration(HWND dialog, PlayerState& state) {
    ConfigDocument document;
    switch (LoadPlayerConfig(document, "Menu\\cda.dat", "Menu\\cda.bin")) {
        case PlayerConfigFile::kNotFound:
            MessageBoxA(nullptr, player_text::kConfigNotFound, nullptr, MB_OK);
            Close(dialog);
            return false;
        case PlayerConfigFile::kEmpty:
            MessageBoxA(dialog, player_text::kConfigEmpty, nullptr, MB_OK);
            Close(dialog);
            return false;
        case PlayerConfigFile::kLoaded:
            break;
    }
    state.config = ReadPlayerConfig(document);
    return true;
}

void Initialise(HWND dialog, ButtonManager* buttons) {
    auto owned = std::make_unique<PlayerState>(dialog);
    PlayerState& state = *owned;
    state.buttons = buttons;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(owned.release()));

    if (!ReadConfiguration(dialog, state)) return;
    if (state.buttons) {
        for (const PlayerButton& button : state.config.buttons) {
            state.buttons->CreateButton(button.caption, button.image, false, button.x, button.y,
                                        button.width, button.height, dialog, button.controlId);
        }
    }
    state.background.Reset(static_cast<HBITMAP>(
        LoadImageA(InstanceOf(dialog), "Menu\\cdabg.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));

    if (state.config.mode == "cda") {
        state.cd.emplace(state.mci);
        if (!state.cd->Open()) {
            ReportDeviceError(dialog);
            return;
        }
        SetTimer(dialog, kPollTimer, kPollMilliseconds, nullptr);
        ShowControl(dialog, player_id::kStart, false);
        ShowControl(dialog, player_id::kStop, false);
    } else if (state.config.mode == "mp3") {
        state.media = std::make_unique<MediaWindow>();
        state.media->Create(InstanceOf(dialog), dialog, kPlayerMediaStyle);
        // A file that does not open leaves a player whose start does nothing.
        state.media->Open(state.config.file);
        ShowControl(dialog, player_id::kStop, false);
    }
    CentreOnOwner(dialog, state.config);
}

void Poll(HWND dialog, PlayerState& state) {
    state.cd->Poll();
    const CdDisplay& display = state.cd->Display();
    ShowControl(dialog, player_id::kStart, display.startShown);
    ShowControl(dialog, player_id::kStop, display.stopShown);
    EnableStartButton(dialog, display.startEnabled);
    const RECT status = StatusRectOf(state);
    InvalidateRect(dialog, &status, FALSE);
}

void ShowStartOnly(HWND dialog, bool startOnly) {
    ShowControl(dialog, player_id::kStart, startOnly);
    ShowControl(dialog, player_id::kStop, !startOnly);
}

void OnStart(HWND dialog, PlayerState& state) {
    if (state.cd) {
        if (!state.cd->Start()) {
            ReportDeviceError(dialog);
            return;
        }
        EnableStartButton(dialog, state.cd->Display().startEnabled);
    } else if (state.media) {
        state.media->Play();
        if (state.media->IsPlaying()) ShowStartOnly(dialog, false);
    }
}

void OnStop(HWND dialog, PlayerState& state) {
    if (state.cd) {
        state.cd->Stop();
        SetTimer(dialog, kEnableStartTimer, kEnableStartMilliseconds, nullptr);
    } else if (state.media && state.media->IsPlaying()) {
        state.media->Rewind();
        if (!state.media->IsPlaying()) ShowStartOnly(dialog, true);
    }
}

void OnCommand(HWND dialog, PlayerState& state, int id) {
    switch (id) {
        case player_id::kClose:
            Close(dialog);
            break;
        case player_id::kStart:
            OnStart(dialog, state);
            break;
        case player_id::kStop:
            OnStop(dialog, state);
            break;
    }
}

void OnTimer(HWND dialog, PlayerState& state, UINT_PTR timer) {
    if (!state.cd) return;
    if (timer == kPollTimer) {
        Poll(dialog, state);
    } else if (timer == kEnableStartTimer) {
        state.cd->EnableStart();
        EnableStartButton(dialog, true);
    }
}

// Playback reached the end of the file: back to the start, ready to play again.
void OnMediaMode(HWND dialog, PlayerState& state, LPARAM mode) {
    if (mode != MCI_MODE_STOP || !state.media || !state.media->IsPlaying()) return;
    state.media->Rewind();
    ShowStartOnly(dialog, true);
}

void OnMouseMove(PlayerState& state, LPARAM point) {
    const unsigned x = LOWORD(point);
    const unsigned y = HIWORD(point);
    if (state.link.Move(x, y)) SetCursor(LoadCursorA(nullptr, IDC_HAND));
}

void OnLeftButtonUp(const PlayerState& state) {
    if (!state.link.OpensOnRelease()) return;
    // Nothing to report when no browser comes up; the player stays as it is.
    ShellOpen(kPublisherPage);
}

// The one paint routine, for WM_PAINT and WM_PRINTCLIENT alike.
void Paint(HWND dialog, const PlayerState& state, HDC dc) {
    if (state.background) {
        UniqueMemoryDc memory(CreateCompatibleDC(dc));
        SelectGuard select(memory.Get(), state.background.Get());
        BitBlt(dc, 0, 0, state.config.width, state.config.height, memory.Get(), 0, 0, SRCCOPY);
    } else {
        RECT client{};
        GetClientRect(dialog, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_3DFACE));
    }
    if (!state.cd) return;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SelectGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT status = StatusRectOf(state);
    DrawTextA(dc, state.cd->Display().status.c_str(), -1, &status,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Initialise(dialog, reinterpret_cast<ButtonManager*>(lParam));
        return;
    }
    if (message == WM_CLOSE) {
        Close(dialog);
        return;
    }
    PlayerState* state = StateOf(dialog);
    if (!state) return;
    switch (message) {
        case WM_COMMAND:
            OnCommand(dialog, *state, LOWORD(wParam));
            break;
        case WM_TIMER:
            OnTimer(dialog, *state, wParam);
            break;
        case MCIWNDM_NOTIFYMODE:
            OnMediaMode(dialog, *state, lParam);
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(*state, lParam);
            break;
        case WM_LBUTTONUP:
            OnLeftButtonUp(*state);
            break;
        case WM_PAINT: {
            PaintScope paint(dialog);
            Paint(dialog, *state, paint.Dc());
            break;
        }
        case WM_PRINTCLIENT:
            Paint(dialog, *state, reinterpret_cast<HDC>(wParam));
            break;
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
            break;
    }
}

}  // namespace

INT_PTR CALLBACK CdAudioDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        Handle(dialog, message, wParam, lParam);
    } catch (...) {
        // Out of memory: the player ends rather than run half made.
        EndDialog(dialog, 0);
    }
    return FALSE;
}

void ShowAudioPlayer(HINSTANCE instance, HWND owner, ButtonManager* buttons) {
    DialogBoxParamA(instance, "CDA", owner, CdAudioDialogProc, reinterpret_cast<LPARAM>(buttons));
}
