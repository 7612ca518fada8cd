#pragma once

#include <windows.h>

// The module instance, set first thing by the entry point; dialogs load resources through it.
extern HINSTANCE g_instance;
