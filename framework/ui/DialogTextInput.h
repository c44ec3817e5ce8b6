#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/ui/Dialog.h"
#include "framework/ui/TextInput.h"

class TDialogOK;
class TScreen;

// A question answered by typing: the caption, a box with the typed line, OK (Enter) and Cancel (Escape).
// OK is taken only when the text passes: not empty unless AllowNull, and the error check's approval, whose
// refusal shows its message in an OK dialog over this one until that is closed.
class TDialogTextInput : public TDialog {
public:
    int CharWidth = 0;
    int Gap = 10;  // between the caption, the typed line's box and the buttons
    TColor BoxColor{0, 0, 0, 0.5f};
    int DrawBox = 1;
    int BoxBorderH = 10, BoxBorderV = 6;  // the box's room around the line
    int TextBorder = 0;
    TTextInput TextInput;
    int TextYOffset = 0;
    int AllowNull = 0;
    // -1 and a message refuse the text; anything else lets it pass.
    std::function<int(const std::string& text, std::string& message)> ErrorCheckFunc;
    // The dialog that shows a refusal's message.
    std::function<std::shared_ptr<TDialogOK>(const std::string& message)> ErrorDialogFunc;
    std::shared_ptr<TDialogOK> DialogOK;  // the refusal on show
    int TextOX = 0, TextOY = 0;           // a fixed place for the line, from the box's top-left
    // Asked when OK is taken: above 0 closes, 0 keeps the dialog open (it may have opened OKClickedDialog,
    // whose closing then closes this one).
    std::function<int(TDialogTextInput&)> OKClickedFunc;
    TScreen* OKClickedScreen = nullptr;
    std::shared_ptr<TDialog> OKClickedDialog;
    int DrawDisabled = 0;
    int UppercaseFirstChar = 0;
    int DimWhenShowingDialogs = 1;
    std::string ButtonName;

    // A started dialog asking for up to maxLength characters (and maxPixelWidth pixels when above 0),
    // beginning with text; the buttons are buttonFile pictures ("button" when empty).
    static std::shared_ptr<TDialogTextInput> Create(const std::string& caption, const std::string& text,
                                                    int maxLength, std::shared_ptr<TGameImage> background, int w,
                                                    int x, int y, int maxPixelWidth,
                                                    const std::string& buttonFile);
    int SetupText(std::shared_ptr<TBitmapFont> imageFont, std::shared_ptr<TColor> colour,
                  std::shared_ptr<TShadow> shadow, int yOffset, std::shared_ptr<TBitmapFont> bitmapFont);
    int MenuCreate(int withCancel, int buttonGap);
    int ProcessOKClickedFunc();
    int OKClickTest();
    int OKClick();
    int CancelClick();
    int Start() override;
    int CalcSize() override;
    int SetLabelsXY() override;
    int Manage() override;
    int Draw() override;
    int Kill() override;

private:
    // OK taken (by Enter or the button): closes with 1 when the text passes, else typing goes on.
    int TryOK();
    float LineHeight() const;
};
