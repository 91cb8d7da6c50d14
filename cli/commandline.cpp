#include "cli/commandline.h"

#include "cli/betoptions.h"
#include "files/printabletext.h"

#include <set>
#include <string_view>

namespace ornal {

namespace {

// The options that may stand several times, each adding to the last: bases, and filters and conditions that apply
// one after the other.
const std::set<std::string, std::less<>> kRepeatable
    = { "--base", "--garde", "--supp", "--groupe", "--somme", "--pairs", "--suite", "--rapport" };

} // namespace

const std::string& UsageText()
{
    static const std::string usage
        = "Usage : ornal [PRONOSTIC | JEU]\n"
          "        ornal --print [--base NUMERO]... [FILTRE]... [--jeu ID] [--mise EUROS]\n"
          "              [--cotes N=COTE,...|FICHIER] [--arrivee A-B-C... [--rapport CLASSE=EUROS]...]\n"
          "              [--reduire P,T [--secondes S]\n"
          "              [--graine N] [--lignes N | --budget EUROS]] [--enregistrer JEU] [--csv FICHIER]\n"
          "              [--pdf FICHIER] PRONOSTIC | JEU\n"
          "        ornal --xlsx FICHIER [les mêmes options, sauf --arrivee] PRONOSTIC | JEU\n"
          "        ornal [--enregistrer JEU] [--csv FICHIER] [--pdf FICHIER] PRONOSTIC | JEU\n"
          "        ornal --help | -h | --version\n"
          "\n"
          "Sans option, ouvre la fenêtre ; le PRONOSTIC y est calculé à l'ouverture, le JEU y est ouvert.\n"
          "PRONOSTIC : |chevaux|taille du jeu|numéro|numéro|... (par exemple '|8|3|1|2|3|4|5|6|7|8')\n"
          "JEU : un jeu enregistré ; tout fichier existant est lu comme un jeu, quel que soit son nom.\n"
          "FILTRE : --garde, --supp, --groupe, --somme, --pairs ou --suite, appliqués dans l'ordre donné\n"
          "à la liste calculée ou à celle du jeu.\n"
          "\n"
          "  --print         écrit les combinaisons sur la sortie standard, une par ligne,\n"
          "                  et le nombre de combinaisons sur la sortie d'erreur\n"
          "  --xlsx FICHIER  écrit les combinaisons dans le classeur FICHIER\n"
          "  --enregistrer JEU\n"
          "                  enregistre le jeu (la sélection et ses combinaisons) dans le fichier JEU\n"
          "  --csv FICHIER   écrit les combinaisons en CSV pour un tableur (« ; » entre les champs)\n"
          "  --pdf FICHIER   écrit les pages imprimées du jeu en PDF, sans ouvrir de fenêtre\n"
          "                  (aucun de ces fichiers n'est jamais remplacé : si l'un existe ou ne peut\n"
          "                  pas être écrit, rien n'est écrit)\n"
          "  --base NUMERO   le cheval NUMERO, pris parmi les premiers numéros du jeu, est une base\n"
          "                  (jusqu'à trois fois)\n"
          "  --jeu ID        le type de pari : couple-gagnant, couple-place, couple-ordre, 2sur4, trio,\n"
          "                  trio-ordre, tierce, quarte, quinte, multi ; ajoute le coût de la liste\n"
          "                  à la sortie d'erreur (un JEU apporte son propre pari, que --jeu remplace)\n"
          "  --mise EUROS    la mise de base (\"2,50\", \"2.50\" ou \"1 250,40\"), au moins 0,01 €,\n"
          "                  par défaut celle du type de pari (ou celle du JEU)\n"
          "  --arrivee A-B-C...  avec --print et un pari : n'écrit que les combinaisons payées par cette\n"
          "                  arrivée, chacune suivie d'une tabulation et de sa classe, puis le nombre\n"
          "                  de combinaisons payées par classe sur la sortie d'erreur\n"
          "  --rapport CLASSE=EUROS\n"
          "                  avec --arrivee : ce que paie la classe CLASSE (écrite comme Ornal l'écrit :\n"
          "                  ordre, désordre, bonus 3, multi en 6...) pour la mise par défaut du type\n"
          "                  de pari (ou celle des rapports du JEU) ; ajoute « Gains : ... » et « Net : ... »\n"
          "                  (les gains moins le coût, précédé de « - » s'il est négatif), ou « Rapport\n"
          "                  manquant : CLASSE » pour une classe payée sans rapport (répétable)\n"
          "  --cotes N=COTE,N=COTE,...  avec --jeu : les partants de la course et leurs cotes (3=5.2) ;\n"
          "                  ajoute la probabilité de gain, celle de chaque classe et le nombre moyen\n"
          "                  de combinaisons payées ; --cotes FICHIER lit un partant par ligne, son\n"
          "                  numéro puis sa cote (« 3 Nom du cheval 5,2 ») ; sans --cotes, ceux\n"
          "                  qu'un JEU enregistré garde ; --enregistrer les garde avec le jeu\n"
          "  --garde N       ne garde que les combinaisons qui contiennent N, comme « Uniquement le »\n"
          "  --supp N        supprime les combinaisons qui contiennent N, comme « Supprimer le »\n"
          "  --groupe N,N,...:MIN-MAX\n"
          "                  ne garde que les combinaisons qui contiennent de MIN à MAX numéros du groupe\n"
          "                  (jusqu'à cinq groupes)\n"
          "  --somme MIN-MAX ne garde que les combinaisons dont la somme des numéros va de MIN à MAX\n"
          "  --pairs MIN-MAX ne garde que les combinaisons qui contiennent de MIN à MAX numéros pairs\n"
          "  --suite MAX     ne garde que les combinaisons sans suite de plus de MAX numéros consécutifs\n"
          "  --reduire P,T   garde aussi peu de combinaisons que possible en tenant la garantie : chaque\n"
          "                  fois que les P premiers sont parmi les numéros du jeu (bases comprises),\n"
          "                  une combinaison gardée en contient T ; ajoute « Garantie : ... » à la\n"
          "                  sortie d'erreur (après les filtres, avant les sorties)\n"
          "  --secondes S    le temps laissé à la recherche de la réduction, de 1 à 3600 (5 par défaut)\n"
          "  --graine N      une réduction reproductible : un seul fil de recherche, avec la graine N\n"
          "  --lignes N      avec --reduire : garde N combinaisons qui tiennent le plus d'arrivées possible\n"
          "                  (la garantie entière si N suffit) ; ajoute « Couverture : ... » à la sortie\n"
          "                  d'erreur\n"
          "  --budget EUROS  avec --reduire et --jeu : comme --lignes, autant de combinaisons que le budget\n"
          "                  en paie à la mise du type de pari\n"
          "  --help, -h      affiche cette aide\n"
          "  --version       affiche la version\n"
          "\n"
          "Codes de sortie : 0 calcul fait, 1 le programme refuse la sélection, un filtre, une condition,\n"
          "le jeu ou la réduction, ou un fichier n'est pas écrit (message sur la sortie d'erreur), 2 ligne\n"
          "de commande mal formée.\n";
    return usage;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    ParsedCommandLine parsed;
    CommandLineOptions& options = parsed.options;
    const auto misuse = [&parsed](std::string what) {
        parsed.misuse = std::move(what);
        return parsed;
    };
    bool optionsEnded = false;
    std::set<std::string> seen;
    std::string needsOutput; // the first option that only an output gives a meaning to
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const bool option = !optionsEnded && (argument == "-h" || (argument.rfind("--", 0) == 0 && argument != "--"));
        // A second --xlsx would silently win over the first: every option but the repeatable ones is taken once.
        if (option && !kRepeatable.contains(argument) && !seen.insert(argument).second) {
            return misuse("l'option " + argument + " est donnée deux fois.");
        }
        if (!option) {
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else {
                options.preload.push_back(argument);
            }
        } else if (argument == "--print") {
            options.print = parsed.headless = true;
        } else if (argument == "--xlsx") {
            parsed.headless = true;
            if (!hasValue || arguments[i + 1].empty()) {
                return misuse("--xlsx attend un nom de fichier.");
            }
            options.xlsx = arguments[++i];
        } else if (argument == "--enregistrer" || argument == "--csv" || argument == "--pdf") {
            parsed.headless = true;
            if (!hasValue || arguments[i + 1].empty()) {
                return misuse(argument + " attend un nom de fichier.");
            }
            std::optional<std::string>& file = argument == "--csv" ? options.csv
                : argument == "--pdf"                              ? options.pdf
                                                                   : options.saveGame;
            file = arguments[++i];
        } else if (argument == "--help" || argument == "-h") {
            options.help = parsed.headless = true;
        } else if (argument == "--version") {
            options.version = parsed.headless = true;
        } else if (argument == "--base") {
            parsed.headless = true;
            if (!hasValue) {
                return misuse("--base attend un numéro.");
            }
            options.bases.push_back(arguments[++i]);
            needsOutput = needsOutput.empty() ? argument : needsOutput;
        } else if (IsReductionOption(argument)) {
            parsed.headless = true;
            if (!hasValue) {
                return misuse(argument + " attend une valeur.");
            }
            if (std::optional<std::string> wrong = ReadReductionOption(argument, arguments[++i], options.reduction)) {
                return misuse(*wrong);
            }
            needsOutput = needsOutput.empty() ? argument : needsOutput;
        } else if (IsBetOption(argument)) {
            parsed.headless = true;
            if (!hasValue) {
                return misuse(argument + " attend une valeur.");
            }
            if (std::optional<std::string> wrong = ReadBetOption(argument, arguments[++i], options)) {
                return misuse(*wrong);
            }
            needsOutput = needsOutput.empty() ? argument : needsOutput;
        } else if (IsListStepOption(argument)) {
            parsed.headless = true;
            if (!hasValue) {
                return misuse(MissingStepValue(argument));
            }
            if (std::optional<std::string> problem = AddListStep(options.listSteps, argument, arguments[++i])) {
                return misuse(*problem);
            }
            needsOutput = needsOutput.empty() ? argument : needsOutput;
        } else {
            return misuse("option inconnue « " + PrintableText(argument) + " ».");
        }
    }
    if (!parsed.headless || options.help || options.version) {
        return parsed;
    }
    if (options.print && options.xlsx) {
        return misuse("--print et --xlsx ne vont pas ensemble.");
    }
    if (std::optional<std::string> wrong = CheckBetOptions(options)) {
        return misuse(*wrong);
    }
    if (std::optional<std::string> wrong = CheckReductionChoice(options.reduction, options.betType.has_value())) {
        return misuse(*wrong);
    }
    const char* firstOutput = options.print ? "--print"
        : options.xlsx                      ? "--xlsx"
        : options.saveGame                  ? "--enregistrer"
        : options.csv                       ? "--csv"
        : options.pdf                       ? "--pdf"
                                            : nullptr;
    if (!firstOutput) {
        return misuse(needsOutput + " ne va qu'avec --print, --xlsx, --enregistrer, --csv ou --pdf.");
    }
    if (options.bases.size() > 3) {
        return misuse("trois bases au plus.");
    }
    if (options.preload.empty()) {
        return misuse(std::string(firstOutput) + " attend un PRONOSTIC ou un JEU.");
    }
    return parsed;
}

} // namespace ornal
