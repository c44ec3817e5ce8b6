#pragma once

class TDialog;

// Runs a started dialog on its own until it answers: each frame the logic ticks read the input and manage
// the dialog alone, then the current screen is drawn, standing still, with the dialog over it. Whatever
// watches play from outside (the autoplayer) still sees every tick. A request to close the window ends it
// unanswered and stays pending for the main loop. Returns the dialog's answer, 0 when it had none; 0 at
// once while another runs, so a dialog never opens inside its own drawing.
int RunModalDialog(TDialog& dialog);
// 1 while a modal dialog runs.
int ModalDialogRunning();
