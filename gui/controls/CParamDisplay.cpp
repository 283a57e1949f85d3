#include "gui/controls/CParamDisplay.h"

#include <cstdio>
#include <cstring>

#include "gui/CBitmap.h"

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
    : CControl(size, nullptr, -1, background), style_(style)
{
}

void CParamDisplay::getDisplayText(char text[kTextCapacity]) const
{
    text[0] = 0;
    if (convert_)
    {
        convert_(getValue(), text);
        text[kTextCapacity - 1] = 0;
    }
    else
        std::snprintf(text, kTextCapacity, "%2.2f", static_cast<double>(getValue()));
}

void CParamDisplay::drawBackground(CDrawContext* context)
{
    if (CBitmap* bitmap = getDrawBackground())
        bitmap->draw(context, size_, backOffset_);
    else if (backColor_.alpha != 0)
    {
        context->setFillColor(backColor_);
        context->drawRect(size_, kDrawFilled);
    }
    if (!(style_ & kNoFrame) && frameColor_.alpha != 0)
    {
        context->setFrameColor(frameColor_);
        context->setLineWidth(1);
        context->drawRect(size_, kDrawStroked);
    }
}

void CParamDisplay::drawText(CDrawContext* context, const char* text)
{
    if (!text || !*text)
        return;
    context->setFont(font_);
    context->setFontColor(fontColor_);
    context->drawString(text, size_, horiAlign_);
}

void CParamDisplay::draw(CDrawContext* context)
{
    if (!(style_ & kNoDrawStyle))
    {
        drawBackground(context);
        if (!(style_ & kNoTextStyle))
        {
            char text[kTextCapacity];
            getDisplayText(text);
            drawText(context, text);
        }
    }
    setDirty(false);
}
