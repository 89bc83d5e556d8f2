#include "MenuSong.hpp"

#include "Random.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
constexpr int StepSamples = 5512; // a sixteenth note: 120 beats per minute to within 0.01
constexpr int StepsPerBar = 16;
constexpr int Bars = 16;
constexpr int LoopSamples = StepSamples * StepsPerBar * Bars;

float timeOf(int i)
{
    return static_cast<float>(i) / static_cast<float>(SampleRate);
}

float decay(float time, float tau)
{
    return std::exp(-time / tau);
}

// The song is laid down twice in a row and the second pass kept, so every tail and echo
// that crosses the loop point is already in place at the start.
class Mix
{
public:
    Mix() : mLeft(2 * LoopSamples), mRight(2 * LoopSamples), mEchoSend(2 * LoopSamples) {}

    void place(int step, const Samples& voice, float gain, float pan, float echo = 0.f)
    {
        const float leftGain = gain * std::sqrt(0.5f * (1.f - pan));
        const float rightGain = gain * std::sqrt(0.5f * (1.f + pan));
        for (int pass = 0; pass < 2; ++pass)
        {
            const int start = step * StepSamples + pass * LoopSamples;
            for (std::size_t i = 0; i < voice.size(); ++i)
            {
                const std::size_t at = static_cast<std::size_t>(start) + i;
                if (at >= mLeft.size())
                    break;
                mLeft[at] += voice[i] * leftGain;
                mRight[at] += voice[i] * rightGain;
                mEchoSend[at] += voice[i] * gain * echo;
            }
        }
    }

    Samples master()
    {
        addPingPongEcho();
        Samples stereo;
        stereo.reserve(2 * LoopSamples);
        for (int i = LoopSamples; i < 2 * LoopSamples; ++i)
        {
            stereo.push_back(std::tanh(mLeft[static_cast<std::size_t>(i)]));
            stereo.push_back(std::tanh(mRight[static_cast<std::size_t>(i)]));
        }
        // Quiet enough for the hover sound on top; half a decibel spare for the encoder's
        // overshoot.
        normalise(stereo, fromDbfs(-9.5f));
        return stereo;
    }

private:
    void addPingPongEcho()
    {
        const int delay = 3 * StepSamples; // a dotted eighth
        Samples left(mLeft.size()), right(mRight.size());
        Filter darkenLeft, darkenRight;
        darkenLeft.tune(3500.f);
        darkenRight.tune(3500.f);
        for (std::size_t i = 0; i < mLeft.size(); ++i)
        {
            const float fromRight = i >= static_cast<std::size_t>(delay) ? right[i - delay] : 0.f;
            const float fromLeft = i >= static_cast<std::size_t>(delay) ? left[i - delay] : 0.f;
            left[i] = darkenLeft.lowPass(mEchoSend[i] + 0.4f * fromRight);
            right[i] = darkenRight.lowPass(0.4f * fromLeft);
            mLeft[i] += 0.5f * left[i];
            mRight[i] += 0.5f * right[i];
        }
    }

    Samples mLeft;
    Samples mRight;
    Samples mEchoSend;
};

Samples kick()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.35f)));
    Oscillator body(Wave::Sine);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float f = 45.f + 120.f * std::exp(-t / 0.03f);
        out[i] = std::tanh(2.f * body.next(f) * decay(t, 0.11f)) * std::min(1.f, t / 0.001f);
    }
    return out;
}

Samples snare(std::uint64_t seed)
{
    Samples out(static_cast<std::size_t>(samplesFor(0.3f)));
    Random random(seed);
    Oscillator tone(Wave::Triangle);
    Filter band(0.2f);
    band.tune(2200.f);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float rattle = band.bandPass(random.range(-1.f, 1.f)) * 2.2f * decay(t, 0.07f);
        const float body = 0.6f * tone.next(glide(240.f, 170.f, t, 0.05f)) * decay(t, 0.04f);
        out[i] = (rattle + body) * std::min(1.f, t / 0.001f);
    }
    return out;
}

Samples hat(std::uint64_t seed, bool open)
{
    Samples out(static_cast<std::size_t>(samplesFor(open ? 0.25f : 0.06f)));
    Random random(seed);
    Filter high(0.3f);
    high.tune(8000.f);
    const float tau = open ? 0.08f : 0.015f;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        out[i] =
            high.highPass(random.range(-1.f, 1.f)) * decay(t, tau) * std::min(1.f, t / 0.0005f);
    }
    return out;
}

Samples crash(std::uint64_t seed)
{
    Samples out(static_cast<std::size_t>(samplesFor(1.6f)));
    Random random(seed);
    Filter high(0.1f);
    high.tune(5000.f);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        out[i] =
            high.highPass(random.range(-1.f, 1.f)) * decay(t, 0.45f) * std::min(1.f, t / 0.001f);
    }
    return out;
}

// A note `steps` long with a short release, shaped per sample by `tone(time, envelope)`.
template <typename Tone> Samples note(int steps, float attackTime, float release, Tone tone)
{
    const float held = static_cast<float>(steps * StepSamples) / static_cast<float>(SampleRate);
    Samples out(static_cast<std::size_t>(samplesFor(held + release)));
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float rise = std::min(1.f, t / attackTime);
        const float fall = t < held ? 1.f : std::max(0.f, 1.f - (t - held) / release);
        out[i] = tone(t) * rise * fall;
    }
    return out;
}

Samples bass(int midi)
{
    Oscillator saw(Wave::Saw);
    Oscillator sub(Wave::Square, 0.5f);
    Filter filter(0.4f);
    const float f = noteFrequency(midi);
    return note(2, 0.003f, 0.03f,
                [&](float t)
                {
                    filter.tune(250.f + 1400.f * decay(t, 0.06f));
                    return filter.lowPass(saw.next(f) + 0.5f * sub.next(f * 0.5f)) *
                           (0.7f + 0.3f * decay(t, 0.08f));
                });
}

Samples pluck(int midi)
{
    Oscillator square(Wave::Square, 0.25f);
    Filter filter(0.3f);
    const float f = noteFrequency(midi);
    return note(1, 0.002f, 0.12f,
                [&](float t)
                {
                    filter.tune(600.f + 5000.f * decay(t, 0.05f));
                    return filter.lowPass(square.next(f)) * decay(t, 0.09f);
                });
}

Samples pad(int midi, float detune)
{
    Oscillator a(Wave::Saw, 0.5f, 0.1), b(Wave::Saw, 0.5f, 0.6);
    Filter filter(0.1f);
    filter.tune(1300.f);
    const float f = noteFrequency(midi);
    return note(StepsPerBar, 0.25f, 0.35f,
                [&](float t)
                {
                    (void)t;
                    return filter.lowPass(a.next(f * (1.f + detune)) + b.next(f * (1.f - detune)));
                });
}

Samples lead(int midi, int steps)
{
    Oscillator saw(Wave::Saw), square(Wave::Square, 0.5f, 0.5), vibrato(Wave::Sine);
    Filter filter(0.25f);
    const float f = noteFrequency(midi);
    return note(steps, 0.01f, 0.09f,
                [&](float t)
                {
                    const float depth = 0.006f * std::min(1.f, std::max(0.f, (t - 0.15f) / 0.2f));
                    const float pitch = f * (1.f + depth * vibrato.next(5.5f));
                    filter.tune(1800.f + 2600.f * decay(t, 0.25f));
                    return filter.lowPass(0.55f * saw.next(pitch) +
                                          0.45f * square.next(pitch * 1.003f));
                });
}

struct Chord
{
    int bassRoot;
    int tones[5]; // root, third, fifth, octave, tenth: what the arpeggio climbs
};

// A minor, F, C, G: one chord a bar, four times over.
const Chord Progression[4] = {{33, {57, 60, 64, 69, 72}},
                              {29, {53, 57, 60, 65, 69}},
                              {36, {55, 60, 64, 67, 72}},
                              {31, {55, 59, 62, 67, 71}}};

struct MelodyNote
{
    int bar;
    int step;
    int steps;
    int midi;
};

// The tune enters in bar 5, climbs in bars 9 to 12 and comes home in bars 13 to 16,
// leaning on E so the loop falls back into A minor.
const MelodyNote Melody[] = {
    {4, 0, 4, 69},   {4, 4, 2, 72},  {4, 6, 4, 76},  {4, 10, 2, 74}, {4, 12, 4, 72},
    {5, 0, 4, 72},   {5, 4, 2, 69},  {5, 6, 2, 72},  {5, 8, 6, 77},  {5, 14, 2, 76},
    {6, 0, 4, 76},   {6, 4, 4, 79},  {6, 8, 2, 76},  {6, 10, 2, 74}, {6, 12, 4, 72},
    {7, 0, 6, 74},   {7, 6, 2, 71},  {7, 8, 4, 67},  {7, 12, 2, 71}, {7, 14, 2, 74},
    {8, 0, 2, 76},   {8, 2, 4, 81},  {8, 6, 2, 79},  {8, 8, 2, 81},  {8, 10, 2, 83},
    {8, 12, 4, 84},  {9, 0, 6, 81},  {9, 6, 2, 79},  {9, 8, 4, 77},  {9, 12, 2, 76},
    {9, 14, 2, 77},  {10, 0, 4, 79}, {10, 4, 2, 76}, {10, 6, 2, 79}, {10, 8, 6, 84},
    {10, 14, 2, 83}, {11, 0, 4, 83}, {11, 4, 2, 81}, {11, 6, 2, 79}, {11, 8, 4, 74},
    {11, 12, 4, 79}, {12, 0, 4, 69}, {12, 4, 2, 72}, {12, 6, 4, 76}, {12, 10, 2, 74},
    {12, 12, 4, 72}, {13, 0, 4, 72}, {13, 4, 2, 69}, {13, 6, 2, 72}, {13, 8, 6, 77},
    {13, 14, 2, 76}, {14, 0, 4, 76}, {14, 4, 4, 79}, {14, 8, 4, 81}, {14, 12, 4, 79},
    {15, 0, 4, 74},  {15, 4, 4, 71}, {15, 8, 8, 76}};

const int ArpeggioOrder[StepsPerBar] = {0, 1, 2, 3, 2, 1, 0, 1, 2, 3, 4, 3, 2, 1, 2, 3};
const int BassOctaves[8] = {0, 0, 12, 0, 0, 12, 0, 12};

void layDrums(Mix& mix, const Samples& kickSound)
{
    for (int bar = 0; bar < Bars; ++bar)
    {
        const bool intro = bar < 4;
        const int base = bar * StepsPerBar;
        if (bar % 4 == 0)
            mix.place(base, crash(Random::hash(7, static_cast<std::uint64_t>(bar))), 0.22f, 0.2f);
        for (int step = 0; step < StepsPerBar; step += 4)
            if (!intro || step % 8 == 0)
                mix.place(base + step, kickSound, 0.95f, 0.f);
        if (bar >= 2)
            for (int step : {4, 12})
                mix.place(base + step,
                          snare(Random::hash(11, static_cast<std::uint64_t>(base + step))), 0.5f,
                          0.05f);
        if (bar == Bars - 1)
            for (int step : {13, 14, 15})
                mix.place(base + step,
                          snare(Random::hash(13, static_cast<std::uint64_t>(base + step))),
                          0.25f + 0.08f * static_cast<float>(step - 12), -0.05f);
        for (int step = 0; step < StepsPerBar; step += 2)
        {
            const bool open = bar >= 8 && step % 4 == 2;
            mix.place(base + step,
                      hat(Random::hash(17, static_cast<std::uint64_t>(base + step)), open),
                      open ? 0.1f : 0.13f, 0.35f);
        }
    }
}

void layHarmony(Mix& mix)
{
    for (int bar = 0; bar < Bars; ++bar)
    {
        const Chord& chord = Progression[bar % 4];
        const int base = bar * StepsPerBar;
        for (int eighth = 0; eighth < 8; ++eighth)
            mix.place(base + 2 * eighth, bass(chord.bassRoot + BassOctaves[eighth]), 0.33f, 0.f);
        for (int step = 0; step < StepsPerBar; ++step)
            mix.place(base + step, pluck(chord.tones[ArpeggioOrder[step]]), 0.1f, -0.3f, 0.5f);
        for (int voice = 0; voice < 3; ++voice)
            mix.place(base, pad(chord.tones[voice], 0.004f), 0.035f,
                      0.6f * static_cast<float>(voice - 1));
    }
}

void layMelody(Mix& mix)
{
    for (const MelodyNote& n : Melody)
        mix.place(n.bar * StepsPerBar + n.step, lead(n.midi, n.steps), 0.2f, 0.f, 0.35f);
}
} // namespace

Samples menuSong()
{
    Mix mix;
    layDrums(mix, kick());
    layHarmony(mix);
    layMelody(mix);
    return mix.master();
}

} // namespace media
