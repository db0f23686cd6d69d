#pragma once

// Timer intervals in milliseconds. Tests may shorten them through AppDelegate.
struct Timing {
    int oneShotMs = 200;   // start-up dialog, add-photo dialog, row selections
    int pollMs = 1000;     // save and share polls
    int busyDelayMs = 500; // a save, copy or share shows that it is busy after this long
};
