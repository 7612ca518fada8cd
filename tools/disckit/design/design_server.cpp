#include "design_server.h"

#include <httplib.h>

#include <map>
#include <mutex>

#include "design_api.h"
#include "picture_import.h"
#include "request_guard.h"
#include "web_assets.h"

namespace {

// The largest request body: an edit of a long description fits many times over.
constexpr size_t kMaxRequestBody = 8u << 20;

std::string ContentType(std::string_view name) {
    const auto ends = [&](std::string_view end) {
        return name.size() >= end.size() && name.substr(name.size() - end.size()) == end;
    };
    if (ends(".html")) return "text/html; charset=utf-8";
    if (ends(".css")) return "text/css; charset=utf-8";
    if (ends(".js")) return "text/javascript; charset=utf-8";
    if (ends(".png")) return "image/png";
    if (ends(".svg")) return "image/svg+xml";
    return "application/octet-stream";
}

const WebAsset* FindAsset(std::string_view name) {
    for (const WebAsset& asset : WebAssets()) {
        if (asset.name == name) return &asset;
    }
    return nullptr;
}

std::optional<std::string> Header(const httplib::Request& request, const char* name) {
    if (!request.has_header(name)) return std::nullopt;
    return request.get_header_value(name);
}

}  // namespace

struct DesignServer::Impl {
    Impl(DesignSession& session, const PreviewFonts& fonts, std::string secret)
        : api(session, fonts), token(std::move(secret)) {}

    void Reply(httplib::Response& response, const ApiReply& reply) {
        response.status = reply.status;
        response.set_content(reply.body, reply.contentType.c_str());
    }

    httplib::Server::HandlerResponse Guard(const httplib::Request& request,
                                           httplib::Response& response) {
        RequestMarks marks;
        marks.host = request.get_header_value("Host");
        marks.origin = Header(request, "Origin");
        if (request.has_param("token")) {
            marks.token = request.get_param_value("token");
        } else if (const std::optional<std::string> header = Header(request, "X-Designer-Token")) {
            marks.token = header;
        } else if (const std::optional<std::string> cookie = Header(request, "Cookie")) {
            marks.token = TokenFromCookie(*cookie, port);
        }
        if (const std::optional<std::string> refusal = Refusal(marks, token, port)) {
            response.status = 403;
            response.set_content(*refusal + "\n", "text/plain; charset=utf-8");
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    }

    void Routes() {
        server.set_default_headers({{"Cache-Control", "no-store"},
                                    {"X-Content-Type-Options", "nosniff"},
                                    {"X-Frame-Options", "DENY"},
                                    {"Content-Security-Policy",
                                     "default-src 'self'; img-src 'self' data:; "
                                     "frame-ancestors 'none'"}});
        // Uploads of pictures may be larger than any other request.
        server.set_payload_max_length(kMaxUploadBytes + 1);
        server.set_pre_routing_handler(
            [this](const httplib::Request& request, httplib::Response& response) {
                return Guard(request, response);
            });
        server.Get(R"(/api/.*)",
                   [this](const httplib::Request& request, httplib::Response& response) {
                       std::map<std::string, std::string> query;
                       for (const auto& [key, value] : request.params) query.emplace(key, value);
                       const std::lock_guard lock(mutex);
                       Reply(response, api.Get(request.path, query));
                   });
        server.Post("/api/upload",
                    [this](const httplib::Request& request, httplib::Response& response) {
                        std::map<std::string, std::string> query;
                        for (const auto& [key, value] : request.params) query.emplace(key, value);
                        const std::lock_guard lock(mutex);
                        Reply(response, api.Upload(query, request.body));
                    });
        server.Post(R"(/api/.*)",
                    [this](const httplib::Request& request, httplib::Response& response) {
                        if (request.body.size() > kMaxRequestBody) {
                            response.status = 413;
                            response.set_content("{\"error\": \"the request is over 8 MB\"}",
                                                 "application/json");
                            return;
                        }
                        const std::lock_guard lock(mutex);
                        Reply(response, api.Post(request.path, request.body));
                    });
        server.Get(R"(/([A-Za-z0-9_.-]*))", [this](const httplib::Request& request,
                                                   httplib::Response& response) {
            const std::string name = request.matches[1].str();
            const WebAsset* asset = FindAsset(name.empty() ? "index.html" : name);
            if (!asset) {
                response.status = 404;
                response.set_content("no such file\n", "text/plain; charset=utf-8");
                return;
            }
            if (name.empty()) {
                // The page's own requests carry the token in this cookie.
                response.set_header("Set-Cookie", TokenCookieName(port) + "=" + token +
                                                      "; HttpOnly; SameSite=Strict; Path=/");
            }
            response.set_content(std::string(asset->bytes), ContentType(asset->name).c_str());
        });
        server.set_exception_handler(
            [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
                response.status = 500;
                response.set_content("{\"error\": \"the designer failed on this request\"}",
                                     "application/json");
            });
    }

    DesignApi api;
    std::string token;
    int port = 0;
    std::mutex mutex;
    httplib::Server server;
};

DesignServer::DesignServer(DesignSession& session, const PreviewFonts& fonts, std::string token)
    : impl_(std::make_unique<Impl>(session, fonts, std::move(token))) {
    impl_->Routes();
}

DesignServer::~DesignServer() = default;

std::optional<int> DesignServer::Bind(int port) {
    if (port == 0) {
        impl_->port = impl_->server.bind_to_any_port("127.0.0.1");
    } else if (impl_->server.bind_to_port("127.0.0.1", port)) {
        impl_->port = port;
    }
    if (impl_->port <= 0) return std::nullopt;
    return impl_->port;
}

bool DesignServer::Serve() { return impl_->server.listen_after_bind(); }

void DesignServer::Stop() { impl_->server.stop(); }
