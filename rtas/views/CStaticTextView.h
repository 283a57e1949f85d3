// A text in the view's frame: font 3, size 9, plain, wrapped when the frame holds a line, else cut line by line.
// GUI thread, under the group's context lock.
#pragma once

#include "rtas/views/CCustomView.h"

#include <string>

namespace rtas::views {

class CStaticTextView : public CCustomView
{
public:
    void ReadDescription(DescriptionParser& parser) override;
    void DrawContent(const Rect& rect) override;
    void GetForeColor(RGBColour* colour) override;
    bool WantsFocus() override { return false; }

    virtual int16_t GetTextFont() { return 3; }
    virtual int16_t GetTextSize() { return 9; }
    virtual int16_t GetTextFace() { return 0; }
    virtual void AdjustTextRect(Rect* rect);
    // The host clipboard's text; this build's host offers no clipboard, so it is always empty.
    virtual void GetClipboardText(std::string* text) { text->clear(); }
    virtual void DrawText(const Rect& rect);
    virtual void DrawTextBlock(const std::string& text, const Rect& rect, int16_t justification);

    const std::string& GetText() const { return fText; }
    void SetText(const std::string& text);
    int16_t GetJustification() const { return fJustification; }
    void SetJustification(int16_t justification) { fJustification = justification; }

private:
    std::string fText;
    int16_t fJustification = 0;
};

// The text colour for a control highlight colour (colour 4 of its plate set), as static text and dials draw it;
// false for a colour without a plate set.
bool HighlightTextColour(int16_t colour, RGBColour* out);

// The fore colour of a text-like view: its highlight colour's text colour while highlighted under a control
// highlight, the blue of colour indices 1 and 4, else what it inherits.
void TextForeColour(CCustomView& view, const RGBColour& inherited, RGBColour* colour);

}  // namespace rtas::views
