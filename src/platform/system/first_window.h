#pragma once

namespace platform {

// When SCRIBARY_EXIT_AT_FIRST_WINDOW is set, the program writes "shown" on its standard output and
// ends the moment its first window has been drawn: how the start-up benchmark times a start.
// Call it once the application object exists.
void ExitAtFirstWindowWhenAsked();

}  // namespace platform
