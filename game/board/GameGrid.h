#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "framework/sprites/SineCounter.h"
#include "game/board/Board.h"
#include "game/board/HUDPowerup.h"

class TGem;
class TGameImage;

// A cell's column and row.
struct TCellPoint {
    int x = 0, y = 0;
    bool operator==(const TCellPoint&) const = default;
};
using TCrackedList = std::vector<TCellPoint>;
class TGameSound;
class THUDPowerup;

// The board of one level: its size and place on the screen, the goals and counts the level file sets, and
// the state that matching, moves, bombs and power-ups share. Made per level by the game screen, kept in
// Grid, loaded with LoadLevel. Its operations are spread over game/board by job; each group below names
// the file that holds it.
class TGameGrid {
public:
    float alpha = 1.0f;
    int h = 0;
    int cx = -1, cy = -1;  // the selected gem's cell
    int dx = -1, dy = -1;  // the cell it swaps with
    int levelwidth = 0, levelheight = 0;
    int mx = -1, my = -1;  // the cell under the mouse
    int selectedX = -1, selectedY = -1;
    int sx = 0, sy = 0;  // screen position of cell 0, 0
    float topY = 0;      // the board's slide-in offset, added when drawing
    int w = 0;
    float yacc = 0;
    float cursorTimer = 0;
    int Rocks = 0;     // rocked cells still to clear
    int Gold = 0;      // armoured cells still to clear
    int Armoured = 0;  // armour layers still to clear
    int EggCount = 0;  // skulls on the board
    int GoalArmour = 0, GoalCollect = 0, GoalRock = 0, GoalMatches = 0, GoalMatchesType = 0;
    std::string LevelName;
    int LevelOffsetX = 0, LevelOffsetY = 0;
    int Locked = 0;  // locked gems still locked
    int TargetMet = 0;
    float TimeLimit = 0;  // ticks
    int HUDPowerupBlockInput = 0;
    int BonusPower = 1;
    int BonusUsedThisFrame = 0;
    int CurrentBonusColor = 0;
    float CurrentBonusColorCounter = 0;
    int DynamicDebug = 0;
    int NearlyDone = 0;
    int TotalMatchesCount = 0;
    int HUDPowerDragging = 0;
    int ChainedBonuses = 0;
    int BlockInput = 0;
    int Mode = 0;
    int MouseUpFlag = 1;
    int PointerAnimated = 0;
    float PointerAnimCounter = 0, PointerAnimCounterStored = 0;
    int PointerAnimLength = 0;
    std::shared_ptr<THUDPowerup> PointerGemType, PointerGemTypeStored;
    int FailedMove = 0;
    float SwapCounter = 0;
    std::shared_ptr<TGem> SwapDest, SwapSource;
    float SwapTime = 200.0f;
    TSineCounter glow1, glow2, glow3, glow4, SkullAnim;
    float magicRotation = 0;
    int Exploded = 0;
    int JiggleDirection = 0;
    float JiggleMax = 4.0f;
    float JiggleOffset = 0;
    int DebugX = -1, DebugY = -1;
    float HintCounter = 0;
    int HintCurrent = 1;
    int HintGemType = 0;
    float HintLength = 2000.0f;
    int HintX = -1, HintY = -1;
    std::shared_ptr<TGameImage> BonusHighlightMidImage, CursorImage, MagicHighlightImage;
    std::shared_ptr<TGameSound> ClickSound, ClickReverseSound, InvalidSound, SwapSound, FailedSound,
        MatchOverTileSound, MatchOverArmour2Sound, MatchNoArmourSound;
    float MatchPitch = 0.8f;
    std::shared_ptr<TGameSound> LockedSound, RockedSound, UnlockSound, UnRockSound1, UnRockSound2,
        GoldCoinSound, GoldBagSound, HUDChargeSound, LandSound, MagicSound, HintSound, InvalidBonusSound,
        CrossBombSound, DiagonalBombSound, DiagonalBomb2Sound, CrossDiagBombSound, ExplodeSound,
        HorizontalBombSound, VerticalBombSound;
    int IntroColumn = 0;
    float IntroCounter = 0;
    float IntroLimit = 50.0f;
    float FallCounter = 0;  // ticks until the next resting gem may start to fall
    int DropGemsFlag = 1, MoveNeedsMatchFlag = 1, MakeNewGems = 1;
    int DiagonalMoves = 0;
    // The keyboard's cursor on the board: its cell, and whether it shows (from the first key until the
    // mouse moves).
    int KeyCursorX = -1, KeyCursorY = -1;
    int KeyCursorShown = 0;
    int Serial = 0;        // which board this is: each board made has its own number
    int TilesVersion = 0;  // counts the armour layers broken: the tiles look different after each

    // Making the board, its layout, entry rows and drawing (GameGrid.cpp).
    // A new board with the defaults, initialised.
    static std::shared_ptr<TGameGrid> Create();
    int Kill();
    // 1 when clearing the cell advances a goal: its armour (with countArmour) or a gem of the goal's type
    // while matches are still wanted.
    int GetGoalScore(int x, int y, int countArmour);
    int Init();
    int AddBorder(float x, float y, int type);
    int CalcTopRowY();
    int Centre();
    int Clear();
    int ClearBorderArray();
    int ClearGrid();
    int ClearTopRow();
    int CreateCells();
    // The frame, the tiles, then everything over them.
    int Draw();
    // What stays the same while nothing breaks a tile: the frame's shadow, the frame and the tiles.
    int DrawBase();
    // The rest: the tiles' lights, the squares under the mouse, the gems, the tutorial's marks and the
    // selection.
    int DrawOver();
    int DrawBorder();
    int DrawBorderShadow();
    int InitImages();
    int InitSounds();
    int SetBonusGlowNormal();

    // The frame's pieces from the layout, and the decorative ones a level file adds (BoardFrame.cpp).
    int AddBorderExtra(int type, int cellX, int cellY);
    int CalcBorder();

    // Level files (LevelFile.cpp).
    // Reads the level's file from the game's level folder. A file that cannot be read, or that does not fit
    // the board (more than 13 × 10 cells, rows or values past its size, too many frame pieces), is fatal
    // with a message naming the file and the line.
    int LoadLevel(int level);
    // The same from a file at any path (the level checker reads files outside the data folder).
    int LoadLevelFile(const std::string& path);
    // The same without the fatal message: false with a message naming the file and, for a file that does
    // not fit, the line. Whatever the game reads past without harm (short rows, missing rows) is added to
    // notes when given.
    bool ReadLevelFile(const std::string& path, std::string& error,
                       std::vector<std::string>* notes = nullptr);
    static std::string LevelPath(int level);

    // The move search (MoveSearch.cpp). DoNoMoreMoves(0) is 1 when no move exists; with n > 0 it looks for
    // the n-th move (the hints step through them) and starts the cycle again when there are fewer. A found
    // move leaves its cell in DebugX, DebugY.
    int DoNoMoreMoves(int n);
    // Whether swapping the gem at x, y with the one at tx, ty (in the cells only) makes a run of three.
    int CheckMove(int x, int y, int tx, int ty, int kind);
    // A run of three in the rows y and y + 1 near column x, or in the columns near x; kind 1 and 2 are
    // the diagonal swaps down-left and down-right. A hit sets HintGemType.
    int DoQuickMatchHoriz(int x, int y, int kind);
    int DoQuickMatchVert(int x, int y, int kind);
    // When the board comes to rest: a level without a move (and without a power-up that could act) ends.
    int CheckNoMoreMoves();

    // The board's tick (BoardTick.cpp): input, pulses and the shimmer, the swap, explosions, falling and
    // refilling; when the board has just come to rest, the level end and the no-more-moves rule.
    int Manage();

    // Runs (RunFinder.cpp). Finds every run of three or more and returns the number of cells in runs. With
    // countOnly the runs are only marked (match = 1, no bonus marks, nothing logged or cleared; the caller
    // reads and clears the marks); otherwise they are cleared with their points. With includeSwapping,
    // swapping gems take part (a swap being validated).
    int CheckMatches(int countOnly, int includeSwapping);
    // Marks one run, x2 and y2 exclusive; without noBonus the player logs it and the cell where its bonus
    // item is born is marked.
    int MarkMatchesHoriz(int x1, int x2, int y, int length, int noBonus);
    int MarkMatchesVert(int y1, int y2, int x, int length, int noBonus);
    // Clearing (MatchClearing.cpp). Counts the marked cells and, unless countOnly, clears them: a locked gem
    // loses only its chain, any other explodes with its points and breaks the armour under it; with
    // crackRocks, each rock beside the cleared cells cracks once.
    int ProcessMatches(int countOnly, int crackRocks);
    // match = 0 and createBonus = 0 in every cell.
    int ClearMatches();
    // Adds the cell when it is on the board, holds a rock and is not listed yet.
    int AddCracked(TCrackedList& list, int x, int y);
    // 1 when the top armour layer of the cell broke; nothing breaks under a locked or rocked gem.
    int RemoveArmour(int x, int y, int flag);
    // Takes the cell's gem off the board and out of the gem list.
    int DeleteGem(int x, int y);
    // Falling and refilling (Refill.cpp). Gems over empty cells start falling one after another, falling
    // gems move and land, and a landing checks the board for new runs: the cascades.
    int DropGems();
    // New gems (now and then a coin, a bag, a skull or a magic gem) enter at the columns' entry cells.
    int CheckTopRow();
    // Goals and the level's end (Goals.cpp). A skull reached the bottom of its column.
    int CollectEgg(TGem& gem);
    // Marks each goal met and, when all are, TargetMet.
    int CheckTarget();
    // The HUD lists the goals the level has, one row each from row 1, in the order matches (goal 1),
    // armour (2), skulls (3), rocks (4): the row of a goal (0 when the level lacks it), and the goal of a
    // row (0 for an empty row).
    int GoalRow(int goal) const;
    int GoalAtRow(int row) const;
    int CheckLevelEnd();
    // 1 when the game screen's outro started and the board was set to explode.
    int StartLevelEnd();
    // The gold rules of the frontier level (GoldRules.cpp): how many coins a level may make, and the chances
    // of coins and bags among new gems (out of 100000) and among new bonus items (out of 10000).
    int getMaxGoldAllowed();
    int getBonusGoldChance();
    int getSpawnGoldChance();
    int getBonusBagChance();
    int getSpawnBagChance();
    // The armour shimmer (ArmourShimmer.cpp): a diagonal sweep of light over the gold tiles, now and then.
    int FlashColumn(int d);
    int IntroFlash();
    int StartIntroFlash();
    int RandomFlash();
    int ManageFlash();
    // The player's hand (BoardMouse.cpp), once a tick: selecting, swapping by a second click or by dragging,
    // collecting coins and bags, setting off a bonus item by clicking it twice, taking up a power-up from the
    // HUD and dropping it on a cell. Everything comes from the mouse pointer, as a person moves it.
    int CheckMouse();
    // The neighbour of the selection in the direction the mouse moved since the gem was taken (the
    // larger of the two moves; a tie goes sideways). 1 with the target in mx, my; 0 when it would leave
    // the board or enter a hole, which drops the selection.
    int CheckDrag();
    // What a press does, by mouse or by key. On the cell x, y with nothing selected (px, py is where it
    // landed on the screen, for a falling coin): a carried power-up is used there, a coin or bag collected,
    // a gem selected. On the selection: a bonus item goes off when pressed again within a second, anything
    // else is let go. With the selection's neighbour x, y: the swap, unless that cell refuses it.
    int PressCell(int x, int y, int px, int py);
    int PressSelection();
    int SwapSelectionWith(int x, int y);
    // The keyboard's hand (BoardKeys.cpp), once a tick after the mouse's: the arrows move the cursor, or
    // with a gem selected swap it that way; Enter or Space press the cell under the cursor; 1 to 6 take up
    // the power-up of that HUD slot from the left (or put it back), the controller's shoulder buttons step
    // through the charged ones.
    int CheckKeys();
    // Takes up the power-up of HUD slot n (1 to 6 from the left); puts it back when it is the one carried.
    int TakeUpPowerupSlot(int n);
    // The slot n, 1 to 6 from the left, that holds this power-up; 0 for none.
    static int PowerupSlotOf(const THUDPowerup* powerup);
    int SetCursor(int x, int y);
    // No gem selected.
    int ClearCursor();
    // Drops the selection and any carried power-up, with the reverse click when asked.
    int ClearBonus(int withSound);
    // Puts a carried power-up back on the HUD.
    int ClearHUDCursor(int withSound);

    // The swap (BoardSwap.cpp): both gems glide into each other's cells in SwapTime ticks, then the move
    // stands when it makes a run (or moves a bonus item) and glides back with the failed sound when it does
    // not.
    int StartSwap();
    // The same with the cell x, y.
    int StartSwapTo(int x, int y);
    int ManageSwap();
    // 1 when a swap was made.
    int StopSwap();
    int ReverseSwap();
    // The swap moves a bonus item.
    int IsBonusSwap();
    // A swap under way, forwards or back.
    bool SwapRunning() const { return SwapSource != nullptr; }

    // The hint and the lost board's shake (BoardHint.cpp). Each hint shows the next possible move (or a
    // usable power-up) swaying for two seconds.
    int StartHint();
    int ManageHint();
    int StopHint();
    // The lost board shakes while the game screen's end animation counts down to limit, then flies apart.
    int ManageJiggle(float limit);

    // The mouse pointer (BoardPointer.cpp): the plain arrow, or a power-up carried to the board.
    int SetBonusPointer(std::shared_ptr<THUDPowerup> powerup, int restore);
    int RestorePointer();
    // 2 puts a carried power-up aside and shows the arrow; 3 takes it up again.
    int TogglePointer(int kind);
    int SetPointerFrame();
    int AnimatePointer();
    // The six power-ups of the HUD, highlighted under the mouse.
    int DrawHUDPowers();

    // Bonus items (Bombs.cpp). A new one where a long run or a crossing asked for it (kind 1 from four, 2
    // from five or a crossing): a bomb the shop allows, now and then a coin or a bag instead.
    int CreateBonus(int x, int y, int kind);
    // Sets off a bomb or collects a coin or bag; x, y of -1 mean the cell under the mouse. 1 when something
    // happened.
    int ActivateBonus(TGem& gem, int x, int y);
    // The seven bombs; the level is 1 or 2 (the upgraded bomb). Each hits the cells of its shape: the
    // armour first, then the gem; a bomb among them goes off at once.
    int UseBomb(int x, int y, int level);
    int UseHorizontalBomb(int flag, int x, int y, int level);
    int UseVerticalBomb(int x, int y, int level);
    int UseCrossBomb(int x, int y, int level, int withEffects);
    int UseDiagonalBomb(int x, int y, int level, int withEffects);
    int UseCrossDiagBomb(int x, int y, int level);
    int UseMegaBomb(int x, int y, int level);
    // A clicked coin or bag: its gold flies to the HUD. The caller takes the gem off the board.
    int UseCoin(TGem& gem, float px, float py);
    // One hit on a cell: a rock cracks, a chain comes off, a bomb goes off, any other gem explodes with
    // its points; skulls, coins and bags stay. 1 when the hit was spent on a chain.
    int DestroySquare(int x, int y, int removeArmour);
    // The same, nothing for a cell off the board.
    int DestroySquareSafe(int x, int y, int removeArmour);
    // The areas of the bombs and of the three power-ups dragged onto the board (level 0 to 2 for those),
    // clipped to the board (BombAreas.cpp).
    THUDPowerInfoList GetBombPoints(int x, int y, int level);
    THUDPowerInfoList GetMegaPoints(int x, int y);
    THUDPowerInfoList GetStakePoints(int x, int y, int level);
    THUDPowerInfoList GetHammerPoints(int x, int y, int level);
    THUDPowerInfoList GetBroomPoints(int x, int y, int level);
    // The power-ups dragged onto the board (PowerupUses.cpp).
    int UseStake(int x, int y, int level);
    int UseHammer(int x, int y, int level);
    int UseBroom(int x, int y, int level);

private:
    // The common steps of every bomb and power-up use, before and after its hits (Bombs.cpp).
    void StartBlast(int level, int showTip);
    void EndBlast();
    // The bomb's hit on a cell that may lie off the board.
    void Hit(int x, int y);
    // The cross and diagonal bombs: hits out along four rays.
    void HitRays(int x, int y, int level, const std::array<TPoint, 4>& directions);
    // The square under the mouse, the area of a carried power-up and the selection (GameGrid.cpp).
    void DrawMouseSquares() const;
    void DrawSelection() const;
    void DrawKeyCursor() const;
    // The next charged power-up after the one carried, by HUD slot, going step (1 or -1) slots at a time.
    int NextChargedSlot(int step) const;
    int keyMouseX_ = -1, keyMouseY_ = -1;  // where the mouse was when the keys last looked
    // The decorative pieces, then the computed frame, in the order they were added.
    void DrawPieces(float offsetX, float offsetY) const;
    // Where the mouse may take the selected gem (BoardMouse.cpp): the cell is active, a neighbour and,
    // for a drag while diagonal moves last, the mouse lies on the cell's middle.
    bool MouseOnDiagonalMask(int x, int y) const;
    // Collects a coin or bag standing in a cell or falling under the mouse; true when one was.
    bool CollectCoinAt(int x, int y);
    // The gem the hint sways (BoardHint.cpp).
    std::weak_ptr<TGem> hintedGem_;
    // The runs of the board, marked one by one (RunFinder.cpp).
    template <typename Mark>
    void FindRuns(int includeSwapping, int lines, int length, Mark mark);
    // Gems over empty cells start falling, one per column every few ticks (Refill.cpp).
    void ReleaseGems();
    // Moves the falling gems; whether any moved and whether any landed.
    void MoveFallingGems(bool& moved, bool& landed);
    std::array<std::vector<TGem*>, kMaxColumns> fallenThisTick_;  // per column, kept to spare allocations
};
