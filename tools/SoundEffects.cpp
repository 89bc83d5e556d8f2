#include "SoundEffects.hpp"

#include "Random.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
// Peaks, in dBFS, that leave headroom for what plays together: two ships' lasers over an
// explosion and the song stay below full scale even where their peaks meet.
constexpr float LaserPeak = -12.f;
constexpr float ExplosionPeak = -8.f;
constexpr float PowerUpPeak = -10.f;
constexpr float HoverPeak = -10.f;
// Far under the explosion: a boss takes dozens of hits, and they must not tire the ear.
constexpr float HitPeak = -18.f;
constexpr float LosePeak = -7.f;

float timeOf(int i)
{
    return static_cast<float>(i) / static_cast<float>(SampleRate);
}

float decay(float time, float tau)
{
    return std::exp(-time / tau);
}

float attack(float time, float length)
{
    return std::min(1.f, time / length);
}

// One note of a muted brass voice: a saw whose filter opens and closes ("wah"), with the
// pitch sagging at the end of the note.
void sadBrassNote(Samples& out, int start, float seconds, int midiNote, float sag)
{
    Oscillator saw(Wave::Saw);
    Oscillator detuned(Wave::Saw, 0.5f, 0.3);
    Oscillator vibrato(Wave::Sine);
    Filter filter(0.35f);
    const int count = samplesFor(seconds);
    const float base = noteFrequency(midiNote);
    for (int i = 0; i < count && start + i < static_cast<int>(out.size()); ++i)
    {
        const float t = timeOf(i);
        const float progress = t / seconds;
        const float wobble = 1.f + 0.012f * std::min(1.f, t / 0.25f) * vibrato.next(5.5f);
        const float bend = glide(1.f, sag, t - seconds * 0.55f, seconds * 0.45f);
        const float frequency = base * wobble * (t > seconds * 0.55f ? bend : 1.f);
        const float wah = std::sin(3.14159f * std::min(1.f, progress * 1.3f));
        filter.tune(300.f + 2200.f * wah);
        const float tone =
            filter.lowPass(0.6f * saw.next(frequency) + 0.4f * detuned.next(frequency * 1.004f));
        const float envelope = attack(t, 0.03f) * std::min(1.f, (seconds - t) / 0.08f);
        out[static_cast<std::size_t>(start + i)] += tone * envelope;
    }
}
} // namespace

Samples laserSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.25f)));
    Oscillator square(Wave::Square, 0.5f);
    Oscillator detuned(Wave::Square, 0.3f, 0.25);
    Oscillator sub(Wave::Sine);
    Filter filter(0.5f);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float pitch = glide(1700.f, 190.f, t, 0.2f);
        filter.tune(glide(9000.f, 1200.f, t, 0.22f));
        const float tone = 0.5f * square.next(pitch) + 0.35f * detuned.next(pitch * 1.51f) +
                           0.5f * sub.next(pitch * 0.5f);
        out[i] = filter.lowPass(tone) * attack(t, 0.002f) * decay(t, 0.07f);
    }
    finish(out, 0.002f, 0.03f, fromDbfs(LaserPeak));
    return out;
}

Samples explosionSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.8f)));
    Random random(0xb00f);
    Filter rumble(0.2f);
    Filter crackleFilter(0.1f);
    // Two Butterworth stages: the saturated mix keeps its weight but loses the hiss
    // above 12 kHz that made it harsh.
    Filter soften(0.3f), softenMore(0.3f);
    soften.tune(6500.f);
    softenMore.tune(6500.f);
    Oscillator thump(Wave::Sine);
    float crackleTarget = 0.f;
    float crackle = 0.f;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float white = random.range(-1.f, 1.f);
        rumble.tune(glide(5000.f, 140.f, t, 0.6f));
        const float body = rumble.lowPass(white) * decay(t, 0.22f);
        // Sparse pops over the first third of a second, each swelling in over about a
        // millisecond: an instant step would click across the whole spectrum.
        if (t < 0.35f && random.uniform() < 0.0015f)
            crackleTarget = random.range(0.5f, 1.f);
        crackleTarget *= 0.992f;
        crackle += 0.02f * (crackleTarget - crackle);
        crackleFilter.tune(3000.f);
        const float pops = crackleFilter.bandPass(crackle * white) * 2.f;
        const float boom = thump.next(glide(110.f, 38.f, t, 0.3f)) * decay(t, 0.16f);
        const float mixed = 1.6f * body + 0.5f * pops + 1.1f * boom;
        const float saturated = std::tanh(1.4f * mixed) * attack(t, 0.003f);
        out[i] = softenMore.lowPass(soften.lowPass(saturated));
    }
    finish(out, 0.003f, 0.12f, fromDbfs(ExplosionPeak));
    return out;
}

Samples powerUpSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.6f)));
    const int notes[] = {72, 76, 79, 84, 88}; // C major climbing two octaves
    for (int n = 0; n < 5; ++n)
    {
        const int start = samplesFor(0.06f * static_cast<float>(n));
        Oscillator bell(Wave::Sine);
        Oscillator overtone(Wave::Sine);
        Oscillator body(Wave::Triangle);
        const float f = noteFrequency(notes[n]);
        for (int i = 0; start + i < static_cast<int>(out.size()); ++i)
        {
            const float t = timeOf(i);
            const float tone = 0.5f * bell.next(f) +
                               0.2f * overtone.next(f * 2.76f) * decay(t, 0.05f) +
                               0.35f * body.next(f);
            out[static_cast<std::size_t>(start + i)] += tone * attack(t, 0.004f) * decay(t, 0.16f);
        }
    }
    Oscillator sweep(Wave::Sine);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        out[i] += 0.15f * sweep.next(glide(500.f, 2000.f, t, 0.35f)) * decay(t, 0.15f);
    }
    finish(out, 0.002f, 0.1f, fromDbfs(PowerUpPeak));
    return out;
}

Samples hoverSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.07f)));
    Oscillator tone(Wave::Sine);
    Oscillator edge(Wave::Square, 0.25f);
    Filter soften(0.f);
    soften.tune(5000.f);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        const float pitch = glide(880.f, 1320.f, t, 0.025f);
        const float s = 0.8f * tone.next(pitch) + 0.2f * soften.lowPass(edge.next(pitch));
        out[i] = s * attack(t, 0.003f) * decay(t, 0.025f);
    }
    finish(out, 0.003f, 0.02f, fromDbfs(HoverPeak));
    return out;
}

Samples hitSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(0.06f)));
    Random random(0x417);
    Oscillator ping(Wave::Triangle);
    Filter grit(0.2f);
    grit.tune(2500.f);
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        const float t = timeOf(static_cast<int>(i));
        // A metallic ping that drops as it dies, over a crack of filtered noise.
        const float tone = ping.next(glide(1500.f, 700.f, t, 0.04f)) * decay(t, 0.018f);
        const float crack = grit.bandPass(random.range(-1.f, 1.f)) * decay(t, 0.006f);
        out[i] = (0.7f * tone + 1.2f * crack) * attack(t, 0.001f);
    }
    finish(out, 0.001f, 0.015f, fromDbfs(HitPeak));
    return out;
}

Samples loseSound()
{
    Samples out(static_cast<std::size_t>(samplesFor(2.0f)));
    const int notes[] = {62, 61, 60}; // D, C sharp, C: each a step lower
    for (int n = 0; n < 3; ++n)
        sadBrassNote(out, samplesFor(0.64f * static_cast<float>(n)), 0.58f, notes[n], 0.97f);
    finish(out, 0.005f, 0.05f, fromDbfs(LosePeak));
    return out;
}

Samples lose2Sound()
{
    Samples out(static_cast<std::size_t>(samplesFor(1.5f)));
    sadBrassNote(out, 0, 1.45f, 59, 0.75f); // B, sinking toward G
    finish(out, 0.005f, 0.25f, fromDbfs(LosePeak));
    return out;
}

} // namespace media
