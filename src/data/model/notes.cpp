#include "data/model/notes.h"

#include <map>

std::string HistoryNote::Text() const {
    std::string out;
    auto add = [&out](const std::vector<std::string>& paragraphs) {
        for (const std::string& p : paragraphs) {
            if (!out.empty()) out += "\n\n";
            out += p;
        }
    };
    add(greek);
    add(english);
    return out;
}

namespace {

HistoryNote AlHaythamNote() {
    return {"AL HAYTHAM",
            11,
            {"Ο Ιμπν αλ-Χάιθαμ (Al Haytham, γνωστός στη Δύση ως Alhazen, περίπου 965–1040) "
             "γεννήθηκε στη Βασόρα και έζησε το μεγαλύτερο μέρος της ζωής του στο Κάιρο. Το "
             "«Βιβλίο της Οπτικής» του, γραμμένο γύρω στο 1011–1021, μεταφράστηκε στα λατινικά "
             "και ήταν η βάση της οπτικής στην Ευρώπη ως την εποχή του Κέπλερ.",
             "Δεν έδωσε έναν ενιαίο νόμο της διάθλασης αλλά μια σειρά από κανόνες που συγκρίνουν "
             "τις γωνίες πρόσπτωσης, διάθλασης και απόκλισης: όταν μεγαλώνει η γωνία πρόσπτωσης "
             "μεγαλώνει και η απόκλιση, όχι όμως όσο η πρόσπτωση· ένα πυκνότερο μέσο φέρνει το "
             "φως πιο κοντά στην κάθετο, ένα αραιότερο το απομακρύνει από αυτήν. Οι κανόνες "
             "τυπώνονται στο παράθυρο της γραφικής παράστασης και ελέγχονται με τον νόμο του Snell "
             "στο παράθυρο «CHECK AL HAYTHAM'S RULES ».",
             "Μέτρησε τις γωνίες με μια συσκευή που θυμίζει τον δίσκο του Πτολεμαίου: μια δέσμη "
             "φωτός περνούσε από μικρές οπές, έπεφτε στο νερό ή στο γυαλί, και η διαθλασμένη "
             "ακτίνα διαβαζόταν πάνω σε βαθμολογημένο χάλκινο δίσκο. Έτσι διαπίστωσε ότι η "
             "προσπίπτουσα ακτίνα, η κάθετος και η διαθλασμένη ακτίνα βρίσκονται στο ίδιο "
             "επίπεδο.",
             "Θεωρούσε το φως κάτι που κινείται, όπως ένα μικρό σώμα, και εξήγησε τη διάθλαση "
             "αναλύοντας την κίνησή του σε μια συνιστώσα κάθετη στην επιφάνεια και μια παράλληλη "
             "προς αυτήν. Το πυκνότερο μέσο αντιστέκεται περισσότερο στην κίνηση, γι' αυτό κατά "
             "τον Al Haytham το φως κινείται πιο αργά μέσα σε αυτό. Η συσκευή του φαίνεται στο "
             "παράθυρο που ανοίγει μαζί με αυτό το σημείωμα."},
            {" AL HAYTHAM (AL HAZEN) did not give a single REFRACTION law, but  a series of rules, "
             "depicted in next form. Ibn al-Haytham (about 965-1040) set them out in his Book of "
             "Optics: as the incidence grows the deviation grows too, but less than the incidence; "
             "a denser medium brings the light towards the perpendicular, a rarer one turns it "
             "away from it.",
             "He measured the angles with a graduated disc much like Ptolemy's, sending a beam of "
             "light through small holes, and found that the incident ray, the perpendicular and "
             "the refracted ray lie in one plane. He treated light as something that moves, like "
             "a small body, and explained refraction by splitting its motion into a part across "
             "the surface and a part along it; the denser medium resists the motion more, so for "
             "him light moves more slowly in it. His apparatus is shown in the window that opens "
             "with this note."}};
}

HistoryNote DescartesNote() {
    return {"DESCARTES",
            12,
            {"Ο Ρενέ Ντεκάρτ (René Descartes, 1596–1650) δημοσίευσε τον νόμο των ημιτόνων το 1637 "
             "στη «Διοπτρική» (La Dioptrique), ένα από τα δοκίμια που συνόδευαν τον «Λόγο περί "
             "της μεθόδου». Γι' αυτό στη Γαλλία ο νόμος λέγεται ακόμη και σήμερα νόμος του "
             "Descartes.",
             "Για να αποδείξει τον νόμο χρησιμοποίησε ένα μοντέλο: παρομοίασε το φως με μια μπάλα "
             "που πέφτει πάνω σε ένα λεπτό δίχτυ και το σπάει. Το δίχτυ αλλάζει μόνο την ταχύτητα "
             "της μπάλας κάθετα στην επιφάνεια· η ταχύτητα παράλληλα στην επιφάνεια μένει η ίδια. "
             "Από αυτό προκύπτει ότι ο λόγος του ημιτόνου της γωνίας πρόσπτωσης προς το ημίτονο "
             "της γωνίας διάθλασης είναι σταθερός για δύο δεδομένα μέσα.",
             "Επειδή το φως πλησιάζει την κάθετο όταν μπαίνει στο νερό ή στο γυαλί, ο Descartes "
             "έπρεπε να δεχτεί ότι το φως κινείται ευκολότερα, δηλαδή ταχύτερα, στο πυκνότερο "
             "μέσο. Αυτό το αμφισβήτησε ο Fermat, και το διέψευσαν οι μετρήσεις της ταχύτητας του "
             "φωτός στο νερό τον 19ο αιώνα. Το μοντέλο του Descartes με τα σωματίδια φαίνεται στο "
             "παράθυρο της ερμηνείας."},
            {"    ******   DESCARTES proved Snell's law. He used a model. In this model he compared "
             "light with a ball falling on a fragile net and breaking through it: the net changes "
             "only the ball's speed across the surface, while its speed along the surface stays "
             "the same. So the sine of the incidence and the sine of the refraction keep a fixed "
             "ratio.",
             "He published the law in his Dioptrique (1637), one of the essays printed with the "
             "Discourse on Method. Because light bends towards the perpendicular when it enters "
             "water or glass, his model needs light to move more easily, that is faster, in the "
             "denser medium."}};
}

HistoryNote FermatNote() {
    return {"FERMAT",
            12,
            {"Ο Πιερ ντε Φερμά (Pierre de Fermat, 1601–1665), Γάλλος νομικός και μαθηματικός, "
             "δεν δεχόταν την απόδειξη του Descartes. Ανάμεσα στο 1657 και στο 1662 απέδειξε τον "
             "νόμο της διάθλασης με την αρχή του ελάχιστου χρόνου: το φως πηγαίνει από ένα σημείο "
             "σε ένα άλλο ακολουθώντας τη διαδρομή που χρειάζεται τον ελάχιστο δυνατό χρόνο.",
             "Ο Fermat υπέθεσε, αντίθετα με τον Descartes, ότι το φως κινείται πιο αργά στο "
             "πυκνότερο μέσο. Βρήκε ότι η διαδρομή ελάχιστου χρόνου ικανοποιεί τη σχέση "
             "ημίτονο πρόσπτωσης / ημίτονο διάθλασης = ταχύτητα στο μέσο 1 / ταχύτητα στο μέσο 2. "
             "Κατέληξε δηλαδή στον ίδιο νόμο με διαφορετική μορφή: ο λόγος των ημιτόνων είναι ο "
             "λόγος των ταχυτήτων και όχι ο αντίστροφός του.",
             "Στο σχήμα ο χρόνος κατά τη διαδρομή ZEH, που ακολουθεί τον νόμο, είναι μικρότερος "
             "από τον χρόνο κατά οποιαδήποτε άλλη διαδρομή, όπως η ZGH. Η αρχή γενικεύει την "
             "απόδειξη του Ήρωνα για την ανάκλαση, όπου η συντομότερη διαδρομή είναι και η "
             "ταχύτερη."},
            {" *****  FERMAT proved SNELL'S law using the LEAST TIME PRINICIPLE: Light moves from "
             "one point to  another, following the path of least possible time.",
             "Pierre de Fermat worked it out between 1657 and 1662. Unlike Descartes, he assumed "
             "that light moves more slowly in the denser medium, and from least time he found "
             "that the sine of the incidence over the sine of the refraction equals the speed in "
             "the first medium over the speed in the second. In the figure the time along ZEH is "
             "smaller than the time along any other path, such as ZGH."}};
}

HistoryNote FresnelNote() {
    return {"FRESNEL",
            13,
            {"Ο Ογκυστέν Φρενέλ (Augustin Fresnel, 1788–1827), Γάλλος μηχανικός, θεμελίωσε την "
             "κυματική θεωρία του φωτός. Το 1818 υπέβαλε στη Γαλλική Ακαδημία των Επιστημών μια "
             "εργασία για την περίθλαση, που βραβεύτηκε το 1819: τα κύματα εξηγούσαν τους φωτεινούς "
             "και σκοτεινούς κροσσούς που δεν μπορούσε να εξηγήσει η θεωρία των σωματιδίων.",
             "Το 1821 έδειξε ότι το φως είναι εγκάρσιο κύμα, και ως το 1823 βρήκε τους τύπους που "
             "δίνουν πόσο φως ανακλάται και πόσο διαθλάται σε μια διαχωριστική επιφάνεια: τη "
             "μερική ανάκλαση. Οι τύποι του Fresnel εξηγούν γιατί ένα τζάμι ανακλά λίγο φως όταν "
             "το κοιτάμε κάθετα και πολύ περισσότερο όταν το κοιτάμε πλάγια.",
             "Στην κυματική θεωρία ο νόμος του Snell προκύπτει όταν η ταχύτητα του φωτός είναι "
             "μικρότερη στο πυκνότερο μέσο, όπως το ήθελε ο Fermat και όχι ο Newton. Τα ποσοστά "
             "του ανακλώμενου και του διαθλώμενου φωτός φαίνονται στο παράθυρο της ερμηνείας με "
             "κύματα."},
            {}};
}

HistoryNote HeroNote() {
    return {"HERO OF ALEXANDRIA",
            13,
            {"Ο Ήρων ο Αλεξανδρεύς (1ος αιώνας μ.Χ.) έγραψε τα «Κατοπτρικά», ένα βιβλίο για τα "
             "κάτοπτρα. Οι αρχαίοι Έλληνες γνώριζαν ήδη ότι στην ανάκλαση η γωνία πρόσπτωσης είναι "
             "ίση με τη γωνία ανάκλασης. Ο Ήρων εξήγησε τον νόμο με μια αρχή: το φως ακολουθεί "
             "τη συντομότερη δυνατή διαδρομή.",
             "Η απόδειξη (σχήμα): το φως ξεκινά από το Z και φτάνει στο μάτι H μετά την ανάκλαση "
             "στο κάτοπτρο. H' είναι το συμμετρικό του H ως προς το κάτοπτρο. Για κάθε σημείο G "
             "του κατόπτρου είναι GH = GH', άρα ZG + GH = ZG + GH'. Η τεθλασμένη ZGH' είναι "
             "μεγαλύτερη από την ευθεία ZEH', όπου E το σημείο στο οποίο η ευθεία ZH' συναντά το "
             "κάτοπτρο. Επομένως η διαδρομή ZEH είναι η συντομότερη, και στο E οι γωνίες "
             "πρόσπτωσης και ανάκλασης είναι ίσες.",
             "Η ιδέα του Ήρωνα για τη συντομότερη διαδρομή ξαναζωντάνεψε δεκαέξι αιώνες αργότερα "
             "στην αρχή του ελάχιστου χρόνου του Fermat, που ισχύει και για τη διάθλαση."},
            {}};
}

HistoryNote KeplerNote() {
    return {"KEPLER",
            12,
            {"Ο Γιοχάνες Κέπλερ (Johannes Kepler, 1571–1630) μελέτησε τη διάθλαση στα «Συμπληρώματα "
             "στον Βιτέλλιο» (Ad Vitellionem Paralipomena, 1604), χρησιμοποιώντας τους πίνακες "
             "του Βιτέλλιου, και στη «Διοπτρική» (Dioptrice, 1611). Τον ακριβή νόμο δεν τον βρήκε.",
             "Για μικρές γωνίες πρόσπτωσης, ως τις 40° με 45° περίπου, πρότεινε έναν προσεγγιστικό "
             "νόμο: η γωνία διάθλασης είναι ανάλογη της γωνίας πρόσπτωσης. Για το γυαλί η "
             "διάθλαση είναι περίπου τα 2/3 της πρόσπτωσης· αυτή είναι η βάση του εμπειρικού "
             "κανόνα «διάθλαση = 2/3 πρόσπτωσης» και του αντίστροφού του, 3/2, για το φως που "
             "βγαίνει από το γυαλί στον αέρα. Για μεγαλύτερες γωνίες ο νόμος αυτός απέχει όλο "
             "και περισσότερο από τις μετρήσεις.",
             "Στη «Διοπτρική» ο Κέπλερ περιέγραψε και την ολική ανάκλαση: το φως που πέφτει από το "
             "γυαλί στον αέρα με γωνία μεγαλύτερη από 42° περίπου δεν βγαίνει στον αέρα. Το "
             "μοντέλο του Κέπλερ μπορείτε να το δείτε πάνω στα δεδομένα από το μενού MODELS."},
            {}};
}

HistoryNote NewtonNote() {
    return {"NEWTON",
            13,
            {"Ο Ισαάκ Νεύτων (Isaac Newton, 1643–1727) έχει εξέχουσα θέση στην ιστορία της "
             "οπτικής. Με τα πειράματά του με πρίσματα (1666–1672) έδειξε ότι το λευκό φως "
             "αποτελείται από χρώματα που διαθλώνται το καθένα διαφορετικά. Τις ιδέες του για το "
             "φως τις συγκέντρωσε στο βιβλίο «Οπτική» (Opticks, 1704).",
             "Ο Newton πίστευε ότι το φως αποτελείται από μικρά σωματίδια. Στις «Αρχές» "
             "(Principia, 1687) και στην «Οπτική» εξήγησε τη διάθλαση με δυνάμεις: κοντά στην επιφάνεια ενός πυκνότερου σώματος υπάρχει ένα λεπτό στρώμα, "
             "μέσα στο οποίο το σώμα έλκει τα σωματίδια του φωτός. Στο στρώμα η ταχύτητα του "
             "σωματιδίου παράλληλα στην επιφάνεια μένει ίδια, ενώ η κάθετη συνιστώσα αυξάνεται· "
             "η τροχιά του καμπυλώνεται προς την κάθετο (κόκκινη τροχιά στο σχήμα) και μετά "
             "συνεχίζει ευθύγραμμα με τη γωνία διάθλασης.",
             "Έτσι ο λόγος των ημιτόνων είναι ίσος με τον λόγο των ταχυτήτων, και το φως πρέπει "
             "να κινείται ταχύτερα στο πυκνότερο μέσο, όπως στο μοντέλο του Descartes. Ένα "
             "σωματίδιο που βγαίνει από το γυαλί επιβραδύνεται κάθετα στην επιφάνεια και "
             "απομακρύνεται από την κάθετο (μπλε τροχιά)· πέρα από την κρίσιμη γωνία η δύναμη το "
             "γυρίζει πίσω στο γυαλί, και αυτή είναι η ολική ανάκλαση."},
            {"  ********  NEWTON has a very  prominent position in the history of OPTICS. He "
             "believed in a corpuscular nature of light. In his Principia (1687) and his "
             "Opticks (1704) he explained refraction by forces: near the surface of a denser body there is a thin layer in "
             "which the body attracts the particles of light. Inside the layer a particle keeps "
             "its speed along the surface and gains speed across it, so its path bends towards "
             "the perpendicular (the red path) and then goes on straight at the refraction angle; "
             "a particle leaving the glass is slowed across the surface and bends away from the "
             "perpendicular (the blue path). The ratio of the sines is then the ratio of the "
             "speeds, greater in the denser medium.",
             "   IN THIS PROGRAM ARE PRESENTED THE DATA OF PTOLEMY,Al Hazen  AND Newton. Newton's "
             "data reach far larger incidences than the older tables."}};
}

HistoryNote PtolemyNote() {
    return {"ABOUT PTOLEMY",
            13,
            {"Ο Κλαύδιος Πτολεμαίος έζησε στην Αλεξάνδρεια τον 2ο αιώνα μ.Χ. και είναι γνωστός "
             "κυρίως ως αστρονόμος. Στο πέμπτο βιβλίο των «Οπτικών» του, που σώθηκε μόνο σε μια "
             "λατινική μετάφραση του 12ου αιώνα από τα αραβικά, περιγράφει πώς μέτρησε τη "
             "διάθλαση.",
             "Χρησιμοποίησε έναν χάλκινο δίσκο βαθμολογημένο σε μοίρες, μισοβυθισμένο στο νερό "
             "(σχήμα). Κοιτάζοντας από το Z προς το κέντρο E, μετακινούσε ένα μικρό σώμα στην "
             "περιφέρεια του δίσκου μέσα στο νερό ώσπου να φαίνεται στην ίδια ευθεία, στο H. Έτσι "
             "διάβαζε τη γωνία διάθλασης για γωνίες πρόσπτωσης από 10° έως 80° ανά 10°, από τον "
             "αέρα στο νερό, από τον αέρα στο γυαλί και από το νερό στο γυαλί.",
             "Οι πίνακές του δεν ακολουθούν απλή αναλογία: οι διαφορές των διαδοχικών γωνιών "
             "διάθλασης μικραίνουν κάθε φορά κατά μισή μοίρα, δηλαδή οι δεύτερες διαφορές είναι "
             "σταθερές. Πιθανότατα ο Πτολεμαίος διόρθωσε τις μετρήσεις του ώστε να ακολουθούν "
             "αυτόν τον κανόνα. Για μικρές γωνίες θεωρούσε τη διάθλαση ανάλογη της πρόσπτωσης. Η "
             "συσκευή του φαίνεται στο παράθυρο που ανοίγει μαζί με αυτό το σημείωμα."},
            {"                                 PTOLEMY, was the famous ancient astronomer. He "
             "lived in Alexandria in the 2nd century AD. In the fifth book of his Optics he "
             "describes a bronze disc graduated in degrees and half sunk in water: looking from Z "
             "towards the centre E, he moved a small body along the rim in the water until it was "
             "seen in line, at H, and so read the refraction for incidences of 10 to 80 degrees.",
             "His tables, from air to water, air to glass and water to glass, have first "
             "differences that fall by half a degree each step: a constant second difference, "
             "which he seems to have smoothed his readings to follow."}};
}

HistoryNote SnellNote() {
    return {"SNELL",
            13,
            {"Ο Ολλανδός Βίλεμπρορντ Σνελ (Willebrord Snel van Royen, Snellius, 1580–1626) ήταν "
             "καθηγητής των μαθηματικών στο Πανεπιστήμιο του Λέιντεν. Είναι γνωστός και για τη "
             "μέτρηση της Γης με τριγωνισμό, που δημοσίευσε το 1617.",
             "Γύρω στο 1621 βρήκε τον σωστό νόμο της διάθλασης. Δεν τον δημοσίευσε ποτέ· πέθανε "
             "το 1626 και ο νόμος έγινε γνωστός από τα χειρόγραφά του, αργότερα, μέσω άλλων "
             "επιστημόνων. Κανείς δεν ξέρει με ποια μέθοδο έφτασε στον νόμο.",
             "Σήμερα τον γράφουμε n1·sin(θ1) = n2·sin(θ2): για δύο δεδομένα μέσα ο λόγος του "
             "ημιτόνου της γωνίας πρόσπτωσης προς το ημίτονο της γωνίας διάθλασης είναι σταθερός "
             "και ίσος με τον σχετικό δείκτη διάθλασης. Στο μενού MODELS μπορείτε να τον "
             "συγκρίνετε με τα ιστορικά δεδομένα."},
            {}};
}

HistoryNote WiteloNote() {
    return {"WITELO",
            10,
            {"Ο Βιτέλλιος (Witelo, περίπου 1230 – μετά το 1280), λόγιος του 13ου αιώνα από τη Σιλεσία, έγραψε "
             "γύρω στο 1270–1278 την «Προοπτική» (Perspectiva), ένα μεγάλο έργο οπτικής σε δέκα "
             "βιβλία. Σε αυτό εξήγησε και συμπλήρωσε το έργο του Al Haytham και του Πτολεμαίου. Η "
             "«Perspectiva» τυπώθηκε το 1535 και ήταν το βασικό βιβλίο οπτικής ως τον Κέπλερ, που "
             "έγραψε τα «Συμπληρώματα στον Βιτέλλιο» (1604).",
             "Ο Βιτέλλιος έδωσε πίνακες της διάθλασης από τον αέρα στο νερό και στο γυαλί και "
             "αντίστροφα. Για τη διάθλαση από πυκνό σε αραιό μέσο (από το νερό ή το γυαλί στον "
             "αέρα) οι τιμές του δεν είναι μετρημένες: για κάθε γωνία πρόσπτωσης πρόσθεσε στη "
             "γωνία την απόκλιση που δίνει ο πίνακάς του από αραιό σε πυκνό για την ίδια γωνία "
             "(στο νερό, στις 80° η διάθλαση είναι 50°, απόκλιση 30°, και έγραψε 80° + 30° = "
             "110°). Γι' αυτό είναι λανθασμένες: για μεγάλες γωνίες πρόσπτωσης δίνουν γωνίες "
             "διάθλασης μεγαλύτερες από 90°. Μια σωστή αντιστροφή των πινάκων, αφού το φως "
             "ακολουθεί την ίδια πορεία και αντίστροφα, θα έδινε σωστές τιμές (από το νερό στον "
             "αέρα, στις 50° η διάθλαση είναι 80°). Στην πραγματικότητα, πέρα από την κρίσιμη "
             "γωνία το φως δεν βγαίνει καθόλου από το πυκνότερο μέσο (ολική ανάκλαση)."},
            {}};
}

} // namespace

const HistoryNote& Note(NoteId id) {
    static const std::map<NoteId, HistoryNote> notes = {
        {NoteId::AlHaytham, AlHaythamNote()}, {NoteId::Descartes, DescartesNote()},
        {NoteId::Fermat, FermatNote()},       {NoteId::Fresnel, FresnelNote()},
        {NoteId::Hero, HeroNote()},           {NoteId::Kepler, KeplerNote()},
        {NoteId::Newton, NewtonNote()},       {NoteId::Ptolemy, PtolemyNote()},
        {NoteId::Snell, SnellNote()},         {NoteId::Witelo, WiteloNote()},
    };
    return notes.at(id);
}

const std::vector<NoteId>& AllNotes() {
    static const std::vector<NoteId> all = {NoteId::AlHaytham, NoteId::Descartes, NoteId::Fermat,
                                            NoteId::Fresnel,   NoteId::Hero,      NoteId::Kepler,
                                            NoteId::Newton,    NoteId::Ptolemy,   NoteId::Snell,
                                            NoteId::Witelo};
    return all;
}
