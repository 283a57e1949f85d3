// Shows a value as text: the text function turns the value into a string, drawn in the font and font colour over
// the background (the bitmap from the back offset, or the back colour) with an optional frame.
#pragma once

#include <cstdint>
#include <functional>

#include "gui/CColor.h"
#include "gui/CControl.h"
#include "gui/CDrawContext.h"
#include "gui/CFontDesc.h"

enum CParamDisplayStyle : int32_t
{
    kNoTextStyle = 1 << 0, // no text
    kNoDrawStyle = 1 << 1, // no background, frame or text
    kNoFrame = 1 << 2,     // no frame around the background
};

class CParamDisplay : public CControl
{
public:
    // Writes the text of `value` into `text` (256 bytes).
    using ValueToString = std::function<void(float value, char* text)>;
    static constexpr int32_t kTextCapacity = 256;

    explicit CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);
    CParamDisplay(const CParamDisplay& other) = default;

    void draw(CDrawContext* context) override;

    // The default shows "%2.2f".
    void setStringConvert(ValueToString convert) { convert_ = std::move(convert); }
    // The text the display shows for its current value.
    virtual void getDisplayText(char text[kTextCapacity]) const;

    void setFont(const CFontDesc& font) { font_ = font; }
    const CFontDesc& getFont() const { return font_; }
    void setFontColor(const CColor& color) { fontColor_ = color; }
    const CColor& getFontColor() const { return fontColor_; }
    void setBackColor(const CColor& color) { backColor_ = color; }
    const CColor& getBackColor() const { return backColor_; }
    void setFrameColor(const CColor& color) { frameColor_ = color; }
    const CColor& getFrameColor() const { return frameColor_; }
    void setHoriAlign(CHoriTxtAlign align) { horiAlign_ = align; }
    CHoriTxtAlign getHoriAlign() const { return horiAlign_; }
    void setStyle(int32_t style) { style_ = style; }
    int32_t getStyle() const { return style_; }

    QOR_GUI_TYPE_COPY(CParamDisplay, CControl)

protected:
    // Background and frame as the style says.
    void drawBackground(CDrawContext* context);
    // `text` in the font, colour and alignment inside the view.
    void drawText(CDrawContext* context, const char* text);

    ValueToString convert_;
    CFontDesc font_ = kNormalFontSmall;
    CColor fontColor_ = kWhiteCColor;
    CColor backColor_ = kBlackCColor;
    CColor frameColor_ = kBlackCColor;
    CHoriTxtAlign horiAlign_ = kCenterText;
    int32_t style_;
};
