#pragma once

#include <array>

// Where the level map's dots sit: the top-left corner of each level's dot picture in map pixels, level 1
// first, and the sizes of the dot pictures. A dot's centre lies half the picture's size in, less 2 (less 5
// for the larger special dots). The map screen and the map's painter both take the dots from here.
namespace mapdots {

struct Corner {
    int x, y;
};

inline constexpr int kMapWidth = 1024, kMapHeight = 1500;
inline constexpr int kDotSize = 36, kSpecialDotSize = 48;

// The first level of each chapter of the journey, and the last level; their dots are the special ones.
inline constexpr std::array<int, 11> kSpecialLevels = {1, 4, 9, 17, 27, 37, 47, 59, 72, 86, 100};

inline constexpr std::array<Corner, 100> kCorners = {{
    {499, 1316}, {587, 1310}, {664, 1302}, {744, 1292}, {847, 1281}, {921, 1237}, {961, 1167}, {946, 1090},
    {869, 1045}, {779, 1046}, {686, 1026}, {620, 977},  {676, 923},  {758, 890},  {782, 816},  {697, 762},
    {583, 737},  {507, 764},  {451, 798},  {409, 840},  {392, 888},  {413, 939},  {424, 992},  {385, 1033},
    {330, 1058}, {269, 1068}, {197, 1064}, {136, 1054}, {85, 1025},  {52, 979},   {37, 925},   {33, 866},
    {40, 808},   {54, 753},   {79, 704},   {116, 663},  {168, 629},  {241, 616},  {303, 615},  {367, 623},
    {429, 634},  {491, 646},  {552, 658},  {614, 668},  {679, 677},  {746, 683},  {812, 681},  {890, 677},
    {942, 639},  {966, 580},  {953, 517},  {897, 479},  {829, 464},  {760, 472},  {697, 496},  {634, 526},
    {569, 552},  {502, 571},  {426, 570},  {362, 573},  {297, 564},  {233, 550},  {175, 525},  {126, 486},
    {90, 435},   {71, 375},   {64, 317},   {68, 260},   {88, 202},   {127, 161},  {180, 176},  {208, 223},
    {237, 285},  {270, 332},  {319, 364},  {378, 373},  {439, 373},  {499, 366},  {555, 349},  {604, 319},
    {642, 278},  {671, 236},  {699, 197},  {735, 167},  {777, 150},  {821, 142},  {876, 160},  {917, 189},
    {947, 226},  {964, 270},  {961, 316},  {945, 362},  {910, 395},  {864, 415},  {814, 418},  {766, 408},
    {726, 384},  {704, 345},  {721, 306},  {758, 278},
}};

constexpr bool IsSpecial(int level) {
    for (int s : kSpecialLevels) {
        if (s == level) return true;
    }
    return false;
}

// The chapter (0 … 9) that a level belongs to; level 100 closes the last one.
constexpr int ChapterOf(int level) {
    int chapter = 0;
    for (int c = 0; c < 10; ++c) {
        if (level >= kSpecialLevels[c]) chapter = c;
    }
    return chapter;
}

struct Centre {
    double x, y;
};
// The dot centre of a level (1 … 100) in map pixels, as the game computes it.
constexpr Centre CentreOf(int level) {
    const Corner c = kCorners[level - 1];
    const int inset = IsSpecial(level) ? kSpecialDotSize / 2 - 5 : kDotSize / 2 - 2;
    return {static_cast<double>(c.x + inset), static_cast<double>(c.y + inset)};
}

}  // namespace mapdots
