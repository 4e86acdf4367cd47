#include "fakes/SaverRig.h"

SaverRig::SaverRig() {
    draw.log = &log;
}

Form1& SaverRig::Create() {
    form = std::make_unique<Form1>(SaverServices{draw, sound, store, timers, ticks, dates, random,
                                                 display, host, power, "/opt/glintfall/"});
    return *form;
}

Form1& SaverRig::Load() {
    Create();
    form->Form_Load();
    return *form;
}
