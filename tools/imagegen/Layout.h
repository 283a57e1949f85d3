// Where the editor places its controls (editor pixels), so the panel's print lines up with them.
#pragma once

struct Point
{
    double x, y;
};

struct Box
{
    double left, top, right, bottom;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    double centreX() const { return (left + right) / 2.0; }
    double centreY() const { return (top + bottom) / 2.0; }
};

namespace layout {
constexpr int kWidth = 811;
constexpr int kHeight = 286;

// Knob rectangles: large knobs 104 pixels, small ones 50.
constexpr Box kThreshold{246, 44, 350, 148};
constexpr Box kMakeup{576, 45, 680, 149};
constexpr Box kAttack{49, 48, 99, 98};
constexpr Box kRelease{150, 48, 200, 98};
constexpr Box kScHpf{49, 182, 99, 232};
constexpr Box kRatio{150, 182, 200, 232};
constexpr Box kBlend{712, 182, 762, 232};

// Value displays under the knobs; the release display shows the panel from two pixels further right.
constexpr Box kThresholdDisplay{280, 155, 311, 169};
constexpr Box kMakeupDisplay{613, 155, 644, 169};
constexpr Box kAttackDisplay{57, 110, 88, 124};
constexpr Box kReleaseDisplay{156, 110, 191, 124};
constexpr Box kReleaseDisplaySource{158, 110, 193, 124};
constexpr Box kScHpfDisplay{57, 242, 92, 256};
constexpr Box kRatioDisplay{157, 242, 188, 256};
constexpr Box kBlendDisplay{720, 242, 755, 256};

constexpr Box kPower{710, 3, 767, 110};
constexpr Box kLink{600, 180, 662, 260.5};
constexpr Box kBlendOn{704, 141, 771, 165};
constexpr Box kScHpfOn{47, 141, 102, 165};
constexpr Box kChannel{261, 186, 334, 252};
constexpr Box kMeter{392, 34, 537, 179};
constexpr Box kAbout{370, 210, 558, 239};

// Needle pivot and radii inside the meter face.
constexpr Point kPivot{463 - 392, 143 - 34};
constexpr double kNeedleInner = 3.0;
constexpr double kNeedleOuter = 76.0;

// Preset strip.
constexpr double kStripTop = 264.0;
constexpr Box kNameField{175, 270, 292, 284};
constexpr Box kProgramMenu{293, 269, 305, 283};
constexpr Box kRocker{313, 269, 344, 283};
constexpr Box kBankSave{20, 269, 32, 283};
constexpr Box kBankDefault{32, 268, 68, 283};
constexpr Box kBankLoad{70, 269, 82, 283};
constexpr Box kPresetSave{91, 269, 103, 283};
constexpr Box kPresetDefault{104, 268, 146, 283};
constexpr Box kPresetLoad{150, 269, 162, 283};
constexpr Box kStoreA{352, 269, 364, 283};
constexpr Box kRecallA{374, 269, 386, 283};
constexpr Box kStoreB{395, 269, 407, 283};
constexpr Box kRecallB{417, 269, 429, 283};
constexpr Box kManual{786, 269, 802, 283};
}  // namespace layout
