#include "tools/assetgen/Sequencer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>

namespace assetgen::music {

namespace {

constexpr double kEpsilon = 1e-6;

std::runtime_error Fault(std::string_view what, std::string_view token, std::string_view text) {
    return std::runtime_error(std::string(what) + " at \"" + std::string(token) + "\" in \"" +
                              std::string(text.substr(0, 60)) + (text.size() > 60 ? "..." : "") + "\"");
}

std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::string token;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '|') {
            if (!token.empty()) tokens.push_back(token);
            token.clear();
            if (c == '|') tokens.emplace_back("|");
        } else {
            token += c;
        }
    }
    if (!token.empty()) tokens.push_back(token);
    return tokens;
}

bool Near(double a, double b) {
    return std::abs(a - b) < kEpsilon;
}

// Bar lines must fall on whole bars: a miscounted bar is a mistake in the writing.
void CheckBar(double beat, double start, const Meter& meter, std::string_view text) {
    const double bars = (beat - start) / meter.barBeats;
    if (!Near(bars, std::round(bars))) {
        throw Fault("a bar line falls " + std::to_string(bars) + " bars in, not on a whole bar", "|", text);
    }
}

// The length in beats of a duration such as "q", "h." or "qe"; pos moves past it.
double Duration(const std::string& token, size_t& pos, std::string_view text) {
    static const std::map<char, double> kLengths = {{'w', 4}, {'h', 2}, {'q', 1}, {'e', 0.5}, {'s', 0.25}};
    double total = 0;
    while (pos < token.size() && kLengths.count(token[pos])) {
        double length = kLengths.at(token[pos++]);
        if (pos < token.size() && token[pos] == '.') {
            length *= 1.5;
            ++pos;
        }
        total += length;
    }
    if (total == 0) throw Fault("a duration (w h q e s) is missing", token, text);
    return total;
}

int Octaves(const std::string& token, size_t& pos) {
    int octaves = 0;
    for (; pos < token.size() && (token[pos] == '\'' || token[pos] == ','); ++pos)
        octaves += token[pos] == '\'' ? 1 : -1;
    return octaves;
}

int Accidentals(const std::string& token, size_t& pos) {
    int semitones = 0;
    for (; pos < token.size() && (token[pos] == '#' || token[pos] == 'b'); ++pos)
        semitones += token[pos] == '#' ? 1 : -1;
    return semitones;
}

// Stronger on the bar's first beat, then on counted beats, weaker off the beat.
double Accent(const Meter& meter, double beat) {
    const double inBar = std::fmod(beat + kEpsilon, meter.barBeats) - kEpsilon;
    if (Near(inBar, 0)) return 1.0;
    if (Near(meter.barBeats, 4) && Near(inBar, 2)) return 0.94;
    const double inPulse = std::fmod(inBar + kEpsilon, meter.pulse) - kEpsilon;
    if (Near(inPulse, 0)) return 0.88;
    if (Near(std::fmod(inPulse + kEpsilon, meter.pulse / 2) - kEpsilon, 0)) return 0.8;
    return 0.74;
}

// The chord sounding at a beat (the last one for beats past the end).
size_t ChordAt(const std::vector<Chord>& chords, double beat) {
    for (size_t i = 0; i < chords.size(); ++i) {
        if (beat < chords[i].beat + chords[i].length - kEpsilon) return i;
    }
    return chords.size() - 1;
}

// The lowest note at or above low with the pitch class of midi.
int Place(int midi, int low) {
    return low + (((midi - low) % 12) + 12) % 12;
}

// Close-position voicings of the chord whose lowest note lies in [low, low + 12), the one that moves
// least from the previous voicing (or, for the first chord, sits nearest the middle of the range).
std::vector<int> VoiceLead(const Chord& chord, int low, const std::vector<int>& previous) {
    const int high = low + 19;
    std::vector<int> best;
    double bestCost = std::numeric_limits<double>::infinity();
    const int tones = static_cast<int>(chord.intervals.size());
    for (int inversion = 0; inversion < tones; ++inversion) {
        std::vector<int> voicing;
        int note = Place(chord.Tone(inversion), low);
        // Each tone stacked on the one below it, as close as it will go.
        for (int k = 0; k < tones; ++k) {
            if (k > 0) note += ((chord.Tone(inversion + k) - note) % 12 + 12) % 12;
            voicing.push_back(note);
        }
        if (voicing.back() > high) continue;
        double cost = 0;
        for (int v : voicing) {
            if (previous.empty()) {
                cost += std::abs(v - (low + 9));
                continue;
            }
            int nearest = std::numeric_limits<int>::max();
            for (int p : previous) nearest = std::min(nearest, std::abs(v - p));
            cost += nearest;
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = voicing;
        }
    }
    return best;
}

// What a chord symbol does to the triad: replaces all its tones, adds some, or replaces the third.
struct ChordShape {
    enum class Use { Replace, Add, Third };
    std::string_view name;
    Use use;
    std::vector<int> intervals;
};

// Turns "V7", "bVI", "iio7", "IVM7:2" into a chord (its beat and length are set by the caller).
Chord ParseChord(const Key& key, const std::string& token, double& beats, std::string_view text) {
    size_t pos = 0;
    const int accidental = Accidentals(token, pos);
    static const std::array<std::string_view, 7> kNumerals = {"vii", "iii", "vi", "iv", "ii", "v", "i"};
    static const std::map<std::string_view, int> kDegrees = {{"i", 1}, {"ii", 2}, {"iii", 3}, {"iv", 4},
                                                             {"v", 5}, {"vi", 6}, {"vii", 7}};
    int degree = 0;
    bool major = false;
    for (std::string_view numeral : kNumerals) {
        std::string found = token.substr(pos, numeral.size());
        std::transform(found.begin(), found.end(), found.begin(), [](char c) { return std::tolower(c); });
        if (found == numeral) {
            degree = kDegrees.at(numeral);
            major = std::isupper(static_cast<unsigned char>(token[pos]));
            pos += numeral.size();
            break;
        }
    }
    if (degree == 0) throw Fault("a roman numeral is missing", token, text);
    std::vector<int> intervals = major ? std::vector<int>{0, 4, 7} : std::vector<int>{0, 3, 7};
    const std::string rest = token.substr(pos, token.find(':') - pos);
    using Use = ChordShape::Use;
    static const std::array<ChordShape, 6> kShapes = {{{"o7", Use::Replace, {0, 3, 6, 9}},
                                                       {"h7", Use::Replace, {0, 3, 6, 10}},
                                                       {"M7", Use::Add, {11}},
                                                       {"sus4", Use::Third, {5}},
                                                       {"o", Use::Replace, {0, 3, 6}},
                                                       {"7", Use::Add, {10}}}};
    for (size_t at = 0; at < rest.size();) {
        const auto shape = std::find_if(kShapes.begin(), kShapes.end(), [&](const ChordShape& s) {
            return rest.compare(at, s.name.size(), s.name) == 0;
        });
        if (shape == kShapes.end()) throw Fault("an unknown chord symbol", token, text);
        switch (shape->use) {
            case Use::Replace:
                intervals = shape->intervals;
                break;
            case Use::Add:
                intervals.push_back(shape->intervals[0]);
                break;
            case Use::Third:
                intervals[1] = shape->intervals[0];
                break;
        }
        at += shape->name.size();
    }
    std::sort(intervals.begin(), intervals.end());
    beats = 0;
    if (const size_t colon = token.find(':'); colon != std::string::npos) {
        try {
            beats = std::stod(token.substr(colon + 1));
        } catch (const std::exception&) {
            throw Fault("the beats after \":\" are not a number", token, text);
        }
    }
    return {0, 0, Place(key.Note(degree, accidental), 48), intervals};
}

}  // namespace

int Key::Note(int degree, int accidental) const {
    static const std::map<Mode, std::array<int, 7>> kScales = {{Mode::Major, {0, 2, 4, 5, 7, 9, 11}},
                                                               {Mode::Minor, {0, 2, 3, 5, 7, 8, 10}}};
    const int index = degree - 1;
    const int octave = index >= 0 ? index / 7 : -((-index + 6) / 7);
    return tonic + 12 * octave + kScales.at(mode)[index - 7 * octave] + accidental;
}

double Meter::Seconds(double beat) const {
    const double whole = std::floor(beat + kEpsilon);
    double f = std::max(0.0, beat - whole);
    if (swing != 0.5) f = f < 0.5 ? f * swing / 0.5 : swing + (f - 0.5) * (1 - swing) / 0.5;
    return (whole + f) * 60 / bpm;
}

int Chord::Tone(int n) const {
    const int size = static_cast<int>(intervals.size());
    const int octave = n >= 0 ? n / size : -((-n + size - 1) / size);
    return root + 12 * octave + intervals[n - size * octave];
}

std::vector<Chord> Progression(const Key& key, const Meter& meter, std::string_view text, double start) {
    std::vector<Chord> chords;
    std::vector<std::string> bar;
    double beat = start;
    const auto closeBar = [&] {
        if (bar.empty()) return;
        std::vector<Chord> inBar;
        double given = 0;
        int open = 0;
        for (const std::string& token : bar) {
            double beats = 0;
            inBar.push_back(ParseChord(key, token, beats, text));
            inBar.back().length = beats;
            given += beats;
            open += beats == 0;
        }
        const double share = open ? (meter.barBeats - given) / open : 0;
        if (share <= 0 && open) throw Fault("the chords' beats fill the bar already", bar.front(), text);
        for (Chord& chord : inBar) {
            if (chord.length == 0) chord.length = share;
            chord.beat = beat;
            beat += chord.length;
            chords.push_back(chord);
        }
        CheckBar(beat, start, meter, text);
        bar.clear();
    };
    for (const std::string& token : Tokens(text)) {
        if (token == "|") {
            closeBar();
        } else {
            bar.push_back(token);
        }
    }
    closeBar();
    if (chords.empty()) throw Fault("there are no chords", "", text);
    return chords;
}

std::vector<Note> Melody(const Key& key, const Meter& meter, std::string_view text, double start) {
    std::vector<Note> notes;
    double beat = start;
    for (const std::string& token : Tokens(text)) {
        if (token == "|") {
            CheckBar(beat, start, meter, text);
            continue;
        }
        size_t pos = 0;
        if (token[0] == 'r') {
            pos = 1;
            beat += Duration(token, pos, text);
            if (pos != token.size()) throw Fault("unexpected characters", token, text);
            continue;
        }
        const int accidental = Accidentals(token, pos);
        if (pos >= token.size() || !std::isdigit(static_cast<unsigned char>(token[pos]))) {
            throw Fault("a scale degree is missing", token, text);
        }
        const int degree = token[pos++] - '0';
        const int octaves = Octaves(token, pos);
        const double length = Duration(token, pos, text);
        if (pos != token.size()) throw Fault("unexpected characters", token, text);
        const double velocity = 0.85 * Accent(meter, beat);
        notes.push_back(
            {beat, length, static_cast<double>(key.Note(degree, accidental) + 12 * octaves), velocity});
        beat += length;
    }
    return notes;
}

std::vector<Note> Pattern(const std::vector<Chord>& chords, const Meter& meter, std::string_view text,
                          int low, double from, double end) {
    const std::vector<std::string> tokens = Tokens(text);
    if (chords.empty() || tokens.empty()) throw Fault("a pattern needs chords and notes", "", text);
    std::vector<Note> notes;
    std::map<size_t, std::vector<int>> voicings;
    std::vector<int> previous;
    const double last = chords.back().beat + chords.back().length;
    for (double beat = from; beat < end - kEpsilon;) {
        for (const std::string& token : tokens) {
            if (token == "|" || beat >= end - kEpsilon) continue;
            size_t pos = 1;
            const char kind = token[0];
            const int octaves = Octaves(token, pos);
            const double length = Duration(token, pos, text);
            if (pos != token.size()) throw Fault("unexpected characters", token, text);
            const size_t at = ChordAt(chords, beat);
            const Chord& chord = chords[at];
            const double velocity = 0.8 * Accent(meter, beat);
            const auto add = [&](int midi) {
                notes.push_back(
                    {beat, std::min(length, end - beat), static_cast<double>(midi + 12 * octaves), velocity});
            };
            if (kind == 'c') {
                if (!voicings.count(at)) voicings[at] = VoiceLead(chord, low, previous);
                previous = voicings[at];
                for (int midi : previous) add(midi);
            } else if (kind == '>') {
                const double target = beat + length;
                const Chord& next =
                    target >= last - kEpsilon ? chords.front() : chords[ChordAt(chords, target)];
                add(Place(next.root, low + 1) - 1);
            } else if (std::isdigit(static_cast<unsigned char>(kind))) {
                add(Place(chord.root, low) + chord.Tone(kind - '0') - chord.root);
            } else if (kind != 'r') {
                throw Fault("a chord tone, c, > or r is expected", token, text);
            }
            beat += length;
        }
    }
    return notes;
}

std::vector<Note> Steps(const Meter& meter, std::string_view text, double start, double end, int midi) {
    std::vector<std::string> bars;
    for (const std::string& token : Tokens(text)) {
        if (token == "|") {
            bars.emplace_back();
        } else {
            if (bars.empty()) bars.emplace_back();
            bars.back() += token;
        }
    }
    std::erase_if(bars, [](const std::string& bar) { return bar.empty(); });
    if (bars.empty()) throw Fault("there are no steps", "", text);
    static const std::map<char, double> kHits = {{'X', 1.0}, {'x', 0.75}, {'o', 0.42}, {'.', 0}};
    std::vector<Note> notes;
    for (int bar = 0; start + meter.Bar(bar) < end - kEpsilon; ++bar) {
        const std::string& steps = bars[bar % bars.size()];
        const double step = meter.barBeats / static_cast<double>(steps.size());
        for (size_t i = 0; i < steps.size(); ++i) {
            const auto hit = kHits.find(steps[i]);
            if (hit == kHits.end()) throw Fault("a step is X, x, o or .", steps, text);
            const double beat = start + meter.Bar(bar) + step * static_cast<double>(i);
            if (hit->second > 0 && beat < end - kEpsilon)
                notes.push_back({beat, step, static_cast<double>(midi), hit->second});
        }
    }
    return notes;
}

std::vector<Note> Shifted(std::vector<Note> notes, double beats, int semitones) {
    for (Note& note : notes) {
        note.beat += beats;
        note.midi += semitones;
    }
    return notes;
}

}  // namespace assetgen::music
