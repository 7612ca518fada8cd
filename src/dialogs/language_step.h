#pragma once

struct LanguageRequest;

// Lets the user pick the menu's language. 1 with the name in the request, 0 otherwise.
// For now it takes the first language of "Menu\lang.dat" (or ".bin") without asking.
int ChooseLanguage(LanguageRequest& request);
