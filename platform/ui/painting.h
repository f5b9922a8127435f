#pragma once

// Painting: device contexts, fonts, brushes, bitmaps, and pictures read back
// pixel by pixel.

#include "platform/colour.h"
#include "platform/ui/message_map.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace halvo
{

// A font as the system names it: face, height and weight. A negative height
// is minus the character height in pixels; a positive one is the height of
// the whole character cell.
struct FontSpec
{
    std::string face = "Verdana";
    int height = -10;
    int weight = 400;
};

// A solid brush, or an 8 x 8 pattern of the colour on white (a set bit in a
// row paints the colour; bit 7 is the leftmost pixel).
struct BrushSpec
{
    COLORREF colour = 0;
    bool pattern = false;
    std::array<std::uint8_t, 8> rows{};
};

// A painted picture read back pixel by pixel (tests, screenshots).
class Picture
{
  public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    int Width() const;
    int Height() const;
    // 0xFFFFFFFF outside the picture.
    COLORREF Pixel(int x, int y) const;
    bool SavePng(const std::string& path) const;

    struct Impl;
    std::shared_ptr<Impl> impl;
};

// A device context: the window's surface during one paint. Starts with a
// black one-pixel pen, black text, a white brush and the system font.
class CDC
{
  public:
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    void FillSolidRect(const CRect& rect, COLORREF colour);
    COLORREF SetTextColor(COLORREF colour);
    void SelectFont(const FontSpec& font);
    // Text with the top-left corner of its cell at (x, y); no clipping, no
    // background. An argument fills the text's "%1" after its translation.
    void TextOut(int x, int y, const std::string& text, const char* argument = nullptr);
    // The same in a column of the given width: where a window narrows its
    // translated texts (the main display), one wider than the column is
    // narrowed to it; anywhere else, and in English, exactly TextOut.
    void TextOutWithin(int x, int y, const std::string& text, int width);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    // Outline with the pen, inside filled with the white brush.
    void Rectangle(const CRect& rect);
    // A one-pixel frame in the colour, nothing filled.
    void FrameRect(const CRect& rect, COLORREF colour);
    // Filled with the brush, outlined with the pen through every corner, as
    // a closed polygon's outline is drawn.
    void Polygon(const std::vector<CPoint>& points, const BrushSpec& brush);
    // The rectangle filled with a bitmap resource repeated as a pattern
    // (starting at the rectangle's corner) and outlined with the pen.
    void PatternRectangle(const CRect& rect, int bitmapId);
    // Copies a bitmap resource unchanged, at its own size; false when it is missing.
    bool DrawBitmap(int x, int y, int bitmapId);

    // From here on a point (x, y) lands at origin + scale * (x, y): texts,
    // lines and pictures are drawn at the scaled size, texts from the font
    // itself rather than as enlarged pixels.
    void SetTransform(CPoint origin, double scale);

    struct Impl;
    explicit CDC(std::unique_ptr<Impl> impl);

  private:
    void DrawShownText(int x, int y, const std::string& shown, int room);
    std::unique_ptr<Impl> impl_;
};

// A text a window paints at a fixed position, in one of its two colours.
enum class TextColour
{
    kText,
    kHeader,
};
struct PaintedText
{
    int x = 0;
    int y = 0;
    const char* text = "";
    TextColour colour = TextColour::kText;
    // Fills the text's "%1" once it is translated: a value known only when
    // the build is configured (an address, the version).
    const char* argument = nullptr;
};

// Draws the texts in order, each in the text or the header colour; the
// last text's colour stays selected.
void PaintTexts(CDC& dc, std::span<const PaintedText> texts, COLORREF textColour,
                COLORREF headerColour);

// Paints into an offscreen picture of the given size.
Picture RenderPicture(int width, int height, const std::function<void(CDC&)>& paint);

// Width in pixels of a text drawn in the font a device context starts
// with (the dialogs' system font).
int SystemFontTextWidth(const std::string& text, const char* argument = nullptr);

// Size of a bitmap resource; 0 x 0 when it is missing.
CPoint BitmapSize(int bitmapId);

} // namespace halvo
