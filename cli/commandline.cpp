#include "commandline.h"

#include <string_view>

namespace ornal {

const std::string& UsageText()
{
    static const std::string usage
        = "Usage : ornal [PRELOAD]\n"
          "        ornal --print [--base NUMERO]... PRELOAD\n"
          "        ornal --xlsx FICHIER [--base NUMERO]... PRELOAD\n"
          "        ornal [--print] [--enregistrer JEU] [--csv FICHIER] [--pdf FICHIER] PRELOAD|JEU.ornal\n"
          "\n"
          "Sans option, ouvre la fenêtre ; PRELOAD y est calculé à l'ouverture, un JEU.ornal y est ouvert.\n"
          "PRELOAD : |chevaux|taille du jeu|numéro|numéro|... (par exemple '|8|3|1|2|3|4|5|6|7|8')\n"
          "À la place de PRELOAD, un jeu enregistré (JEU.ornal) est ouvert tel qu'il a été enregistré.\n"
          "\n"
          "  --print         écrit les combinaisons sur la sortie standard, une par ligne,\n"
          "                  et le nombre de combinaisons sur la sortie d'erreur\n"
          "  --xlsx FICHIER  écrit les combinaisons dans le classeur FICHIER (jamais remplacé s'il existe)\n"
          "  --enregistrer JEU\n"
          "                  enregistre le jeu (la sélection et ses combinaisons) dans le fichier JEU\n"
          "  --csv FICHIER   écrit les combinaisons en CSV pour un tableur (« ; » entre les champs)\n"
          "  --pdf FICHIER   écrit les pages imprimées du jeu en PDF, sans ouvrir de fenêtre\n"
          "                  (aucun de ces fichiers n'est jamais remplacé s'il existe)\n"
          "  --base NUMERO   le cheval NUMERO, pris parmi les premiers numéros du jeu, est une base\n"
          "                  (jusqu'à trois fois)\n"
          "  --help          affiche cette aide\n"
          "  --version       affiche la version\n"
          "\n"
          "Codes de sortie : 0 calcul fait, 1 le programme refuse la sélection ou le jeu, ou un fichier\n"
          "n'est pas écrit (message sur la sortie d'erreur), 2 ligne de commande mal formée.\n";
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
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (optionsEnded || argument.rfind("--", 0) != 0) {
            options.preload.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--print") {
            options.print = parsed.headless = true;
        } else if (argument == "--xlsx") {
            parsed.headless = true;
            if (!hasValue) {
                return misuse("--xlsx attend un nom de fichier.");
            }
            options.xlsx = arguments[++i];
        } else if (argument == "--enregistrer" || argument == "--csv" || argument == "--pdf") {
            parsed.headless = true;
            if (!hasValue) {
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
        } else {
            return misuse("option inconnue « " + argument + " ».");
        }
    }
    if (!parsed.headless || options.help || options.version) {
        return parsed;
    }
    if (options.print && options.xlsx) {
        return misuse("--print et --xlsx ne vont pas ensemble.");
    }
    const char* firstOutput = options.print ? "--print"
        : options.xlsx                      ? "--xlsx"
        : options.saveGame                  ? "--enregistrer"
        : options.csv                       ? "--csv"
        : options.pdf                       ? "--pdf"
                                            : nullptr;
    if (!firstOutput) {
        return misuse("--base ne va qu'avec --print, --xlsx, --enregistrer, --csv ou --pdf.");
    }
    if (options.bases.size() > 3) {
        return misuse("trois bases au plus.");
    }
    if (options.preload.empty()) {
        return misuse(std::string(firstOutput) + " attend un PRELOAD.");
    }
    return parsed;
}

} // namespace ornal
