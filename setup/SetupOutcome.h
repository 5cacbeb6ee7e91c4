// How an installation or a removal ended: what its exit status tells a caller that ran it
// without a person.
#pragma once

enum class SetupOutcome
{
    Done,              // everything is in place, or gone
    DoneAfterRestart,  // done, with files that the next restart removes or replaces
    Failed,            // anything else; what could not be done has been reported
};
