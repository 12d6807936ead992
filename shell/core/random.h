#pragma once
// The program's one random number generator, seeded from the clock at start-up; drawn by the
// main window's advert choice and re-seeded by the exit window.

namespace modHelp {

void randomize();
float rnd(); // uniform in [0, 1)

} // namespace modHelp
