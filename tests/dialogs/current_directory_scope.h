#pragma once

#include <windows.h>

#include <string>

// Makes the folder the process's current directory and puts the previous one back at the end.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder) {
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof(previous), previous);
        previous_ = previous;
        SetCurrentDirectoryA(folder.c_str());
    }
    ~CurrentDirectoryScope() { SetCurrentDirectoryA(previous_.c_str()); }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    std::string previous_;
};
