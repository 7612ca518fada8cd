#pragma once

#include <windows.h>

#include <string>

// Window class of every image button.
inline constexpr char kButtonClassName[] = "PRZYCISK";

// Owner of what the program's image buttons share: their window class, the bitmaps loaded
// once per distinct name, and the table binding control ids to those bitmaps. The bitmaps,
// the table and the instance handle belong to the class, so every manager sees the same ones;
// they only grow until program end.
class ButtonManager {
public:
    ButtonManager() = default;
    ButtonManager(const ButtonManager&) = delete;
    ButtonManager& operator=(const ButtonManager&) = delete;

    // Keeps the instance for creating buttons and loading resources, and registers "PRZYCISK";
    // a second registration fails unnoticed and the first class stays.
    void RegisterButtonClass(HINSTANCE instance);
    // A visible child button showing the caption over its three-frame strip. False when no
    // window could be made; nothing is loaded or bound then.
    bool CreateButton(const std::string& caption, const std::string& imageName, bool fromResource,
                      int x, int y, int width, int height, HWND parent, int controlId);
    // Index of the cached image of that name, loading the bitmap file or the bitmap resource
    // of the kept instance the first time the name is asked for.
    int LoadImageFile(const std::string& imageName);
    int LoadImageResource(const std::string& imageName);
    // Deletes every cached bitmap (the names and bindings stay) and forgets the instance.
    void ReleaseImages();

    void HideButton(HWND parent, int controlId);
    void ShowButton(HWND parent, int controlId);
    // Hidden and shown again around the change, so the button repaints with the enabled look.
    void EnableButton(HWND parent, int controlId);
    // Takes effect on the button's next repaint.
    void DisableButton(HWND parent, int controlId);

    // -1 when there is none.
    static int FindImage(const std::string& imageName);
    static int ImageForControl(int controlId);
    // Null for an unknown index, a failed load or a released bitmap.
    static HBITMAP ImageBitmap(int index);
};
