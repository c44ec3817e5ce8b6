// Level music 4: "Black Cat Shuffle". C minor, a sly swing at 144 beats a minute; a clarinet prowls over
// a walking bass, brushes and offbeat organ stabs, with a brighter bridge in A flat. A A B B A, 40 bars;
// the last bar turns round to the dominant.

#include "tools/assetgen/Piece.h"
#include "tools/assetgen/SoundFiles.h"

namespace assetgen {
namespace {

using namespace music;

synth::Stereo Compose() {
    const Meter meter{.bpm = 144, .barBeats = 4, .swing = 0.64};
    const Key key{60, Mode::Minor};  // C4
    Piece piece(meter, 0x1e4);

    const std::string_view head = "i | iv | i | V7 | i | iv | VI:2 V7:2 | ";
    const std::string a = std::string(head) + "i | ";
    const std::string turnaround = std::string(head) + "i:2 V7:2 | ";
    const std::string b = "VI | VII | III | VI | iv | V7 | i | V7 | ";
    const std::vector<Chord> chords = Progression(key, meter, a + a + b + b + turnaround, 0);
    const auto bar = [&](int n) { return meter.Bar(n); };

    const std::string_view prowl =
        "1'e 3'e 5'e 3'e #4'e 5'q. | 6'e 5'e 4'e 3'e 4'h | 1'e 3'e 5'e 3'e 1'e 7e 6e 5e | #7q 2'q 4'q rq | "
        "1'e 3'e 5'e 3'e #4'e 5'q. | 6'e 5'e 4'e 6'e 1''h | 1''e 7'e 6'q 5'e 4'e 2'q | ";
    const std::string tune = std::string(prowl) + "1'q 5q 1'q rq";
    const std::string last = std::string(prowl) + "1'q 5q #7q 2'q";
    const std::string_view bridge =
        "3'q. 1'e 6q 1'q | 2'q. 7e 4'q 2'q | 5'q. 3'e 7q 3'q | 1'h 6h | "
        "4'q. 6'e 1''q 6'q | #7q 2'q 4'q 2'q | 3'q 5'q 1''q 5'q | 4'q 2'q #7q 5q";

    Part& clarinet = piece.Add(Clarinet(), {.gain = 0.9, .pan = -0.1, .reverb = 0.25, .looseness = 0.01});
    clarinet.Add(Melody(key, meter, tune, 0));
    clarinet.Add(Melody(key, meter, tune, bar(8)));
    clarinet.Add(Melody(key, meter, bridge, bar(16)));
    clarinet.Add(Melody(key, meter, last, bar(32)));
    // The second bridge goes to the celesta, the clarinet answering with the chords' thirds.
    piece.Add(Celesta(), {.gain = 0.55, .pan = 0.3, .reverb = 0.35}).Add(Melody(key, meter, bridge, bar(24)));
    clarinet.Add(Pattern(chords, meter, "1h rh", 55, bar(24), bar(32)));

    piece.Add(Bass(), {.gain = 0.7, .pan = 0, .reverb = 0.1})
        .Add(Pattern(chords, meter, "0q 1q 2q >q", 36, 0, bar(40)));
    piece.Add(ReedOrgan(), {.gain = 0.32, .pan = 0.35, .reverb = 0.3})
        .Add(Pattern(chords, meter, "rq cq re ce rq", 55, 0, bar(40)));
    piece.Add(Pizzicato(), {.gain = 0.4, .pan = -0.45, .reverb = 0.2})
        .Add(Pattern(chords, meter, "rq re 0'e rq re 2e", 55, bar(8), bar(40)));

    Part& kick = piece.Add(Kick(), {.gain = 0.45, .pan = 0, .reverb = 0.05, .looseness = 0.002});
    kick.Add(Steps(meter, "X.o.x.o.", 0, bar(40), 36));
    Part& brush = piece.Add(Brush(), {.gain = 0.3, .pan = 0.2, .reverb = 0.15, .looseness = 0.003});
    brush.Add(Steps(meter, "..x...x.", bar(8), bar(40), 38));
    Part& shaker = piece.Add(Shaker(), {.gain = 0.25, .pan = 0.45, .reverb = 0.1, .looseness = 0.003});
    shaker.Add(Steps(meter, "x.xox.xo", 0, bar(40), 70));

    return piece.RenderLoop(40);
}

const GroupRegistration kMusicLevel4(MusicGroup("music_level4", "level4.ogg", Compose));

}  // namespace
}  // namespace assetgen
