#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/ui/Dialog.h"

// A question with a Yes and a No button: Y and Enter say yes; N and Escape say no.
class TDialogYesNo : public TDialog {
public:
    int Gap = 10;        // between the caption and the buttons
    int ButtonGap = 20;  // between the two buttons
    std::function<int()> YesFunc, NoFunc;

    // A started dialog; makeMenu 0 leaves the buttons to the caller. Without a buttonFile the two buttons
    // are the dialogs' "button" picture; either way they stand side by side, buttonGap apart.
    static std::shared_ptr<TDialogYesNo> Create(const std::string& caption,
                                                std::shared_ptr<TGameImage> background, int w, int x, int y,
                                                int makeMenu, int buttonGap, const std::string& buttonFile);
    int MenuCreate(int buttonGap, const std::string& buttonFile);
    int YesClick();
    int NoClick();
    int CalcSize() override;
    int Manage() override;
};
