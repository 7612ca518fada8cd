#include "main_menu_scenario.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "bitmap_strip.h"
#include "config/config_document.h"
#include "disc_pictures.h"
#include "harness/environment.h"
#include "harness/input.h"
#include "harness/message_box.h"
#include "harness/polling.h"
#include "harness/screen_pixels.h"
#include "harness/window_probe.h"

namespace {

constexpr char kMenuDescription[] = "Menu\\en.dat";
constexpr UINT kSyncTimeoutMs = 5000;

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Place& place) {
    return out << "(" << place.x << ", " << place.y << ") " << place.width << "x" << place.height;
}

MainMenuScenario::MainMenuScenario(std::string_view fixture) : disc_(e2e::FixturePath(fixture)) {}

void MainMenuScenario::AddToMenuDescription(std::string_view elements) const {
    std::ifstream file(Disc().PathOf(kMenuDescription), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    Disc().Write(kMenuDescription, text + std::string(elements));
}

void MainMenuScenario::CopyOntoDisc(const std::string& source, std::string_view relative) const {
    const std::filesystem::path target = Disc().PathOf(relative);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(source, target);
}

void MainMenuScenario::StartMenu() {
    WriteArt();
    // No button starts under the pointer, so each shows its plain look.
    SetCursorPos(0, 0);
    CopyOntoDisc(e2e::StartExePath(), "start.exe");
    menu_.emplace(Disc().PathOf("start.exe"), Disc().Path());
}

// Button strips sized from the elements that name them, and the background at window size.
void MainMenuScenario::WriteArt() const {
    ConfigDocument description;
    if (description.LoadText(Disc().PathOf(kMenuDescription)) != 0) {
        throw std::runtime_error("no menu description on the disc");
    }
    for (const ConfigElement& element : description.Elements()) {
        auto number = [&](std::string_view key) {
            return std::atoi(element.AttributeValue(key).c_str());
        };
        const std::string image = element.AttributeValue("image");
        if (element.Name() == "window") {
            Disc().Write("Menu\\menumain.jpg",
                         JpegStrip(number("width"), number("height"), {kBackground}));
        } else if (EndsWith(image, ".bmp")) {
            Disc().Write(image, BitmapStrip(number("width"), number("height"),
                                            {kButtonNormal, kButtonHover, kButtonDown}));
        }
    }
}

HWND MainMenuScenario::WaitForMainWindow() {
    if (!menu_) return nullptr;
    auto isMainWindow = [](HWND window) {
        return IsWindowVisible(window) && e2e::ClassNameOf(window) == kMainWindowClass;
    };
    main_ = e2e::WaitForWindow(menu_->Id(), isMainWindow, kTimeout);
    return main_;
}

HWND MainMenuScenario::WaitForMessageBox() const {
    return menu_ ? e2e::WaitForMessageBox(menu_->Id(), kTimeout) : nullptr;
}

std::optional<DWORD> MainMenuScenario::WaitForExit() const {
    return menu_ ? menu_->WaitForExit(kTimeout) : std::nullopt;
}

bool MainMenuScenario::IsRunning() const {
    return menu_ && !menu_->WaitForExit(std::chrono::milliseconds(0));
}

HWND MainMenuScenario::Control(int id) const { return e2e::ControlById(main_, id); }

bool MainMenuScenario::IsShown(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

bool MainMenuScenario::IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

std::optional<std::string> MainMenuScenario::TextOf(int id) const {
    HWND control = Control(id);
    return control ? e2e::ControlText(control) : std::nullopt;
}

Place MainMenuScenario::PlaceOf(int id) const {
    RECT rect{};
    GetWindowRect(Control(id), &rect);
    MapWindowPoints(HWND_DESKTOP, main_, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

POINT MainMenuScenario::OnScreen(POINT client) const {
    ClientToScreen(main_, &client);
    return client;
}

::testing::AssertionResult MainMenuScenario::ScreenShows(POINT client, COLORREF expected) const {
    const std::optional<COLORREF> seen = e2e::WaitForColour(OnScreen(client), expected, kTimeout);
    if (seen && e2e::IsNear(*seen, expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << client.x << ", " << client.y << ") shows "
                                         << (seen ? e2e::ColourName(*seen) : "nothing readable")
                                         << ", not " << e2e::ColourName(expected);
}

::testing::AssertionResult MainMenuScenario::ButtonLooks(int id, COLORREF expected) const {
    const Place place = PlaceOf(id);
    return ScreenShows({place.x + 3, place.y + 3}, expected) << " on button " << id;
}

bool MainMenuScenario::Click(int id) const {
    HWND control = Control(id);
    return control && e2e::ClickCentre(control);
}

bool MainMenuScenario::WaitFor(const std::function<bool()>& done) const {
    if (!e2e::WaitUntil(kTimeout, done)) return false;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSyncTimeoutMs, &ignored) !=
           0;
}

void MainMenuScenario::CloseByButton() {
    ASSERT_TRUE(Click(control::kClose));
    // The window first shrinks to nothing at the screen's corner, then goes.
    EXPECT_TRUE(e2e::WaitUntil(kTimeout, [this] {
        RECT rect{};
        return !GetWindowRect(main_, &rect) ||
               (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0);
    }));
    EXPECT_EQ(WaitForExit(), 0u);
}
