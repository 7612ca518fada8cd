#include "design_session.h"

#include <algorithm>

#include "config/byte_units.h"
#include "config/text_file.h"
#include "dialogs/language_file.h"
#include "element_identity.h"
#include "loaded_text.h"
#include "menu/menu_model.h"

namespace fs = std::filesystem;

namespace {

// Steps kept for undo: enough for a long session, bounded for large files.
constexpr size_t kMaxSteps = 1000;
constexpr size_t kMaxHistoryBytes = 256u << 20;

std::optional<std::string> ReadBytes(const fs::path& path) { return ReadFileBytes(path.string()); }

std::string DisplayName(const fs::path& disc, const fs::path& file) {
    return fs::path(file).lexically_relative(disc).generic_string();
}

// Applications of the description that the menu drops: past their identifiers, or in no menu.
size_t DroppedApplications(std::string_view bytes) {
    ConfigDocument document;
    document.ParseText(LoadedText(bytes).Text());
    size_t written = 0;
    for (const ConfigElement& element : document.Elements()) {
        if (element.Name() == "application") ++written;
    }
    size_t kept = 0;
    for (const Menu& menu : BuildMenuModel(document).menus) kept += menu.applications.size();
    return written - kept;
}

// Texts the menu shows and targets it opens stay in their language; every other key is layout.
bool IsLayoutKey(std::string_view key) {
    for (const char* own :
         {"text", "title", "description", "exec", "execopen", "instruction", "www", "buy"}) {
        if (key == own) return false;
    }
    return true;
}

}  // namespace

std::string VersionOf(std::string_view bytes) {
    // FNV-1a, 64 bits.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[static_cast<size_t>(i)] = kDigits[hash & 15];
    return hex + "-" + std::to_string(bytes.size());
}

DesignSession::DesignSession(fs::path disc) : root_(std::move(disc)) {}

std::vector<std::string> DesignSession::Languages() const {
    const std::optional<ConfigSource> list =
        ConfigSource::Load(Disc(), "Menu\\lang.dat", "Menu\\lang.bin");
    std::vector<std::string> names;
    if (!list) return names;
    for (const LanguageButton& button : ReadLanguageFile(list->Document()).buttons) {
        if (std::find(names.begin(), names.end(), button.name) == names.end()) {
            names.push_back(button.name);
        }
    }
    return names;
}

std::optional<MenuFile> DesignSession::Open(const std::string& language) const {
    const std::vector<std::string> languages = Languages();
    if (std::find(languages.begin(), languages.end(), language) == languages.end()) {
        return std::nullopt;
    }
    const DiscFiles disc = Disc();
    MenuFile file;
    file.language = language;
    const std::string base = "Menu\\" + language;
    for (const char* extension : {".dat", ".bin"}) {
        const FileRef ref = disc.Resolve(base + extension);
        if (ref.path.empty() || !LiesInside(root_, ref.path)) continue;
        std::optional<std::string> bytes = ReadBytes(ref.path);
        if (!bytes) continue;
        file.path = ref.path;
        file.name = ref.onDisc;
        file.readOnly = std::string(extension) == ".bin";
        file.bytes = std::move(*bytes);
        break;
    }
    if (file.path.empty()) return std::nullopt;
    file.version = VersionOf(file.bytes);
    file.source = ConfigSource::Load(disc, base + ".dat", base + ".bin");
    if (!file.source) return std::nullopt;
    return file;
}

std::vector<std::string> DesignSession::ChangedOnDisc(const std::string& shownLanguage) {
    std::vector<std::string> changed;
    for (const std::string& language : Languages()) {
        const std::optional<MenuFile> file = Open(language);
        if (!file) continue;
        const auto seen = seen_.find(file->name);
        if (seen == seen_.end()) {
            seen_[file->name] = file->version;
        } else if (seen->second != file->version) {
            changed.push_back(file->name);
            if (language != shownLanguage) seen->second = file->version;
        }
    }
    return changed;
}

std::optional<std::string> DesignSession::Seen(const std::string& file,
                                               const std::string& version) {
    std::optional<std::string> before;
    if (const auto found = seen_.find(file); found != seen_.end()) before = found->second;
    seen_[file] = version;
    return before;
}

std::optional<MenuFile> DesignSession::Writable(const std::string& language,
                                                EditOutcome& refusal) const {
    using Status = EditOutcome::Status;
    std::optional<MenuFile> file = Open(language);
    if (!file) {
        refusal = {Status::kRefused, "no menu description for language " + language, {}, 0};
    } else if (file->readOnly) {
        refusal = {Status::kRefused, file->name + " is the byte-wise form only: unpack it to edit",
                   language, 0};
    } else if (fs::is_symlink(file->path)) {
        refusal = {Status::kRefused, file->name + " is a link: the designer writes only files",
                   language, 0};
    } else {
        return file;
    }
    return std::nullopt;
}

EditOutcome DesignSession::Edit(const std::string& language, size_t element,
                                const std::vector<AttributeChange>& changes,
                                const std::string& version, bool allLanguages) {
    using Status = EditOutcome::Status;
    EditOutcome refusal;
    const std::optional<MenuFile> file = Writable(language, refusal);
    if (!file) return {refusal.status, refusal.message, refusal.language, element};
    if (file->version != version) {
        return {Status::kConflict,
                file->name + " changed on disc since the page read it: reloaded, nothing written",
                language, element};
    }
    EditedFile edited = SetAttributes(file->bytes, element, changes);
    if (!edited.bytes) return {Status::kRefused, edited.refusal, language, element};
    Step step{{}, language, element};
    if (*edited.bytes != file->bytes) {
        step.files.push_back({file->path, file->bytes, std::move(*edited.bytes)});
    }
    std::vector<AttributeChange> layout;
    for (const AttributeChange& change : changes) {
        if (IsLayoutKey(change.key)) layout.push_back(change);
    }
    std::string skipped;
    if (allLanguages && !layout.empty() && file->source &&
        element < file->source->Elements().size()) {
        const std::string identity = ElementIdentities(file->source->Document())[element];
        AddOtherLanguages(
            step, language,
            [&](const MenuFile& other) -> EditedFile {
                const std::optional<size_t> same =
                    other.source ? FindByIdentity(other.source->Document(), identity)
                                 : std::nullopt;
                if (!same) return {std::nullopt, "it has no " + identity};
                return SetAttributes(other.bytes, *same, layout);
            },
            skipped);
    }
    if (step.files.empty()) return {Status::kDone, skipped, language, element};
    if (!WriteAll(step, true)) {
        return {Status::kRefused, "cannot write " + file->name, language, element};
    }
    Remember(std::move(step));
    return {Status::kDone, skipped, language, element};
}

void DesignSession::AddOtherLanguages(Step& step, const std::string& language,
                                      const std::function<EditedFile(const MenuFile&)>& change,
                                      std::string& skipped) const {
    for (const std::string& other : Languages()) {
        if (other == language) continue;
        const auto skip = [&](const std::string& why) {
            skipped += (skipped.empty() ? "" : "; ") + other + ": " + why;
        };
        EditOutcome refusal;
        const std::optional<MenuFile> file = Writable(other, refusal);
        if (!file) {
            skip(refusal.message);
            continue;
        }
        EditedFile theirs = change(*file);
        if (!theirs.bytes) {
            skip(theirs.refusal + ", so " + file->name + " was left alone");
        } else if (DroppedApplications(*theirs.bytes) > DroppedApplications(file->bytes)) {
            skip("applications would be pushed past their identifiers, so " + file->name +
                 " was left alone");
        } else if (*theirs.bytes != file->bytes) {
            step.files.push_back({file->path, file->bytes, std::move(*theirs.bytes)});
        }
    }
}

EditOutcome DesignSession::Restructure(const std::string& language, const StructureChange& change,
                                       const std::string& version, bool allLanguages) {
    using Status = EditOutcome::Status;
    EditOutcome refusal;
    const std::optional<MenuFile> shown = Writable(language, refusal);
    if (!shown) return refusal;
    if (shown->version != version) {
        return {Status::kConflict,
                shown->name + " changed on disc since the page read it: reloaded, nothing written",
                language, 0};
    }
    Step step{{}, language, 0};
    EditedFile edited = ApplyStructure(shown->bytes, change, &step.element);
    if (!edited.bytes) return {Status::kRefused, edited.refusal, language, 0};
    if (DroppedApplications(*edited.bytes) > DroppedApplications(shown->bytes)) {
        return {Status::kRefused,
                "applications would be pushed past their identifiers (too many in one menu, or "
                "a menu without room before the next): nothing written",
                language, 0};
    }
    step.files.push_back({shown->path, shown->bytes, std::move(*edited.bytes)});
    std::string skipped;
    if (allLanguages) {
        AddOtherLanguages(
            step, language,
            [&](const MenuFile& other) { return ApplyStructure(other.bytes, change); }, skipped);
    }
    if (!WriteAll(step, true)) {
        return {Status::kRefused, "cannot write the descriptions: nothing written", language, 0};
    }
    const size_t element = step.element;
    Remember(std::move(step));
    return {Status::kDone, skipped, language, element};
}

bool DesignSession::WriteAll(const Step& step, bool forward) {
    ++writes_;
    for (size_t i = 0; i < step.files.size(); ++i) {
        const FileStep& file = step.files[i];
        if (ReplaceFile(file.path, forward ? file.after : file.before)) {
            seen_[DisplayName(root_, file.path)] = VersionOf(forward ? file.after : file.before);
            continue;
        }
        for (size_t j = 0; j < i; ++j) {
            const FileStep& written = step.files[j];
            ReplaceFile(written.path, forward ? written.before : written.after);
            seen_[DisplayName(root_, written.path)] =
                VersionOf(forward ? written.before : written.after);
        }
        return false;
    }
    return true;
}

size_t DesignSession::SizeOf(const Step& step) {
    size_t bytes = 0;
    for (const FileStep& file : step.files) bytes += file.before.size() + file.after.size();
    return bytes;
}

void DesignSession::Remember(Step step) {
    redo_.clear();
    undo_.push_back(std::move(step));
    size_t bytes = 0;
    for (const Step& each : undo_) bytes += SizeOf(each);
    while (undo_.size() > kMaxSteps || (undo_.size() > 1 && bytes > kMaxHistoryBytes)) {
        bytes -= SizeOf(undo_.front());
        undo_.erase(undo_.begin());
    }
}

EditOutcome DesignSession::Apply(Step& step, bool forward) {
    using Status = EditOutcome::Status;
    for (const FileStep& file : step.files) {
        const std::optional<std::string> now = ReadBytes(file.path);
        if (!now || *now != (forward ? file.before : file.after)) {
            return {Status::kConflict,
                    DisplayName(root_, file.path) + " changed on disc since that edit: " +
                        (forward ? "redo" : "undo") + " would overwrite it, nothing written",
                    step.language, step.element};
        }
    }
    if (!WriteAll(step, forward)) {
        return {Status::kRefused, "cannot write the descriptions: nothing written", step.language,
                step.element};
    }
    return {Status::kDone, {}, step.language, step.element};
}

EditOutcome DesignSession::Undo() {
    if (undo_.empty()) return {EditOutcome::Status::kNothing, "nothing to undo", {}, 0};
    EditOutcome outcome = Apply(undo_.back(), false);
    if (outcome.status == EditOutcome::Status::kDone) {
        redo_.push_back(std::move(undo_.back()));
        undo_.pop_back();
    }
    return outcome;
}

EditOutcome DesignSession::Redo() {
    if (redo_.empty()) return {EditOutcome::Status::kNothing, "nothing to redo", {}, 0};
    EditOutcome outcome = Apply(redo_.back(), true);
    if (outcome.status == EditOutcome::Status::kDone) {
        undo_.push_back(std::move(redo_.back()));
        redo_.pop_back();
    }
    return outcome;
}

EditOutcome DesignSession::ReplacePicture(const std::string& name, const std::string& bytes,
                                          const std::string& language) {
    using Status = EditOutcome::Status;
    const FileRef ref = Disc().Resolve(name);
    const bool there = ref.kind == FileRef::Kind::kFound || ref.kind == FileRef::Kind::kCaseDiffers;
    fs::path path = ref.path;
    if (!there) {
        std::string relative = name;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        path = root_ / relative;
    }
    if (!LiesInside(root_, path) || fs::is_symlink(path)) {
        return {Status::kRefused, name + " is no file of the disc the designer writes", {}, 0};
    }
    const std::optional<std::string> before = there ? ReadBytes(path) : std::nullopt;
    if (there && !before) return {Status::kRefused, "cannot read " + name, {}, 0};
    Step step{{{path, before.value_or(std::string()), bytes}}, language, 0};
    if (!WriteAll(step, true)) return {Status::kRefused, "cannot write " + name, {}, 0};
    if (there) Remember(std::move(step));
    return {Status::kDone, {}, language, 0};
}

EditOutcome DesignSession::Unpack(const std::string& language) {
    using Status = EditOutcome::Status;
    const std::optional<MenuFile> file = Open(language);
    if (!file) return {Status::kRefused, "no menu description for language " + language, {}, 0};
    if (!file->readOnly) return {Status::kConflict, file->name + " is already a text file", {}, 0};
    const fs::path target = fs::path(file->path).replace_extension(".dat");
    if (fs::exists(fs::symlink_status(target))) {
        return {Status::kConflict, DisplayName(root_, target) + " is in the way", {}, 0};
    }
    if (!ReplaceFile(target, DecodeByteUnits(file->bytes))) {
        return {Status::kRefused, "cannot write " + DisplayName(root_, target), {}, 0};
    }
    return {Status::kDone, {}, language, 0};
}
