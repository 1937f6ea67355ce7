#include "app/flows.h"
#include "app/program.h"
#include "particles/somata.h"
#include "waves/rixo.h"

// The interpretation's windows answer what their part asks of them. A request to a window
// that is not loaded yet loads it first, as reading one of its controls did; loaded, it
// answers this request too.
void ConnectInterpretationFlows(Program& program) {
    program.keep(program.interpretation.changed.connect([&program](InterpretationChange change) {
        using C = InterpretationChange;
        const bool toWaves = change == C::WaveScene || change == C::WaveFrame ||
                             change == C::RayPicture || change == C::WaveClock;
        const bool toParticles =
            change == C::NewtonOneLayer || change == C::PanelMoved || change == C::NewtonStream;
        if (toWaves && !program.forms.isLoaded("rixo")) program.forms.rixo().answer(change);
        if (toParticles && !program.forms.isLoaded("somata")) program.forms.somata().answer(change);
    }));
}
