#include "dialogs/language_dialog.h"

#include <optional>

#include "app/handles.h"
#include "app/startup_marks.h"
#include "app/window_placement.h"
#include "config/config_document.h"
#include "controls/button_manager.h"
#include "dialogs/language_file.h"
#include "dialogs/language_request.h"

namespace {

constexpr char kNoRequestText[] = "Błąd wyboru języka.";
constexpr char kNoLanguageFileText[] = "Nie znaleziono pliku konfiguracyjnego języka.";
constexpr COLORREF kDefaultBackground = RGB(255, 255, 255);

struct LanguageDialogState {
    LanguageRequest* request = nullptr;
    int result = 0;
    LanguageFile file;
    UniqueBrush background;
};

// The dialog opens once per run; its state is rebuilt at every opening all the same.
LanguageDialogState g_state;

void End(HWND dialog) { EndDialog(dialog, g_state.result); }

void Fail(HWND dialog, const char* text) {
    MessageBoxA(dialog, text, nullptr, MB_OK);
    g_state.result = 0;
    End(dialog);
}

// A button that cannot be made is left out; its id stays taken, so the others keep theirs.
void CreateButtons(HWND dialog, ButtonManager& manager) {
    for (const LanguageButton& button : g_state.file.buttons) {
        manager.CreateButton(button.text, button.image, false, button.x, button.y, button.width,
                             button.height, dialog, button.id);
    }
}

void Initialise(HWND dialog, LPARAM parameter) {
    MarkStartup(StartupMark::LanguageDialogCreated);
    g_state = LanguageDialogState{};
    g_state.background.Reset(CreateSolidBrush(kDefaultBackground));
    g_state.request = reinterpret_cast<LanguageRequest*>(parameter);
    if (!g_state.request) {
        Fail(dialog, kNoRequestText);
        return;
    }

    ConfigDocument document;
    if (document.LoadText("Menu\\lang.dat") == -1 && document.LoadBinary("Menu\\lang.bin") == -1) {
        Fail(dialog, kNoLanguageFileText);
        return;
    }
    g_state.file = ReadLanguageFile(document);
    if (g_state.file.background) {
        g_state.background.Reset(CreateSolidBrush(*g_state.file.background));
    }
    const bool choosesAlone = g_state.file.buttons.size() == 1;
    const std::optional<DialogSize> size = ShownSize(g_state.file);
    // Without an area and a choice of its own the dialog would wait unseen for ever.
    if (!size && !choosesAlone) {
        Fail(dialog, kNoLanguageFileText);
        return;
    }
    if (size) {
        g_state.file.width = size->width;
        g_state.file.height = size->height;
    }
    if (g_state.request->buttons) CreateButtons(dialog, *g_state.request->buttons);
    const int width = g_state.file.width;
    const int height = g_state.file.height;
    MoveWindow(dialog, CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width),
               CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height), width, height, TRUE);
    // A dialog that chooses by itself ends before it could paint: showing it would only flash
    // an empty window.
    if (!choosesAlone) ShowWindow(dialog, SW_SHOW);
    MarkStartup(StartupMark::LanguageDialogShown);
    if (choosesAlone) SendMessageA(dialog, WM_COMMAND, kFirstLanguageButtonId, 0);
}

// Only the language buttons choose; Escape's IDCANCEL and anything else are ignored.
void OnCommand(HWND dialog, WPARAM command) {
    const std::vector<LanguageButton>& buttons = g_state.file.buttons;
    if (command < kFirstLanguageButtonId || command - kFirstLanguageButtonId >= buttons.size()) {
        return;
    }
    g_state.request->language = buttons[command - kFirstLanguageButtonId].name;
    g_state.result = 1;
    End(dialog);
}

// The default pen outlines the background in black.
void Paint(HWND dialog) {
    PaintScope paint(dialog);
    SelectGuard brush(paint.Dc(), g_state.background.Get());
    Rectangle(paint.Dc(), 0, 0, g_state.file.width, g_state.file.height);
}

}  // namespace

INT_PTR CALLBACK LanguageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                Initialise(dialog, lParam);
                break;
            case WM_COMMAND:
                OnCommand(dialog, wParam);
                break;
            case WM_PAINT:
                Paint(dialog);
                break;
            case WM_CLOSE:
            case WM_DESTROY:
                End(dialog);
                break;
        }
    } catch (...) {
        // Out of memory while reading the file: nothing can be chosen.
        g_state.result = 0;
        End(dialog);
    }
    return FALSE;
}

int ChooseLanguage(HINSTANCE instance, LanguageRequest& request) {
    const INT_PTR result = DialogBoxParamA(instance, "Intro", nullptr, LanguageDialogProc,
                                           reinterpret_cast<LPARAM>(&request));
    // -1 means the dialog never opened: no choice either.
    return result == 1 ? 1 : 0;
}
