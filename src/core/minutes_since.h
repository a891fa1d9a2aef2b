#pragma once

// Whole minutes since the pupil chose their name, from the clock's seconds since midnight.
int minutesSinceNameChosen(double secondsNow, int nameChosenSecond);
