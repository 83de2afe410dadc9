#pragma once

struct RenderOptions;

// Renders the playlist of the command line: validates every file as the playlist's add
// does, refuses an output that is one of the inputs or a mix too long for a WAV file,
// then runs the mix. Returns the exit code: 0 completed, 1 failed, 130 cancelled.
int RunRenderCommand(const RenderOptions& options);

// The whole program: parses argv and renders; 2 for a wrong command line.
int RenderMain(int argc, const char* const* argv);
