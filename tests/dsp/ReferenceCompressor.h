// A slow, literal model of the compressor core, written from its formulas one line per step, with nothing cached,
// hoisted or skipped. Tests compare the optimised core against it. Sample = float follows the 32-bit rules: channel
// gains, the meter's input and the gain-reduced samples are rounded to float32.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace reference
{
struct Parameters
{
    float attack = 0.5f;
    float release = 0.5f;
    float ratio = 0.5f;
    float threshold = 0.5f;
    float makeup = 0.0f;
    float sideChainFilter = 0.0f;
    float sideChainFilterOn = 1.0f;
    float blend = 0.0f;
    float blendOn = 0.0f;
    float channel = 0.5f;
    float link = 1.0f;
};

inline double flush(double x)
{
    return (x + 1e-16) - 1e-16;
}

inline double maxZero(double x)
{
    return (std::fabs(x) + x) / 2.0;
}

inline double clampUnit(float v)
{
    if (std::isnan(v) || v < 0.0f)
        return 0.0;
    if (v > 1.0f)
        return 1.0;
    return v;
}

// The meter's low-pass, straight from its coefficient formulas.
struct MeterFilter
{
    double rate = 44100.0;
    double frequency = 5.0;
    double q = 0.65;
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    void recompute()
    {
        const double fs = rate;
        const double f = std::min(frequency, 0.499 * fs);
        const double qq = q * (1.0 - std::pow(f / (0.50001 * fs), 8.0));
        const double w = 2.0 * 3.141592653589793 * f / fs;
        const double alpha = std::sin(w) / (2.0 * qq);
        const double a0 = 1.0 + alpha;
        a1 = -2.0 * std::cos(w) / a0;
        a2 = (1.0 - alpha) / a0;
        b0 = (1.0 - std::cos(w)) * 0.5 / a0;
        b2 = (1.0 - std::cos(w)) * 0.5 / a0;
        b1 = (1.0 - std::cos(w)) / a0;
    }

    void clear() { x1 = x2 = y1 = y2 = 0.0; }

    double tick(double x)
    {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        y = (y + 1e-18) - 1e-18;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

template <typename Sample>
class ReferenceCompressor
{
public:
    static constexpr bool kSingle = std::is_same<Sample, float>::value;

    ReferenceCompressor()
    {
        meterFilter.recompute();
        apply(Parameters{});
        reset();
        prepare();
        reset();
    }

    void apply(const Parameters& p)
    {
        tA = std::pow(500.0, clampUnit(p.attack)) * 0.005 * 0.2;
        tR = std::pow(100.0, clampUnit(p.release)) * 0.005;
        ratioTarget = clampUnit(p.ratio);
        T = std::pow(256.0, 1.0 - clampUnit(p.threshold)) * 0.25;
        M = std::pow(256.0, clampUnit(p.makeup)) * 0.25;
        filterValue = clampUnit(p.sideChainFilter);
        filterOn = static_cast<int>(clampUnit(p.sideChainFilterOn) + 0.5);
        blendTarget = clampUnit(p.blend);
        blendOn = static_cast<int>(clampUnit(p.blendOn) + 0.5);
        channelMode = static_cast<int>(2.0 * clampUnit(p.channel) + 0.5);
        link = static_cast<int>(clampUnit(p.link) + 0.5);
    }

    void setSampleRate(float rate)
    {
        if (rate > 400000.0f || rate < 32000.0f || std::isnan(rate))
            rate = 44100.0f;
        fs = rate;
        meterFilter.clear();
        meterFilter.rate = rate;
        meterFilter.recompute();
    }

    void reset()
    {
        ratioSmoothed = static_cast<float>(ratioTarget);
        sLo = 0.0;
        sRo = 0.0;
        meter = 1.0;
        meterFilter.clear();
        envL = 1e-4;
        envR = 1e-4;
    }

    void prepare()
    {
        meter = 1.0;
        lpL = 0.0f;
        lpR = 0.0f;
        Ms = M;
        ratioSmoothed = static_cast<float>(ratioTarget);
        Ts = T;
        blendSmoothed = blendOn ? blendTarget : 0.0;
        meterFilter.rate = fs;
        meterFilter.frequency = 3.0;
        meterFilter.q = 0.8765;
        meterFilter.recompute();
        meterFilter.clear();
    }

    void process(Sample** inputs, Sample** outputs, int32_t n, bool stereo)
    {
        if (n <= 0)
            return;
        const double K = 0.1091012;
        const double cA = 1.0 - std::pow(K, 1.0 / (double(fs) * tA * 0.12));
        const double cR = 1.0 - std::pow(K, 1.0 / ((tR * 6.0 + tA * 0.5) * double(fs)));
        const double cP = 1.0 - std::pow(K, 1.0 / (double(fs) * 0.01));
        const double cH = 1.0 - std::pow(K, std::pow(125.0, filterValue) * 12.5 / double(fs));
        const double cO = 1.0 - std::pow(K, 14.0 / double(fs));
        const double blendGoal = blendOn ? blendTarget : 1.0;
        const int m = stereo ? channelMode : 0;

        for (int32_t i = 0; i < n; ++i)
        {
            // 1. smoothing
            Ts = flush(Ts + (T - Ts) * cP);
            Ms = flush(Ms + (M - Ms) * cP);
            const float ratioSum = static_cast<float>(ratioSmoothed + (ratioTarget - ratioSmoothed) * cP);
            ratioSmoothed = static_cast<float>(flush(ratioSum));
            blendSmoothed = flush(blendSmoothed + (blendGoal - blendSmoothed) * cP);

            // 2. inputs
            double xL = inputs[0][i];
            double xR = inputs[1] != nullptr ? inputs[1][i] : inputs[0][i];
            if (!std::isfinite(xL))
                xL = 0.0;
            if (!std::isfinite(xR))
                xR = 0.0;

            // 3. side chain
            lpL = static_cast<float>(flush(lpL + (xL - lpL) * cH));
            lpR = static_cast<float>(flush(lpR + (xR - lpR) * cH));
            double sL = xL;
            double sR = xR;
            if (filterOn)
            {
                sL = xL - lpL;
                sR = xR - lpR;
            }

            // 4. ratio shape
            const double r = ratioSmoothed;
            const double A = (std::pow(3.0, std::pow(r, 0.18)) - 1.0) * 0.125 / 2.0;
            const double B = 64.0 * std::pow(4.0, std::pow(1.0 - r, 1.3));

            // 5. gains
            Gain gL, gR;
            gains(m, gL, gR);

            // 6. meter
            const Gain smaller = std::min(gL, gR);
            meter = meterFilter.tick(smaller);

            // 7. feedback pass
            double dL = std::fabs(sL * gL) * Ts * B;
            double dR = std::fabs(sR * gR) * Ts * B;
            detector(dL, envL, A, cA, cR);
            detector(dR, envR, A, cA, cR);

            // 8. gains again
            gains(m, gL, gR);
            const Gain yL = static_cast<Gain>(xL * gL);
            const Gain yR = static_cast<Gain>(xR * gR);

            // 9. feed-forward pass
            dL = std::fabs(sL) * Ts * B;
            dR = std::fabs(sR) * Ts * B;
            detector(dL, envL, A, cA, cR);
            detector(dR, envR, A, cA, cR);

            // 10. makeup and saturation
            const double wL = saturate(yL * Ms);
            const double wR = saturate(yR * Ms);

            // 11. output stage
            const double b = blendSmoothed;
            double oL;
            double oR;
            if (m == 1)
            {
                oL = (1.0 - b) * xL + b * wL;
                oR = (1.0 - b) * xR + b * wR;
                sLo = flush(sLo + (oL - sLo) * cO);
                sRo = flush(sRo + (oR - sRo) * cO);
                oL = oL * factor(sLo);
                oR = oR * factor(sRo);
            }
            else if (m == 0)
            {
                oL = (1.0 - b) * xL + b * wL;
                sLo = flush(sLo + (oL - sLo) * cO);
                oL = oL * factor(sLo);
                oR = xR;
                sRo = flush(sRo + (xR - sRo) * cO);
            }
            else
            {
                oR = (1.0 - b) * xR + b * wR;
                sRo = flush(sRo + (oR - sRo) * cO);
                oR = oR * factor(sRo);
                oL = xL;
                sLo = flush(sLo + (xL - sLo) * cO);
            }

            // 12. outputs
            Sample* rightRow = outputs[1] != nullptr ? outputs[1] : outputs[0];
            rightRow[i] = static_cast<Sample>(flush(oR));
            outputs[0][i] = static_cast<Sample>(flush(oL));
        }
    }

    // Parameter targets and derived values.
    double tA = 0, tR = 0, ratioTarget = 0, T = 0, M = 0, filterValue = 0, blendTarget = 0;
    int filterOn = 0, blendOn = 0, channelMode = 1, link = 1;
    float fs = 44100.0f;
    // State.
    double Ts = 0, Ms = 0, blendSmoothed = 0;
    float ratioSmoothed = 0;
    double envL = 1e-4, envR = 1e-4;
    float lpL = 0, lpR = 0;
    double sLo = 0, sRo = 0;
    double meter = 1.0;
    MeterFilter meterFilter;

private:
    using Gain = typename std::conditional<kSingle, float, double>::type;

    void gains(int m, Gain& gL, Gain& gR) const
    {
        gL = static_cast<Gain>(0.03 / (envL * envL + 0.03));
        gR = static_cast<Gain>(0.03 / (envR * envR + 0.03));
        if (link && m == 1)
        {
            const Gain linked = std::sqrt(gL * gR);
            gL = linked;
            gR = linked;
        }
        else if (m == 0)
        {
            gR = 1;
        }
        else if (m == 2)
        {
            gL = 1;
        }
    }

    static void detector(double d, double& env, double A, double cA, double cR)
    {
        const double k = maxZero(d - 1.0);
        const double u = 1.0 + k - 10.0 * std::atan(k / 10.0);
        const double p = std::pow(u, A);
        const double h = maxZero(p - 1.0);
        const double q = h - 0.35 * std::atan(h / 0.35);
        env = env + cA * maxZero(q - env);
        env = flush(env * (1.0 - cR));
    }

    static double saturate(double x)
    {
        if (x > 0.0)
            return 10.0 * std::atan(x / 10.0);
        return 10.0 * std::tanh(x / 10.0);
    }

    static double factor(double s)
    {
        if (std::fabs(s) > 1e-4 && s > 0.0)
            return std::tanh(2.82842712474619 * s) * 0.35355339059327 / s;
        if (std::fabs(s) > 1e-4 && s < 0.0)
            return std::atan(4.0 * s) * 0.25 / s;
        return 1.0;
    }
};
}  // namespace reference
