// Signal toolkit: see dsp.hpp.
#include "dsp.hpp"

#include <algorithm>
#include <cmath>

namespace snd {

float Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(state_ & 0xFFFFFF) / float(0x7FFFFF) - 1.0f;
}

namespace {

void grow(Signal& s, size_t size) {
    if (s.size() < size) s.resize(size, 0.0f);
}

}  // namespace

void addModes(Signal& out, int start, const std::vector<Partial>& partials) {
    for (const Partial& p : partials) {
        // Long enough for the partial to fall 80 dB.
        int length = int(p.decay * 9.2 * kRate);
        length = std::min<int>(length, int(out.size()) - start);
        double w = 2 * kPi * p.freq / kRate;
        for (int i = 0; i < length; ++i) {
            double t = double(i) / kRate;
            out[start + i] += float(p.amplitude * std::exp(-t / p.decay) * std::sin(w * i));
        }
    }
}

void addSweptSine(Signal& out, int start, double f0, double f1, double tau, double amplitude, double decay) {
    double phase = 0;
    for (int i = 0; start + i < int(out.size()); ++i) {
        double t = double(i) / kRate;
        double f = f1 + (f0 - f1) * std::exp(-t / tau);
        phase += 2 * kPi * f / kRate;
        out[start + i] += float(amplitude * std::exp(-t / decay) * std::sin(phase));
    }
}

void addNoiseBurst(Signal& out, int start, Noise& noise, double amplitude, double attack, double decay) {
    for (int i = 0; start + i < int(out.size()); ++i) {
        double t = double(i) / kRate;
        double env = (1 - std::exp(-t / attack)) * std::exp(-t / decay);
        out[start + i] += float(amplitude * env * noise.next());
    }
}

void lowPass(Signal& s, double cutoff) {
    double a = 1 - std::exp(-2 * kPi * cutoff / kRate);
    double y = 0;
    for (float& v : s) {
        y += a * (v - y);
        v = float(y);
    }
}

void highPass(Signal& s, double cutoff) {
    double a = std::exp(-2 * kPi * cutoff / kRate);
    double prevIn = 0, y = 0;
    for (float& v : s) {
        y = a * (y + v - prevIn);
        prevIn = v;
        v = float(y);
    }
}

void bandPass(Signal& s, double centre, double q) {
    // Constant 0 dB peak gain band-pass from the usual biquad recipe.
    double w0 = 2 * kPi * centre / kRate, alpha = std::sin(w0) / (2 * q);
    double b0 = alpha, b2 = -alpha, a0 = 1 + alpha, a1 = -2 * std::cos(w0), a2 = 1 - alpha;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float& v : s) {
        double x = v;
        double y = (b0 * x + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        v = float(y);
    }
}

Signal pluckedString(double freq, double seconds, double brightness, uint32_t seed) {
    Signal out(size_t(samplesFor(seconds)), 0.0f);
    // Fractional delay line: the integer part in the buffer, the rest by an
    // all-pass so the pitch is exact.
    double period = kRate / freq - 0.5;  // the averaging filter adds half a sample
    int length = int(period);
    double frac = period - length;
    double c = (1 - frac) / (1 + frac);
    std::vector<double> line(size_t(length), 0.0);
    Noise noise(seed);
    // Excitation: noise softened by a one-pole filter, the softer the darker.
    double soft = 0, a = 0.15 + 0.8 * brightness;
    for (double& v : line) {
        soft += a * (noise.next() - soft);
        v = soft;
    }
    double mean = 0;
    for (double v : line) mean += v;
    mean /= length;
    for (double& v : line) v -= mean;

    double damping = 0.4985 + 0.0012 * brightness;  // per-step loss, just under 0.5
    double apState = 0, apIn = 0;
    int pos = 0;
    double prev = line[0];
    for (size_t i = 0; i < out.size(); ++i) {
        double current = line[size_t(pos)];
        double averaged = damping * (current + prev);
        prev = current;
        // All-pass for the fractional part of the delay.
        double ap = c * averaged + apIn - c * apState;
        apIn = averaged;
        apState = ap;
        line[size_t(pos)] = ap;
        out[i] = float(current);
        pos = (pos + 1) % length;
    }
    return out;
}

void fadeEdges(Signal& s, double fadeInMs, double fadeOutMs) {
    int in = std::min<int>(int(fadeInMs * kRate / 1000), int(s.size()) / 2);
    int out = std::min<int>(int(fadeOutMs * kRate / 1000), int(s.size()) / 2);
    for (int i = 0; i < in; ++i) s[size_t(i)] *= float(0.5 - 0.5 * std::cos(kPi * i / in));
    for (int i = 0; i < out; ++i) s[s.size() - 1 - size_t(i)] *= float(0.5 - 0.5 * std::cos(kPi * i / out));
    if (!s.empty()) {
        s.front() = 0.0f;
        s.back() = 0.0f;
    }
}

float peakOf(const Signal& s) {
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    return peak;
}

void normalise(Signal& s, double peak) {
    float current = peakOf(s);
    if (current <= 0) return;
    float k = float(peak / current);
    for (float& v : s) v *= k;
}

void mixInto(Signal& dst, const Signal& src, int start, double gain) {
    grow(dst, size_t(start) + src.size());
    for (size_t i = 0; i < src.size(); ++i) dst[size_t(start) + i] += float(gain * src[i]);
}

std::vector<int16_t> toPcm16(const Signal& s) {
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = int16_t(std::lround(std::clamp(s[i], -1.0f, 1.0f) * 32767.0f));
    return out;
}

}  // namespace snd
