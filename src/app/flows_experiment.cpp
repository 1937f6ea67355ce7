// The flow of the experiment: TRANSFER OF DATA, the semicircle's rows into the data window.
#include "app/flows.h"
#include "app/program.h"
#include "shell/model/numfmt.h"

namespace {

// The experiment's rows as the data analysis takes them: a cell without a value goes over as
// an empty box, never as a measured 0; the data window has fourteen rows, and later rows have
// nowhere to go. Then the data window is shown.
void TransferToDataWindow(Program& program, const std::vector<TransferRow>& rows) {
    const auto text = [](std::optional<float> value) { return value ? PlainNumber(*value, 7) : std::string(); };
    std::vector<std::pair<std::string, std::string>> cells;
    for (const TransferRow& row : rows) cells.push_back({text(row.incidence), text(row.refraction)});
    program.dataAnalysis.transferRows(cells);
    program.ShowWindow(QStringLiteral("inpdat"));
}

} // namespace

void ConnectExperimentFlows(Program& program) {
    program.keep(program.experiment.changed.connect([&program](ExperimentChange change) {
        if (change == ExperimentChange::Transfer)
            TransferToDataWindow(program, program.experiment.transferRows());
    }));
}
