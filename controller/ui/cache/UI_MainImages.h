// The pictures of the main screen, one routine each, drawn at a position of the selected window. Until the
// prerendered image cache is there they are drawn with plain shapes; each routine is the one place to change.
#pragma once
#include "GUI.h"

void UI__DrawPageBackground(int x, int y, int xSize, int ySize);  // white page with its light frame
void UI__DrawSideButtonBackground(int Dark);                      // the side button's face at 0,0
void UI__DrawHomeImage(void);             // the house: home of a root menu
void UI__DrawUpIcon(int x, int y);        // up one level (home button on a submenu)
void UI__DrawBackIcon(int x, int y);
void UI__DrawRootBackIcon(int x, int y);  // back on a root menu: to the network page
void UI__DrawNetworkBackIcon(int x, int y);
void UI__DrawLockedImage(void);
void UI__DrawInactiveImage(void);
void UI__DrawTitleStrip(int Design);      // title bar background, 480x30
void UI__DrawIndicatorPicture(int Which, int x, int y);  // 0 message, 1 second flag
void UI__DrawIndicatorMark(int x, int y); // small picture under a numbered indicator
void UI__DrawPanelPicture(int x, int y);  // the panel's frame picture
void UI__DrawPanelTabsBackground(int x, int y, int xSize, int ySize);
void UI__DrawSelectedTab(void);           // 33x37
void UI__DrawTabSymbol(int Tab, int x, int y);  // tabs 1, 3/4, 5, 7, 8, 10 have one
// The busy indicator's picture (24x24, palette-based, index 0 transparent) for a sprite.
const GUI_BITMAP* UI__GetBusyBitmap(void);
