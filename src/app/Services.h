// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the application controller needs from the platform, handed in at
// construction so that tests can give scripted fakes for the modal and audible
// parts and real ones for the rest.
#include <functional>

namespace quavero {

class IPreferences;
class IPrompts;
class IAppearance;
class IDesktop;
class ISoundFactory;
class INotifier;

// The pauses of a conversion run. The program always uses these values (the
// pause only while "Pause 2 seconds between files" is on); tests may shorten them.
struct RunTimings {
    int firstStepMs = 100;     // from the run window's opening to the first file
    int betweenFilesMs = 2000; // from the end of one file to the start of the next
};

struct Services {
    IPreferences *preferences = nullptr;
    IPrompts *prompts = nullptr;
    IAppearance *appearance = nullptr;
    IDesktop *desktop = nullptr;
    ISoundFactory *sounds = nullptr;
    // Desktop notifications; none means no notification is sent.
    INotifier *notifier = nullptr;
    // Ends the process with the given status (Terminate_App). Tests replace it.
    std::function<void(int)> exitProcess;
    RunTimings timings;
};

} // namespace quavero
