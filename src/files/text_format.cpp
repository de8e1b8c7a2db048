#include "files/text_format.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <limits>

namespace murva {

namespace {

constexpr std::array<std::string_view, 5> FormatLines = {
    "ZINDA FILE FORMAT 1.0", "ZINDA FILE FORMAT 1.1", "ZINDA FILE FORMAT 1.2",
    "ZINDA FILE FORMAT 1.3", "ZINDA FILE FORMAT 1.4"};

constexpr std::array<std::string_view, 15> KindWords = {
    "Create", "SetStamp", "Move",   "Duplicate", "Delete",       "Undo",     "Front", "Back",
    "Change", "ReadData", "ReadBG", "CleareBG",  "ClearDrawing", "ClearAll", "Branch"};

constexpr std::array<std::string_view, 6> ParameterWords = {"Size",      "BodyColor", "LineWidth",
                                                            "LineColor", "Text",      "TextColor"};

// Index 0 is no tool.
constexpr std::array<std::string_view, 9> ToolWords = {"",           "dtText",    "dtLine",
                                                       "dtFreeLine", "dtEllipse", "dtRectangle",
                                                       "dtPolyline", "dtPolygon", "dtStamp"};

constexpr std::string_view UnknownWord = "Unknown";

struct TNamedColor {
    std::string_view Name;
    TColor Value;
};

constexpr TColor System(TColor index) {
    return 0x80000000u + index;
}

constexpr TNamedColor NamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clHotLight", System(26)},
    {"clGradientActiveCaption", System(27)},
    {"clGradientInactiveCaption", System(28)},
    {"clMenuHighlight", System(29)},
    {"clMenuBar", System(30)},
};

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = LowerAscii(c);
    return result;
}

// Built once: colours are looked up for every figure line of a large file.
struct TColorTables {
    std::unordered_map<std::string, TColor> ByName;
    std::unordered_map<TColor, std::string_view> ByValue;
    TColorTables() {
        auto add = [this](const TNamedColor& c) {
            ByName.emplace(Lowered(c.Name), c.Value);
            ByValue.emplace(c.Value, c.Name);
        };
        for (const auto& c : NamedColors)
            add(c);
    }
};

const TColorTables& ColorTables() {
    static const TColorTables tables;
    return tables;
}

template <typename TKind, std::size_t N>
std::optional<TKind> IndexOf(const std::array<std::string_view, N>& words, std::string_view word,
                             std::size_t first = 0) {
    for (std::size_t i = first; i < N; ++i)
        if (words[i] == word) return static_cast<TKind>(i);
    return std::nullopt;
}

// The word of a kind, or `unknown` for a number beyond the table.
template <typename TKind, std::size_t N>
std::string_view WordOf(const std::array<std::string_view, N>& words, TKind kind,
                        std::string_view unknown) {
    const auto index = static_cast<std::size_t>(kind);
    return index < N ? words[index] : unknown;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value of the leading digits of a fixed column field; no digits give 0.
int ColumnValue(std::string_view line, std::size_t first, std::size_t length) {
    if (first >= line.size()) return 0;
    std::string_view field = line.substr(first, length);
    int value = 0;
    for (char c : field) {
        if (!IsDigit(c)) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%d" conversion from pos on; pos moves past what was taken.
std::optional<std::int32_t> ScanIntAt(std::string_view line, std::size_t& pos) {
    std::size_t p = pos;
    while (p < line.size() && IsScanSpace(line[p]))
        ++p;
    bool negative = false;
    if (p < line.size() && (line[p] == '+' || line[p] == '-')) negative = line[p++] == '-';
    if (p >= line.size() || !IsDigit(line[p])) return std::nullopt;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t value = 0;
    for (; p < line.size() && IsDigit(line[p]); ++p)
        value = std::min<std::int64_t>(limit, value * 10 + (line[p] - '0'));
    pos = p;
    if (negative) return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<std::int64_t>(value, limit - 1));
}

} // namespace

bool IsKnownFormatLine(std::string_view line) {
    for (auto known : FormatLines)
        if (line == known) return true;
    return false;
}

std::string_view ActionKindWord(TActionKind kind) {
    return WordOf(KindWords, kind, UnknownWord);
}

std::optional<TActionKind> ActionKindFromWord(std::string_view word) {
    return IndexOf<TActionKind>(KindWords, word);
}

std::string_view ParameterWord(TChangeParameter parameter) {
    return WordOf(ParameterWords, parameter, UnknownWord);
}

std::optional<TChangeParameter> ParameterFromWord(std::string_view word) {
    return IndexOf<TChangeParameter>(ParameterWords, word);
}

std::string_view ToolWord(TDrawingTool tool) {
    return WordOf(ToolWords, tool, std::string_view());
}

std::optional<TDrawingTool> ToolFromWord(std::string_view word) {
    if (word.empty()) return std::nullopt;
    return IndexOf<TDrawingTool>(ToolWords, word, 1);
}

std::string ColorToText(TColor color) {
    const auto& byValue = ColorTables().ByValue;
    auto found = byValue.find(color);
    if (found != byValue.end()) return std::string(found->second);
    char text[10];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

std::optional<TColor> ColorFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (text.front() == '$') {
        text.remove_prefix(1);
        if (text.empty() || text.size() > 8) return std::nullopt;
        TColor value = 0;
        for (char c : text) {
            const int digit = HexDigit(c);
            if (digit < 0) return std::nullopt;
            value = (value << 4) | static_cast<TColor>(digit);
        }
        return value;
    }
    std::string_view digits = text;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (!digits.empty() && IsDigit(digits.front())) {
        std::uint64_t value = 0;
        for (char c : digits) {
            if (!IsDigit(c)) return std::nullopt;
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            if (value > 0xFFFFFFFFull) return std::nullopt;
        }
        if (negative) {
            if (value > 0x80000000ull) return std::nullopt;
            return static_cast<TColor>(0x100000000ull - value);
        }
        return static_cast<TColor>(value);
    }
    if (text.size() > 32) return std::nullopt;
    const auto& byName = ColorTables().ByName;
    auto found = byName.find(Lowered(text));
    if (found == byName.end()) return std::nullopt;
    return found->second;
}

std::string ActionTimeText(const TActionTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d %02d %02d %02d %02d %02d %02d", int(t.Year),
                  int(t.Month), int(t.Day), int(t.Hour), int(t.Minute), int(t.Second),
                  int(t.Hundredths));
    return text;
}

TActionTime ActionTimeFromText(std::string_view line) {
    TActionTime t;
    std::size_t timeColumn = 0;
    if (line.size() == 22) {
        t.Year = ColumnValue(line, 0, 4);
        t.Month = static_cast<std::uint8_t>(ColumnValue(line, 5, 2));
        t.Day = static_cast<std::uint8_t>(ColumnValue(line, 8, 2));
        timeColumn = 11;
    }
    t.Hour = static_cast<std::uint8_t>(ColumnValue(line, timeColumn, 2));
    t.Minute = static_cast<std::uint8_t>(ColumnValue(line, timeColumn + 3, 2));
    t.Second = static_cast<std::uint8_t>(ColumnValue(line, timeColumn + 6, 2));
    t.Hundredths = static_cast<std::uint8_t>(ColumnValue(line, timeColumn + 9, 2));
    return t;
}

std::optional<std::int32_t> ScanInt(std::string_view line) {
    std::size_t pos = 0;
    return ScanIntAt(line, pos);
}

TPoint ScanPoint(std::string_view line) {
    TPoint point;
    std::size_t pos = 0;
    if (auto x = ScanIntAt(line, pos)) {
        point.x = *x;
        if (auto y = ScanIntAt(line, pos)) point.y = *y;
    }
    return point;
}

} // namespace murva
