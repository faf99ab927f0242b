// The game's string helpers. Game text is plain ASCII; characters are
// handled as unsigned bytes.
#include "media_internal.h"

std::string StringFromInt(int32_t n) { return std::to_string(n); }

std::string ConcatStrings(const std::string& a, const std::string& b) { return a + b; }

int32_t CompareStrings(const std::string& a, const std::string& b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string ToUpperAscii(const std::string& s) {
    std::string out = s;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string Substring(const std::string& s, int32_t start, int32_t count) {
    if (count <= 0) return {};
    if (start < 1) {
        count += start - 1;
        start = 1;
        if (count <= 0) return {};
    }
    const size_t from = static_cast<size_t>(start - 1);
    if (from >= s.size()) return {};
    return s.substr(from, static_cast<size_t>(count));
}

std::string LeftChars(const std::string& s, int32_t n) {
    if (n <= 0) return {};
    return s.substr(0, static_cast<size_t>(n));
}

int32_t FirstCharCode(const std::string& s) { return s.empty() ? -1 : static_cast<unsigned char>(s[0]); }

std::string StringFromCharCode(int32_t code) {
    if (code < 0 || code > 255) return {};
    return std::string(1, static_cast<char>(code));
}
