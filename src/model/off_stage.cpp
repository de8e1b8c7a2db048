#include "model/off_stage.h"

#include <algorithm>

namespace murva {

namespace {

// A tab's size along the edge and into the field.
constexpr std::int32_t TabLength = 28;
constexpr std::int32_t TabDepth = 16;

struct TSpan {
    std::int32_t Lo, Hi;
};

TSpan SpanOf(std::int32_t a, std::int32_t b) {
    return {std::min(a, b), std::max(a, b)};
}

// -1 before the field, +1 past it, 0 on it.
std::int32_t Side(TSpan span, std::int32_t size) {
    return span.Hi < 0 ? -1 : span.Lo >= size ? 1 : 0;
}

// Where a tab lies along one axis: against the edge it points past, else centred on the
// copy and kept within the field.
TSpan TabSpan(TSpan copy, std::int32_t side, std::int32_t size, std::int32_t across) {
    if (side < 0) return {0, across};
    if (side > 0) return {size - across, size};
    const std::int32_t half = across / 2;
    const std::int32_t centre =
        std::clamp((copy.Lo + copy.Hi) / 2, half, std::max(half, size - (across - half)));
    return {centre - half, centre - half + across};
}

} // namespace

bool OnStage(const TFigData& figure, std::int32_t width, std::int32_t height) {
    return Side(SpanOf(figure.Start.x, figure.End.x), width) == 0 &&
           Side(SpanOf(figure.Start.y, figure.End.y), height) == 0;
}

std::optional<TOffStageTab> OffStageTab(const TFigData& figure, std::int32_t width,
                                        std::int32_t height) {
    const TSpan xs = SpanOf(figure.Start.x, figure.End.x),
                ys = SpanOf(figure.Start.y, figure.End.y);
    const TPoint toward{Side(xs, width), Side(ys, height)};
    if (toward == TPoint{0, 0}) return std::nullopt;
    // Against the left or right edge when the copy lies beside the field, else against
    // the top or bottom one.
    const bool upright = toward.x != 0;
    const TSpan x = TabSpan(xs, toward.x, width, upright ? TabDepth : TabLength);
    const TSpan y = TabSpan(ys, toward.y, height, upright ? TabLength : TabDepth);
    return TOffStageTab{{x.Lo, y.Lo, x.Hi, y.Hi}, toward};
}

} // namespace murva
