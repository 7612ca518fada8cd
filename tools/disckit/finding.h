#pragma once

#include <string>
#include <vector>

// A line and column in a file, both from 1; line 0 stands for the file as a whole.
struct TextPosition {
    int line = 0;
    int column = 0;
};

enum class Severity { kWarning, kError };

// One problem found on a disc. Texts are Windows-1250 bytes, as the disc's files hold them.
struct Finding {
    std::string file;  // relative to the disc folder, with "/" between folders
    TextPosition position;
    Severity severity = Severity::kWarning;
    std::string message;
    std::string hint;
};

class Findings {
public:
    void Add(Severity severity, std::string file, TextPosition position, std::string message,
             std::string hint);
    void Error(std::string file, TextPosition position, std::string message, std::string hint);
    void Warning(std::string file, TextPosition position, std::string message, std::string hint);

    const std::vector<Finding>& All() const { return findings_; }
    int Count(Severity severity) const;
    // By file, then by place in the file; findings of one place keep their order.
    void Sort();

private:
    std::vector<Finding> findings_;
};
