#pragma once

#include <memory>
#include <optional>
#include <string>

#include "design_session.h"
#include "menu_preview.h"

// The designer's web server on the loopback address: the page built into the program and
// the requests under /api/, each checked for the session's token and where it comes from.
class DesignServer {
public:
    DesignServer(DesignSession& session, const PreviewFonts& fonts, std::string token);
    ~DesignServer();

    // Binds 127.0.0.1 at the port, or at a free one for 0. Returns the port bound.
    std::optional<int> Bind(int port);
    // Serves until Stop; false when serving failed.
    bool Serve();
    // From any thread.
    void Stop();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};
