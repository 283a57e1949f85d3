#include "Text.h"

namespace {
const char* const kFamily = "Liberation Sans";

double advance(cairo_t* cr, const char* letter)
{
    cairo_text_extents_t e;
    cairo_text_extents(cr, letter, &e);
    return e.x_advance;
}
}  // namespace

void useLabelFont(cairo_t* cr, const Font& font)
{
    cairo_select_font_face(cr, kFamily, CAIRO_FONT_SLANT_NORMAL,
                           font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, font.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double textWidth(cairo_t* cr, const Font& font, const std::string& text)
{
    useLabelFont(cr, font);
    if (font.tracking == 0.0)
        return advance(cr, text.c_str());
    double width = 0.0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        const char letter[2] = {text[i], 0};
        width += advance(cr, letter) + (i + 1 < text.size() ? font.tracking : 0.0);
    }
    return width;
}

double capHeight(cairo_t* cr, const Font& font)
{
    useLabelFont(cr, font);
    cairo_text_extents_t e;
    cairo_text_extents(cr, "H", &e);
    return -e.y_bearing;
}

void showText(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Align align)
{
    const double width = textWidth(cr, font, text);
    if (align == Align::Centre)
        x -= width / 2.0;
    else if (align == Align::Right)
        x -= width;
    useLabelFont(cr, font);
    if (font.tracking == 0.0)
    {
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, text.c_str());
        return;
    }
    for (char c : text)
    {
        const char letter[2] = {c, 0};
        cairo_move_to(cr, x, y);
        cairo_show_text(cr, letter);
        x += advance(cr, letter) + font.tracking;
    }
}

void printText(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Align align,
               Colour colour, double alpha)
{
    cairo_set_source_rgba(cr, 0.0, 0.0, 0.0, 0.45 * alpha);
    showText(cr, font, x, y + 0.8, text, align);
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
    showText(cr, font, x, y, text, align);
}

void printCentred(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Colour colour,
                  double alpha)
{
    printText(cr, font, x, y + capHeight(cr, font) / 2.0, text, Align::Centre, colour, alpha);
}
