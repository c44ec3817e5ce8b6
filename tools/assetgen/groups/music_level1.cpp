// Level music 1: "Bones in the Pumpkin Patch". E minor, 108 beats a minute, 4/4; a xylophone tiptoes
// through a creeping chromatic tune over plucked strings and a ticking woodblock clock. A A' B A, 32
// bars; the last bar's dominant leads back to the first.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 108, .barBeats = 4};
    const Key key{64, Mode::Minor};  // E4
    Piece piece(meter, 0x1e1);

    const std::string a = "i | i | iv | iv | VI | V7 | i | V7 | ";
    const std::string closing = "i | i | iv | iv | VI | V7 | i | i | ";
    const std::string bridgeChords = "III | VII | VI | III | iv | VI | V | V7 | ";
    const std::vector<Chord> chords = Progression(key, meter, a + closing + bridgeChords + a, 0);
    const double bridgeStart = meter.Bar(16), bridgeEnd = meter.Bar(24), end = meter.Bar(32);

    const std::string_view theme =
        "5e #4e 5e 6e 5q 3q | 1'e 7e 6e 5e 3q 1q | 4e #3e 4e 5e 4q 1q | 6e 5e 4e 3e 4h | "
        "3'q. 2'e 1'q 6q | #7q 2'q 4'q 2'q | ";
    const std::string melody = std::string(theme) + "1'e 5e 3e 5e 1'q rq | #7e 1'e 2'e 1'e #7e 6e 5e #4e";
    const std::string answer = std::string(theme) + "1'e 5e 3e 5e 1'q 3'q | 1'h. rq";
    const std::string_view bridge =
        "3'q 2'e 1'e 7q 5q | 6q 7e 1'e 2'h | 3'q 2'e 1'e 6q 3q | 5q 7q 3'h | "
        "4'q 3'e 2'e 1'q 6q | 3'q 1'e 6e 3'h | #7q 2'q 5'h | 4'q 2'q #7q 6e #4e";

    Part& xylophone = piece.Add(Xylophone(), {.gain = 1.1, .pan = -0.15, .reverb = 0.22});
    xylophone.Add(Melody(key, meter, melody, meter.Bar(0)));
    xylophone.Add(Melody(key, meter, answer, meter.Bar(8)));
    xylophone.Add(Melody(key, meter, bridge, meter.Bar(16)));
    xylophone.Add(Melody(key, meter, melody, meter.Bar(24)));

    // The celesta shadows the tune an octave up in the second half, and answers the bridge.
    Part& celesta = piece.Add(Celesta(), {.gain = 0.45, .pan = 0.35, .reverb = 0.35});
    celesta.Add(Shifted(Melody(key, meter, answer, meter.Bar(8)), 0, 12));
    celesta.Add(Shifted(Melody(key, meter, melody, meter.Bar(24)), 0, 12));

    Part& bass = piece.Add(Bass(), {.gain = 0.65, .pan = 0, .reverb = 0.1});
    bass.Add(Pattern(chords, meter, "0q. 0e 2q >q", 40, 0, bridgeStart));
    bass.Add(Pattern(chords, meter, "0h 2q 1q", 40, bridgeStart, bridgeEnd));
    bass.Add(Pattern(chords, meter, "0q. 0e 2q >q", 40, bridgeEnd, end));

    Part& pizzicato = piece.Add(Pizzicato(), {.gain = 0.55, .pan = 0.4, .reverb = 0.2});
    pizzicato.Add(Pattern(chords, meter, "re ce re ce re ce re ce", 55, 0, bridgeStart));
    pizzicato.Add(Pattern(chords, meter, "cq. ce rh", 55, bridgeStart, bridgeEnd));
    pizzicato.Add(Pattern(chords, meter, "re ce re ce re ce re ce", 55, bridgeEnd, end));

    piece.Add(ReedOrgan(), {.gain = 0.35, .pan = 0, .reverb = 0.4})
        .Add(Pattern(chords, meter, "cw", 52, bridgeStart, bridgeEnd));
    piece.Add(Harp(), {.gain = 0.35, .pan = -0.45, .reverb = 0.35})
        .Add(Pattern(chords, meter, "0e 1e 2e 3e 4e 3e 2e 1e", 55, bridgeStart, bridgeEnd));

    // The clock: a high block on one and three, a low one on two and four.
    piece.Add(Woodblock(), {.gain = 0.3, .pan = -0.5, .reverb = 0.15, .looseness = 0.003})
        .Add(Steps(meter, "x.x.", 0, meter.Bar(16), 88));
    piece.Add(Woodblock(), {.gain = 0.3, .pan = 0.5, .reverb = 0.15, .looseness = 0.003})
        .Add(Steps(meter, ".x.x", 0, meter.Bar(16), 83));

    Part& kick = piece.Add(Kick(), {.gain = 0.55, .pan = 0, .reverb = 0.05, .looseness = 0.002});
    kick.Add(Steps(meter, "x...x...", meter.Bar(8), end, 36));
    Part& brush = piece.Add(Brush(), {.gain = 0.3, .pan = 0.15, .reverb = 0.15, .looseness = 0.003});
    brush.Add(Steps(meter, "....x..o....x.o.", meter.Bar(8), end, 38));
    Part& shaker = piece.Add(Shaker(), {.gain = 0.18, .pan = 0.55, .reverb = 0.1, .looseness = 0.004});
    shaker.Add(Steps(meter, "xoxoxoxo", meter.Bar(24), end, 70));

    return piece.RenderLoop(32);
}

const GroupRegistration kMusicLevel1(MusicGroup("music_level1", "level1.ogg", Compose));

}  // namespace
}  // namespace assetgen
