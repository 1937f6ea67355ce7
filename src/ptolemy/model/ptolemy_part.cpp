#include "ptolemy/model/ptolemy_part.h"

#include "data/model/note_figures.h"

void PtolemyReconstruction::setApparatus(int water, int target, int position) {
    targetAngle = target;
    airPosition = position;
    const PtolemyScene s = ComputePtolemyScene(water, tau(), p());
    waterAngle = int(s.w);
    changed.notify({PtolemyChange::Apparatus, s.edgeMessage});
}

void PtolemyReconstruction::showTable(PtolemyMedium m) {
    medium = m;
    pair.reset();
    changed.notify({PtolemyChange::Table, {}});
}

void PtolemyReconstruction::rebuildFrom(const std::string& answer) {
    pair = PairFromAnswer(answer);
    changed.notify({PtolemyChange::Table, {}});
}

std::string PtolemyReconstruction::explanation() {
    // Five paragraphs in Greek, then the English.
    return "O ΠΤΟΛΕΜΑΙΟΣ (Κλαύδιος), είναι οδιάσημος αρχαίος αστρονόμος, ο πρώτος που μελέτησε "
           "πειραματικά το νόμο της διάθλασης. Για το σκοπό αυτό κατασκεύασε μια ειδική συσκευή."
           " Ένας χάλκινος δίσκος ABGD ήταν χωρισμένος σε 4 τεταρτημόρια και βαθμολογημένος σε "
           "μοίρες. Στο κέντρο E ήταν στερεωμένο ένα μικρό σώμα."
           " Δύο κινητά σώματα τοποθετούνται στα δύο τεταρτημόρια, κατά μήκος των τόξων DA και BG: "
           "ο στόχος Z στο DA και το σώμα H στο BG."
           " Ο δίσκος στέκεται κατακόρυφα, βυθισμένος ως τη διάμετρο DB στο νερό. Με το Z "
           "διαλέγεται μια γωνία πρόσπτωσης ZEA."
           " Ο παρατηρητής κοιτάζει κατά μήκος της ακτίνας από το Z και μετακινεί το H ώσπου τα "
           "τρία σώματα Z, E, H να φαίνονται στην ίδια ευθεία. Τότε μετρά τη γωνία διάθλασης GEH."
           "                                 PTOLEMY, was the famous ancient astronomer. He was "
           "the first to study experimentally REFRACTION'S LAW. For this purpose he built a "
           "special  apparatus:"
           " A copper disk ABGD was subdivided into 4 quarters. It was graduated in degrees. One "
           "small body is fixed on the center. Two movable bodies (along arcs DA, BG) are put on "
           "the two  quarters. Target Z is on DA. H on BG. "
           " An incidence angle is chosen with Z. Then  as the observer  looks  along the radius "
           "from Z (angle ZEA), body H is  moved until the 3  bodies  Z, E, H are aligned. Then  "
           "the  refraction angle HEG is measured";
}

Figure PtolemyReconstruction::apparatusFigure() {
    return PtolemyFigure("PTOLEMY'S APPARATUS Η συσκευή του Πτολεμαίου");
}

void PtolemyReconstruction::explain() { changed.notify({PtolemyChange::Explanation, {}}); }
