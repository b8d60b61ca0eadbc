#pragma once
// The platform services the shell's windows use; tests give scripted ones.
#include "platform/program_paths.h"

namespace wertan {

class KeyboardToggles;
class Launcher;
class Prompts;
class SettingsStore;

struct ShellServices {
    Prompts& prompts;
    SettingsStore& settingsStore;
    Launcher& launcher;
    KeyboardToggles& keyboard;
    ProgramPaths paths;
};

} // namespace wertan
