// The direction of synchronisation. The window keeps no variable of this type:
// its three radio buttons are the live value; the number is stored only in a favourite.
#pragma once

enum SyncDirection { Down = 0, Up = 1, Both = 2 };
