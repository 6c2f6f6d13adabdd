// Writes the short chime the program plays where the Windows default sound is named: a 16-bit
// mono wave file of two bell-like tones fading out. Run at build time; the file is shipped
// beside the program.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Seconds = 0.6;

void put16(std::vector<char> &out, std::uint16_t value)
{
    out.push_back(char(value & 0xff));
    out.push_back(char(value >> 8));
}

void put32(std::vector<char> &out, std::uint32_t value)
{
    put16(out, std::uint16_t(value & 0xffff));
    put16(out, std::uint16_t(value >> 16));
}

void putTag(std::vector<char> &out, const char *tag)
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.wav\n", argv[0]);
        return 2;
    }
    const int samples = int(SampleRate * Seconds);
    std::vector<char> data;
    data.reserve(std::size_t(samples) * 2);
    for (int i = 0; i < samples; ++i) {
        const double t = double(i) / SampleRate;
        // The second tone strikes a little after the first, as a two-note door chime.
        const double first = std::sin(2 * std::numbers::pi * 880.0 * t) * std::exp(-6.0 * t);
        const double later = t < 0.15 ? 0.0
                                      : std::sin(2 * std::numbers::pi * 1318.5 * (t - 0.15)) *
                                            std::exp(-7.0 * (t - 0.15));
        const double attack = std::min(1.0, t * 200.0); // no click at the start
        const double value = 0.45 * attack * (first + later);
        put16(data, std::uint16_t(std::int16_t(std::lround(value * 32767))));
    }

    std::vector<char> file;
    putTag(file, "RIFF");
    put32(file, std::uint32_t(36 + data.size()));
    putTag(file, "WAVE");
    putTag(file, "fmt ");
    put32(file, 16);
    put16(file, 1); // PCM
    put16(file, 1); // mono
    put32(file, SampleRate);
    put32(file, SampleRate * 2);
    put16(file, 2);
    put16(file, 16);
    putTag(file, "data");
    put32(file, std::uint32_t(data.size()));
    file.insert(file.end(), data.begin(), data.end());

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(file.data(), std::streamsize(file.size()));
    return out.good() ? 0 : 1;
}
