#pragma once

// Ctrl-C as a confirmed cancel: the first SIGINT only raises a flag that the run's pump
// reads; a second one ends the program at once.
void InstallInterruptHandler();
bool Interrupted();
