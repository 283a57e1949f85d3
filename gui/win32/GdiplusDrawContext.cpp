#include "gui/win32/GdiplusDrawContext.h"

#include <cmath>
#include <memory>
#include <iterator>
#include <string>
#include <vector>

#include "gui/CBitmap.h"
#include "gui/win32/GdiplusBitmap.h"

namespace
{

std::wstring wideText(const char* utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &text[0], length);
    text.resize(static_cast<size_t>(length - 1));
    return text;
}

Gdiplus::RectF rectF(const CRect& r)
{
    return Gdiplus::RectF(static_cast<Gdiplus::REAL>(r.left), static_cast<Gdiplus::REAL>(r.top),
                          static_cast<Gdiplus::REAL>(r.getWidth()), static_cast<Gdiplus::REAL>(r.getHeight()));
}

int fontStyleOf(int32_t style)
{
    int gdiplusStyle = Gdiplus::FontStyleRegular;
    if (style & kBoldFace)
        gdiplusStyle |= Gdiplus::FontStyleBold;
    if (style & kItalicFace)
        gdiplusStyle |= Gdiplus::FontStyleItalic;
    return gdiplusStyle;
}

// The font of the description in pixels. Families missing on the system (Wine has no Arial) fall back to a
// metric-compatible one, then to sans-serif faces Wine and Linux carry. GDI+'s own generic families are not used:
// the C++ wrappers cache them across GDI+ shutdowns.
struct ResolvedFont
{
    std::unique_ptr<Gdiplus::FontFamily> family;
    std::unique_ptr<Gdiplus::Font> font;
    int style = Gdiplus::FontStyleRegular;
    bool ok() const { return font && font->GetLastStatus() == Gdiplus::Ok; }
};

ResolvedFont resolveFont(const CFontDesc& description)
{
    ResolvedFont resolved;
    resolved.style = fontStyleOf(description.style);
    const std::wstring requested = wideText(description.name.c_str());
    const wchar_t* const fallbacks[] = {L"Liberation Sans", L"Arial", L"Tahoma", L"DejaVu Sans"};
    std::vector<std::wstring> names{requested};
    names.insert(names.end(), std::begin(fallbacks), std::end(fallbacks));
    for (const std::wstring& name : names)
    {
        if (name.empty())
            continue;
        auto family = std::make_unique<Gdiplus::FontFamily>(name.c_str());
        if (family->GetLastStatus() != Gdiplus::Ok || !family->IsStyleAvailable(resolved.style))
            continue;
        resolved.family = std::move(family);
        resolved.font = std::make_unique<Gdiplus::Font>(resolved.family.get(),
                                                        static_cast<Gdiplus::REAL>(description.size),
                                                        resolved.style, Gdiplus::UnitPixel);
        if (resolved.ok())
            break;
        resolved.font.reset();
        resolved.family.reset();
    }
    return resolved;
}

// Measures and draws without GDI+'s extra padding around strings.
std::unique_ptr<Gdiplus::StringFormat> typographicFormat()
{
    const Gdiplus::StringFormat* generic = Gdiplus::StringFormat::GenericTypographic();
    std::unique_ptr<Gdiplus::StringFormat> format(generic ? generic->Clone() : new Gdiplus::StringFormat());
    format->SetFormatFlags(format->GetFormatFlags() | Gdiplus::StringFormatFlagsMeasureTrailingSpaces |
                           Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
    return format;
}

Gdiplus::REAL textWidth(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::Font& font,
                        const Gdiplus::StringFormat& format)
{
    Gdiplus::RectF bounds;
    graphics.MeasureString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(0, 0), &format,
                           &bounds);
    return bounds.Width;
}

} // namespace

GdiplusDrawContext::GdiplusDrawContext(Gdiplus::Graphics* graphics, const CRect& surfaceRect)
    : CDrawContext(surfaceRect), graphics_(graphics), initialState_(graphics->Save())
{
    graphics_->TranslateTransform(static_cast<Gdiplus::REAL>(-surfaceRect.left),
                                  static_cast<Gdiplus::REAL>(-surfaceRect.top));
    graphics_->SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
    graphics_->SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    graphics_->SetCompositingMode(Gdiplus::CompositingModeSourceOver);
}

GdiplusDrawContext::~GdiplusDrawContext() { graphics_->Restore(initialState_); }

Gdiplus::GraphicsState GdiplusDrawContext::beginDrawing(Drawing drawing)
{
    const Gdiplus::GraphicsState state = graphics_->Save();
    // Clip edges on whole pixels, as the cairo backend does.
    const auto left = static_cast<Gdiplus::REAL>(std::floor(clipRect_.left + 0.5));
    const auto top = static_cast<Gdiplus::REAL>(std::floor(clipRect_.top + 0.5));
    const auto right = static_cast<Gdiplus::REAL>(std::floor(clipRect_.right + 0.5));
    const auto bottom = static_cast<Gdiplus::REAL>(std::floor(clipRect_.bottom + 0.5));
    graphics_->SetClip(Gdiplus::RectF(left, top, right - left, bottom - top));
    graphics_->SetSmoothingMode(drawMode_ == kAntiAliasing ? Gdiplus::SmoothingModeAntiAlias
                                                           : Gdiplus::SmoothingModeNone);
    // Pixel i covers [i, i + 1) in our coordinates (cairo's convention); GDI+ puts pixel centres on whole
    // coordinates. Bitmaps get GDI+'s half-pixel mode, which keeps them unblurred; lines, fills and text are moved
    // by half a pixel instead (Wine's GDI+ applies the half-pixel mode to images only).
    if (drawing == kBitmap)
    {
        graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    }
    else
    {
        graphics_->SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
        graphics_->TranslateTransform(-0.5f, -0.5f);
    }
    return state;
}

void GdiplusDrawContext::endDrawing(Gdiplus::GraphicsState state) { graphics_->Restore(state); }

Gdiplus::Color GdiplusDrawContext::colorOf(const CColor& color) const
{
    const auto alpha = static_cast<BYTE>(std::lround(color.alpha * globalAlpha_));
    return Gdiplus::Color(alpha, color.red, color.green, color.blue);
}

void GdiplusDrawContext::drawLine(const CPoint& from, const CPoint& to)
{
    const Gdiplus::GraphicsState state = beginDrawing(kShapes);
    if (drawMode_ == kAntiAliasing)
    {
        Gdiplus::Pen pen(colorOf(frameColor_), static_cast<Gdiplus::REAL>(lineWidth_));
        graphics_->DrawLine(&pen, Gdiplus::PointF(static_cast<Gdiplus::REAL>(from.x), static_cast<Gdiplus::REAL>(from.y)),
                            Gdiplus::PointF(static_cast<Gdiplus::REAL>(to.x), static_cast<Gdiplus::REAL>(to.y)));
    }
    else
    {
        // GDI+'s own aliased lines include their end pixel and differ between implementations; the outline of the
        // stroke (square ends flush with the end points), filled, covers the pixels cairo's stroke does. An
        // odd-width line through pixel coordinates covers exactly those pixels.
        const double shift = std::lround(lineWidth_) % 2 == 1 ? 0.5 : 0.0;
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        if (length > 0)
        {
            const double nx = -dy / length * lineWidth_ / 2;
            const double ny = dx / length * lineWidth_ / 2;
            const auto point = [shift](double x, double y) {
                return Gdiplus::PointF(static_cast<Gdiplus::REAL>(x + shift), static_cast<Gdiplus::REAL>(y + shift));
            };
            const Gdiplus::PointF outline[] = {point(from.x + nx, from.y + ny), point(to.x + nx, to.y + ny),
                                               point(to.x - nx, to.y - ny), point(from.x - nx, from.y - ny)};
            Gdiplus::SolidBrush brush(colorOf(frameColor_));
            graphics_->FillPolygon(&brush, outline, 4);
        }
    }
    endDrawing(state);
}

void GdiplusDrawContext::drawRect(const CRect& rect, CDrawStyle style)
{
    const Gdiplus::GraphicsState state = beginDrawing(kShapes);
    if (style == kDrawFilled || style == kDrawFilledAndStroked)
    {
        Gdiplus::SolidBrush brush(colorOf(fillColor_));
        graphics_->FillRectangle(&brush, rectF(rect));
    }
    if (style == kDrawStroked || style == kDrawFilledAndStroked)
    {
        // The stroke lies inside the rectangle.
        const double half = lineWidth_ / 2;
        Gdiplus::Pen pen(colorOf(frameColor_), static_cast<Gdiplus::REAL>(lineWidth_));
        graphics_->DrawRectangle(&pen, rectF(CRect(rect.left + half, rect.top + half, rect.right - half,
                                                   rect.bottom - half)));
    }
    endDrawing(state);
}

void GdiplusDrawContext::drawArc(const CRect& rect, float startAngle, float endAngle, CDrawStyle style)
{
    if (rect.getWidth() <= 0 || rect.getHeight() <= 0 || startAngle == endAngle)
        return;
    // Our angles run anticlockwise from 12 o'clock; GDI+'s clockwise from 3 o'clock (y down). The arc runs
    // anticlockwise from start to end: a negative sweep of up to one full turn.
    const auto start = static_cast<Gdiplus::REAL>(-90.0 - startAngle);
    double extent = static_cast<double>(endAngle) - startAngle;
    while (extent <= 0)
        extent += 360.0;
    if (extent > 360.0)
        extent = 360.0;
    const auto sweep = static_cast<Gdiplus::REAL>(-extent);
    const Gdiplus::RectF ellipse = rectF(rect);
    const Gdiplus::GraphicsState state = beginDrawing(kShapes);
    if (style != kDrawStroked)
    {
        Gdiplus::SolidBrush brush(colorOf(fillColor_));
        graphics_->FillPie(&brush, ellipse, start, sweep);
    }
    Gdiplus::Pen pen(colorOf(frameColor_), static_cast<Gdiplus::REAL>(lineWidth_));
    if (style == kDrawStroked)
        graphics_->DrawArc(&pen, ellipse, start, sweep);
    else if (style == kDrawFilledAndStroked)
        graphics_->DrawPie(&pen, ellipse, start, sweep);
    endDrawing(state);
}

void GdiplusDrawContext::drawString(const char* utf8, const CRect& rect, CHoriTxtAlign align)
{
    if (!utf8 || !*utf8)
        return;
    const std::wstring text = wideText(utf8);
    if (text.empty())
        return;
    const ResolvedFont resolved = resolveFont(font_);
    if (!resolved.ok())
        return;
    const Gdiplus::GraphicsState state = beginDrawing(kText);
    const std::unique_ptr<Gdiplus::StringFormat> format = typographicFormat();
    const double em = resolved.family->GetEmHeight(resolved.style);
    const double ascent = font_.size * resolved.family->GetCellAscent(resolved.style) / em;
    const double descent = font_.size * resolved.family->GetCellDescent(resolved.style) / em;
    const double width = textWidth(*graphics_, text, *resolved.font, *format);
    double x = rect.left;
    if (align == kCenterText)
        x = rect.left + (rect.getWidth() - width) / 2;
    else if (align == kRightText)
        x = rect.right - width;
    // The baseline where the cairo backend puts it, on a whole pixel; GDI+ draws from the top of the cell.
    const double baseline = std::round(rect.top + (rect.getHeight() - (ascent + descent)) / 2 + ascent);
    Gdiplus::SolidBrush brush(colorOf(fontColor_));
    graphics_->DrawString(text.c_str(), static_cast<INT>(text.size()), resolved.font.get(),
                          Gdiplus::PointF(static_cast<Gdiplus::REAL>(std::round(x)),
                                          static_cast<Gdiplus::REAL>(baseline - ascent)),
                          format.get(), &brush);
    endDrawing(state);
}

CCoord GdiplusDrawContext::getStringWidth(const char* utf8)
{
    if (!utf8 || !*utf8)
        return 0;
    const std::wstring text = wideText(utf8);
    if (text.empty())
        return 0;
    const ResolvedFont resolved = resolveFont(font_);
    if (!resolved.ok())
        return 0;
    const std::unique_ptr<Gdiplus::StringFormat> format = typographicFormat();
    return textWidth(*graphics_, text, *resolved.font, *format);
}

void GdiplusDrawContext::drawBitmap(CBitmap* bitmap, const CRect& dest, const CPoint& offset, float alpha)
{
    if (!bitmap || !bitmap->getPlatformBitmap())
        return;
    auto* platform = static_cast<GdiplusBitmap*>(bitmap->getPlatformBitmap());
    // Only the bitmap's own pixels: the area beyond it stays untouched.
    CRect area(dest.left, dest.top, dest.left + platform->getWidth() - offset.x,
               dest.top + platform->getHeight() - offset.y);
    area.bound(dest);
    if (area.isEmpty())
        return;
    const double a = static_cast<double>(alpha) * globalAlpha_;
    if (a <= 0)
        return;
    const Gdiplus::GraphicsState state = beginDrawing(kBitmap);
    graphics_->SetClip(rectF(area), Gdiplus::CombineModeIntersect);
    // The visible part of the bitmap only: a film strip is thousands of pixels tall.
    const CPoint source(offset.x + (area.left - dest.left), offset.y + (area.top - dest.top));
    Gdiplus::ImageAttributes attributes;
    // Pixels at the source rectangle's edges are not blended with what lies beyond it.
    attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    if (a < 1.0)
    {
        Gdiplus::ColorMatrix matrix = {{{1, 0, 0, 0, 0},
                                        {0, 1, 0, 0, 0},
                                        {0, 0, 1, 0, 0},
                                        {0, 0, 0, static_cast<Gdiplus::REAL>(a), 0},
                                        {0, 0, 0, 0, 1}}};
        attributes.SetColorMatrix(&matrix);
    }
    graphics_->DrawImage(platform->getBitmap(), rectF(area), static_cast<Gdiplus::REAL>(source.x),
                         static_cast<Gdiplus::REAL>(source.y), static_cast<Gdiplus::REAL>(area.getWidth()),
                         static_cast<Gdiplus::REAL>(area.getHeight()), Gdiplus::UnitPixel, &attributes);
    endDrawing(state);
}
