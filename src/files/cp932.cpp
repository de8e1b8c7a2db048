#include "files/cp932.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace murva {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One conversion descriptor per direction, opened on first use and kept.
class TConverter {
public:
    TConverter(const char* to, const char* from) : Handle(::iconv_open(to, from)) {}
    ~TConverter() {
        if (Usable()) ::iconv_close(Handle);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;
    bool Usable() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    // Converts the input; at an input sequence that cannot be converted, appends the
    // replacement and skips as many bytes as skip() says.
    template <typename Skip>
    std::string Convert(std::string_view input, std::string_view replacement, Skip skip) {
        std::string out;
        out.reserve(input.size() * 3 / 2 + 8);
        ::iconv(Handle, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = ::iconv(Handle, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ, or EINVAL for a sequence cut off at the end.
            out.append(replacement);
            const std::size_t n = std::min<std::size_t>(inLeft, skip(std::string_view(in, inLeft)));
            in += n;
            inLeft -= n;
            ::iconv(Handle, nullptr, nullptr, nullptr, nullptr);
        }
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        ::iconv(Handle, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        return out;
    }

private:
    iconv_t Handle;
};

// The length of the UTF-8 sequence at the start of text, 1 for a byte that starts none.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                                                       : 1;
    for (std::size_t i = 1; i < length; ++i)
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
    return length;
}

std::string FallbackDecode(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x80)
            out.push_back(c);
        else
            out.append(ReplacementCharacter);
    }
    return out;
}

std::string FallbackEncode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out.push_back(text[i++]);
        } else {
            out.push_back('?');
            i += Utf8SequenceLength(text.substr(i));
        }
    }
    return out;
}

TConverter& Encoder() {
    thread_local TConverter encoder("CP932", "UTF-8");
    return encoder;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    // Most texts are ASCII, which CP932 holds unchanged.
    if (IsAscii(bytes)) return std::string(bytes);
    thread_local TConverter decoder("UTF-8", "CP932");
    if (!decoder.Usable()) return FallbackDecode(bytes);
    return decoder.Convert(bytes, ReplacementCharacter,
                           [](std::string_view) { return std::size_t{1}; });
}

std::string Utf8ToCp932(std::string_view text) {
    if (IsAscii(text)) return std::string(text);
    if (!Encoder().Usable()) return FallbackEncode(text);
    return Encoder().Convert(text, "?", Utf8SequenceLength);
}

bool Cp932Holds(std::string_view text) {
    if (IsAscii(text)) return true;
    if (!Encoder().Usable()) return false;
    bool held = true;
    Encoder().Convert(text, {}, [&held](std::string_view rest) {
        held = false;
        return Utf8SequenceLength(rest);
    });
    return held;
}

} // namespace murva
