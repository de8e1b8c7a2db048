#include "files/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <unordered_map>

namespace murva {

namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

std::uint8_t R(std::uint32_t c) {
    return (c >> 16) & 0xFF;
}
std::uint8_t G(std::uint32_t c) {
    return (c >> 8) & 0xFF;
}
std::uint8_t B(std::uint32_t c) {
    return c & 0xFF;
}

// Median cut over the colours with their counts: boxes are split at the median of their
// widest channel until there are `wanted` of them; each gives its mean colour.
std::vector<std::uint32_t> MedianCut(std::vector<std::pair<std::uint32_t, std::uint32_t>> colours,
                                     std::size_t wanted) {
    struct TBox {
        std::size_t Begin, End;
    };
    auto channel = [](std::uint32_t c, int k) { return k == 0 ? R(c) : k == 1 ? G(c) : B(c); };
    auto spread = [&](const TBox& box, int& widest) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (std::size_t i = box.Begin; i < box.End; ++i) {
                lo = std::min<int>(lo, channel(colours[i].first, k));
                hi = std::max<int>(hi, channel(colours[i].first, k));
            }
            if (hi - lo > best) {
                best = hi - lo;
                widest = k;
            }
        }
        return best;
    };
    std::vector<TBox> boxes{{0, colours.size()}};
    while (boxes.size() < wanted) {
        // The box with the widest channel that can still be split.
        std::size_t pick = boxes.size();
        int pickSpread = 0, pickChannel = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            int k = 0;
            const int s = boxes[b].End - boxes[b].Begin > 1 ? spread(boxes[b], k) : 0;
            if (s > pickSpread) {
                pickSpread = s;
                pickChannel = k;
                pick = b;
            }
        }
        if (pick == boxes.size()) break;
        TBox box = boxes[pick];
        auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.Begin);
        auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.End);
        std::sort(first, last, [&](const auto& a, const auto& b) {
            return channel(a.first, pickChannel) < channel(b.first, pickChannel);
        });
        // The median by count, never an empty half.
        std::uint64_t total = 0, half = 0;
        for (auto it = first; it != last; ++it)
            total += it->second;
        std::size_t cut = box.Begin;
        for (; cut < box.End - 1 && half * 2 < total; ++cut)
            half += colours[cut].second;
        cut = std::clamp(cut, box.Begin + 1, box.End - 1);
        boxes[pick] = {box.Begin, cut};
        boxes.push_back({cut, box.End});
    }
    std::vector<std::uint32_t> palette;
    for (const TBox& box : boxes) {
        std::uint64_t sum[3] = {0, 0, 0}, n = 0;
        for (std::size_t i = box.Begin; i < box.End; ++i) {
            for (int k = 0; k < 3; ++k)
                sum[k] += std::uint64_t(channel(colours[i].first, k)) * colours[i].second;
            n += colours[i].second;
        }
        palette.push_back(std::uint32_t(sum[0] / n) << 16 | std::uint32_t(sum[1] / n) << 8 |
                          std::uint32_t(sum[2] / n));
    }
    return palette;
}

// The nearest of the first `count` colours, weighing green most, as the eye does.
std::size_t Nearest(const std::vector<std::uint32_t>& palette, std::size_t count, int r, int g,
                    int b) {
    std::size_t best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < count; ++i) {
        const int dr = R(palette[i]) - r, dg = G(palette[i]) - g, db = B(palette[i]) - b;
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

constexpr std::array<int, 16> Bayer = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};

} // namespace

// A frame waiting for the next, which may only lengthen it.
struct TGifWriter::TPending {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<GifByteType> Indices;
    std::vector<std::uint32_t> Palette;
    int Transparent = NO_TRANSPARENT_COLOR;
    int Delay = 0;
};

TGifWriter::TGifWriter(std::int32_t width, std::int32_t height) : Width(width), Height(height) {
    int error = 0;
    GifFileType* gif = EGifOpen(&Bytes, Append, &error);
    Gif = gif;
    if (!gif) {
        Failed = true;
        return;
    }
    EGifSetGifVersion(gif, true);
    Failed = EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_ERROR;
    // Played again and again, for ever.
    static const GifByteType netscape[] = "NETSCAPE2.0";
    static const GifByteType loop[] = {1, 0, 0};
    Failed = Failed || EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
             EGifPutExtensionBlock(gif, 11, netscape) == GIF_ERROR ||
             EGifPutExtensionBlock(gif, 3, loop) == GIF_ERROR ||
             EGifPutExtensionTrailer(gif) == GIF_ERROR;
}

TGifWriter::~TGifWriter() {
    delete Pending;
    if (Gif) {
        int error = 0;
        EGifCloseFile(static_cast<GifFileType*>(Gif), &error);
    }
}

void TGifWriter::AddFrame(const std::vector<std::uint32_t>& rgb, int delay) {
    if (Failed || rgb.size() != std::size_t(Width) * std::size_t(Height)) {
        Failed = true;
        return;
    }
    // The part that changed since the last picture; the first is whole.
    int left = Width, top = Height, right = -1, bottom = -1;
    const bool first = Previous.empty();
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const std::size_t i = std::size_t(y) * Width + x;
            if (!first && rgb[i] == Previous[i]) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (right < 0) {
        if (Pending) Pending->Delay += delay;
        return;
    }
    Flush();
    auto* frame = new TPending;
    Pending = frame;
    frame->Left = left;
    frame->Top = top;
    frame->Width = right - left + 1;
    frame->Height = bottom - top + 1;
    frame->Delay = delay;

    // The frame's own colours, counted; unchanged pixels become transparent.
    std::unordered_map<std::uint32_t, std::uint32_t> counts;
    bool anyUnchanged = false;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const std::size_t i = std::size_t(y) * Width + x;
            if (!first && rgb[i] == Previous[i])
                anyUnchanged = true;
            else
                ++counts[rgb[i]];
        }
    const std::size_t room = anyUnchanged ? 255 : 256;
    const bool exact = counts.size() <= room;
    if (exact) {
        for (const auto& [colour, n] : counts)
            frame->Palette.push_back(colour);
    } else {
        frame->Palette = MedianCut({counts.begin(), counts.end()}, room);
    }
    std::unordered_map<std::uint32_t, GifByteType> index;
    if (exact)
        for (std::size_t k = 0; k < frame->Palette.size(); ++k)
            index[frame->Palette[k]] = GifByteType(k);
    if (anyUnchanged) {
        frame->Transparent = int(frame->Palette.size());
        frame->Palette.push_back(0);
    }
    frame->Indices.reserve(std::size_t(frame->Width) * frame->Height);
    std::unordered_map<std::uint32_t, GifByteType> nearest;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const std::size_t i = std::size_t(y) * Width + x;
            if (!first && rgb[i] == Previous[i]) {
                frame->Indices.push_back(GifByteType(frame->Transparent));
            } else if (exact) {
                frame->Indices.push_back(index[rgb[i]]);
            } else {
                // Ordered dithering: a threshold of the 4 × 4 pattern, then the nearest
                // colour, remembered by its 5-bit cell and threshold.
                const int t = Bayer[std::size_t((y & 3) * 4 + (x & 3))] - 8;
                const int r = std::clamp(R(rgb[i]) + t, 0, 255);
                const int g = std::clamp(G(rgb[i]) + t, 0, 255);
                const int b = std::clamp(B(rgb[i]) + t, 0, 255);
                const std::uint32_t cell = std::uint32_t(r >> 2) << 12 |
                                           std::uint32_t(g >> 2) << 6 | std::uint32_t(b >> 2);
                auto found = nearest.find(cell);
                if (found == nearest.end()) {
                    const std::size_t count = frame->Palette.size() - (anyUnchanged ? 1 : 0);
                    found =
                        nearest.emplace(cell, GifByteType(Nearest(frame->Palette, count, r, g, b)))
                            .first;
                }
                frame->Indices.push_back(found->second);
            }
        }
    Previous = rgb;
}

void TGifWriter::Flush() {
    if (!Pending || Failed) return;
    auto* gif = static_cast<GifFileType*>(Gif);
    TPending& f = *Pending;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = f.Delay;
    control.TransparentColor = f.Transparent;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    // A palette of a power of two entries, at least two.
    int size = 2;
    while (size < int(f.Palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t k = 0; k < f.Palette.size(); ++k)
        colours[k] = {R(f.Palette[k]), G(f.Palette[k]), B(f.Palette[k])};
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    Failed = !map ||
             EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR ||
             EGifPutImageDesc(gif, f.Left, f.Top, f.Width, f.Height, false, map) == GIF_ERROR;
    for (int row = 0; row < f.Height && !Failed; ++row)
        Failed =
            EGifPutLine(gif, f.Indices.data() + std::size_t(row) * f.Width, f.Width) == GIF_ERROR;
    GifFreeMapObject(map);
    delete Pending;
    Pending = nullptr;
}

std::optional<std::string> TGifWriter::Finish() {
    Flush();
    if (!Gif) return std::nullopt;
    int error = 0;
    const bool closed = EGifCloseFile(static_cast<GifFileType*>(Gif), &error) != GIF_ERROR;
    Gif = nullptr;
    if (Failed || !closed) return std::nullopt;
    return Bytes;
}

} // namespace murva
