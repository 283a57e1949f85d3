#include "rtas/views/CStaticTextView.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/views/DescriptionParser.h"
#include "rtas/views/GroupReader.h"
#include "rtas/views/PlateColours.h"
#include "rtas/views/ViewRegistry.h"

namespace rtas::views {

bool HighlightTextColour(int16_t colour, RGBColour* out)
{
    const int set = PlateSetForHighlight(colour);
    if (set < 0)
        return false;
    *out = PlateColourSet(set)[4];
    return true;
}

void CStaticTextView::ReadDescription(DescriptionParser& parser)
{
    CCustomView::ReadDescription(parser);
    GroupReader group(parser.NextGroup());
    while (!group.AtEnd()) {
        if (group.NextIs(kNodeText)) {
            fText = group.TakeText(255);
            continue;
        }
        const DescriptionNode& node = group.Take(kNodeKeyword);
        switch (node.value) {
        case kKeyLeft: fJustification = -2; break;
        case kKeyRight: fJustification = -1; break;
        case kKeyCenter: fJustification = 1; break;
        case kKeyDefault: fJustification = 0; break;
        default: throw CDAEError(-7400);
        }
    }
}

void CStaticTextView::SetText(const std::string& text)
{
    const std::string cut = text.substr(0, 255);
    if (cut == fText)
        return;
    fText = cut;
    if (GetPort() != nullptr) {
        if (GetParent() != nullptr)
            GetParent()->Update(&Frame());
        else
            Update(&Frame());
    }
}

void CStaticTextView::AdjustTextRect(Rect* r)
{
    r->top = int16_t(r->top + 3);
    r->left = int16_t(r->left + 1);
    r->bottom = int16_t(r->bottom - 3);
    r->right = int16_t(r->right - 3);
    const int16_t height = int16_t(r->bottom - r->top);
    if (height > 11) {
        const int16_t shift = int16_t((height - 11) / 2 + 1);
        r->top = int16_t(r->top + shift);
        r->bottom = int16_t(r->bottom + shift);
    }
    r->top = int16_t(r->top - 2);
}

void CStaticTextView::DrawContent(const Rect& rect)
{
    DrawBackground(rect);
    DrawText(rect);
}

void CStaticTextView::DrawText(const Rect&)
{
    const Rect r = InsetRect(Frame(), 3, 3);
    RGBColour savedFore, savedBack, fore, back;
    ::GetForeColour(&savedFore);
    ::GetBackColour(&savedBack);
    int16_t font, size, face, mode;
    GetTextState(&font, &size, &face, &mode);
    GetBackColor(&back);
    GetForeColor(&fore);
    SetBackColour(&back);
    SetForeColour(&fore);
    SetTextFont(GetTextFont());
    SetTextSize(GetTextSize());
    SetTextFace(GetTextFace());
    SetTextMode(1);
    DrawTextBlock(fText, r, fJustification);
    SetTextFont(font);
    SetTextSize(size);
    SetTextFace(face);
    SetTextMode(mode);
    SetForeColour(&savedFore);
    SetBackColour(&savedBack);
}

void CStaticTextView::DrawTextBlock(const std::string& text, const Rect& rect, int16_t justification)
{
    HostFontMetrics metrics{};
    GetFontMetrics(&metrics);
    const int32_t lineHeight = metrics.ascent + metrics.descent + metrics.leading;
    if (rect.bottom - rect.top >= lineHeight) {
        DrawTextBox(text.data(), int32_t(text.size()), &rect, justification);
        return;
    }
    // Less than one line high: whole lines from top - 2 while they fit, each cut to the width.
    int32_t top = rect.top - 2;
    size_t start = 0;
    while (start < text.size() && top + lineHeight <= rect.bottom + 2) {
        size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        int16_t length = int16_t(std::min<size_t>(end - start, 255));
        const int16_t width = int16_t(rect.right - rect.left);
        while (length > 1 && TextRunWidth(text.data() + start, length) > width)
            --length;
        const int16_t used = TextRunWidth(text.data() + start, length);
        const int16_t spare = int16_t(width - used);
        int16_t h = rect.left;
        if (justification == -1)
            h = int16_t(rect.left + spare);
        else if (justification == 1)
            h = int16_t(rect.left + spare / 2);
        const Rect band{int16_t(top), rect.left, int16_t(top + lineHeight), rect.right};
        EraseRectangle(&band);
        PenMoveTo(h, int16_t(top + metrics.ascent));
        DrawTextRun(text.data() + start, length);
        start = end < text.size() ? end + 1 : end;
        top += lineHeight;
    }
}

void TextForeColour(CCustomView& view, const RGBColour& inherited, RGBColour* colour)
{
    CPlugInView* parent = view.GetParent();
    if ((parent == nullptr || parent->IsEnabled()) && view.IsControlHighlightOn() && view.IsHighlighted()) {
        int16_t highlight = 0;
        int32_t state = 0;
        std::string text;
        view.GetControlHighlight(&highlight, &state, &text);
        if (!HighlightTextColour(highlight, colour))
            *colour = inherited;
        return;
    }
    if (view.GetColourIndex() == 1)
        *colour = RGBColour{0x0000, 0x6666, 0xFFFF};
    else if (view.GetColourIndex() == 4)
        *colour = RGBColour{0x0000, 0x0000, 0xAAAA};
    else
        *colour = inherited;
}

void CStaticTextView::GetForeColor(RGBColour* colour)
{
    RGBColour inherited;
    CCustomView::GetForeColor(&inherited);
    TextForeColour(*this, inherited, colour);
}

}  // namespace rtas::views
