#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "attribute_edit.h"
#include "config_source.h"
#include "disc_files.h"
#include "file_replace.h"
#include "structure_edit.h"

// A menu description as the designer edits it.
struct MenuFile {
    std::string language;
    std::string name;            // relative to the disc, "/" between folders
    std::filesystem::path path;  // the file read: the .dat, else the .bin
    bool readOnly = false;       // only the byte-wise form is there
    std::string bytes;
    std::string version;  // of the bytes, to tell a changed file
    std::optional<ConfigSource> source;
};

// What an edit, undo or redo came to.
struct EditOutcome {
    enum class Status { kDone, kRefused, kConflict, kNothing };

    Status status = Status::kDone;
    std::string message;  // for the author, UTF-8
    std::string language;
    size_t element = 0;
};

// One disc folder opened for design: its menu descriptions read fresh from the disc on every
// use, every edit written at once and kept for undo. Not thread-safe: one caller at a time.
class DesignSession {
public:
    explicit DesignSession(std::filesystem::path disc);

    const std::filesystem::path& Root() const { return root_; }
    // The disc folder as it is now: files added or removed since the last call are seen.
    DiscFiles Disc() const { return DiscFiles(root_); }
    // The languages of the language list, in its order.
    std::vector<std::string> Languages() const;
    // The language's menu description as it is on disc now; nothing for a language the list
    // does not offer or a file that cannot be read inside the disc folder.
    std::optional<MenuFile> Open(const std::string& language) const;

    // Sets items of one element when the file is still the version the author saw; with
    // `allLanguages` its layout values (every key but texts and targets) also on the same
    // element in every other language's description, as one step of undo.
    EditOutcome Edit(const std::string& language, size_t element,
                     const std::vector<AttributeChange>& changes, const std::string& version,
                     bool allLanguages = false);
    // Makes a structure change in the language's description when it is still the version the
    // author saw, and with `allLanguages` in every other language's description that has the
    // element; a language without it is named in the outcome's message and left alone. One
    // step of undo for all the files.
    EditOutcome Restructure(const std::string& language, const StructureChange& change,
                            const std::string& version, bool allLanguages);
    EditOutcome Undo();
    EditOutcome Redo();
    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    // Replaces a picture of the disc (a path inside it, as the description names it) with the
    // bytes given, as one step of undo in the language shown; a picture not there yet is
    // written without one.
    EditOutcome ReplacePicture(const std::string& name, const std::string& bytes,
                               const std::string& language);
    // How many times the designer has written the disc: pictures drawn since are new.
    size_t Writes() const { return writes_; }
    // Writes Menu\<language>.dat from the .bin.
    EditOutcome Unpack(const std::string& language);

    // The menu descriptions changed on disc by another program since the designer last read
    // or wrote them. Each is told once, but the shown language's until its view is read again.
    std::vector<std::string> ChangedOnDisc(const std::string& shownLanguage);

    // The version of the file the author last saw or wrote; remembers the one given.
    std::optional<std::string> Seen(const std::string& file, const std::string& version);

private:
    struct FileStep {
        std::filesystem::path path;
        std::string before;
        std::string after;
    };
    struct Step {
        std::vector<FileStep> files;
        std::string language;
        size_t element = 0;
    };

    // The file the language's edits go to, or why there is none.
    std::optional<MenuFile> Writable(const std::string& language, EditOutcome& refusal) const;
    static size_t SizeOf(const Step& step);
    EditOutcome Apply(Step& step, bool forward);
    // The other languages' files with the change made there; what was left alone, said in
    // `skipped`.
    void AddOtherLanguages(Step& step, const std::string& language,
                           const std::function<EditedFile(const MenuFile&)>& change,
                           std::string& skipped) const;
    // Writes every file of the step in the one direction; back as it was when one fails.
    bool WriteAll(const Step& step, bool forward);
    void Remember(Step step);

    std::filesystem::path root_;
    std::vector<Step> undo_;
    std::vector<Step> redo_;
    std::map<std::string, std::string> seen_;
    size_t writes_ = 0;
};

// A stable digest of the bytes, in hex.
std::string VersionOf(std::string_view bytes);

