#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_window.h"
#include "app/handles.h"
#include "app/picture.h"
#include "controls/button_manager.h"
#include "menu/menu_model.h"
#include "menu/menu_navigator.h"
#include "menu/menu_view.h"

class ConfigDocument;

// The program's main window: the menu of the chosen language over its background picture.
class MenuWindow : public AppWindow, private MenuView {
public:
    MenuWindow();
    ~MenuWindow() override;

    ButtonManager* GetButtonManager() { return &buttons_; }
    void SetLanguage(const std::string& language) { language_ = language; }
    // The document stays owned by the caller and must outlive the window's message loop.
    void SetDocument(const ConfigDocument& document) { document_ = &document; }

    void OnCreate() override;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void RunMessageLoop() override;
    void OnPaint() override;
    void OnCommand(WPARAM wParam) override;

    // Creates every control and banner of the menu and selects the first menu.
    void BuildMenu();
    // Background and banners, as the current menu shows them.
    void DrawContents(HDC dc);

private:
    struct Banner {
        BannerSpec layout;
        std::unique_ptr<Picture> picture;  // none when the banner has no picture
        int frame = 0;
        int frameCount = 1;
        BitmapDc source;  // the picture's strip, selected once
    };

    void CreateControl(const ControlSpec& control);
    void AddBanner(const BannerSpec& layout);
    void CreateBackBuffer();
    void AdvanceBanner(WPARAM timer);
    LRESULT ColourField(HDC dc, HWND field);
    static RECT BannerArea(const Banner& banner);
    // Composes the part of the window in the back buffer and copies it to the context.
    void ShowArea(HDC dc, const RECT& area);
    const Menu* CurrentMenu() const;
    void SetScreenImage(HWND screen, HBITMAP bitmap);

    // MenuView
    void ShowButton(int id) override;
    void HideButton(int id) override;
    void EnableButton(int id) override;
    void DisableButton(int id) override;
    void ShowApplication(const Application& application) override;
    void InvalidateBanners() override;
    void RunProgram(const std::string& commandLine) override;
    void OpenDocument(const std::string& target) override;
    void ReportMissingInstaller(const std::string& title) override;
    void Minimize() override;
    void Close() override;
    void OpenHelp() override;
    void OpenInfo() override;
    void OpenAudioPlayer() override;

    ButtonManager buttons_;
    std::string language_;
    const ConfigDocument* document_ = nullptr;
    bool outro_ = false;
    std::string programFolder_;  // with its trailing backslash

    MenuModel model_;
    std::unique_ptr<MenuNavigator> navigator_;
    std::vector<Banner> banners_;
    int hoveredBanner_ = -1;

    Picture background_;
    BitmapDc backgroundSource_;
    Picture screenshot_;
    HBITMAP screenImage_ = nullptr;  // the screenshot's bitmap as given to the field
    HWND titleField_ = nullptr;
    HWND descriptionField_ = nullptr;
    UniqueBrush titleBrush_;
    UniqueBrush descriptionBrush_;
    UniqueFont titleFont_;

    // The back buffer every paint is composed in: the bitmap outlives its context.
    UniqueBitmap backBitmap_;
    BitmapDc backBuffer_;
};
