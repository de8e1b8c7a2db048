#include "support/recording_graphics.h"

#include "files/file_names.h"

#include <cstdio>

namespace murva::test {

namespace {
std::string Hex(TColor c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
    return buffer;
}
std::string RectText(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}
std::string PointsText(const std::vector<TPoint>& points) {
    std::string text;
    for (const auto& p : points) {
        if (!text.empty()) text += " ";
        text += std::to_string(p.x) + "," + std::to_string(p.y);
    }
    return text;
}
} // namespace

std::string RecordingCanvas::PenText() const {
    return "pen=" + std::to_string(Pen.Width) + "/" + Hex(Pen.Color) + "/" +
           (Pen.Style == TPenStyle::Dot ? "dot" : "solid") + "/" +
           (Pen.Mode == TPenMode::NotXor ? "notxor" : "copy");
}

std::string RecordingCanvas::BrushText() const {
    return "brush=" + Hex(Brush.Color) + "/" +
           (Brush.Style == TBrushStyle::Clear ? "clear" : "solid");
}

void RecordingCanvas::Record(std::string entry) {
    if (Journal) Journal->push_back(Label + ": " + entry);
    Calls.push_back(std::move(entry));
}

void RecordingCanvas::MoveTo(std::int32_t x, std::int32_t y) {
    Record("MoveTo " + std::to_string(x) + "," + std::to_string(y));
}
void RecordingCanvas::LineTo(std::int32_t x, std::int32_t y) {
    Record("LineTo " + std::to_string(x) + "," + std::to_string(y) + " " + PenText());
}
void RecordingCanvas::Rectangle(const TRect& r) {
    Record("Rectangle " + RectText(r) + " " + PenText() + " " + BrushText());
}
void RecordingCanvas::Ellipse(const TRect& r) {
    Record("Ellipse " + RectText(r) + " " + PenText() + " " + BrushText());
}
void RecordingCanvas::Polyline(const std::vector<TPoint>& points) {
    Record("Polyline " + PointsText(points) + " " + PenText());
}
void RecordingCanvas::Polygon(const std::vector<TPoint>& points) {
    Record("Polygon " + PointsText(points) + " " + PenText() + " " + BrushText());
}
std::int32_t RecordingCanvas::TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) {
    Record("TextOut " + std::to_string(x) + "," + std::to_string(y) + " " + utf8 +
           " size=" + std::to_string(Font.Size) + " color=" + Hex(Font.Color) + " " + BrushText());
    return x + 8 * static_cast<std::int32_t>(utf8.size());
}
void RecordingCanvas::FillRect(const TRect& r) {
    Record("FillRect " + RectText(r) + " " + BrushText());
}
void RecordingCanvas::CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect,
                               bool smooth) {
    auto* from = dynamic_cast<RecordingCanvas*>(&source);
    Record("CopyRect " + RectText(dest) + " from " + (from ? from->Label : "?") + " " +
           RectText(sourceRect) + (smooth ? " smooth" : ""));
}

RecordingBitmap::RecordingBitmap(std::int32_t w, std::int32_t h, std::string label)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, clWhite) {
    canvas.Label = std::move(label);
}

void RecordingBitmap::SetSize(std::int32_t w, std::int32_t h) {
    std::vector<TColor> resized(static_cast<std::size_t>(w) * h, clWhite);
    for (std::int32_t y = 0; y < std::min(h, height); ++y)
        for (std::int32_t x = 0; x < std::min(w, width); ++x)
            resized[static_cast<std::size_t>(y) * w + x] =
                pixels[static_cast<std::size_t>(y) * width + x];
    pixels = std::move(resized);
    width = w;
    height = h;
}

TColor RecordingBitmap::GetPixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return clBlack;
    return pixels[static_cast<std::size_t>(y) * width + x];
}

void RecordingBitmap::SetPixel(std::int32_t x, std::int32_t y, TColor color) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[static_cast<std::size_t>(y) * width + x] = color;
}

std::unique_ptr<Bitmap> RecordingGraphics::CreateBitmap(std::int32_t width, std::int32_t height) {
    auto bitmap =
        std::make_unique<RecordingBitmap>(width, height, "bitmap" + std::to_string(Created++));
    bitmap->canvas.Journal = &Journal;
    return bitmap;
}

bool RecordingGraphics::LoadBmp(const std::string& path, Bitmap&) {
    LoadedBmps.push_back(path);
    return FileExists(path);
}

} // namespace murva::test
