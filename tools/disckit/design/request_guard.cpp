#include "request_guard.h"

#include <random>

namespace {

bool SameSecret(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return difference == 0;
}

}  // namespace

std::string NewToken() {
    std::random_device random;
    static const char kDigits[] = "0123456789abcdef";
    std::string token;
    for (int i = 0; i < 32; ++i) {
        const unsigned byte = random() & 0xFF;
        token += kDigits[byte >> 4];
        token += kDigits[byte & 15];
    }
    return token;
}

std::string TokenCookieName(int port) { return "designer_token_" + std::to_string(port); }

std::optional<std::string> TokenFromCookie(std::string_view cookie, int port) {
    const std::string name = TokenCookieName(port) + "=";
    size_t at = 0;
    while (at < cookie.size()) {
        while (at < cookie.size() && (cookie[at] == ' ' || cookie[at] == ';')) ++at;
        const size_t end = std::min(cookie.find(';', at), cookie.size());
        const std::string_view pair = cookie.substr(at, end - at);
        if (pair.substr(0, name.size()) == name) return std::string(pair.substr(name.size()));
        at = end;
    }
    return std::nullopt;
}

std::optional<std::string> Refusal(const RequestMarks& marks, std::string_view token, int port) {
    const std::string suffix = ":" + std::to_string(port);
    const bool localHost = marks.host == "127.0.0.1" + suffix || marks.host == "localhost" + suffix;
    if (!localHost) return "the designer answers only to 127.0.0.1" + suffix;
    if (marks.origin && *marks.origin != "http://127.0.0.1" + suffix &&
        *marks.origin != "http://localhost" + suffix) {
        return "requests from other sites are refused";
    }
    if (!marks.token || !SameSecret(*marks.token, token)) {
        return "open the address disckit design printed: it carries the session's token";
    }
    return std::nullopt;
}
