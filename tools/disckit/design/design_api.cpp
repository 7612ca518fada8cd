#include "design_api.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "app/main_window_settings.h"
#include "cp1250.h"
#include "design_outline.h"
#include "design_view.h"
#include "new_elements.h"
#include "picture_import.h"
#include "picture_info.h"
#include "dialogs/language_file.h"
#include "element_identity.h"
#include "menu/menu_ids.h"
#include "menu/menu_model.h"
#include "disc_check.h"
#include "picture_cache.h"
#include "menu_state.h"
#include "picture_decode.h"

using nlohmann::json;

namespace {

// A request the designer cannot take, with the status to answer.
struct BadRequest : std::runtime_error {
    BadRequest(int answer, const std::string& message)
        : std::runtime_error(message), status(answer) {}
    int status;
};

ApiReply Json(const json& value, int status = 200) {
    return {status, "application/json", value.dump(-1, ' ', false, json::error_handler_t::replace)};
}

ApiReply Error(int status, const std::string& message) {
    return Json({{"error", message}}, status);
}

std::string Utf8(std::string_view cp1250) { return Cp1250ToUtf8(cp1250); }

// A query value: every byte but letters, digits and "-._~" as %XX.
std::string UrlEncoded(std::string_view text) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kDigits[byte >> 4];
            encoded += kDigits[byte & 15];
        }
    }
    return encoded;
}

// Request fields as text, from the query or a JSON body alike.
class Fields {
public:
    explicit Fields(std::map<std::string, std::string> values) : values_(std::move(values)) {}
    explicit Fields(const json& body) {
        if (!body.is_object()) throw BadRequest(400, "the request body is no JSON object");
        for (const auto& [key, value] : body.items()) {
            if (value.is_string()) values_[key] = value.get<std::string>();
            if (value.is_number_integer()) values_[key] = std::to_string(value.get<long long>());
        }
    }

    std::string Text(const std::string& key, const std::string& fallback = {}) const {
        const auto found = values_.find(key);
        return found == values_.end() ? fallback : found->second;
    }
    bool Has(const std::string& key) const {
        const auto found = values_.find(key);
        return found != values_.end() && !found->second.empty();
    }
    long long Number(const std::string& key, long long low, long long high) const {
        const std::string text = Text(key);
        try {
            size_t used = 0;
            const long long value = std::stoll(text, &used);
            if (used == text.size() && value >= low && value <= high) return value;
        } catch (const std::logic_error&) {
        }
        throw BadRequest(400, key + " must be a number from " + std::to_string(low) + " to " +
                                  std::to_string(high));
    }

private:
    std::map<std::string, std::string> values_;
};

std::string Cp1250(const std::string& utf8, const std::string& what) {
    std::optional<std::string> text = Utf8ToCp1250(utf8);
    if (!text) throw BadRequest(400, what + " holds a character Windows-1250 does not have");
    return *text;
}

MenuFile OpenLanguage(DesignSession& session, const Fields& fields) {
    std::string language = fields.Text("language");
    if (language.empty()) {
        const std::vector<std::string> all = session.Languages();
        if (all.empty()) throw BadRequest(404, "the language list offers no language");
        language = all.front();
    }
    std::optional<MenuFile> file = session.Open(Cp1250(language, "the language"));
    if (!file) throw BadRequest(404, "no readable menu description for language " + language);
    return std::move(*file);
}

PreviewState StateOf(const Fields& fields) {
    PreviewState state;
    state.menu = Cp1250(fields.Text("menu"), "the menu");
    if (fields.Has("page")) state.page = static_cast<int>(fields.Number("page", 1, 100000));
    if (fields.Has("application")) {
        state.application = static_cast<int>(fields.Number("application", 1, 100000));
    }
    return state;
}

json StateJson(const MenuFile& file, const ConfigDocument& document, const PreviewState& state) {
    const MenuModel model = BuildMenuModel(document);
    const Menu* menu = nullptr;
    for (const Menu& each : model.menus) {
        if (!menu && (state.menu.empty() || each.name == state.menu)) menu = &each;
    }
    MenuState navigated(document);
    navigated.GoTo(state);
    const Application* selected = navigated.Navigator().SelectedApplication();
    json application = nullptr;
    if (const Menu* current = navigated.Navigator().CurrentMenu()) {
        for (size_t i = 0; i < current->applications.size(); ++i) {
            if (&current->applications[i] == selected) application = i + 1;
        }
    }
    return {{"language", Utf8(file.language)},
            {"menu", menu ? Utf8(menu->name) : ""},
            {"page", state.page},
            {"pageCount", std::max(navigated.Navigator().PageCount(), 1)},
            {"application", application},
            {"applicationCount", menu ? menu->applications.size() : 0}};
}

json ElementJson(const ConfigSource& source, const DesignElement& element) {
    json out = {{"index", element.element},
                {"line", source.ElementPosition(element.element).line},
                {"kind", KindName(element.kind)},
                {"name", Utf8(element.name)},
                {"rect",
                 {{"x", element.rect.x},
                  {"y", element.rect.y},
                  {"width", element.rect.width},
                  {"height", element.rect.height}}}};
    if (element.application) {
        out["application"] = *element.application;
        out["applicationLine"] = source.ElementPosition(*element.application).line;
        out["movesTemplate"] = true;
    }
    return out;
}

bool Before(TextPosition a, TextPosition b) {
    return a.line < b.line || (a.line == b.line && a.column <= b.column);
}

// The element of the description a finding points into, if any.
std::optional<size_t> ElementOfFinding(const ConfigSource& source, const Finding& finding) {
    if (finding.position.line == 0) return std::nullopt;
    for (size_t i = 0; i < source.Sources().size(); ++i) {
        const ElementSpan& span = source.Sources()[i].span;
        const TextPosition end = source.PositionOf(span.textBegin + span.textLength + 1);
        if (Before(source.PositionOf(span.open), finding.position) &&
            Before(finding.position, end)) {
            return i;
        }
    }
    return std::nullopt;
}

json FindingsJson(DesignSession& session) {
    DiscCheck check = CheckDisc(session.Root());
    check.findings.Sort();
    std::map<std::string, MenuFile> files;
    for (const std::string& language : session.Languages()) {
        if (std::optional<MenuFile> file = session.Open(language)) files.emplace(file->name, *file);
    }
    json out = json::array();
    for (const Finding& finding : check.findings.All()) {
        json item = {{"file", Utf8(finding.file)},
                     {"line", finding.position.line},
                     {"column", finding.position.column},
                     {"severity", finding.severity == Severity::kError ? "error" : "warning"},
                     {"message", Utf8(finding.message)},
                     {"hint", Utf8(finding.hint)}};
        if (const auto file = files.find(finding.file); file != files.end()) {
            if (const std::optional<size_t> element =
                    ElementOfFinding(*file->second.source, finding)) {
                item["language"] = Utf8(file->second.language);
                item["index"] = *element;
            }
        }
        out.push_back(std::move(item));
    }
    return out;
}

json History(const DesignSession& session) {
    return {{"undo", session.UndoCount()}, {"redo", session.RedoCount()}};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWith(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

json DiscJson(DesignSession& session) {
    const DiscFiles disc = session.Disc();
    json languages = json::array();
    if (const std::optional<ConfigSource> list =
            ConfigSource::Load(disc, "Menu\\lang.dat", "Menu\\lang.bin")) {
        for (const std::string& name : session.Languages()) {
            std::string caption = name;
            for (const LanguageButton& button : ReadLanguageFile(list->Document()).buttons) {
                if (button.name == name && !button.text.empty()) caption = button.text;
            }
            languages.push_back({{"name", Utf8(name)}, {"caption", Utf8(caption)}});
        }
    }
    json pictures = json::array();
    json bitmaps = json::array();
    for (std::string entry : disc.AllEntries()) {
        const std::string lower = Lower(entry);
        std::replace(entry.begin(), entry.end(), '/', '\\');
        if (EndsWith(lower, ".bmp")) bitmaps.push_back(entry);
        if (EndsWith(lower, ".bmp") || EndsWith(lower, ".jpg") || EndsWith(lower, ".jpeg")) {
            pictures.push_back(entry);
        }
    }
    json buttonNames = json::array();
    for (const std::string_view name : ButtonNames()) buttonNames.push_back(std::string(name));
    return {{"disc", disc.Root().string()},
            {"languages", languages},
            {"buttonNames", buttonNames},
            {"pictures", pictures},
            {"bitmaps", bitmaps}};
}

// The keys the menu reads on an element of that tag, and which pictures suit which key.
struct ElementKeys {
    std::vector<std::string> keys;
    json pictureKeys = json::object();
};

ElementKeys KeysOf(const ConfigElement& element) {
    const std::string tag = element.Name();
    const std::string type = element.AttributeValue("type");
    const std::vector<std::string> place = {"positionX", "positionY", "width", "height"};
    ElementKeys keys;
    const auto with = [&](std::vector<std::string> own, bool placed) {
        keys.keys = std::move(own);
        if (placed) keys.keys.insert(keys.keys.end(), place.begin(), place.end());
    };
    if (tag == "window") {
        with({"title", "width", "height", "intro", "outro", "icon"}, false);
    } else if (tag == "application") {
        with({"type", "title", "description", "exec", "execopen", "instruction", "www", "buy",
              "screen"},
             false);
        keys.pictureKeys["screen"] = "pictures";
    } else if (tag == "menuitem") {
        with({"parent", "text", "image", "maxitems"}, true);
        keys.pictureKeys["image"] = "bitmaps";
    } else if (type == "text") {
        with({"type", "name", "bgcolor"}, true);
    } else if (type == "image") {
        with({"type", "name"}, true);
    } else if (type == "banner") {
        with({"type", "name", "text", "image", "timer"}, true);
        keys.pictureKeys["image"] = "pictures";
    } else if (tag == "item") {
        with({"type", "name", "text", "image"}, true);
        keys.pictureKeys["image"] = "bitmaps";
    } else if (tag == "menu") {
        with({"name", "text", "image"}, true);
        keys.pictureKeys["image"] = "bitmaps";
    }
    return keys;
}

json ViewJson(DesignSession& session, const MenuFile& file, const PreviewState& state,
              const std::vector<DesignElement>& elements) {
    const ConfigSource& source = *file.source;
    const MainWindowSettings settings = ReadMainWindowSettings(source.Document(), nullptr);
    json menus = json::array();
    for (const Menu& menu : BuildMenuModel(source.Document()).menus)
        menus.push_back(Utf8(menu.name));
    json drawn = json::array();
    std::vector<bool> isDrawn(source.Elements().size(), false);
    for (const DesignElement& element : elements) {
        drawn.push_back(ElementJson(source, element));
        isDrawn[element.element] = true;
        if (element.application) isDrawn[*element.application] = true;
    }
    json outline = json::array();
    for (const OutlineEntry& entry : OutlineOf(source.Document())) {
        outline.push_back({{"index", entry.element},
                           {"label", Utf8(entry.label)},
                           {"level", entry.level},
                           {"menu", Utf8(entry.menu)},
                           {"page", entry.page},
                           {"application", entry.application},
                           {"drawn", isDrawn[entry.element]}});
    }
    const json stateJson = StateJson(file, source.Document(), state);
    std::string picture = "/api/picture.png?language=" + UrlEncoded(Utf8(file.language)) +
                          "&menu=" + UrlEncoded(stateJson["menu"].get<std::string>()) +
                          "&page=" + std::to_string(state.page);
    if (state.application) picture += "&application=" + std::to_string(*state.application);
    json view = {
        {"state", stateJson},
        {"menus", menus},
        {"window", {{"width", settings.width}, {"height", settings.height}}},
        {"file",
         {{"name", Utf8(file.name)}, {"version", file.version}, {"readOnly", file.readOnly}}},
        {"picture", picture + "&v=" + file.version + "-" + std::to_string(session.Writes())},
        {"elements", drawn},
        {"outline", outline},
        {"findings", FindingsJson(session)},
        {"history", History(session)}};
    const std::optional<std::string> seen = session.Seen(file.name, file.version);
    if (seen && *seen != file.version) {
        view["notice"] = Utf8(file.name) + " changed on disc; the designer shows it as it is now.";
    }
    return view;
}

std::vector<DesignElement> Elements(const MenuFile& file, const PreviewState& state) {
    std::optional<std::vector<DesignElement>> elements =
        ElementsInState(file.source->Document(), state);
    if (!elements) throw BadRequest(404, "no such menu, page or application");
    return std::move(*elements);
}

ApiReply Picture(DesignSession& session, const PreviewFonts& fonts, const Fields& fields) {
    const MenuFile file = OpenLanguage(session, fields);
    const MainWindowSettings settings = ReadMainWindowSettings(file.source->Document(), nullptr);
    constexpr int kMaxSide = 16384;
    if (settings.width <= 0 || settings.height <= 0 || settings.width > kMaxSide ||
        settings.height > kMaxSide) {
        throw BadRequest(404, "the window has no size the designer can draw");
    }
    const DiscFiles disc = session.Disc();
    Pictures pictures(disc);
    const std::optional<Raster> window =
        RenderMenu(file.source->Document(), StateOf(fields), fonts, pictures);
    if (!window) throw BadRequest(404, "no such menu, page or application");
    return {200, "image/png", EncodePng(*window)};
}

ApiReply DiscPicture(DesignSession& session, const Fields& fields) {
    const DiscFiles disc = session.Disc();
    const FileRef ref = disc.Resolve(Cp1250(fields.Text("name"), "the name"));
    const bool found = ref.kind == FileRef::Kind::kFound || ref.kind == FileRef::Kind::kCaseDiffers;
    if (!found || !LiesInside(disc.Root(), ref.path)) {
        throw BadRequest(404, "no such picture on the disc");
    }
    const std::optional<std::string> bytes = disc.Read(ref);
    const std::optional<Raster> picture = bytes ? DecodePicture(*bytes) : std::nullopt;
    if (!picture || picture->width > 16384 || picture->height > 16384) {
        throw BadRequest(404, "not a picture the menu reads");
    }
    return {200, "image/png", EncodePng(*picture)};
}

ApiReply ElementDetails(DesignSession& session, const Fields& fields) {
    const MenuFile file = OpenLanguage(session, fields);
    const size_t index = static_cast<size_t>(fields.Number("index", 0, 1 << 30));
    const ConfigSource& source = *file.source;
    if (index >= source.Elements().size()) throw BadRequest(404, "the file has no such element");
    const ConfigElement& element = source.Elements()[index];
    json attributes = json::array();
    for (const ConfigAttribute& item : element.Attributes()) {
        attributes.push_back({{"key", Utf8(item.key)}, {"value", Utf8(item.value)}});
    }
    const ElementKeys keys = KeysOf(element);
    return Json({{"index", index},
                 {"line", source.ElementPosition(index).line},
                 {"tag", Utf8(element.Name())},
                 {"file", Utf8(file.name)},
                 {"version", file.version},
                 {"attributes", attributes},
                 {"keys", keys.keys},
                 {"pictureKeys", keys.pictureKeys}});
}

int StatusOf(const EditOutcome& outcome) {
    switch (outcome.status) {
        case EditOutcome::Status::kDone:
            return 200;
        case EditOutcome::Status::kRefused:
            return 400;
        case EditOutcome::Status::kConflict:
        case EditOutcome::Status::kNothing:
            return 409;
    }
    return 500;
}

ApiReply Outcome(DesignSession& session, const EditOutcome& outcome) {
    if (outcome.status != EditOutcome::Status::kDone) {
        json error = {{"error", outcome.message}};
        if (std::optional<MenuFile> file = session.Open(outcome.language)) {
            error["version"] = file->version;
        }
        return Json(error, StatusOf(outcome));
    }
    json reply = {{"language", Utf8(outcome.language)},
                  {"index", outcome.element},
                  {"history", History(session)}};
    if (!outcome.message.empty()) reply["notice"] = Utf8(outcome.message);
    if (std::optional<MenuFile> file = session.Open(outcome.language)) {
        reply["version"] = file->version;
    }
    return Json(reply);
}

ApiReply Edit(DesignSession& session, const json& body) {
    const Fields fields(body);
    const MenuFile file = OpenLanguage(session, fields);
    const size_t index = static_cast<size_t>(fields.Number("index", 0, 1 << 30));
    const auto changes = body.find("changes");
    if (changes == body.end() || !changes->is_object() || changes->empty()) {
        throw BadRequest(400, "an edit needs \"changes\": {\"key\": \"value\", ...}");
    }
    std::vector<AttributeChange> list;
    for (const auto& [key, value] : changes->items()) {
        if (!value.is_string()) throw BadRequest(400, "the value of " + key + " must be text");
        std::string text = value.get<std::string>();
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        list.push_back({Cp1250(key, "the key"), Cp1250(text, "the value of " + key)});
    }
    const auto all = body.find("allLanguages");
    const bool allLanguages = all != body.end() && all->is_boolean() && all->get<bool>();
    return Outcome(session,
                   session.Edit(file.language, index, list, fields.Text("version"), allLanguages));
}

// The picture's size in pixels, for an element drawn from it.
PictureInfo PictureOnDisc(DesignSession& session, const std::string& name) {
    const DiscFiles disc = session.Disc();
    const FileRef ref = disc.Resolve(name);
    const std::optional<std::string> bytes =
        ref.path.empty() || !LiesInside(disc.Root(), ref.path) ? std::nullopt : disc.Read(ref);
    const PictureInfo info = bytes ? ReadPictureInfo(*bytes) : PictureInfo{};
    if (info.width <= 0 || info.height <= 0) throw BadRequest(400, "no picture " + Utf8(name));
    return info;
}

ApiReply Structure(DesignSession& session, const json& body) {
    const Fields fields(body);
    const MenuFile file = OpenLanguage(session, fields);
    const ConfigDocument& document = file.source->Document();
    const std::string action = fields.Text("action");
    std::optional<size_t> index;
    if (fields.Has("index")) {
        index = static_cast<size_t>(fields.Number("index", 0, 1 << 30));
        if (*index >= document.ElementCount())
            throw BadRequest(404, "the file has no such element");
    }
    const std::string menu = Cp1250(fields.Text("menu"), "the menu");
    NewElement added;
    if (action == "delete" || action == "duplicate" || action == "moveUp" || action == "moveDown") {
        if (!index) throw BadRequest(400, "select an element first");
        StructureChange change;
        change.kind = action == "delete"      ? StructureChange::Kind::kDelete
                      : action == "duplicate" ? StructureChange::Kind::kDuplicate
                      : action == "moveUp"    ? StructureChange::Kind::kMoveUp
                                              : StructureChange::Kind::kMoveDown;
        change.target = ElementIdentities(document)[*index];
        const ConfigElement& element = document.Elements()[*index];
        if (MakesMenu(element)) {
            change.newMenu = UniqueName(document, "menu", element.AttributeValue("name"));
        }
        added.change = std::move(change);
    } else if (action == "addApplication") {
        added = NewApplication(document, index, menu);
    } else if (action == "addMenu") {
        added = NewMenu(document, menu);
    } else if (action == "addButton" || action == "addBanner") {
        const std::string image = Cp1250(fields.Text("image"), "the picture");
        const PictureInfo picture = PictureOnDisc(session, image);
        added = action == "addButton"
                    ? NewButton(document, Cp1250(fields.Text("name"), "the name"), image,
                                picture.width, picture.height)
                    : NewBanner(document, image, picture.width, picture.height,
                                fields.Has("timer")
                                    ? static_cast<int>(fields.Number("timer", 0, 1000000))
                                    : 0);
    } else if (action == "addField") {
        added = NewField(document, Cp1250(fields.Text("name"), "the name"));
    } else {
        throw BadRequest(400, "no such structure change: " + action);
    }
    if (!added.change) throw BadRequest(400, Utf8(added.refusal));
    const auto all = body.find("allLanguages");
    const bool allLanguages = all != body.end() && all->is_boolean() && all->get<bool>();
    return Outcome(session, session.Restructure(file.language, *added.change,
                                                fields.Text("version"), allLanguages));
}

}  // namespace

ApiReply DesignApi::Get(const std::string& path, const std::map<std::string, std::string>& query) {
    try {
        const Fields fields(query);
        if (path == "/api/disc") return Json(DiscJson(session_));
        if (path == "/api/picture.png") return Picture(session_, fonts_, fields);
        if (path == "/api/file") return DiscPicture(session_, fields);
        if (path == "/api/element") return ElementDetails(session_, fields);
        if (path == "/api/changes") {
            json changed = json::array();
            for (const std::string& name :
                 session_.ChangedOnDisc(Cp1250(fields.Text("language"), "the language"))) {
                changed.push_back(Utf8(name));
            }
            return Json({{"changed", changed}});
        }
        if (path == "/api/view" || path == "/api/hit") {
            const MenuFile file = OpenLanguage(session_, fields);
            const PreviewState state = StateOf(fields);
            const std::vector<DesignElement> elements = Elements(file, state);
            if (path == "/api/view") return Json(ViewJson(session_, file, state, elements));
            const int x = static_cast<int>(fields.Number("x", -100000, 100000));
            const int y = static_cast<int>(fields.Number("y", -100000, 100000));
            const DesignElement* hit = ElementAt(elements, x, y);
            return Json({{"element", hit ? ElementJson(*file.source, *hit) : json(nullptr)}});
        }
        return Error(404, "no such request: " + path);
    } catch (const BadRequest& bad) {
        return Error(bad.status, bad.what());
    } catch (const std::exception& failure) {
        return Error(500, std::string("the designer failed: ") + failure.what());
    }
}

ApiReply DesignApi::Post(const std::string& path, const std::string& body) {
    try {
        const json request = json::parse(body.empty() ? "{}" : body);
        if (path == "/api/edit") return Edit(session_, request);
        if (path == "/api/structure") return Structure(session_, request);
        if (path == "/api/undo") return Outcome(session_, session_.Undo());
        if (path == "/api/redo") return Outcome(session_, session_.Redo());
        const Fields fields(request);
        if (path == "/api/unpack") {
            const MenuFile file = OpenLanguage(session_, fields);
            const EditOutcome outcome = session_.Unpack(file.language);
            if (outcome.status != EditOutcome::Status::kDone) {
                return Error(StatusOf(outcome), outcome.message);
            }
            return Json(json::object());
        }
        if (path == "/api/try") {
            const MenuFile file = OpenLanguage(session_, fields);
            const std::optional<TryResult> tried =
                TryClick(file.source->Document(), StateOf(fields),
                         static_cast<int>(fields.Number("x", -100000, 100000)),
                         static_cast<int>(fields.Number("y", -100000, 100000)));
            if (!tried) throw BadRequest(404, "no such menu, page or application");
            return Json(
                {{"state", StateJson(file, file.source->Document(), tried->state)},
                 {"action", tried->action.empty() ? json(nullptr) : json(Utf8(tried->action))}});
        }
        return Error(404, "no such request: " + path);
    } catch (const json::exception& bad) {
        return Error(400, std::string("the request is no JSON the designer reads: ") + bad.what());
    } catch (const BadRequest& bad) {
        return Error(bad.status, bad.what());
    } catch (const std::exception& failure) {
        return Error(500, std::string("the designer failed: ") + failure.what());
    }
}

ApiReply DesignApi::Upload(const std::map<std::string, std::string>& query,
                           const std::string& body) {
    try {
        const Fields fields(query);
        const DiscFiles disc = session_.Disc();
        const FileRef menu = disc.Resolve("Menu");
        if (menu.path.empty() || !LiesInside(disc.Root(), menu.path)) {
            throw BadRequest(404, "the disc has no Menu folder");
        }
        std::vector<std::string> names;
        for (const std::string& entry : disc.AllEntries()) {
            const size_t slash = entry.find('/');
            if (slash != std::string::npos && Lower(entry.substr(0, slash)) == "menu") {
                names.push_back(entry.substr(slash + 1));
            }
        }
        const std::string name = fields.Text("name");
        const std::string use = fields.Text("use");
        PictureUpload upload{body, name,
                             use == "button" ? PictureUse::kButton : PictureUse::kPicture};
        const ImportedPicture picture = ImportPicture(upload, names);
        if (!picture.refusal.empty()) throw BadRequest(400, picture.refusal);
        const std::string bytes(picture.bytes.begin(), picture.bytes.end());
        if (use == "background") {
            const MenuFile shown = OpenLanguage(session_, fields);
            return Outcome(session_,
                           session_.ReplacePicture("Menu\\menumain.jpg", bytes, shown.language));
        }
        if (!ReplaceFile(menu.path / picture.name, bytes)) {
            throw BadRequest(500, "cannot write Menu\\" + picture.name);
        }
        return Json({{"name", "Menu\\" + picture.name}});
    } catch (const BadRequest& bad) {
        return Error(bad.status, bad.what());
    } catch (const std::exception& failure) {
        return Error(500, std::string("the designer failed: ") + failure.what());
    }
}
