// Level music 5: "The Haunted Ballroom". F minor, a brisk waltz at 138 beats a minute; a wheezy reed
// organ leads the dance over plucked chords and tuned timpani, strings and a harp fill the bridge in A
// flat, and a music box glitters over the return. A B A', 48 bars of 16-bar phrases.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 138, .barBeats = 3};
    const Key key{65, Mode::Minor};  // F4
    Piece piece(meter, 0x1e5);

    const std::string_view phrase = "i | i | iv | iv | V7 | V7 | i | i | i | i | iv | iv | VI | iih7 | V7 | ";
    const std::string b =
        "III | III | VII | VII | iv | iv | V7 | V7 | III | III | VII | VII | VI | bII | V7 | V7 | ";
    const std::vector<Chord> chords =
        Progression(key, meter, std::string(phrase) + "i | " + b + std::string(phrase) + "V7 | ", 0);
    const auto bar = [&](int n) { return meter.Bar(n); };

    const std::string_view dance =
        "5h. | 3q 4q 5q | 6h. | 5q 4q 3q | #7h 5q | 4q 2q #7,q | 1h 3q | 5h. | "
        "1'h. | 7q 5q 3q | 6h 4q | 3q 4q 6q | 1'h 6q | 4h 6q | #7q 2'q 4'q | ";
    const std::string tune = std::string(dance) + "1'h.";
    const std::string back = std::string(dance) + "#7h 5q";
    const std::string_view ballroom =
        "3h 5q | 7h. | 2'h 7q | 4h. | 6h 1'q | 4h 3q | #7h 2'q | 5h. | "
        "3h 5q | 1'q 7q 5q | 7h. | 2'q 1'q 7q | 6h. | 6q 4q b2q | #7h. | 5q #7q 2'q";

    Part& organ = piece.Add(ReedOrgan(), {.gain = 0.9, .pan = -0.1, .reverb = 0.35, .looseness = 0.008});
    organ.Add(Melody(key, meter, tune, 0));
    organ.Add(Melody(key, meter, ballroom, bar(16)));
    organ.Add(Melody(key, meter, back, bar(32)));
    piece.Add(MusicBox(), {.gain = 0.35, .pan = 0.35, .reverb = 0.45})
        .Add(Shifted(Melody(key, meter, back, bar(32)), 0, 12));

    piece.Add(Bass(), {.gain = 0.8, .pan = 0, .reverb = 0.12})
        .Add(Pattern(chords, meter, "0q rh 2,q rh", 41, 0, bar(48)));
    piece.Add(Pizzicato(), {.gain = 0.5, .pan = 0.4, .reverb = 0.2})
        .Add(Pattern(chords, meter, "rq cq cq", 56, 0, bar(48)));
    piece.Add(Strings(), {.gain = 0.3, .pan = 0, .reverb = 0.45})
        .Add(Pattern(chords, meter, "ch.", 53, bar(16), bar(32)));
    piece.Add(Harp(), {.gain = 0.3, .pan = -0.5, .reverb = 0.4})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 5e", 53, bar(16), bar(32)));
    // Timpani on the root at the head of every four bars.
    piece.Add(Timpani(), {.gain = 0.45, .pan = 0.1, .reverb = 0.3, .looseness = 0.003})
        .Add(Pattern(chords, meter, "0q rq rq rh. rh. rh.", 41, 0, bar(48)));

    Part& kick = piece.Add(Kick(), {.gain = 0.35, .pan = 0, .reverb = 0.05, .looseness = 0.002});
    kick.Add(Steps(meter, "x..", bar(8), bar(48), 36));
    Part& brush = piece.Add(Brush(), {.gain = 0.2, .pan = 0.2, .reverb = 0.15, .looseness = 0.003});
    brush.Add(Steps(meter, ".oo", bar(8), bar(48), 38));

    return piece.RenderLoop(48);
}

const GroupRegistration kMusicLevel5(MusicGroup("music_level5", "level5.ogg", Compose));

}  // namespace
}  // namespace assetgen
