// Level music 2: "Lantern Jig". B minor, a jig in 6/8 at 88 dotted beats a minute; a breathy flute
// dances over plucked "oom-pa-pa" chords, the celesta joins the repeats. A A B B A A, 48 bars.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 132, .barBeats = 3, .pulse = 1.5};
    const Key key{71, Mode::Minor};  // B4
    Piece piece(meter, 0x1e2);

    const std::string a = "i | VII | i | V7 | i | VII | VI:1.5 V7:1.5 | i | ";
    const std::string b = "III | VII | III | VII | VI | III | iv:1.5 V7:1.5 | i | ";
    const std::vector<Chord> chords = Progression(key, meter, a + a + b + b + a + a, 0);
    const auto bar = [&](int n) { return meter.Bar(n); };

    const std::string_view jig =
        "5q 6e 5e 4e 3e | 2q 1e 7,q 2e | 3q 4e 5q 3e | #7q 2'e 4'q 2'e | "
        "5q 6e 5e 4e 3e | 2q 3e 4e 5e 6e | 6q 5e #7q 2'e | 1'q 5e 1'q.";
    const std::string_view turn =
        "3'q 2'e 1'q 7e | 2'q 3'e 2'q 7e | 3'q 4'e 5'q 3'e | 4'q. 2'q. | "
        "1'q 7e 6q 1'e | 7q 1'e 2'q 3'e | 4'q 3'e #7q 2'e | 1'q. 5q.";

    Part& flute = piece.Add(Flute(), {.gain = 0.9, .pan = -0.1, .reverb = 0.3});
    for (int at : {0, 8, 32, 40}) flute.Add(Melody(key, meter, jig, bar(at)));
    for (int at : {16, 24}) flute.Add(Melody(key, meter, turn, bar(at)));

    // The celesta doubles the repeats an octave up; the harp ripples under the turn.
    Part& celesta = piece.Add(Celesta(), {.gain = 0.4, .pan = 0.35, .reverb = 0.35});
    celesta.Add(Shifted(Melody(key, meter, jig, bar(8)), 0, 12));
    celesta.Add(Melody(key, meter, turn, bar(24)));
    celesta.Add(Shifted(Melody(key, meter, jig, bar(40)), 0, 12));
    piece.Add(Harp(), {.gain = 0.3, .pan = -0.5, .reverb = 0.35})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 2e 1e", 54, bar(16), bar(32)));

    piece.Add(Bass(), {.gain = 0.8, .pan = 0, .reverb = 0.1})
        .Add(Pattern(chords, meter, "0q. 2,q.", 40, 0, bar(48)));
    piece.Add(Pizzicato(), {.gain = 0.5, .pan = 0.4, .reverb = 0.2})
        .Add(Pattern(chords, meter, "re ce ce re ce ce", 57, 0, bar(48)));
    piece.Add(ReedOrgan(), {.gain = 0.25, .pan = 0, .reverb = 0.4})
        .Add(Pattern(chords, meter, "cq. cq.", 54, bar(16), bar(32)));

    Part& kick = piece.Add(Kick(), {.gain = 0.5, .pan = 0, .reverb = 0.05, .looseness = 0.002});
    kick.Add(Steps(meter, "x..o..", bar(8), bar(48), 36));
    Part& brush = piece.Add(Brush(), {.gain = 0.25, .pan = 0.15, .reverb = 0.15, .looseness = 0.003});
    brush.Add(Steps(meter, "...x.o", bar(8), bar(48), 38));
    Part& shaker = piece.Add(Shaker(), {.gain = 0.2, .pan = 0.5, .reverb = 0.1, .looseness = 0.003});
    shaker.Add(Steps(meter, "xooxoo", 0, bar(48), 70));

    return piece.RenderLoop(48);
}

const GroupRegistration kMusicLevel2(MusicGroup("music_level2", "level2.ogg", Compose));

}  // namespace
}  // namespace assetgen
