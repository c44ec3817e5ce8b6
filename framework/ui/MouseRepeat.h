#pragma once

#include "framework/ui/HoldRepeat.h"

// Auto-repeat for a held mouse button (see THoldRepeat).
class TMouseRepeat : public THoldRepeat {
public:
    using THoldRepeat::THoldRepeat;

    // Once per tick while the pointer is over its button: 1 on a new press, 2 on a repeat, else 0.
    // A press and release that both fell between two ticks still count as a press.
    int GetButton();
};

// Auto-repeat for a held key, by its virtual-key code (see THoldRepeat).
class TKeyRepeat : public THoldRepeat {
public:
    using THoldRepeat::THoldRepeat;

    // Once per tick: 1 when the key was pressed since the last tick, 2 on a repeat while held, else 0.
    int GetKey(int code);
};
