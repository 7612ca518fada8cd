#include "dialogs/help_dialog.h"

#include "dialogs/help_text.h"
#include "dialogs/owner_centring.h"
#include "resources/resource.h"

INT_PTR CALLBACK HelpDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            const std::string text = HelpText(reinterpret_cast<const std::string*>(lParam));
            CentreOnOwner(dialog, true);
            SetDlgItemTextA(dialog, IDC_HELP_TEXT, text.c_str());
        } else if (message == WM_CLOSE) {
            EndDialog(dialog, 0);
        }
    } catch (...) {
        // Out of memory while reading: the box stays empty and still closes.
    }
    return FALSE;
}

void ShowHelpDialog(HINSTANCE instance, HWND owner, const std::string& language) {
    DialogBoxParamA(instance, "Pomoc", owner, HelpDialogProc, reinterpret_cast<LPARAM>(&language));
}
