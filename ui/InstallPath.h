#pragma once

#include <string>

// The file name of the user's guide inside the install folder.
inline constexpr const char* kUserGuideFileName = "Velmira Mixer - User's Guide.pdf";

// The program's data folder (the one holding the user's guide), found from the running
// executable: share/velmira under the executable's parent folder for an installed program
// (<prefix>/bin -> <prefix>/share/velmira) and likewise in the build tree
// (build/app -> build/share/velmira); the nearest of the executable's first three parent
// folders that holds it. Empty when there is none.
std::string GetInstallPath();
