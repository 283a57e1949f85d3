// Film strips of the black skirted knobs with a brushed aluminium cap. Each frame is shaded pixel by pixel with the
// light fixed and the knob turned, so the flutes, the cap's pointer and the skirt's index line rotate while the
// highlights stay where the light is.
#include <cmath>

#include "Art.h"
#include "Shading.h"
#include "Surface.h"

namespace {
struct KnobShape
{
    int size;
    double skirt;  // outer radius of the skirt
    double body;   // radius of the fluted body
    double cap;    // radius of the aluminium cap
    int flutes;
    double fluteDepth;
    double pointerWidth;
};

const KnobShape kLarge{104, 45.5, 35.5, 22.0, 30, 1.5, 2.4};
const KnobShape kSmall{50, 22.5, 17.0, 10.5, 18, 0.9, 1.6};

// Pointer travel: 135 degrees either side of straight up.
constexpr double kTravel = 135.0 * kPi / 180.0;
constexpr int kSupersample = 4;

struct Sample
{
    Colour colour;
    double alpha;
};

Colour lit(double albedo, Vec3 n, double gloss, double shininess)
{
    const double v = albedo * (0.28 + 0.9 * diffuse(n)) + gloss * specular(n, shininess);
    return {v, v, v};
}

// Light from the direction the cap's concentric grooves catch it: a bow tie through the centre.
double brushedGlint(double angle)
{
    const double towardsLight = std::atan2(kLight.x, -kLight.y);
    return std::pow(std::fabs(std::cos(angle - towardsLight)), 5.0);
}

Sample shade(const KnobShape& k, double dx, double dy, double turn)
{
    const double r = std::hypot(dx, dy);
    if (r > k.skirt)
        return {{0, 0, 0}, 0.0};
    const double angle = std::atan2(dx, -dy);
    const double local = angle - turn;
    const Vec3 out = r > 1e-9 ? Vec3{dx / r, dy / r, 0.0} : Vec3{0, 0, 0};
    const Vec3 along = {-out.y, out.x, 0.0};
    // Position in the knob's own frame: u along its pointer, v across it.
    const double u = r * std::cos(local);
    const double v = r * std::sin(local);
    const double scale = k.size / 104.0;

    const double fluteProfile = 0.5 + 0.5 * std::cos(k.flutes * local);
    const double bodyEdge = k.body - k.fluteDepth * fluteProfile;
    if (r > bodyEdge)
    {
        // Conical skirt, rounded over at its rim.
        const double rim = smoothstep(k.skirt - 2.2 * scale, k.skirt, r);
        const double tilt = 0.45 + 1.6 * rim;
        Vec3 n = normalised({out.x * tilt, out.y * tilt, 1.0});
        const bool index = u > bodyEdge + 1.0 && u < k.skirt - 1.6 * scale && std::fabs(v) < k.pointerWidth * 0.5;
        if (index)
            return {lit(0.86, n, 0.1, 20.0), 1.0};
        // The skirt's inner foot lies in the body's shadow.
        const double foot = 1.0 - 0.55 * (1.0 - smoothstep(bodyEdge, bodyEdge + 2.5 * scale, r));
        Colour c = lit(0.085, n, 0.28, 28.0);
        return {scaled(c, foot), 1.0};
    }
    if (r > k.cap)
    {
        // Fluted body: flat glossy top that rounds over into the scalloped edge.
        const double edge = smoothstep(k.body - 7.0 * scale, bodyEdge, r);
        const double tangential = 1.3 * std::sin(k.flutes * local) * std::sqrt(edge);
        const double tilt = 0.06 + 1.3 * edge * edge;
        Vec3 n = normalised({out.x * tilt + along.x * tangential, out.y * tilt + along.y * tangential, 1.0});
        // A dark groove where the cap sits in the body.
        const double groove = smoothstep(k.cap, k.cap + 1.1 * scale, r);
        Colour c = lit(0.075, n, 0.45, 36.0);
        return {scaled(c, 0.35 + 0.65 * groove), 1.0};
    }
    // Aluminium cap with a chamfered rim and an engraved pointer.
    const double chamfer = smoothstep(k.cap - 1.6 * scale, k.cap, r);
    Vec3 n = normalised({out.x * 1.2 * chamfer, out.y * 1.2 * chamfer, 1.0});
    Colour c = lit(0.6, n, 0.25, 12.0);
    const double grain = 0.75 + 0.25 * std::sin(r * 5.3 / scale) * std::sin(r * 1.7 / scale + 1.0);
    c = added(c, 0.24 * grain * brushedGlint(angle) * (1.0 - chamfer) * smoothstep(0.0, k.cap * 0.4, r));
    const bool pointer = u > k.cap * 0.12 && u < k.cap - 2.2 * scale && std::fabs(v) < k.pointerWidth * 0.5;
    if (pointer)
        c = mixed(c, {0.06, 0.06, 0.07}, 0.9);
    return {c, 1.0};
}

// Soft shadow the knob throws down and to the right onto the panel.
double shadow(const KnobShape& k, double dx, double dy)
{
    const double scale = k.size / 104.0;
    const double d = std::hypot(dx - 1.2 * scale, dy - 2.8 * scale);
    return 0.6 * (1.0 - smoothstep(k.skirt - 3.0 * scale, k.skirt + 4.5 * scale, d));
}

void paintStrip(Surface& surface, const KnobShape& k, int frames)
{
    const double centre = k.size / 2.0;
    surface.beginPixels();
    for (int f = 0; f < frames; ++f)
    {
        const double turn = -kTravel + 2.0 * kTravel * f / (frames - 1);
        for (int y = 0; y < k.size; ++y)
            for (int x = 0; x < k.size; ++x)
            {
                double r = 0, g = 0, b = 0, a = 0;
                for (int sy = 0; sy < kSupersample; ++sy)
                    for (int sx = 0; sx < kSupersample; ++sx)
                    {
                        const double dx = x + (sx + 0.5) / kSupersample - centre;
                        const double dy = y + (sy + 0.5) / kSupersample - centre;
                        const Sample s = shade(k, dx, dy, turn);
                        r += s.colour.r * s.alpha;
                        g += s.colour.g * s.alpha;
                        b += s.colour.b * s.alpha;
                        a += s.alpha;
                    }
                const double n = kSupersample * kSupersample;
                const double knobAlpha = a / n;
                const double shadowAlpha = shadow(k, x + 0.5 - centre, y + 0.5 - centre);
                const double alpha = knobAlpha + shadowAlpha * (1.0 - knobAlpha);
                const Colour colour = a > 0 ? Colour{r / n / alpha, g / n / alpha, b / n / alpha} : Colour{0, 0, 0};
                surface.set(x, f * k.size + y, colour, alpha);
            }
    }
    surface.endPixels();
}
}  // namespace

void paintLargeKnob(Surface& surface) { paintStrip(surface, kLarge, surface.height() / kLarge.size); }

void paintSmallKnob(Surface& surface) { paintStrip(surface, kSmall, surface.height() / kSmall.size); }
