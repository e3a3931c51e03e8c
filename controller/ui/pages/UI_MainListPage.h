// The plain list page: the menu stack's page builder while no menu-page handler is installed. It lists the links
// of the shown menu description (every record that names a menu), each labelled with the title the node answers
// for it, and opens a link when its row is touched. The network page (address 0) lists the own device.
#pragma once
#include "WM.h"

enum { UI_LIST_ROW_H = 40 };

int UI_BuildListPage(int ListPosition);  // UI_SHOW_OK, or UI_SHOW_FAILED without a page area
