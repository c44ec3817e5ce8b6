#pragma once

#include <memory>
#include <string>

#include "framework/ui/Dialog.h"

// A message with one OK button (Enter, Space and Escape press it too).
class TDialogOK : public TDialog {
public:
    int Gap = 10;                 // between the caption and the button
    int ClickAnywhereCloses = 0;  // any click closes it

    // A started dialog: the message in a box of background (a flat box w wide when none), with an OK
    // button of buttonFile ("OK" when empty).
    static std::shared_ptr<TDialogOK> Create(const std::string& caption, std::shared_ptr<TGameImage> background,
                                             int w, int x, int y, const std::string& buttonFile);
    int MenuCreate(const std::string& buttonFile);
    int OKClick();
    int CalcSize() override;
    int Manage() override;
};
