#include "dialogs/info_dialog.h"

#include "app/system_library.h"
#include "controls/link_button.h"
#include "dialogs/owner_centring.h"
#include "resources/resource.h"

namespace {

// The project's home page, opened by the link.
constexpr char kHomePage[] = "https://discmenu.example/";
// Five spaces before the name and seven after; the link's centring counts them.
constexpr char kLinkCaption[] = "     Discmenu       ";
constexpr int kLinkTop = 25;
constexpr int kLinkWidth = 80;
constexpr int kLinkHeight = 15;

// Made once per run; its class stays registered until program end.
LinkButton& HomePageLink() {
    static LinkButton link;
    return link;
}

void Initialise(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    LinkButton& link = HomePageLink();
    // From the second opening on the class is there already and registering fails harmlessly.
    link.RegisterLinkClass(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)));
    // Without its link the box still shows the credits.
    link.CreateLink(kLinkCaption, (client.right - kLinkWidth) / 2, kLinkTop, kLinkWidth,
                    kLinkHeight, dialog, IDC_INFO_LINK);
    CentreOnOwner(dialog, false);
}

// Escape's IDCANCEL is ignored: only "OK" and Enter close the box.
void OnCommand(HWND dialog, int id) {
    if (id == IDOK) {
        SendMessageA(dialog, WM_CLOSE, 0, 0);
    } else if (id == IDC_INFO_LINK) {
        // A failed shell call leaves nothing to report; the box stays open either way.
        ShellOpen(kHomePage);
    }
}

}  // namespace

INT_PTR CALLBACK InfoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    try {
        switch (message) {
            case WM_INITDIALOG:
                Initialise(dialog);
                break;
            case WM_COMMAND:
                OnCommand(dialog, LOWORD(wParam));
                break;
            case WM_CLOSE:
                EndDialog(dialog, 0);
                break;
        }
    } catch (...) {
        // Out of memory making the link: the box goes on without it.
    }
    return FALSE;
}

void ShowInfoDialog(HINSTANCE instance, HWND owner) {
    DialogBoxParamA(instance, "IDD_INFO", owner, InfoDialogProc, 0);
}
