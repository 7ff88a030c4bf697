// The jackpot movies a machine shows over its own screen when a top prize
// is hit. Both save the whole screen, play their animation at (200, 150),
// hold the last frame three seconds and put the screen back exactly as it
// was. They end by time; input waits until they are over (a request to
// close the window is kept and honoured afterwards).
#pragma once

class Screen;

// The car prize ("prgrssvcar") goes to the player's prizes, once per call:
// when the play that wins it is drawn, so that it is saved with that play.
void awardCarPrize();

// The car movie: plays the car animation three times.
void playCarJackpotMovie(Screen* caller);

// The plain jackpot movie: plays once and gives nothing by itself.
void playJackpotMovie(Screen* caller);
