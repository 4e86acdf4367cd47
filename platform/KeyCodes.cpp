#include "platform/KeyCodes.h"

#include <array>
#include <utility>

namespace {

// Keys whose Windows code differs from Qt's. Letters and digits share their
// codes with Windows and are handled before this table is searched.
constexpr std::array<std::pair<int, int16_t>, 45> kSpecialKeys{{
    {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},         {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},         {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},         {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},        {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},      {Qt::Key_End, 35},          {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},          {Qt::Key_Up, 38},           {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},          {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},        {Qt::Key_Help, 47},         {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},       {Qt::Key_Super_R, 92},      {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},      {Qt::Key_ScrollLock, 145},  {Qt::Key_Semicolon, 186},
    {Qt::Key_Equal, 187},        {Qt::Key_Plus, 187},        {Qt::Key_Comma, 188},
    {Qt::Key_Minus, 189},        {Qt::Key_Period, 190},      {Qt::Key_Slash, 191},
    {Qt::Key_QuoteLeft, 192},    {Qt::Key_BracketLeft, 219}, {Qt::Key_Backslash, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_Apostrophe, 222},  {Qt::Key_Less, 226},
}};

// Keys of the numeric keypad that have codes of their own on Windows.
int16_t keypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return static_cast<int16_t>(96 + (qtKey - Qt::Key_0));  // VK_NUMPAD0..9
    }
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return 106;
        case Qt::Key_Plus:
            return 107;
        case Qt::Key_Minus:
            return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return 110;
        case Qt::Key_Slash:
            return 111;
        default:
            return 0;
    }
}

}  // namespace

int16_t KeyCodes::virtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int16_t code = keypadKey(qtKey); code != 0) {
            return code;
        }
    }
    // Qt reports a letter as its capital whatever the shift state, exactly as
    // Windows does; digits carry the same codes too.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<int16_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    }
    for (const auto& [key, code] : kSpecialKeys) {
        if (key == qtKey) {
            return code;
        }
    }
    return Unmapped;
}

int16_t KeyCodes::shiftState(Qt::KeyboardModifiers modifiers) {
    int16_t state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        state |= 1;
    }
    if (modifiers.testFlag(Qt::ControlModifier)) {
        state |= 2;
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        state |= 4;
    }
    return state;
}
