#pragma once

#include "output.h"
#include "wavwriter.h"

// The sound effects of disc/wav and the intro sound of the program folder,
// synthesised: engines, horns, sirens, doors and tyres.
Wav::Audio passby(int rate, bool stereo, double seconds);
void addSoundJobs(Jobs &jobs, Output &output);
