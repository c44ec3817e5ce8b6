#pragma once

// Puts every picture of the board and its gems into the image bank (tiles and frame pieces by their
// top-left corner, gems and items by their centre) and hands them to the cells and the gems. The loading
// screen calls it with the rest of the game's pictures; the level checker on its own.
int LoadBoardPictures();

// The framework's pointer becomes the game's arrow once its picture is loaded.
int UseArrowPointer();

class TLoadList;
// The same as a list: one item a file.
void ListBoardPictures(TLoadList& list);
