// The ending and the credits: "Dawn over Murkwell". G major, a warm waltz at 116 beats a minute; the
// night is over and the whole band plays the village's tune in the major: celesta, then flute over
// strings, a music box for the last verse. A A' B B' A'', 40 bars; the last bar's dominant leads back.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 116, .barBeats = 3};
    const Key key{67, Mode::Major};  // G4
    Piece piece(meter, 0x9e0);

    const std::string_view verse = "I | vi | IV | V7 | I | vi | ii:2 V7:1 | ";
    const std::string a = std::string(verse) + "I | ";
    const std::string b = "vi | iii | IV | I | ii | vi | II7 | V7 | ";
    const std::vector<Chord> chords =
        Progression(key, meter, a + a + b + b + std::string(verse) + "V7 | ", 0);
    const auto bar = [&](int n) { return meter.Bar(n); };

    const std::string_view song = "5h 3q | 6h 5q | 4q 6q 1'q | 7h 6q | 5q 3q 5q | 1'h 7q | 6q 4q 2q | ";
    const std::string home = std::string(song) + "1h.";
    const std::string again = std::string(song) + "7,h 2q";
    const std::string_view morning = "3'h 2'q | 7h 5q | 6h 1'q | 5h. | 6h 4q | 5h 3q | #4q 6q 1'q | 7h 6q";

    Part& celesta = piece.Add(Celesta(), {.gain = 0.9, .pan = -0.1, .reverb = 0.35});
    celesta.Add(Melody(key, meter, home, 0));
    celesta.Add(Melody(key, meter, again, bar(32)));
    Part& flute = piece.Add(Flute(), {.gain = 0.8, .pan = 0.1, .reverb = 0.35});
    flute.Add(Melody(key, meter, home, bar(8)));
    flute.Add(Melody(key, meter, morning, bar(16)));
    flute.Add(Melody(key, meter, morning, bar(24)));
    piece.Add(MusicBox(), {.gain = 0.35, .pan = 0.35, .reverb = 0.45})
        .Add(Shifted(Melody(key, meter, morning, bar(24)), 0, 12))
        .Add(Shifted(Melody(key, meter, again, bar(32)), 0, 12));

    piece.Add(Bass(), {.gain = 0.75, .pan = 0, .reverb = 0.15})
        .Add(Pattern(chords, meter, "0q rh 2,q rh", 40, 0, bar(40)));
    piece.Add(Pizzicato(), {.gain = 0.45, .pan = 0.4, .reverb = 0.25})
        .Add(Pattern(chords, meter, "rq cq cq", 57, 0, bar(40)));
    piece.Add(Strings(), {.gain = 0.35, .pan = 0, .reverb = 0.45})
        .Add(Pattern(chords, meter, "ch.", 52, bar(8), bar(40)));
    piece.Add(Harp(), {.gain = 0.3, .pan = -0.5, .reverb = 0.4})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 3e", 50, bar(16), bar(32)));

    piece.Add(Triangle(), {.gain = 0.3, .pan = 0.5, .reverb = 0.5})
        .Add(Steps(meter, "x..|...|...|...", bar(8), bar(40), 95));
    piece.Add(Kick(), {.gain = 0.35, .pan = 0, .reverb = 0.05, .looseness = 0.002})
        .Add(Steps(meter, "x..", bar(8), bar(40), 36));
    piece.Add(Brush(), {.gain = 0.2, .pan = 0.2, .reverb = 0.15, .looseness = 0.003})
        .Add(Steps(meter, ".xo", bar(8), bar(40), 38));

    return piece.RenderLoop(40);
}

const GroupRegistration kMusicGameEnd(MusicGroup("music_gameend", "gameend.ogg", Compose));

}  // namespace
}  // namespace assetgen
