#pragma once

#include <SFML/Config.hpp>

#include <cstdint>
#include <vector>

namespace media
{

constexpr unsigned SampleRate = 44100;

using Samples = std::vector<float>;

enum class Wave
{
    Sine,
    Triangle,
    Square,
    Saw
};

// An oscillator with band-limited edges (polyBLEP), so swept tones do not whistle.
class Oscillator
{
public:
    explicit Oscillator(Wave wave, float pulseWidth = 0.5f, double phase = 0.0);
    float next(float frequency);

private:
    Wave mWave;
    float mPulseWidth;
    double mPhase;
};

// Topology-preserving state-variable filter: stable while its cutoff sweeps every sample.
class Filter
{
public:
    explicit Filter(float resonance = 0.f);
    void tune(float cutoff);
    float lowPass(float input);
    float bandPass(float input);
    float highPass(float input);

private:
    void step(float input);

    float mDamping;
    float mG = 0.f;
    float mIc1 = 0.f;
    float mIc2 = 0.f;
    float mLow = 0.f;
    float mBand = 0.f;
    float mHigh = 0.f;
};

float noteFrequency(int midiNote);
int samplesFor(float seconds);

// Exponential glide from `from` to `to` over `length` seconds, held after.
float glide(float from, float to, float time, float length);

// The fraction of full scale that a level in dBFS stands for.
float fromDbfs(float level);

// Fades in and out (against clicks) and scales the peak to `peak` of full scale.
void finish(Samples& samples, float fadeIn, float fadeOut, float peak);
void normalise(Samples& samples, float peak);

std::vector<sf::Int16> toPcm(const Samples& samples);

} // namespace media
