// Feeds the saver a hand-edited settings store: the input is read as lines of
// "key=value" (section "Music" for keys starting with "Music"), then the
// saver loads, runs timers, frames and keys for a while. Crashes, hangs and
// undefined behaviour are what the fuzzer looks for.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "fakes/SaverRig.h"
#include "settings/NumberText.h"
#include "startup/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    // The texts alone, as the command line and the number reader see them.
    const CommandLine commandLine(text);
    (void)commandLine.Mode();
    (void)commandLine.PreviewWindow();
    (void)TextToInt16(text);

    SaverRig rig;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string section = key.rfind("Music", 0) == 0 ? "Music" : "Settings";
        rig.store.values[{section, key}] = line.substr(equals + 1);
    }
    Form1& form = rig.Load();
    const int16_t keys[] = {78, 80, 81, 83, 38, 40};
    for (int second = 0; second < 40 && !form.Ended(); ++second) {
        rig.TimerApp().Fire();
        rig.TimerBG().Fire();
        rig.Timer2().Fire();
        rig.TimerMIDI().Fire();
        rig.sound.playing = second % 3 != 0;
        for (int frame = 0; frame < 5; ++frame) {
            rig.ticks.now += 7;
            form.ComposeFrame();
        }
        form.KeyDown(keys[static_cast<size_t>(second) % 6], 0);
        form.MouseMove(0, 0, 1, 1);
    }
    return 0;
}
