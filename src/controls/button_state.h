#pragma once

#include <cstdint>

// What a button or link knows of the mouse. It lives in the window's user-data word between
// messages: hover in the low 16 bits, pressed in the high 16 bits.
struct ButtonState {
    bool hover = false;
    bool pressed = false;
};

constexpr std::intptr_t PackButtonState(ButtonState state) {
    return (state.hover ? 1 : 0) | (state.pressed ? 0x10000 : 0);
}

constexpr ButtonState UnpackButtonState(std::intptr_t word) {
    return {(word & 0xFFFF) != 0, ((word >> 16) & 0xFFFF) != 0};
}

// Hover follows the cursor; true when it changed, the only time the control repaints for it.
constexpr bool UpdateHover(ButtonState& state, bool cursorInside) {
    if (state.hover == cursorInside) return false;
    state.hover = cursorInside;
    return true;
}
