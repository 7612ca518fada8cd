#include <windows.h>

#include <cstdio>
#include <string>

#include "app/main_window_settings.h"
#include "app/program_instance.h"
#include "app/startup_marks.h"
#include "config/config_document.h"
#include "config/version_info.h"
#include "dialogs/language_dialog.h"
#include "dialogs/language_request.h"
#include "menu/menu_window.h"

HINSTANCE g_instance = nullptr;

namespace {

MenuWindow g_menuWindow;

// The version trace goes to standard output only when there is one to write to.
bool HasStandardOutput() {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output != nullptr && output != INVALID_HANDLE_VALUE;
}

void Run(HINSTANCE instance) {
    MarkStartup(StartupMark::ProgramEntered);
    g_instance = instance;

    ConfigDocument document;
    LanguageRequest request;
    request.buttons = g_menuWindow.GetButtonManager();
    if (!request.buttons) {
        MessageBoxA(nullptr, "Błąd ButtonManager.", nullptr, MB_OK);
        return;
    }
    if (!ChooseLanguage(g_instance, request)) return;
    MarkStartup(StartupMark::LanguageChosen);
    g_menuWindow.SetLanguage(request.language);

    const std::string datPath = "Menu\\" + request.language + ".dat";
    const std::string binPath = "Menu\\" + request.language + ".bin";
    if (document.LoadText(datPath) == -1 && document.LoadBinary(binPath) == -1) {
        const std::string text = "Nie znaleziono pliku konfiguracyjnego: " + binPath + ".";
        MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
        return;
    }

    VersionInfo version;
    version.SetTrace(HasStandardOutput() ? stdout : nullptr);
    const bool versionLoaded = version.Load("version.dat");
    const MainWindowSettings settings =
        ReadMainWindowSettings(document, versionLoaded ? &version : nullptr);
    MarkStartup(StartupMark::DescriptionRead);

    g_menuWindow.SetDocument(document);
    if (!settings.icon.empty()) g_menuWindow.SetIconFromFile(settings.icon.c_str());
    if (g_menuWindow.Create(g_instance, nullptr, settings.title.c_str(), nullptr, WS_POPUP,
                            settings.width, settings.height)) {
        g_menuWindow.Show();
        MarkStartup(StartupMark::MainWindowShown);
        g_menuWindow.RunMessageLoop();
    }
}

}  // namespace

// The program ends with exit code 0 whatever happens, out of memory included.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        Run(instance);
    } catch (...) {
        // Out of memory before or after the message loop: the program simply ends.
    }
    return 0;
}
