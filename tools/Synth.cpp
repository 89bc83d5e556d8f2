#include "Synth.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
constexpr float Pi = 3.14159265f;

// Smooths a step discontinuity of a naive waveform at phase t (in cycles) for increment dt.
float polyBlep(double t, double dt)
{
    if (t < dt)
    {
        t /= dt;
        return static_cast<float>(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt)
    {
        t = (t - 1.0) / dt;
        return static_cast<float>(t * t + t + t + 1.0);
    }
    return 0.f;
}
} // namespace

Oscillator::Oscillator(Wave wave, float pulseWidth, double phase)
    : mWave(wave), mPulseWidth(pulseWidth), mPhase(phase)
{
}

float Oscillator::next(float frequency)
{
    const double dt = static_cast<double>(frequency) / SampleRate;
    const double t = mPhase;
    float value = 0.f;
    switch (mWave)
    {
    case Wave::Sine:
        value = static_cast<float>(std::sin(2.0 * 3.14159265358979 * t));
        break;
    case Wave::Saw:
        value = static_cast<float>(2.0 * t - 1.0) - polyBlep(t, dt);
        break;
    case Wave::Triangle:
        // Its harmonics fall fast enough that the plain shape does not alias audibly.
        value = static_cast<float>(4.0 * std::fabs(t - 0.5) - 1.0);
        break;
    case Wave::Square:
    {
        const double width = static_cast<double>(mPulseWidth);
        value = t < width ? 1.f : -1.f;
        value += polyBlep(t, dt);
        value -= polyBlep(std::fmod(t + 1.0 - width, 1.0), dt);
        break;
    }
    }
    mPhase += dt;
    mPhase -= std::floor(mPhase);
    return value;
}

Filter::Filter(float resonance) : mDamping(2.f - 1.9f * resonance) {}

void Filter::tune(float cutoff)
{
    const float limited = std::min(cutoff, 0.45f * static_cast<float>(SampleRate));
    mG = std::tan(Pi * limited / static_cast<float>(SampleRate));
}

void Filter::step(float input)
{
    const float a1 = 1.f / (1.f + mG * (mG + mDamping));
    const float v3 = input - mIc2;
    const float v1 = a1 * mIc1 + mG * a1 * v3;
    const float v2 = mIc2 + mG * v1;
    mIc1 = 2.f * v1 - mIc1;
    mIc2 = 2.f * v2 - mIc2;
    mLow = v2;
    mBand = v1;
    mHigh = input - mDamping * v1 - v2;
}

float Filter::lowPass(float input)
{
    step(input);
    return mLow;
}

float Filter::bandPass(float input)
{
    step(input);
    return mBand;
}

float Filter::highPass(float input)
{
    step(input);
    return mHigh;
}

float noteFrequency(int midiNote)
{
    return 440.f * std::pow(2.f, static_cast<float>(midiNote - 69) / 12.f);
}

int samplesFor(float seconds)
{
    return static_cast<int>(std::lround(seconds * static_cast<float>(SampleRate)));
}

float glide(float from, float to, float time, float length)
{
    const float t = std::min(1.f, std::max(0.f, time / length));
    return from * std::pow(to / from, t);
}

float fromDbfs(float level)
{
    return std::pow(10.f, level / 20.f);
}

void normalise(Samples& samples, float peak)
{
    float highest = 0.f;
    for (float s : samples)
        highest = std::max(highest, std::fabs(s));
    if (highest <= 0.f)
        return;
    for (float& s : samples)
        s *= peak / highest;
}

void finish(Samples& samples, float fadeIn, float fadeOut, float peak)
{
    const int in = samplesFor(fadeIn);
    const int out = samplesFor(fadeOut);
    const int count = static_cast<int>(samples.size());
    for (int i = 0; i < std::min(in, count); ++i)
        samples[static_cast<std::size_t>(i)] *= static_cast<float>(i) / static_cast<float>(in);
    for (int i = 0; i < std::min(out, count); ++i)
        samples[static_cast<std::size_t>(count - 1 - i)] *=
            static_cast<float>(i) / static_cast<float>(out);
    normalise(samples, peak);
}

std::vector<sf::Int16> toPcm(const Samples& samples)
{
    std::vector<sf::Int16> pcm;
    pcm.reserve(samples.size());
    for (float s : samples)
    {
        const float clamped = std::min(1.f, std::max(-1.f, s));
        pcm.push_back(static_cast<sf::Int16>(std::lround(clamped * 32767.f)));
    }
    return pcm;
}

} // namespace media
