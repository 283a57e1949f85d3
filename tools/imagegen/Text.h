// Labels in Liberation Sans, with letter spacing for the panel's engraved capitals.
#pragma once

#include <cairo.h>

#include <string>

#include "Colour.h"

struct Font
{
    double size;
    bool bold = true;
    // Extra space between letters in pixels.
    double tracking = 0.0;
};

enum class Align
{
    Left,
    Centre,
    Right
};

// Fixed font options (grey antialiasing, no hinting) so the output does not depend on desktop settings.
void useLabelFont(cairo_t* cr, const Font& font);
double textWidth(cairo_t* cr, const Font& font, const std::string& text);
// Height of a capital letter above the baseline.
double capHeight(cairo_t* cr, const Font& font);
// Draws text with its baseline at y, in the current source.
void showText(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Align align);
// Silk-screen print: the text with a faint dark halo below it, as print sits on anodised metal.
void printText(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Align align,
               Colour colour, double alpha = 1.0);
// Text whose vertical middle of the capitals sits at y.
void printCentred(cairo_t* cr, const Font& font, double x, double y, const std::string& text, Colour colour,
                  double alpha = 1.0);
