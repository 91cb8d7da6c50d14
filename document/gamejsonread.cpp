// Reading a game file: the JSON text into a bounded tree, then every member through the tables below, which name
// each object's members, whether the file must hold them and how each is read. A member added to the format is a
// row in its object's table.
#include "document/gamecheck.h"
#include "document/gamejson.h"
#include "document/gamekeys.h"
#include "document/jsonnode.h"
#include "document/memberreader.h"
#include "document/textchecks.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <type_traits>

namespace ornal {

namespace {

using Problem = std::optional<std::string>;

constexpr std::string_view kNotAGame = "ce fichier n'est pas un jeu Ornal";

// What the tree may hold: the largest list and room for every other member; past this, a file is no game and is
// refused before it costs more memory than its own bytes.
constexpr JsonLimits kGameJsonLimits { 16, kMaxGameLines + 8192, 64 };

template <typename Target> struct Member {
    const char* key;
    bool required;
    Problem (*read)(const MemberReader& reader, const char* key, Target& out);
};

constexpr bool kRequired = true;
constexpr bool kOptional = false;

template <typename Target, std::size_t N>
Problem ReadMembers(const MemberReader& reader, const Member<Target> (&members)[N], Target& out)
{
    for (const std::string& key : reader.keys()) {
        if (std::none_of(std::begin(members), std::end(members), [&key](const auto& m) { return key == m.key; })) {
            return MemberReader::Unknown(reader.pathOf(key.c_str()));
        }
    }
    for (const Member<Target>& member : members) {
        if (!reader.has(member.key)) {
            if (member.required) {
                return "il manque " + Quoted(reader.pathOf(member.key));
            }
            continue;
        }
        if (member.read != nullptr) {
            if (Problem problem = member.read(reader, member.key, out)) {
                return problem;
            }
        }
    }
    return std::nullopt;
}

template <typename T> T& Filled(T& slot)
{
    return slot;
}

template <typename T> T& Filled(std::optional<T>& slot)
{
    return slot.emplace();
}

// A member of a plain type: a text, a boolean, an integer, or an array of a fixed count of texts or booleans.
template <auto Field, typename Target> Problem Plain(const MemberReader& reader, const char* key, Target& target)
{
    return reader.value(key, Filled(target.*Field));
}

// A member that is an object of its own, read through table.
template <auto Field, const auto& Table, typename Target>
Problem Nested(const MemberReader& reader, const char* key, Target& target)
{
    const JsonNode* object = nullptr;
    if (Problem problem = reader.object(key, object)) {
        return problem;
    }
    return ReadMembers(MemberReader(*object, reader.pathOf(key)), Table, Filled(target.*Field));
}

// How many elements a list member may hold, and what they are called in the refusal.
struct ListLimit {
    std::size_t most;
    const char* noun;
};

Problem CheckListLength(const MemberReader& reader, const char* key, const JsonNode& list, const ListLimit& limit)
{
    if (list.elements.size() > limit.most) {
        return Quoted(reader.pathOf(key)) + " compte plus de " + std::to_string(limit.most) + " " + limit.noun;
    }
    return std::nullopt;
}

// A member that is a list, each element read by ReadElement into a new element of the target's list.
template <auto Field, const ListLimit& Limit, auto ReadElement, typename Target>
Problem ListOf(const MemberReader& reader, const char* key, Target& target)
{
    const JsonNode* list = nullptr;
    if (Problem problem = reader.array(key, 0, list)) {
        return problem;
    }
    if (Problem problem = CheckListLength(reader, key, *list, Limit)) {
        return problem;
    }
    auto& out = target.*Field;
    for (std::size_t i = 0; i < list->elements.size(); ++i) {
        if (Problem problem = ReadElement(list->elements[i], ElementPath(reader.pathOf(key), i), out.emplace_back())) {
            return problem;
        }
    }
    return std::nullopt;
}

template <const auto& Table, typename Element>
Problem ObjectElement(const JsonNode& node, const std::string& path, Element& out)
{
    if (node.kind != JsonNode::Kind::Object) {
        return Quoted(path) + " doit être un objet";
    }
    return ReadMembers(MemberReader(node, path), Table, out);
}

// A member that is a list of objects, each read through table.
template <auto Field, const auto& Table, const ListLimit& Limit, typename Target>
Problem ObjectList(const MemberReader& reader, const char* key, Target& target)
{
    using Element = typename std::remove_reference_t<decltype(target.*Field)>::value_type;
    return ListOf<Field, Limit, ObjectElement<Table, Element>>(reader, key, target);
}

// A member that is a list of texts.
template <auto Field, const ListLimit& Limit, typename Target>
Problem TextList(const MemberReader& reader, const char* key, Target& target)
{
    constexpr auto readText
        = static_cast<Problem (*)(const JsonNode&, const std::string&, std::string&)>(MemberReader::ValueOf);
    return ListOf<Field, Limit, readText>(reader, key, target);
}

// Checked before the tables are read, with messages of their own.
template <typename Target> Problem AlreadyChecked(const MemberReader&, const char*, Target&)
{
    return std::nullopt;
}

Problem ReadLines(const MemberReader& reader, const char* key, SavedGame& game)
{
    const JsonNode* lines = nullptr;
    if (Problem problem = reader.array(key, 0, lines)) {
        return problem;
    }
    if (lines->elements.size() > kMaxGameLines) {
        return std::string(kTooManyLines);
    }
    std::size_t textBytes = 0;
    for (std::size_t i = 0; i < lines->elements.size(); ++i) {
        if (lines->elements[i].kind != JsonNode::Kind::Text) {
            return "la ligne " + std::to_string(i + 1) + " n'est pas une combinaison";
        }
        textBytes += lines->elements[i].text.size();
    }
    game.list.reserve(static_cast<CombinationList::Count>(lines->elements.size()), textBytes);
    for (const JsonNode& line : lines->elements) {
        game.list.append(line.text);
    }
    return std::nullopt;
}

// A member that is one of a few names, stored as the enumerator of the same rank.
template <auto Field, const auto& Names, const char* Kind, typename Target>
Problem Named(const MemberReader& reader, const char* key, Target& target)
{
    std::string name;
    if (Problem problem = reader.value(key, name)) {
        return problem;
    }
    const auto known = std::find(std::begin(Names), std::end(Names), name);
    if (known == std::end(Names)) {
        return Quoted(reader.pathOf(key)) + " n'est pas " + Kind;
    }
    using Enum = std::remove_reference_t<decltype(target.*Field)>;
    target.*Field = static_cast<Enum>(known - std::begin(Names));
    return std::nullopt;
}

constexpr char kKnownCaption[] = "une légende connue";
constexpr char kKnownExtent[] = "une étendue connue";

Problem ReadLogos(const MemberReader& reader, const char* key, SavedView& view)
{
    const JsonNode* logos = nullptr;
    if (Problem problem = reader.array(key, 2, logos)) {
        return problem;
    }
    std::array<int, 2>& out = view.logos.emplace();
    for (std::size_t i = 0; i < 2; ++i) {
        if (Problem problem = MemberReader::IntegerOf(logos->elements[i], ElementPath(reader.pathOf(key), i), out[i])) {
            return problem;
        }
    }
    return std::nullopt;
}

constexpr Member<SavedSelection> kSelectionMembers[] = {
    { gamekey::kHorseCount, kRequired, Plain<&SavedSelection::horseCountText> },
    { gamekey::kBetSize, kRequired, Plain<&SavedSelection::betSizeText> },
    { gamekey::kBase, kRequired, Plain<&SavedSelection::baseText> },
    { gamekey::kBaseCount, kRequired, Plain<&SavedSelection::baseCount> },
    { gamekey::kNumbers, kRequired, Plain<&SavedSelection::numbers> },
    { gamekey::kNumbersShown, kRequired, Plain<&SavedSelection::numbersShown> },
    { gamekey::kMarks, kRequired, Plain<&SavedSelection::marks> },
    { gamekey::kMarksShown, kRequired, Plain<&SavedSelection::marksShown> },
    { gamekey::kResults, kRequired, Plain<&SavedSelection::results> },
    { gamekey::kResultsShown, kRequired, Plain<&SavedSelection::resultsShown> },
};

constexpr Member<SavedBet> kBetMembers[] = {
    { gamekey::kBetType, kRequired, Plain<&SavedBet::typeId> },
    { gamekey::kUnitStake, kRequired, Plain<&SavedBet::unitStakeCents> },
    { gamekey::kRapportBase, kOptional, Plain<&SavedBet::rapportBaseCents> },
};

constexpr Member<SavedStake> kStakeMembers[] = {
    { gamekey::kBetType, kRequired, Plain<&SavedStake::typeId> },
    { gamekey::kUnitStake, kRequired, Plain<&SavedStake::unitStakeCents> },
    { gamekey::kRapportBase, kOptional, Plain<&SavedStake::rapportBaseCents> },
};
constexpr ListLimit kStakeLimit { kMaxGameStakes, "mises" };

constexpr Member<SavedPayout> kPayoutMembers[] = {
    { gamekey::kPayoutClass, kRequired, Plain<&SavedPayout::className> },
    { gamekey::kCents, kRequired, Plain<&SavedPayout::cents> },
};
constexpr ListLimit kPayoutLimit { kMaxGamePayoutClasses, "classes" };

constexpr Member<SavedArrival> kArrivalMembers[] = {
    { gamekey::kNumbers, kRequired, Plain<&SavedArrival::numbers> },
    { gamekey::kPayouts, kRequired, ObjectList<&SavedArrival::payouts, kPayoutMembers, kPayoutLimit> },
};

constexpr Member<SavedRange> kRangeMembers[] = {
    { gamekey::kMin, kRequired, Plain<&SavedRange::min> },
    { gamekey::kMax, kRequired, Plain<&SavedRange::max> },
};

constexpr ListLimit kGroupNumbersLimit { static_cast<std::size_t>(kNumberBoxCount), "numéros" };

constexpr Member<SavedConditionGroup> kGroupMembers[] = {
    { gamekey::kName, kRequired, Plain<&SavedConditionGroup::name> },
    { gamekey::kNumbers, kRequired, TextList<&SavedConditionGroup::numbers, kGroupNumbersLimit> },
    { gamekey::kMin, kRequired, Plain<&SavedConditionGroup::min> },
    { gamekey::kMax, kRequired, Plain<&SavedConditionGroup::max> },
    { gamekey::kSum, kOptional, Nested<&SavedConditionGroup::sum, kRangeMembers> },
    { gamekey::kEven, kOptional, Nested<&SavedConditionGroup::even, kRangeMembers> },
    { gamekey::kRun, kOptional, Nested<&SavedConditionGroup::run, kRangeMembers> },
};
constexpr ListLimit kGroupLimit { kMaxGameConditionGroups, "groupes" };

constexpr Member<SavedLineBound> kLineBoundMembers[] = {
    { gamekey::kOn, kRequired, Plain<&SavedLineBound::on> },
    { gamekey::kMin, kRequired, Plain<&SavedLineBound::min> },
    { gamekey::kMax, kRequired, Plain<&SavedLineBound::max> },
};

constexpr Member<SavedLineConditions> kLineConditionMembers[] = {
    { gamekey::kSum, kRequired, Nested<&SavedLineConditions::sum, kLineBoundMembers> },
    { gamekey::kEven, kRequired, Nested<&SavedLineConditions::even, kLineBoundMembers> },
    { gamekey::kRun, kRequired, Nested<&SavedLineConditions::run, kLineBoundMembers> },
};

constexpr Member<SavedGuarantee> kGuaranteeMembers[] = {
    { gamekey::kP, kRequired, Plain<&SavedGuarantee::p> },
    { gamekey::kT, kRequired, Plain<&SavedGuarantee::t> },
    { gamekey::kExtent, kOptional, Named<&SavedGuarantee::extent, gamekey::kExtentNames, kKnownExtent> },
    { gamekey::kLineCount, kOptional, Plain<&SavedGuarantee::lines> },
    { gamekey::kBudget, kOptional, Plain<&SavedGuarantee::budgetCents> },
    { gamekey::kSeconds, kOptional, Plain<&SavedGuarantee::seconds> },
};

constexpr Member<SavedView> kViewMembers[] = {
    { gamekey::kBetSizeShown, kRequired, Plain<&SavedView::betSizeShown> },
    { gamekey::kBaseShown, kRequired, Plain<&SavedView::baseShown> },
    { gamekey::kCaption, kRequired, Named<&SavedView::caption, gamekey::kCaptionNames, kKnownCaption> },
    { gamekey::kLogos, kOptional, ReadLogos },
};

constexpr Member<Runner> kRunnerMembers[] = {
    { gamekey::kRunnerNumber, kRequired, Plain<&Runner::number> },
    { gamekey::kOdds, kRequired, Plain<&Runner::odds> },
};
constexpr ListLimit kRunnerLimit { kMaxGameRunners, "partants" };

constexpr Member<OddsThresholds> kThresholdMembers[] = {
    { gamekey::kFavourites, kRequired, Plain<&OddsThresholds::favourites> },
    { gamekey::kOutsiders, kRequired, Plain<&OddsThresholds::outsiders> },
};

constexpr Member<SavedGame> kGameMembers[] = {
    { gamekey::kFormat, kRequired, AlreadyChecked<SavedGame> },
    { gamekey::kVersion, kRequired, AlreadyChecked<SavedGame> },
    { gamekey::kSelection, kRequired, Nested<&SavedGame::selection, kSelectionMembers> },
    { gamekey::kSelectionText, kRequired, Plain<&SavedGame::selectionText> },
    { gamekey::kLines, kRequired, ReadLines },
    { gamekey::kBet, kOptional, Nested<&SavedGame::bet, kBetMembers> },
    { gamekey::kStakes, kOptional, ObjectList<&SavedGame::stakes, kStakeMembers, kStakeLimit> },
    { gamekey::kArrival, kOptional, Nested<&SavedGame::arrival, kArrivalMembers> },
    { gamekey::kConditions, kOptional, ObjectList<&SavedGame::conditions, kGroupMembers, kGroupLimit> },
    { gamekey::kLineConditions, kOptional, Nested<&SavedGame::lineConditions, kLineConditionMembers> },
    { gamekey::kGuarantee, kOptional, Nested<&SavedGame::guarantee, kGuaranteeMembers> },
    { gamekey::kView, kOptional, Nested<&SavedGame::view, kViewMembers> },
    { gamekey::kRunners, kOptional, ObjectList<&SavedGame::runners, kRunnerMembers, kRunnerLimit> },
    { gamekey::kOddsThresholds, kOptional, Nested<&SavedGame::oddsThresholds, kThresholdMembers> },
};

bool IsGameMember(std::string_view key)
{
    return std::any_of(std::begin(kGameMembers), std::end(kGameMembers), [key](const auto& m) { return key == m.key; });
}

Problem ReadGame(const JsonNode& root, SavedGame& game)
{
    if (root.kind != JsonNode::Kind::Object) {
        return std::string(kNotAGame);
    }
    const JsonNode* format = root.member(gamekey::kFormat);
    if (format == nullptr || format->kind != JsonNode::Kind::Text || format->text != kGameFormatName) {
        return std::string(kNotAGame);
    }
    const JsonNode* version = root.member(gamekey::kVersion);
    // JSON reads every number without a sign as unsigned: a negative version is the signed case.
    if (version == nullptr || version->kind != JsonNode::Kind::Natural || version->natural < 1) {
        return Quoted(gamekey::kVersion) + " manque ou n'est pas valide";
    }
    if (version->natural > static_cast<std::uint64_t>(kGameFormatVersion)) {
        return "ce jeu a été enregistré par une version plus récente d'Ornal";
    }
    if (Problem problem = ReadMembers(MemberReader(root, ""), kGameMembers, game)) {
        return problem;
    }
    return CheckGame(game);
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

std::string SyntaxProblem(std::string_view bytes, std::size_t byte)
{
    if (byte > bytes.size()) {
        return "le fichier est incomplet, coupé avant la fin";
    }
    const std::size_t before = byte > 0 ? byte - 1 : 0;
    const auto line = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(before), '\n');
    return "le fichier est abîmé (erreur de syntaxe à la ligne " + std::to_string(line) + ")";
}

// The longest string of the JSON text as it stands in the file, escapes and all.
std::size_t LongestRawText(std::string_view bytes)
{
    std::size_t longest = 0;
    std::size_t start = 0;
    bool inText = false;
    bool escaped = false;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (!inText) {
            if (c == '"') {
                inText = true;
                start = at;
            }
        } else if (escaped) {
            escaped = false;
        } else if (c == '\\') {
            escaped = true;
        } else if (c == '"') {
            inText = false;
            longest = std::max(longest, at - start - 1);
        }
    }
    return inText ? std::max(longest, bytes.size() - start - 1) : longest;
}

// What a text the tree refused is, in the player's words: a refusal inside a member no game holds names it.
std::string TreeProblem(std::string_view bytes, const JsonReading& reading)
{
    using Failure = JsonReading::Failure;
    switch (reading.failure) {
    case Failure::None:
    case Failure::Syntax:
        return SyntaxProblem(bytes, reading.byte);
    case Failure::DuplicateMember:
        return Quoted(reading.path) + " figure deux fois";
    case Failure::NumberTooLarge:
        return Quoted(reading.path) + " est un nombre trop grand";
    case Failure::TooDeep:
    case Failure::TooManyValues:
    case Failure::TooManyMembers:
        break;
    }
    if (reading.rootMember == gamekey::kLines && reading.failure == Failure::TooManyValues) {
        return std::string(kTooManyLines);
    }
    if (!reading.rootMember.empty() && !IsGameMember(reading.rootMember)) {
        return MemberReader::Unknown(reading.rootMember);
    }
    if (reading.failure == Failure::TooManyMembers && !reading.path.empty()) {
        return Quoted(reading.path) + " compte trop de membres";
    }
    return std::string(kNotAGame);
}

} // namespace

GameReading GameFromJson(std::string_view bytes)
{
    const auto refused = [](std::string reason) { return Refusal::Saying(std::move(reason), MessageIcon::Critical); };
    const std::size_t start = FirstSignificant(bytes);
    if (start == bytes.size()) {
        return refused("le fichier est vide");
    }
    if (bytes[start] != '{') {
        return refused(std::string(kNotAGame));
    }
    if (!IsValidUtf8(bytes)) {
        return refused("le texte du fichier n'est pas en UTF-8 valide");
    }
    // The JSON reader takes a NUL byte for the end of the text: what follows it would go unread.
    if (bytes.find('\0') != std::string_view::npos) {
        return refused("le fichier contient un octet nul");
    }
    // No member holds a longer text, and the JSON reader would hold such a text twice before it could be refused.
    // Six characters of the file ("\\u00e9") make at least one byte of a text: the bound is safe for every game.
    if (LongestRawText(bytes) > 6 * std::max(kMaxGameLineBytes, kMaxGameSelectionTextBytes)) {
        return refused("un texte du fichier dépasse "
            + std::to_string(std::max(kMaxGameLineBytes, kMaxGameSelectionTextBytes)) + " octets");
    }
    try {
        const JsonReading tree = ReadJson(bytes, kGameJsonLimits);
        if (!tree.ok()) {
            return refused(TreeProblem(bytes, tree));
        }
        SavedGame game;
        if (Problem problem = ReadGame(*tree.root, game)) {
            return refused(std::move(*problem));
        }
        return game;
    } catch (const std::bad_alloc&) {
        return refused("mémoire insuffisante");
    } catch (const std::exception&) {
        return refused(std::string(kNotAGame));
    }
}

} // namespace ornal
