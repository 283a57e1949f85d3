// Painters of the editor's images. Each paints the whole surface it is given, which has the image's final size.
#pragma once

class Surface;

void paintBackground(Surface& surface);  // 12102, the panel without its controls
void paintAbout(Surface& surface);       // 12200

void paintLargeKnob(Surface& surface);  // 193 frames of 104 x 104
void paintSmallKnob(Surface& surface);  // 97 frames of 50 x 50

void paintMeterFace(Surface& surface, bool lampLit);  // 15022 lit, 15020 dark
void paintMeterGlass(Surface& surface);               // 15024, drawn over the needle

void paintPowerSwitch(Surface& surface);    // 15014
void paintLinkButton(Surface& surface);     // 15018
void paintBlendButton(Surface& surface);    // 15030
void paintScHpfButton(Surface& surface);    // 15032
void paintChannelSwitch(Surface& surface);  // 15016

// Preset strip: three stacked states (normal, mouse over, pressed) unless said otherwise.
enum class StripGlyph
{
    FileSave,
    FileLoad,
    MemoryStore,
    MemoryRecall,
    Manual
};
void paintStripButton(Surface& surface, StripGlyph glyph);
void paintTextButton(Surface& surface, const char* text);  // "BANK", "PRESET"
void paintRocker(Surface& surface);                        // five stacked states
