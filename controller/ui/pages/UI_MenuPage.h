// The menu-page handler: turns the shown menu description into a page of element windows (tile, list, value-line,
// panel and structured pages, and the network page), checks the user's access level for the node and asks for
// the code when the page needs more.
#pragma once
#include <cstdint>

#include "WM.h"

// Installs the handler into the menu stack.
void UI_InstallMenuPages(void);
int UI_BuildMenuPage(int ListPosition);

// Required access level and first record of the shown description (address 0: the network page's level).
int UI_PageRequiredLevel(uint32_t Address, const uint8_t* pMenu, int* pRecordStart);
// Granted level of the node of an address.
int UI_GrantedLevel(uint32_t Address);
void UI_GrantLevel(uint32_t Address, int Level, int32_t Timeout);

extern int UI_PageContentHeight;
extern int UI_NodeListContentHeight;

void UI_MenuPageCallback(WM_MESSAGE* pMsg);
void UI_NetworkPageCallback(WM_MESSAGE* pMsg);
void UI_NodeTileCallback(WM_MESSAGE* pMsg);
void UI_NodeStripCallback(WM_MESSAGE* pMsg);
void UI_PasswordReceiverCallback(WM_MESSAGE* pMsg);
