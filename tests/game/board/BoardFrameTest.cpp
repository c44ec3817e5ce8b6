// The frame around the playing field, piece by piece, against positions worked out by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "framework/core/SoundBank.h"
#include "tests/game/board/BoardTestSupport.h"

namespace {

struct Piece {
    float x, y;
    int type;
    bool operator==(const Piece&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Piece& p) {
    return out << "{" << p.x << ", " << p.y << ", " << BorderImageNames[p.type] << "}";
}

class BoardFrameTest : public ::testing::Test, public murkwell::test::BoardFixture {
protected:
    std::vector<Piece> Frame(const std::string& size, const std::string& tiles,
                             const std::string& extras = "") {
        std::string error;
        EXPECT_TRUE(Grid->ReadLevelFile(
            WriteLevel("time=60\ngoals=5,1,0,0,0\ncolours=1,2,3\nbonus=0\nsize=" + size +
                       "\noffset=0,0\ntiles=\n" + tiles + "locked=\nrocks=\nshapes=\nborder=\n" + extras),
            error))
            << error;
        std::vector<Piece> pieces;
        for (int i = 0; i < BorderCount; ++i)
            pieces.push_back({Borders[i].x, Borders[i].y, Borders[i].index});
        return pieces;
    }
};

TEST_F(BoardFrameTest, ASingleCellHasFourSidesAndFourOuterCorners) {
    const std::vector<Piece> pieces = Frame("1,1", "1\n");
    const float X = (1024 - 66) / 2 + 75, Y = (768 - 66) / 2 - 45;
    const std::vector<Piece> expected = {
        {X - 10, Y, 1},      {X + 66, Y, 2},      {X, Y - 10, 3},      {X, Y + 66, 0},
        {X - 10, Y - 10, 6}, {X + 66, Y - 10, 7}, {X + 66, Y + 66, 5}, {X - 10, Y + 66, 4},
    };
    EXPECT_EQ(pieces, expected);
}

TEST_F(BoardFrameTest, AHoleInTheCornerGetsStraightPiecesAndAnInnerCorner) {
    // Cells (0,0), (1,0), (0,1); (1,1) is a hole.
    const std::vector<Piece> pieces = Frame("2,2", "1,1\n1,0\n");
    const float x0 = 521, x1 = 587, x2 = 653, y0 = 273, y1 = 339, y2 = 405;
    const std::vector<Piece> expected = {
        // where the field meets the hole
        {x1, y1, 2},
        {x1, y1, 0},
        // the first column, the last column, the top row, the bottom row
        {x0 - 10, y0, 1},
        {x0 - 10, y1, 1},
        {x2, y0, 2},
        {x0, y0 - 10, 3},
        {x1, y0 - 10, 3},
        {x0, y2, 0},
        // outer corners
        {x0 - 10, y0 - 10, 6},
        {x2, y0 - 10, 7},
        {x2, y1, 5},
        {x1, y2, 5},
        {x0 - 10, y2, 4},
        // the hole's inner corner
        {x1, y1, 10},
    };
    EXPECT_EQ(pieces, expected);
}

TEST_F(BoardFrameTest, ARingAroundAHoleHasFourInnerCorners) {
    const std::vector<Piece> pieces = Frame("3,3", "1,1,1\n1,0,1\n1,1,1\n");
    int inner = 0, outer = 0, straight = 0;
    for (const Piece& p : pieces) {
        (p.type >= 8 ? inner : p.type >= 4 ? outer : straight)++;
    }
    EXPECT_EQ(straight, 12 + 4);
    EXPECT_EQ(outer, 4) << "the hole's own corners are inner ones";
    EXPECT_EQ(inner, 4);
}

TEST_F(BoardFrameTest, DecorativePiecesSitByTheirCell) {
    Frame("3,3", "1,1,1\n1,1,1\n1,1,1\n", "B12,0,2\nB13,0,1\nB21,0,0\nB22,2,2\nnot a piece\nB5,1,1\n");
    ASSERT_EQ(ExtraBorderCount, 5);
    const int X0 = GridToScreenX(0), Y2 = GridToScreenY(2), Y1 = GridToScreenY(1), Y0 = GridToScreenY(0);
    const auto& images = BoardImages.Borders;
    EXPECT_EQ(ExtraBorders[0].x, X0);
    EXPECT_EQ(ExtraBorders[0].y, Y2 + 10);
    EXPECT_EQ(ExtraBorders[1].x, X0 - (images[13]->w + 10));
    EXPECT_EQ(ExtraBorders[1].y, Y1);
    EXPECT_EQ(ExtraBorders[2].x, X0 - (images[21]->w + 10));
    EXPECT_EQ(ExtraBorders[2].y, Y0 + 66 - images[21]->h);
    EXPECT_EQ(ExtraBorders[3].x, GridToScreenX(2) + 9);
    EXPECT_EQ(ExtraBorders[3].y, Y2 + 10);
    EXPECT_EQ(ExtraBorders[4].x, GridToScreenX(1)) << "other types sit on the cell's corner";
    EXPECT_EQ(ExtraBorders[4].index, 5);
}

TEST_F(BoardFrameTest, ScreenAndGridPositionsMapBothWays) {
    Frame("4,4", "1,1,1,1\n1,1,1,1\n1,1,1,1\n1,1,1,1\n");
    EXPECT_EQ(GridToScreenX(3), Grid->sx + 198);
    EXPECT_EQ(ScreenToGridX(Grid->sx + 198 + 65), 3);
    EXPECT_EQ(ScreenToGridY(Grid->sy + 66), 1);
    EXPECT_EQ(ScreenToGridY(Grid->sy - 1), -1);
    EXPECT_EQ(ScreenToGridX(Grid->sx - 10), 0) << "truncates toward zero";
}

}  // namespace

namespace {

TEST(GameGrid, ANewBoardTakesItsPicturesAndPitchedSoundsAndStartsItsPulses) {
    murkwell::test::BoardFixture board;
    SoundBank.Clear();
    SoundBank.SetPath(std::string(MURKWELL_DATA_DIR) + "/sound/");
    for (const auto& entry : std::filesystem::directory_iterator(std::string(MURKWELL_DATA_DIR) + "/sound")) {
        if (entry.path().extension() == ".wav") SoundBank.Load(entry.path().filename().string());
    }
    const auto grid = TGameGrid::Create();
    EXPECT_EQ(grid->CursorImage->image->HandleX(), (grid->CursorImage->w - 66) / 2) << "centred on a cell";
    EXPECT_FLOAT_EQ(grid->LockedSound->pitch, 1.2f);
    EXPECT_FLOAT_EQ(grid->UnRockSound2->pitch, 0.5f);
    EXPECT_FLOAT_EQ(SoundBank.Find("RockCracked")->pitch, 1.0f) << "the bank's own sound keeps its pitch";
    EXPECT_EQ(grid->SwapTime, board.game().CalcAnimLength(200));
    EXPECT_EQ(grid->HintLength, board.game().CalcAnimLength(2000));
    EXPECT_EQ(grid->glow4.Counter, 90) << "half a cycle behind glow3";
    EXPECT_EQ(grid->glow3.Counter, 0);
    SoundBank.Clear();
}

}  // namespace
