#pragma once
// Bitmaps whose canvases record every drawing call as a line of text, with the pen,
// brush and font in force, so that tests can check exactly what was drawn.

#include "model/canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace murva::test {

class RecordingCanvas : public Canvas {
public:
    // One entry per call, e.g. "Rectangle 1,2,3,4 pen=4/000000/solid/copy brush=FFFFFF/solid".
    std::vector<std::string> Calls;

    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void Rectangle(const TRect& r) override;
    void Ellipse(const TRect& r) override;
    void Polyline(const std::vector<TPoint>& points) override;
    void Polygon(const std::vector<TPoint>& points) override;
    std::int32_t TextOut(std::int32_t x, std::int32_t y, const std::string& utf8) override;
    void FillRect(const TRect& r) override;
    void CopyRect(const TRect& dest, Canvas& source, const TRect& sourceRect, bool smooth) override;

    std::string PenText() const;
    std::string BrushText() const;
    // Name given by the test graphics, to tell canvases apart in CopyRect entries.
    std::string Label;
    // When set, every entry is also appended here as "Label: entry", in call order
    // across all canvases of one graphics.
    std::vector<std::string>* Journal = nullptr;

private:
    void Record(std::string entry);
};

class RecordingBitmap : public Bitmap {
public:
    RecordingBitmap(std::int32_t width, std::int32_t height, std::string label);
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    void SetSize(std::int32_t w, std::int32_t h) override;
    Canvas& GetCanvas() override { return canvas; }
    TColor GetPixel(std::int32_t x, std::int32_t y) const override;
    void SetPixel(std::int32_t x, std::int32_t y, TColor color) override;

    RecordingCanvas canvas;

private:
    std::int32_t width, height;
    std::vector<TColor> pixels;
};

class RecordingGraphics : public Graphics {
public:
    std::unique_ptr<Bitmap> CreateBitmap(std::int32_t width, std::int32_t height) override;
    bool LoadBmp(const std::string& path, Bitmap& into) override;
    int Created = 0;
    // The calls of every canvas made here, in order, each prefixed with its label.
    std::vector<std::string> Journal;
    // Paths passed to LoadBmp; LoadBmp succeeds for a path ending in ".bmp"/".BMP" that exists.
    std::vector<std::string> LoadedBmps;
};

} // namespace murva::test
