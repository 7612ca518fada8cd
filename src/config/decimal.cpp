#include "config/decimal.h"

#include <climits>

int ReadDecimal(std::string_view text) {
    size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isBlank(text[i])) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            magnitude = limit;
            break;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
