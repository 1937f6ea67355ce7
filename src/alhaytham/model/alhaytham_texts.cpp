// The texts of Al Haytham's rules: the list printed beside the data, and the explanation for
// the notes box.
#include "alhaytham/model/alhaytham.h"

const std::vector<RulesLine>& AlHaythamRulesList() {
    // The line at 80 stays empty: it parts the definitions and the first two rules from the rest.
    static const std::vector<RulesLine> lines{
        {110, " AL HAYTHAM'S RULES  FOR REFRACTION–Κανόνες του Al Haytham για τη διάθλαση", "", 0},
        {105, " If i1 & i2 2 incidence angles", "Αν πρ1 και πρ2 είναι δύο γωνίες πρόσπτωσης, ", 0},
        {100, " d1,d2 the  DEVIATION ANGLES", "απ1, απ2 οι γωνίες απόκλισης ", 0},
        {95, " and r1, r2 REFRACTION ANGLES, then if i2>i1:",
         "και δ1, δ2 οι γωνίες διάθλασης τότε αν πρ2>πρ1 έχομε:", 0},
        {90, "(1)d2>d1", "απ2 > απ1  .", 0},
        {85, "(2)d2 - d1 < i2-i1", "απ2 - απ1 < πρ2 - πρ1 .", 0},
        {75, "(3) d2/i2 > d1/i1.", "απ2 /πρ2 > απ1 /πρ1.", 0},
        {70, "(4) r2 > r1", "δ2 >δ1", 0},
        {65, "(5) for refraction form rare to dens d < i/2",
         "για διάθλαση από αραιό σε πυκνό απ < πρ/2", 5},
        {60, "(6) for refraction from dense to rare, d<½(i+d)",
         "για διάθλαση από πυκνό σε αραιό , απ < ½ (πρ+απ)", 6},
        {55, "(7) In a denser medium the light approaches the  peprendicular",
         "`Eνα πυκνότερο μέσο πλησιάζει το φως προς την κάθετο", 0},
        {50, "(8) In a rarer medium the  light diverges from the perpendicular",
         "`Eνα αραιότερο μέσο απομακρύνει το φως από την κάθετο.", 0},
    };
    return lines;
}

std::string AlHaythamExplanation() {
    static const char* const parts[] = {
        // Greek
        "Ο `Aραβας AL HAYTHAM που είναι γνωστός και ως Al Hazen πρότεινε διάφορους νόμους "
        "διάθλασης. Συνέκρινε τη διάθλαση προς την κίνηση ενός σώματος.",
        " Δεν έδωσε έναν ενιαίο νόμο, αλλά μια σειρά από κανόνες που συγκρίνουν τις γωνίες "
        "πρόσπτωσης, διάθλασης και απόκλισης, όπως φαίνονται στο διπλανό παράθυρο.",
        " Όπως ένα σώμα που χτυπά πλάγια μια επιφάνεια, η κίνηση του φωτός αναλύεται σε μια "
        "κάθετη και σε μια παράλληλη προς την επιφάνεια συνιστώσα. Η κίνηση κατά την κάθετο "
        "είναι η ευκολότερη: το πυκνότερο μέσο εμποδίζει την παράλληλη συνιστώσα της ταχύτητας "
        "περισσότερο από την κάθετη, γι' αυτό το φως πλησιάζει την κάθετο (ο NEWTON πίστευε ότι "
        "αλλάζει η κάθετη συνιστώσα).",
        " Στη συσκευή του ο Al Haytham χρησιμοποίησε μια δέσμη φωτός, που περνά από μια οπή "
        "ενός βαθμολογημένου δίσκου μισοβυθισμένου στο νερό.",
        " Διαπίστωσε ότι η διαθλώμενη ακτίνα, η κάθετος και η προσπίπτουσα ακτίνα βρίσκονται στο "
        "ίδιο επίπεδο. Για να ελέγξει την πορεία της διαθλώμενης ακτίνας ",
        "χρησιμοποιεί ένα κανόνα και ένα 'στύλο', η σκιά του οποίου επιβεβαιώνει τον κανόνα",
        // English
        " AL HAYTHAM (AL HAZEN) did not give a single REFRACTION law, but  a series of rules, "
        "depicted in next form. He  compared refraction to the movement of a body. ",
        " Motion along the perpendicular is the easier one: the denser medium hinders the "
        "PARALLEL component of velocity more than the perpendicular one, so the light turns "
        "towards the perpendicular (NEWTON BELIEVED THAT THE PERPENDICULAR COMPONENT CHANGES)",
        " Al Haytham's apparatus used a LIGHT BEAM. He established that the refracted ray, the  "
        "perpendicular  and the incident ray all lie on the same plane.",
        " He used a 'stylus' to check the path of refracted ray",
        "    ********   CHANGE THE INDEX OF REFRACTION. (on form 'CHECK AL HAYTHAM RULES') YOU CAN "
        "CHECK IF A RULE IS VIOLATED IF A GRAPH CHANGES COLOR. ALSO THE RULE CHANGES COLOR",
    };
    std::string text;
    for (const char* part : parts) text += part;
    return text;
}
