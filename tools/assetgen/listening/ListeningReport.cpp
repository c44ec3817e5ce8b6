// listening_report: a review of every sound of the data folder for people without speakers (or without
// the time to listen to all of them): a markdown table of lengths and levels, and a sonogram picture
// of each file.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/codecs/ImageCodec.h"
#include "platform/codecs/SoundCodec.h"
#include "platform/files/Files.h"
#include "tools/assetgen/listening/Sonogram.h"
#include "tools/assetgen/listening/SoundMeasures.h"

namespace {

namespace fs = std::filesystem;
namespace files = platform::files;

constexpr double kOnsetDbfs = -40;

// Sounds under the data folder, sorted by path: effects first, then music.
std::vector<std::string> SoundPaths(const std::string& root) {
    std::vector<std::string> effects, music;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        const std::string extension = files::ExtensionOf(relative);
        if (extension == ".wav") effects.push_back(relative);
        if (extension == ".ogg") music.push_back(relative);
    }
    std::sort(effects.begin(), effects.end());
    std::sort(music.begin(), music.end());
    effects.insert(effects.end(), music.begin(), music.end());
    return effects;
}

std::string Number(double value, int decimals) {
    if (std::isinf(value)) return "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string PictureName(const std::string& path) {
    std::string name = path;
    std::replace(name.begin(), name.end(), '/', '_');
    return name + ".png";
}

std::string Row(const std::string& path, const platform::SoundData& s) {
    std::string row = "| " + path + " | " + Number(listening::Seconds(s), 3) + " | " +
                      std::to_string(s.rate) + " × " + std::to_string(s.channels) + " | " +
                      Number(listening::PeakDb(s), 1) + " | " + Number(listening::RmsDb(s), 1) + " | " +
                      Number(1000 * listening::OnsetSeconds(s, kOnsetDbfs), 1) + " | ";
    const double end = listening::Seconds(s);
    row += Number(listening::RmsDb(s, std::max(0.0, end - 0.01), end), 0) + " | ";
    // Only the music plays in a loop.
    if (files::ExtensionOf(path) != ".ogg") return row + " | |\n";
    const listening::Seam seam = listening::MeasureSeam(s);
    row += Number(seam.jump, 4) + " / " + Number(seam.typicalStep, 4) + " | " + Number(seam.dipDb, 1) +
           " / " + Number(seam.bumpDb, 1) + " |\n";
    return row;
}

// The table's head; the rows follow it.
std::string Heading() {
    return "# Listening report\n\n"
           "Levels in dBFS. *Onset*: milliseconds until the sound first reaches " +
           Number(kOnsetDbfs, 0) +
           " dBFS. *End*: level of the last 10 ms. *Seam* (music): played as a loop, the jump from the last "
           "sample "
           "to the first against a large ordinary step near it (99th percentile), and how far a 10 ms window "
           "across the seam dips under or rises over its neighbours.\n\n"
           "| file | seconds | rate × channels | peak | RMS | onset ms | end | seam jump / typical | "
           "seam dip / bump dB |\n|---|---|---|---|---|---|---|---|---|\n";
}

bool Decode(const std::string& path, platform::SoundData& sound, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!files::ReadAll(path, bytes, error)) return false;
    const bool ok = files::ExtensionOf(path) == ".ogg" ? platform::DecodeOgg(bytes, sound, error)
                                                       : platform::DecodeWav(bytes, sound, error);
    if (!ok) error = path + ": " + error;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: listening_report DATA_DIR OUT_DIR\n", stderr);
        return 2;
    }
    const std::string root = argv[1], out = argv[2];
    std::string error;
    if (!files::IsFolder(root) || !files::CreateFolders(files::Join(out, "sonograms"), error)) {
        std::fprintf(stderr, "listening_report: cannot use %s or %s %s\n", root.c_str(), out.c_str(),
                     error.c_str());
        return 1;
    }
    // Decoded music is large, so each file is measured and drawn, then let go.
    std::string table = Heading(), pictures = "\n## Sonograms\n\n";
    double quietest = 0, loudest = -200;
    int failures = 0;
    for (const std::string& path : SoundPaths(root)) {
        platform::SoundData sound;
        if (!Decode(files::Join(root, path), sound, error) ||
            !platform::SavePng(files::Join(files::Join(out, "sonograms"), PictureName(path)),
                               listening::Sonogram(sound), 6, false, error)) {
            std::fprintf(stderr, "listening_report: %s\n", error.c_str());
            ++failures;
            continue;
        }
        table += Row(path, sound);
        pictures += "### " + path + "\n\n![" + path + "](sonograms/" + PictureName(path) + ")\n\n";
        if (files::ExtensionOf(path) == ".ogg") {
            quietest = std::min(quietest, listening::RmsDb(sound));
            loudest = std::max(loudest, listening::RmsDb(sound));
        }
    }
    if (loudest > quietest) table += "\nMusic RMS spread: " + Number(loudest - quietest, 2) + " dB.\n";
    if (!files::WriteAtomic(files::Join(out, "report.md"), table + pictures, error)) {
        std::fprintf(stderr, "listening_report: %s\n", error.c_str());
        return 1;
    }
    return failures == 0 ? 0 : 1;
}
