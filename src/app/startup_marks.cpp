#include "app/startup_marks.h"

// Alone in its object file: a program that defines its own MarkStartup keeps this one out.
void MarkStartup(StartupMark) {}
