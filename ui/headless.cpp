#include "headless.h"

#include "combinationengine.h"
#include "exportcommand.h"
#include "numericvalue.h"
#include "preload.h"
#include "selectionrules.h"
#include "version.h"

#include <algorithm>
#include <ostream>
#include <string_view>

namespace ornal {

namespace {

constexpr std::string_view kUsage
    = "Usage : ornal [PRELOAD]\n"
      "        ornal --print [--base NUMERO]... PRELOAD\n"
      "        ornal --xlsx FICHIER [--base NUMERO]... PRELOAD\n"
      "\n"
      "Sans option, ouvre la fenêtre ; PRELOAD y est calculé à l'ouverture.\n"
      "PRELOAD : |chevaux|taille du jeu|numéro|numéro|... (par exemple '|8|3|1|2|3|4|5|6|7|8')\n"
      "\n"
      "  --print         écrit les combinaisons sur la sortie standard, une par ligne,\n"
      "                  et le nombre de combinaisons sur la sortie d'erreur\n"
      "  --xlsx FICHIER  écrit les combinaisons dans le classeur FICHIER (jamais remplacé s'il existe)\n"
      "  --base NUMERO   le cheval NUMERO, pris parmi les premiers numéros du jeu, est une base\n"
      "                  (jusqu'à trois fois)\n"
      "  --help          affiche cette aide\n"
      "  --version       affiche la version\n"
      "\n"
      "Codes de sortie : 0 calcul fait, 1 le programme refuse la sélection ou le classeur n'est\n"
      "pas écrit (message sur la sortie d'erreur), 2 ligne de commande mal formée.\n";

struct Options {
    bool print = false;
    std::optional<std::string> xlsx;
    bool help = false;
    bool version = false;
    std::vector<std::string> bases;
    std::vector<std::string> preload;
};

int misuse(std::ostream& err, std::string_view what)
{
    err << "ornal : " << what << "\n\n" << kUsage;
    return 2;
}

// Ticks the mark of every --base number; returns the misuse to report, or an empty text.
std::string markBases(const Options& options, Selection& sel)
{
    const auto k = RoundToInt16(NumericValue(sel.betSizeText)).value_or(0);
    const int candidates = std::min<int>(k, ShownNumberBoxCount(sel.horseCountText));
    for (const std::string& base : options.bases) {
        if (!IsNumeric(base)) {
            return "--base attend un numéro de cheval, pas « " + base + " ».";
        }
        const double value = NumericValue(base);
        int box = -1;
        for (int i = 0; i < candidates && box < 0; ++i) {
            if (NumericValue(sel.numbers[i]) == value) {
                box = i;
            }
        }
        if (box < 0) {
            return "la base " + base + " n'est pas parmi les " + std::to_string(std::max(candidates, 0))
                + " premiers numéros du pronostic.";
        }
        if (sel.marks[box]) {
            return "la base " + base + " est donnée deux fois.";
        }
        sel.marks[box] = true;
    }
    sel.baseCount = static_cast<std::int16_t>(options.bases.size());
    return {};
}

// The selection --print and --xlsx compute, read from the command line as the window's preload reads it;
// returns the status to end with when the selection is refused or the line is malformed.
std::optional<int> computeList(const Options& options, ComputeResult& result, std::ostream& err)
{
    const std::optional<PreloadFields> fields = ParsePreload(JoinCommandLine(options.preload));
    if (!fields) {
        return misuse(err, "PRELOAD ne donne pas de nombre de chevaux utilisable (champ 1, de plus de 0 à 20).");
    }

    // The same road as the window's preload: horse count, then bet size, then the numbers, then the computation.
    Selection sel;
    sel.horseCountText = fields->horseCountText;
    sel.betSizeShown = true;
    const int shown = ShownNumberBoxCount(sel.horseCountText);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.shown[i] = i < shown;
    }
    if (fields->betSizeText) {
        sel.betSizeText = *fields->betSizeText;
        if (const std::optional<Message> refusal = CheckBetSizeChoice(sel.horseCountText, sel.betSizeText)) {
            err << refusal->text << '\n';
            return 1;
        }
    }
    for (std::size_t i = 0; i < fields->numbers.size() && i < sel.numbers.size(); ++i) {
        sel.numbers[i] = fields->numbers[i];
    }
    if (!options.bases.empty() && fields->betSizeText) {
        if (NumericValue(sel.horseCountText) <= static_cast<double>(options.bases.size())) {
            err << text::kInvalidChoice << '\n';
            return 1;
        }
        if (const std::string problem = markBases(options, sel); !problem.empty()) {
            return misuse(err, problem);
        }
    }

    result = ComputeCombinations(sel);
    if (result.message) {
        err << result.message->text << '\n';
        return 1;
    }
    return std::nullopt;
}

int print(const Options& options, std::ostream& out, std::ostream& err)
{
    ComputeResult result;
    if (const std::optional<int> status = computeList(options, result, err)) {
        return *status;
    }
    std::string text;
    for (CombinationList::Count i = 0; i < result.list.size(); ++i) {
        text.append(result.list.line(i));
        text.push_back('\n');
    }
    out << text;
    err << CountCaption(result.list.size()) << '\n';
    return out ? 0 : 1;
}

// The workbook the window's export writes, into a file of the caller's choosing and opened by nobody.
int exportWorkbook(const Options& options, std::ostream& err)
{
    ComputeResult result;
    if (const std::optional<int> status = computeList(options, result, err)) {
        return *status;
    }
    const std::string baseText
        = options.bases.empty() ? std::string(text::kNoBase) : std::to_string(options.bases.size());
    ExportRequest request { .list = result.list, .selectionText = result.selectionText, .baseText = baseText };
    request.file = *options.xlsx;
    request.open = nullptr;
    const ExportOutcome outcome = ExportCombinationList(request);
    if (outcome.message) {
        std::string text = outcome.message->text;
        std::replace(text.begin(), text.end(), '\r', '\n');
        err << text << '\n';
    }
    if (outcome.status != ExportOutcome::Status::Written) {
        return 1;
    }
    err << CountCaption(result.list.size()) << '\n';
    return 0;
}

} // namespace

std::optional<int> RunHeadless(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    Options options;
    bool headless = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.rfind("--", 0) != 0) {
            options.preload.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--print") {
            options.print = headless = true;
        } else if (argument == "--xlsx") {
            headless = true;
            if (i + 1 == arguments.size()) {
                return misuse(err, "--xlsx attend un nom de fichier.");
            }
            options.xlsx = arguments[++i];
        } else if (argument == "--help" || argument == "-h") {
            options.help = headless = true;
        } else if (argument == "--version") {
            options.version = headless = true;
        } else if (argument == "--base") {
            headless = true;
            if (i + 1 == arguments.size()) {
                return misuse(err, "--base attend un numéro.");
            }
            options.bases.push_back(arguments[++i]);
        } else {
            return misuse(err, "option inconnue « " + argument + " ».");
        }
    }
    if (!headless) {
        return std::nullopt;
    }
    if (options.help) {
        out << kUsage;
        return 0;
    }
    if (options.version) {
        out << "ornal " << ORNAL_VERSION << '\n';
        return 0;
    }
    if (options.print && options.xlsx) {
        return misuse(err, "--print et --xlsx ne vont pas ensemble.");
    }
    if (!options.print && !options.xlsx) {
        return misuse(err, "--base ne va qu'avec --print ou --xlsx.");
    }
    if (options.bases.size() > 3) {
        return misuse(err, "trois bases au plus.");
    }
    if (options.preload.empty()) {
        return misuse(err, options.print ? "--print attend un PRELOAD." : "--xlsx attend un PRELOAD.");
    }
    return options.xlsx ? exportWorkbook(options, err) : print(options, out, err);
}

} // namespace ornal
