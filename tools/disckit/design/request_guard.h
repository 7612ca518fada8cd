#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a request to the designer shows of itself: the headers that say where it comes from,
// and the token it carries, if any.
struct RequestMarks {
    std::string host;
    std::optional<std::string> origin;
    std::optional<std::string> token;  // from the query, the header or the cookie
};

// The session's secret: 32 random bytes in hex.
std::string NewToken();

// The name of the cookie that carries the token of the designer at the port: browsers keep
// one set of cookies for a host whatever its port, so two designers need two names.
std::string TokenCookieName(int port);

// The token a Cookie header carries under the designer's cookie name, if any.
std::optional<std::string> TokenFromCookie(std::string_view cookie, int port);

// Why the designer refuses the request, or nothing when it takes it: it must carry the token,
// name the server by its loopback address or "localhost" with its port (so that no other
// site's name can be made to point here), and come from no other site's page.
std::optional<std::string> Refusal(const RequestMarks& marks, std::string_view token, int port);
