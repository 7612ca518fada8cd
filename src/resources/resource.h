#pragma once

// Icon group of the program; the main window's icon unless the menu names another.
#define IDI_APPLICATION_ICON 101

// Controls of the dialog templates.
#define IDC_HELP_TEXT 102
#define IDC_INFO_LINK 106
