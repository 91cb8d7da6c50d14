#include "gamejson.h"

#include "gamecheck.h"
#include "gamekeys.h"
#include "memberreader.h"
#include "textchecks.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <nlohmann/json.hpp>

namespace ornal {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;
using Problem = std::optional<std::string>;

// Our files nest four deep; a deeper text is no game, and refusing it early spares building it.
constexpr int kMaxDepth = 16;

constexpr std::string_view kNotAGame = "ce fichier n'est pas un jeu Ornal";

// The count caption's kinds as the file names them, in the order of SavedView::Caption.
constexpr const char* kCaptionNames[] = { "combinaisons", "choisirChevaux", "choisirJeu" };

OrderedJson RangeToJson(const SavedRange& range)
{
    OrderedJson json;
    json[gamekey::kMin] = range.min;
    json[gamekey::kMax] = range.max;
    return json;
}

OrderedJson SelectionToJson(const SavedSelection& selection)
{
    OrderedJson json;
    json[gamekey::kHorseCount] = selection.horseCountText;
    json[gamekey::kBetSize] = selection.betSizeText;
    json[gamekey::kBase] = selection.baseText;
    json[gamekey::kBaseCount] = selection.baseCount;
    json[gamekey::kNumbers] = selection.numbers;
    json[gamekey::kNumbersShown] = selection.numbersShown;
    json[gamekey::kMarks] = selection.marks;
    json[gamekey::kMarksShown] = selection.marksShown;
    json[gamekey::kResults] = selection.results;
    json[gamekey::kResultsShown] = selection.resultsShown;
    return json;
}

OrderedJson GroupToJson(const SavedConditionGroup& group)
{
    OrderedJson json;
    json[gamekey::kName] = group.name;
    json[gamekey::kNumbers] = group.numbers;
    json[gamekey::kMin] = group.min;
    json[gamekey::kMax] = group.max;
    if (group.sum) {
        json[gamekey::kSum] = RangeToJson(*group.sum);
    }
    if (group.even) {
        json[gamekey::kEven] = RangeToJson(*group.even);
    }
    if (group.run) {
        json[gamekey::kRun] = RangeToJson(*group.run);
    }
    return json;
}

std::string Compact(const OrderedJson& value)
{
    return value.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

// The file's layout for a reader: a member per line, the selection's members on lines of their own and one list
// line per text line; every other value on one line.
std::string Layout(const OrderedJson& root)
{
    std::string text = "{\n";
    std::size_t left = root.size();
    for (const auto& [key, value] : root.items()) {
        text += "  " + Compact(key) + ": ";
        const bool expanded = key == gamekey::kSelection || key == gamekey::kLines;
        if (expanded && !value.empty()) {
            const bool object = value.is_object();
            text += object ? "{\n" : "[\n";
            std::size_t innerLeft = value.size();
            for (const auto& [innerKey, inner] : value.items()) {
                text += "    ";
                text += object ? Compact(innerKey) + ": " : "";
                text += Compact(inner);
                text += --innerLeft > 0 ? ",\n" : "\n";
            }
            text += object ? "  }" : "  ]";
        } else {
            text += Compact(value);
        }
        text += --left > 0 ? ",\n" : "\n";
    }
    return text + "}\n";
}

// Where the first character that can start the text stands, past blanks and a byte order mark.
std::size_t FirstSignificant(std::string_view bytes)
{
    std::size_t at = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t' || bytes[at] == '\n' || bytes[at] == '\r')) {
        ++at;
    }
    return at;
}

bool NestsTooDeep(std::string_view bytes)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) {
                return true;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

std::string SyntaxProblem(std::string_view bytes, std::size_t byte)
{
    if (byte > bytes.size()) {
        return "le fichier est incomplet, coupé avant la fin";
    }
    const std::size_t before = byte > 0 ? byte - 1 : 0;
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(before), '\n');
    return "le fichier est abîmé (erreur de syntaxe à la ligne " + std::to_string(line) + ")";
}

Problem ReadSelection(const MemberReader& root, SavedSelection& selection)
{
    const Json* object = nullptr;
    if (Problem problem = root.object(gamekey::kSelection, object)) {
        return problem;
    }
    const MemberReader reader(*object, gamekey::kSelection);
    Problem problem = reader.text(gamekey::kHorseCount, selection.horseCountText);
    problem = problem ? problem : reader.text(gamekey::kBetSize, selection.betSizeText);
    problem = problem ? problem : reader.text(gamekey::kBase, selection.baseText);
    problem = problem ? problem : reader.integer(gamekey::kBaseCount, selection.baseCount);
    problem = problem ? problem : reader.texts(gamekey::kNumbers, selection.numbers);
    problem = problem ? problem : reader.flags(gamekey::kNumbersShown, selection.numbersShown);
    problem = problem ? problem : reader.flags(gamekey::kMarks, selection.marks);
    problem = problem ? problem : reader.flags(gamekey::kMarksShown, selection.marksShown);
    problem = problem ? problem : reader.texts(gamekey::kResults, selection.results);
    return problem ? problem : reader.flags(gamekey::kResultsShown, selection.resultsShown);
}

Problem ReadLines(const MemberReader& root, CombinationList& list)
{
    const Json* lines = nullptr;
    if (Problem problem = root.array(gamekey::kLines, 0, lines)) {
        return problem;
    }
    if (lines->size() > kMaxGameLines) {
        return std::string(kTooManyLines);
    }
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (!(*lines)[i].is_string()) {
            return "la ligne " + std::to_string(i + 1) + " n'est pas une combinaison";
        }
        textBytes += (*lines)[i].get_ref<const std::string&>().size();
    }
    list.reserve(static_cast<CombinationList::Count>(lines->size()), textBytes);
    for (const Json& line : *lines) {
        list.append(line.get_ref<const std::string&>());
    }
    return std::nullopt;
}

Problem ReadRange(const MemberReader& group, const char* key, std::optional<SavedRange>& out)
{
    if (!group.has(key)) {
        return std::nullopt;
    }
    const Json* object = nullptr;
    if (Problem problem = group.object(key, object)) {
        return problem;
    }
    const MemberReader reader(*object, group.pathOf(key));
    out.emplace();
    Problem problem = reader.integer(gamekey::kMin, out->min);
    return problem ? problem : reader.integer(gamekey::kMax, out->max);
}

Problem ReadConditions(const MemberReader& root, std::vector<SavedConditionGroup>& groups)
{
    if (!root.has(gamekey::kConditions)) {
        return std::nullopt;
    }
    const Json* list = nullptr;
    if (Problem problem = root.array(gamekey::kConditions, 0, list)) {
        return problem;
    }
    if (list->size() > kMaxGameConditionGroups) {
        return Quoted(gamekey::kConditions) + " compte plus de " + std::to_string(kMaxGameConditionGroups) + " groupes";
    }
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string path = ElementPath(gamekey::kConditions, i);
        if (!(*list)[i].is_object()) {
            return Quoted(path) + " doit être un objet";
        }
        const MemberReader reader((*list)[i], path);
        SavedConditionGroup& group = groups.emplace_back();
        Problem problem = reader.text(gamekey::kName, group.name);
        const Json* numbers = nullptr;
        problem = problem ? problem : reader.array(gamekey::kNumbers, 0, numbers);
        for (std::size_t n = 0; !problem && n < numbers->size() && n <= static_cast<std::size_t>(kNumberBoxCount);
             ++n) {
            problem = MemberReader::TextOf(
                (*numbers)[n], ElementPath(reader.pathOf(gamekey::kNumbers), n), group.numbers.emplace_back());
        }
        problem = problem ? problem : reader.integer(gamekey::kMin, group.min);
        problem = problem ? problem : reader.integer(gamekey::kMax, group.max);
        problem = problem ? problem : ReadRange(reader, gamekey::kSum, group.sum);
        problem = problem ? problem : ReadRange(reader, gamekey::kEven, group.even);
        problem = problem ? problem : ReadRange(reader, gamekey::kRun, group.run);
        if (problem) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem ReadArrival(const MemberReader& root, std::optional<SavedArrival>& arrival)
{
    if (!root.has(gamekey::kArrival)) {
        return std::nullopt;
    }
    const Json* object = nullptr;
    if (Problem problem = root.object(gamekey::kArrival, object)) {
        return problem;
    }
    const MemberReader reader(*object, gamekey::kArrival);
    arrival.emplace();
    const Json* payouts = nullptr;
    Problem problem = reader.texts(gamekey::kNumbers, arrival->numbers);
    problem = problem ? problem : reader.array(gamekey::kPayouts, 0, payouts);
    if (problem) {
        return problem;
    }
    if (payouts->size() > kMaxGamePayoutClasses) {
        return Quoted(reader.pathOf(gamekey::kPayouts)) + " compte plus de " + std::to_string(kMaxGamePayoutClasses)
            + " classes";
    }
    for (std::size_t i = 0; i < payouts->size(); ++i) {
        const std::string path = ElementPath(reader.pathOf(gamekey::kPayouts), i);
        if (!(*payouts)[i].is_object()) {
            return Quoted(path) + " doit être un objet";
        }
        const MemberReader payout((*payouts)[i], path);
        SavedPayout& entry = arrival->payouts.emplace_back();
        problem = payout.text(gamekey::kPayoutClass, entry.className);
        problem = problem ? problem : payout.integer(gamekey::kCents, entry.cents);
        if (problem) {
            return problem;
        }
    }
    return std::nullopt;
}

Problem ReadView(const MemberReader& root, std::optional<SavedView>& view)
{
    if (!root.has(gamekey::kView)) {
        return std::nullopt;
    }
    const Json* object = nullptr;
    if (Problem problem = root.object(gamekey::kView, object)) {
        return problem;
    }
    const MemberReader reader(*object, gamekey::kView);
    view.emplace();
    const Json* flag = nullptr;
    Problem problem = reader.find(gamekey::kBetSizeShown, flag);
    problem
        = problem ? problem : MemberReader::FlagOf(*flag, reader.pathOf(gamekey::kBetSizeShown), view->betSizeShown);
    problem = problem ? problem : reader.find(gamekey::kBaseShown, flag);
    problem = problem ? problem : MemberReader::FlagOf(*flag, reader.pathOf(gamekey::kBaseShown), view->baseShown);
    std::string caption;
    problem = problem ? problem : reader.text(gamekey::kCaption, caption);
    if (problem) {
        return problem;
    }
    const auto known = std::find(std::begin(kCaptionNames), std::end(kCaptionNames), caption);
    if (known == std::end(kCaptionNames)) {
        return Quoted(reader.pathOf(gamekey::kCaption)) + " n'est pas une légende connue";
    }
    view->caption = static_cast<SavedView::Caption>(known - std::begin(kCaptionNames));
    if (!reader.has(gamekey::kLogos)) {
        return std::nullopt;
    }
    const Json* logos = nullptr;
    if (Problem problem = reader.array(gamekey::kLogos, 2, logos)) {
        return problem;
    }
    view->logos.emplace();
    for (std::size_t i = 0; i < 2; ++i) {
        const Json& logo = (*logos)[i];
        if (!logo.is_number_integer()) {
            return Quoted(ElementPath(reader.pathOf(gamekey::kLogos), i)) + " doit être un nombre entier";
        }
        // A huge value saturates, so that CheckGame names it instead of a wrapped value passing.
        constexpr std::int64_t kFar = 1000;
        (*view->logos)[i] = static_cast<int>(logo.is_number_unsigned()
                ? static_cast<std::int64_t>(std::min<std::uint64_t>(logo.get<std::uint64_t>(), kFar))
                : std::clamp<std::int64_t>(logo.get<std::int64_t>(), -kFar, kFar));
    }
    return std::nullopt;
}

Problem ReadOptional(const MemberReader& root, SavedGame& game)
{
    if (root.has(gamekey::kBet)) {
        const Json* object = nullptr;
        if (Problem problem = root.object(gamekey::kBet, object)) {
            return problem;
        }
        const MemberReader reader(*object, gamekey::kBet);
        game.bet.emplace();
        Problem problem = reader.text(gamekey::kBetType, game.bet->typeId);
        problem = problem ? problem : reader.integer(gamekey::kUnitStake, game.bet->unitStakeCents);
        if (!problem && reader.has(gamekey::kRapportBase)) {
            problem = reader.integer(gamekey::kRapportBase, game.bet->rapportBaseCents.emplace());
        }
        if (problem) {
            return problem;
        }
    }
    if (Problem problem = ReadArrival(root, game.arrival)) {
        return problem;
    }
    if (Problem problem = ReadConditions(root, game.conditions)) {
        return problem;
    }
    if (root.has(gamekey::kGuarantee)) {
        const Json* object = nullptr;
        if (Problem problem = root.object(gamekey::kGuarantee, object)) {
            return problem;
        }
        const MemberReader reader(*object, gamekey::kGuarantee);
        game.guarantee.emplace();
        Problem problem = reader.integer(gamekey::kP, game.guarantee->p);
        problem = problem ? problem : reader.integer(gamekey::kT, game.guarantee->t);
        if (problem) {
            return problem;
        }
    }
    return ReadView(root, game.view);
}

Problem ReadGame(const Json& root, SavedGame& game)
{
    const MemberReader reader(root, "");
    const auto format = root.find(gamekey::kFormat);
    if (format == root.end() || !format->is_string() || format->get_ref<const std::string&>() != kGameFormatName) {
        return std::string(kNotAGame);
    }
    const auto version = root.find(gamekey::kVersion);
    // JSON reads every number without a sign as unsigned: a negative version is the signed case.
    if (version == root.end() || !version->is_number_unsigned() || version->get<std::uint64_t>() < 1) {
        return Quoted(gamekey::kVersion) + " manque ou n'est pas valide";
    }
    if (version->get<std::uint64_t>() > static_cast<std::uint64_t>(kGameFormatVersion)) {
        return "ce jeu a été enregistré par une version plus récente d'Ornal";
    }
    Problem problem = ReadSelection(reader, game.selection);
    problem = problem ? problem : reader.text(gamekey::kSelectionText, game.selectionText);
    problem = problem ? problem : ReadLines(reader, game.list);
    problem = problem ? problem : ReadOptional(reader, game);
    return problem ? problem : CheckGame(game);
}

} // namespace

std::string GameToJson(const SavedGame& game)
{
    OrderedJson root;
    root[gamekey::kFormat] = std::string(kGameFormatName);
    root[gamekey::kVersion] = kGameFormatVersion;
    root[gamekey::kSelection] = SelectionToJson(game.selection);
    root[gamekey::kSelectionText] = game.selectionText;
    OrderedJson& lines = root[gamekey::kLines] = OrderedJson::array();
    for (CombinationList::Count i = 0; i < game.list.size(); ++i) {
        lines.push_back(std::string(game.list.line(i)));
    }
    if (game.bet) {
        OrderedJson& bet = root[gamekey::kBet];
        bet[gamekey::kBetType] = game.bet->typeId;
        bet[gamekey::kUnitStake] = game.bet->unitStakeCents;
        if (game.bet->rapportBaseCents) {
            bet[gamekey::kRapportBase] = *game.bet->rapportBaseCents;
        }
    }
    if (game.arrival) {
        OrderedJson& arrival = root[gamekey::kArrival];
        arrival[gamekey::kNumbers] = game.arrival->numbers;
        OrderedJson& payouts = arrival[gamekey::kPayouts] = OrderedJson::array();
        for (const SavedPayout& payout : game.arrival->payouts) {
            payouts.push_back({ { gamekey::kPayoutClass, payout.className }, { gamekey::kCents, payout.cents } });
        }
    }
    if (!game.conditions.empty()) {
        OrderedJson& groups = root[gamekey::kConditions] = OrderedJson::array();
        for (const SavedConditionGroup& group : game.conditions) {
            groups.push_back(GroupToJson(group));
        }
    }
    if (game.guarantee) {
        OrderedJson& guarantee = root[gamekey::kGuarantee];
        guarantee[gamekey::kP] = game.guarantee->p;
        guarantee[gamekey::kT] = game.guarantee->t;
    }
    if (game.view) {
        OrderedJson& view = root[gamekey::kView];
        view[gamekey::kBetSizeShown] = game.view->betSizeShown;
        view[gamekey::kBaseShown] = game.view->baseShown;
        if (game.view->logos) {
            view[gamekey::kLogos] = *game.view->logos;
        }
        view[gamekey::kCaption] = kCaptionNames[static_cast<int>(game.view->caption)];
    }
    return Layout(root);
}

GameReading GameFromJson(std::string_view bytes)
{
    GameReading reading;
    const std::size_t start = FirstSignificant(bytes);
    if (start == bytes.size()) {
        reading.reason = "le fichier est vide";
        return reading;
    }
    if (bytes[start] != '{') {
        reading.reason = kNotAGame;
        return reading;
    }
    if (!IsValidUtf8(bytes)) {
        reading.reason = "le texte du fichier n'est pas en UTF-8 valide";
        return reading;
    }
    if (NestsTooDeep(bytes)) {
        reading.reason = kNotAGame;
        return reading;
    }
    try {
        const Json root = Json::parse(bytes);
        SavedGame game;
        if (Problem problem = ReadGame(root, game)) {
            reading.reason = std::move(*problem);
        } else {
            reading.game = std::move(game);
        }
    } catch (const Json::parse_error& error) {
        reading.reason = SyntaxProblem(bytes, error.byte);
    } catch (const std::bad_alloc&) {
        reading.reason = "mémoire insuffisante";
    } catch (const std::exception&) {
        reading.reason = kNotAGame;
    }
    return reading;
}

} // namespace ornal
