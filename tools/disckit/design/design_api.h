#pragma once

#include <map>
#include <string>

#include "design_session.h"
#include "menu_preview.h"

struct ApiReply {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
};

// The designer's requests under /api/, answered from the session: JSON in UTF-8 both ways,
// pictures as PNG. Bad requests get a status and {"error": "..."}, never an exception.
class DesignApi {
public:
    DesignApi(DesignSession& session, const PreviewFonts& fonts)
        : session_(session), fonts_(fonts) {}

    ApiReply Get(const std::string& path, const std::map<std::string, std::string>& query);
    ApiReply Post(const std::string& path, const std::string& body);
    // A picture uploaded as the request's bytes, written into the Menu folder in the form its
    // use asks for (query: name, use "button" or "picture"); answers {"name": "Menu\..."}.
    // With use "background" it replaces Menu\menumain.jpg instead, as one step of undo.
    ApiReply Upload(const std::map<std::string, std::string>& query, const std::string& body);

private:
    DesignSession& session_;
    const PreviewFonts& fonts_;
};
