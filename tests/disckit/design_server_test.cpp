#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "config/byte_units.h"
#include "design_api.h"
#include "design_session.h"
#include "design_view.h"
#include "document_from_text.h"
#include "fixture_disc.h"
#include "preview_fonts.h"
#include "request_guard.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

struct HitRow {
    const char* edit_from;  // a change to the fixture's menu first, if any
    const char* edit_to;
    int x, y;
    const char* kind;  // nullptr: nothing, the point lies outside the window
    size_t element;
    std::optional<size_t> application;
};

// What start.exe has under a point: controls first, then banners (strictly inside), then the
// window itself; an application button's place is its template's.
TEST(DesignViewTest, FindsWhatTheMenuHasUnderAPoint) {
    const HitRow rows[] = {
        {nullptr, nullptr, 605, 5, "button", 1, {}},
        {nullptr, nullptr, 5, 45, "menu", 7, {}},
        {nullptr, nullptr, 110, 45, "application", 8, 9},
        {nullptr, nullptr, 5, 5, "title", 4, {}},
        {nullptr, nullptr, 50, 420, "banner", 6, {}},
        {nullptr, nullptr, 0, 400, "window", 0, {}},
        {nullptr, nullptr, 300, 300, "window", 0, {}},
        {nullptr, nullptr, 640, 10, nullptr, 0, {}},
        {"positionX=0 positionY=400", "positionX=0 positionY=0", 50, 10, "title", 4, {}},
    };
    for (const HitRow& row : rows) {
        FixtureDisc disc;
        if (row.edit_from) disc.Edit("Menu/pl.dat", row.edit_from, row.edit_to);
        const ConfigDocument document = DocumentFromText(disc.Content("Menu/pl.dat"));
        const auto elements = ElementsInState(document, {});
        ASSERT_TRUE(elements);
        const DesignElement* hit = ElementAt(*elements, row.x, row.y);
        const std::string where = std::to_string(row.x) + "," + std::to_string(row.y);
        if (!row.kind) {
            EXPECT_EQ(hit, nullptr) << where;
            continue;
        }
        ASSERT_NE(hit, nullptr) << where;
        EXPECT_STREQ(KindName(hit->kind), row.kind) << where;
        EXPECT_EQ(hit->element, row.element) << where;
        EXPECT_EQ(hit->application, row.application) << where;
    }
}

TEST(RequestGuardTest, TakesOnlyTheTokenFromTheServersOwnAddress) {
    const std::string token = "0123abcd";
    struct Row {
        const char* rule;
        RequestMarks marks;
        bool taken;
    };
    const Row rows[] = {
        {"its address and token", {"127.0.0.1:8080", std::nullopt, token}, true},
        {"localhost and its own page", {"localhost:8080", "http://localhost:8080", token}, true},
        {"no token", {"127.0.0.1:8080", std::nullopt, std::nullopt}, false},
        {"another token", {"127.0.0.1:8080", std::nullopt, "0123abce"}, false},
        {"a token's start", {"127.0.0.1:8080", std::nullopt, "0123"}, false},
        {"a rebound name", {"evil.example:8080", std::nullopt, token}, false},
        {"another port", {"127.0.0.1:8081", std::nullopt, token}, false},
        {"another site's page", {"127.0.0.1:8080", "http://evil.example", token}, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(!Refusal(row.marks, token, 8080), row.taken) << row.rule;
    }
    EXPECT_EQ(TokenFromCookie("designer_token_80=a; designer_token_8080=xyz; c=d", 8080), "xyz");
    EXPECT_EQ(TokenFromCookie("designer_token_80800=1", 8080), std::nullopt);
    EXPECT_EQ(NewToken().size(), 64u);
    EXPECT_NE(NewToken(), NewToken());
}

class DesignApiTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fonts_) << "fonts-liberation2 is needed";
        disc_.WriteTo(Root());
        session_.emplace(Root());
        api_.emplace(*session_, *fonts_);
    }

    fs::path Root() const { return dir_.Path("disc"); }
    fs::path Menu() const { return Root() / "Menu" / "pl.dat"; }

    ApiReply Get(const std::string& path, std::map<std::string, std::string> query = {}) {
        return api_->Get(path, query);
    }
    json Version() { return json::parse(Get("/api/view").body)["file"]["version"]; }
    ApiReply Edit(size_t index, const json& changes) {
        return api_->Post(
            "/api/edit",
            json{{"language", "pl"}, {"index", index}, {"changes", changes}, {"version", Version()}}
                .dump());
    }

    TempDir dir_;
    FixtureDisc disc_;
    std::optional<PreviewFonts> fonts_ = OpenPreviewFonts();
    std::optional<DesignSession> session_;
    std::optional<DesignApi> api_;
};

// No name leads the designer out of the disc folder, by "..", a full path or a link.
TEST_F(DesignApiTest, ReadsNothingOutsideTheDisc) {
    const std::string outside = dir_.Write("outside.bmp", BitmapFile(4, 4));
    fs::create_symlink(outside, Root() / "Menu" / "link.bmp");
    EXPECT_EQ(Get("/api/file", {{"name", "Menu\\close.bmp"}}).status, 200);
    for (const char* name : {"..\\outside.bmp", "Menu\\..\\..\\outside.bmp", "/etc/passwd",
                             "C:\\outside.bmp", "Menu\\link.bmp"}) {
        EXPECT_EQ(Get("/api/file", {{"name", name}}).status, 404) << name;
    }

    const std::string before = TempDir::Read(Menu().string());
    fs::rename(Menu(), dir_.Path("pl.dat"));
    fs::create_symlink(dir_.Path("pl.dat"), Menu());
    EXPECT_EQ(Get("/api/view").status, 404);
    EXPECT_EQ(Edit(1, {{"positionX", "1"}}).status, 404);
    EXPECT_EQ(TempDir::Read(dir_.Path("pl.dat")), before);
}

// Broken requests are answered with a status and a message; the file stays as it was.
TEST_F(DesignApiTest, AnswersBadRequestsWithoutChangingTheFile) {
    const std::string before = TempDir::Read(Menu().string());
    const struct {
        const char* path;
        std::string body;  // "$V" stands for the file's version
        int status;
    } rows[] = {
        {"/api/edit", "{nope", 400},
        {"/api/edit", "[1, 2]", 400},
        {"/api/edit", R"({"language": "pl", "index": 1, "changes": {"positionX": 5}})", 400},
        {"/api/edit", R"({"language": "pl", "index": 99, "changes": {"a": "1"}, "version": "$V"})",
         400},
        {"/api/edit", R"({"language": "pl", "index": 1, "changes": {"a": "\""}, "version": "$V"})",
         400},
        {"/api/edit", R"({"language": "xx", "index": 1, "changes": {"a": "1"}})", 404},
        {"/api/edit", R"({"language": "pl", "index": 1, "changes": {"a": "1"}, "version": "old"})",
         409},
        {"/api/undo", "", 409},
        {"/api/nothing", "{}", 404},
        {"/api/structure", R"({"language": "pl", "action": "delete", "version": "$V"})", 400},
        {"/api/structure", R"({"language": "pl", "action": "moveUp", "index": 1, "version": "$V"})",
         400},
        {"/api/structure",
         R"({"language": "pl", "action": "addButton", "name": "close", "image": "Menu\close.bmp",
             "version": "$V"})",
         400},
        {"/api/structure",
         R"({"language": "pl", "action": "addField", "name": "title", "version": "$V"})", 400},
        {"/api/structure",
         R"({"language": "pl", "action": "addBanner", "image": "Menu\nothing.jpg", "version": "$V"})",
         400},
    };
    for (const auto& row : rows) {
        std::string body = row.body;
        if (const size_t at = body.find("$V"); at != std::string::npos) {
            body.replace(at, 2, Version().get<std::string>());
        }
        const ApiReply reply = api_->Post(row.path, body);
        EXPECT_EQ(reply.status, row.status) << row.path << " " << body;
        EXPECT_TRUE(json::parse(reply.body).contains("error")) << reply.body;
    }
    EXPECT_EQ(api_->Upload({{"name", "shot.png"}, {"use", "picture"}}, "no picture").status, 400);
    EXPECT_EQ(Get("/api/view", {{"page", "x"}}).status, 400);
    EXPECT_EQ(Get("/api/view", {{"menu", "nope"}}).status, 404);
    EXPECT_EQ(TempDir::Read(Menu().string()), before);
}

// A long description is written whole, the findings follow each edit, and undo brings back
// the very bytes; an edit made elsewhere in the meantime is never overwritten.
TEST_F(DesignApiTest, EditsUndoesAndKeepsOthersEdits) {
    const std::string before = TempDir::Read(Menu().string());
    const std::string description(5u << 20, 'a');
    EXPECT_EQ(Edit(9, {{"description", description}}).status, 200);
    EXPECT_NE(TempDir::Read(Menu().string()).find(description), std::string::npos);
    EXPECT_EQ(Edit(1, {{"positionX", "630"}}).status, 200);
    const json findings = json::parse(Get("/api/view").body)["findings"];
    EXPECT_TRUE(std::any_of(findings.begin(), findings.end(), [](const json& finding) {
        return finding["index"] == 1 && finding["severity"] == "warning";
    })) << findings.dump();

    EXPECT_EQ(api_->Post("/api/undo", "").status, 200);
    EXPECT_EQ(api_->Post("/api/undo", "").status, 200);
    EXPECT_EQ(TempDir::Read(Menu().string()), before);

    EXPECT_EQ(api_->Post("/api/redo", "").status, 200);
    const std::string theirs = TempDir::Read(Menu().string()) + "<!-- theirs -->\n";
    dir_.Write("disc/Menu/pl.dat", theirs);
    EXPECT_EQ(api_->Post("/api/undo", "").status, 409);
    EXPECT_EQ(TempDir::Read(Menu().string()), theirs);
}

// A language with only the byte-wise form is shown read-only until it is unpacked.
TEST_F(DesignApiTest, UnpacksAByteWiseDescription) {
    const std::string text = TempDir::Read(Menu().string());
    fs::remove(Menu());
    dir_.Write("disc/Menu/pl.bin", EncodeByteUnits(text));
    EXPECT_TRUE(json::parse(Get("/api/view").body)["file"]["readOnly"]);
    EXPECT_EQ(api_->Post("/api/edit", R"({"language": "pl", "index": 1,
                                          "changes": {"a": "1"}})")
                  .status,
              400);
    EXPECT_EQ(api_->Post("/api/unpack", R"({"language": "pl"})").status, 200);
    EXPECT_FALSE(json::parse(Get("/api/view").body)["file"]["readOnly"]);
    EXPECT_EQ(TempDir::Read(Menu().string()), text);
}

}  // namespace
