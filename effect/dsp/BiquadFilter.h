// Second-order filter that smooths the gain-reduction meter. Only the low-pass form (type 8) is used.
#pragma once

#include <cmath>

class BiquadFilter
{
public:
    static constexpr int kLowPass = 8;

    BiquadFilter(double rate = 44100.0, int type = kLowPass, double frequency = 5.0, double q = 0.65,
                 double gain = 0.0);

    // Stores the rate and recomputes the coefficients (the frequency is kept below Nyquist).
    void setRate(double rate);
    void setFrequency(double frequency);
    void setQ(double q);
    void recompute();
    void clearHistory();

    // The difference equation with its coefficients and history as plain values, which a per-sample loop keeps in
    // registers: the compiler does not take a whole filter object apart, and a history kept in memory puts a store
    // and a load on the recursion's chain.
    struct Recursion
    {
        static constexpr double kGuardNeutral = 1.0 / 32.0;

        double b0, b1, b2, a1, a2;
        double x1, x2, y1, y2;

        // The guard against denormals, adding 1e-18 and taking it away, returns y unchanged once |y| is at
        // least 1/32: both neighbours of y then lie at least 2^-58 from it, and a move by 1e-18, less than half
        // that, rounds back to y. The meter's values lie far above that, so the guard runs only below it, and
        // its two roundings leave the chain from one output to the next.
        double tick(double x)
        {
            double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            if (!(std::fabs(y) >= kGuardNeutral))
                y = (y + 1e-18) - 1e-18;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            return y;
        }
    };

    Recursion recursion() const { return Recursion{b0_, b1_, b2_, a1_, a2_, x1_, x2_, y1_, y2_}; }

    // Takes the history a recursion has reached.
    void keepHistory(const Recursion& r)
    {
        x1_ = r.x1;
        x2_ = r.x2;
        y1_ = r.y1;
        y2_ = r.y2;
    }

    double tick(double x)
    {
        Recursion r = recursion();
        const double y = r.tick(x);
        keepHistory(r);
        return y;
    }

    double rate() const { return rate_; }
    double frequency() const { return frequency_; }
    double q() const { return q_; }
    double b0() const { return b0_; }
    double b1() const { return b1_; }
    double b2() const { return b2_; }
    double a1() const { return a1_; }
    double a2() const { return a2_; }

private:
    double rate_;
    int type_;
    double frequency_;
    double q_;
    double gain_;
    double b0_ = 0, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};
