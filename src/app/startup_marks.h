#pragma once

// Points of the start-up, in order. The menu marks them and does nothing else with them; the
// benchmarks link a build that timestamps the first time of each, to show where start-up
// time goes.
enum class StartupMark {
    ProgramEntered,
    LanguageDialogCreated,
    LanguageDialogShown,
    LanguageChosen,
    DescriptionRead,
    MainWindowCreated,
    BackgroundLoaded,
    ControlsCreated,
    BannersLoaded,
    FirstMenuSelected,
    MainWindowShown,
    MainWindowPainted,
};

void MarkStartup(StartupMark mark);
