// Second-order filter that smooths the gain-reduction meter. Only the low-pass form (type 8) is used.
#pragma once

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

    double tick(double x)
    {
        double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        y = (y + 1e-18) - 1e-18;  // keeps the recursion out of denormals
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
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
