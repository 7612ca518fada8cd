#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Window class of every link.
inline constexpr char kLinkClassName[] = "LinkButton";

// A clickable line of text in its parent's font: grey, blue under the cursor, red while pressed
// there. The instance handle and the ids of the links made belong to the class.
class LinkButton {
public:
    LinkButton() = default;
    // Unregisters "LinkButton" and forgets the ids and the instance.
    ~LinkButton();
    LinkButton(const LinkButton&) = delete;
    LinkButton& operator=(const LinkButton&) = delete;

    // Keeps the instance and registers the class; registering it again fails harmlessly.
    void RegisterLinkClass(HINSTANCE instance);
    // A visible child link; false when no window could be made, and nothing is recorded then.
    bool CreateLink(const std::string& caption, int x, int y, int width, int height, HWND parent,
                    int controlId);

    static const std::vector<int>& LinkIds();
};
