#include "app/flows.h"
#include "app/program.h"
#include "data/inpdat.h"
#include "shell/model/numfmt.h"

#include <algorithm>

namespace {

// TRANSFER OF DATA: the experiment's rows into the data window's boxes, which are fourteen
// (later rows have nowhere to go); a cell without a value leaves its box empty, never a
// measured 0. Then the data window is shown.
void TransferToDataWindow(Program& program, const std::vector<TransferRow>& rows) {
    ::inpdat& data = program.forms.inpdat();
    const auto put = [](QLineEdit* box, std::optional<float> value) {
        if (value)
            box->setText(QString::fromStdString(PlainNumber(*value, 7)));
        else
            box->clear();
    };
    for (std::size_t i = 0; i < std::min(rows.size(), data.Text1.size()); ++i) {
        put(data.Text1[i], rows[i].incidence);
        put(data.Refr[i], rows[i].refraction);
    }
    data.Show();
}

} // namespace

void ConnectExperimentFlows(Program& program) {
    program.keep(program.experiment.changed.connect([&program](ExperimentChange change) {
        if (change == ExperimentChange::Transfer)
            TransferToDataWindow(program, program.experiment.transferRows());
    }));
}
