// Where the main window's skin puts things.  The window's initialisation
// places its buttons by this table and the artwork generator draws the frame
// around the same places, so the two cannot drift apart.
#pragma once

#include "resource.h"

namespace skin {

// A rectangle as x, y, width, height.
struct Box {
    int x;
    int y;
    int width;
    int height;
};

// A skin button and its faces, placed in pixels from the window's top-left
// corner.  The pressed face is the normal face; `over` 0 means no lit face.
struct ButtonPlace {
    int id;
    Box box;
    unsigned normal;
    unsigned over;
    const char* tip; // nullptr: no tooltip
};

// In the order the window sets them up.
inline constexpr ButtonPlace kSkinButtons[] = {
    {IDC_BTN_MINIMIZE, {227, 7, 13, 13}, IDB_MINIMIZE, IDB_MINIMIZE_OVER, "창 최소화"},
    {IDC_BTN_CLOSE, {242, 7, 13, 13}, IDB_CLOSE, IDB_CLOSE_OVER, "창 닫기"},
    {IDC_BTN_FILE, {42, 328, 27, 39}, IDB_FILE, IDB_FILE_OVER, "파일메뉴"},
    {IDC_BTN_SEARCH, {99, 328, 27, 39}, IDB_SEARCH, IDB_SEARCH_OVER, "신문검색"},
    {IDC_BTN_NEWSLIST, {126, 328, 28, 39}, IDB_NEWSLIST, IDB_NEWSLIST_OVER, "신문리스트보기"},
    {IDC_BTN_FUNCTIONS, {154, 328, 26, 39}, IDB_FUNCTIONS, IDB_FUNCTIONS_OVER, "기능선택"},
    {IDC_BTN_HELP, {212, 328, 28, 39}, IDB_HELP, IDB_HELP_OVER, "도움말"},
};

inline constexpr ButtonPlace kTickerButton = {IDC_BTN_TICKER, {26, 290, 26, 29}, IDB_TICKER_BUTTON, 0, nullptr};
inline constexpr Box kTickerFramePlace = {50, 290, 206, 29}; // control IDC_TICKER_FRAME, showing IDB_TICKER_FRAME

// Sizes of the bitmaps (a face may be smaller than its button).
inline constexpr int kSmallFaceSide = 13;                    // IDB_MINIMIZE, IDB_CLOSE and their lit faces
inline constexpr Box kTickerButtonFace = {0, 0, 24, 29};     // IDB_TICKER_BUTTON
inline constexpr Box kTickerFrameFace = {0, 0, 205, 29};     // IDB_TICKER_FRAME
inline constexpr Box kNotifierFace = {0, 0, 200, 83};        // IDB_NOTIFIER_SKIN
inline constexpr Box kNotifierText = {10, 20, 180, 43};      // where the notifier writes its text

// The title bitmap is painted at this point over the frame.
inline constexpr int kTitleX = 25;
inline constexpr int kTitleY = 0;

// Template 102: size and font of the main window, and the controls that keep
// their template places, in dialog units.
inline constexpr int kDialogWidthDu = 160;
inline constexpr int kDialogHeightDu = 303;
inline constexpr const char* kDialogFace = "굴림";
inline constexpr int kDialogPointSize = 9;
inline constexpr Box kBrowserMainDu = {15, 23, 130, 170};
inline constexpr Box kBrowserBannerDu = {15, 272, 130, 26};
inline constexpr Box kTickerDu = {36, 198, 103, 11};

// Key colours: pixels of these colours are cut out of the main window (pure
// green) and of the notifier (magenta).  Both read the same as 0xRRGGBB and
// as a COLORREF.
inline constexpr unsigned kFrameKey = 0x00FF00;
inline constexpr unsigned kNotifierKey = 0xFF00FF;

} // namespace skin
