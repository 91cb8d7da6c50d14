#include "document/gamefile.h"

#include "document/gamecheck.h"
#include "document/gamejson.h"
#include "engine/preload.h"
#include "files/filereader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <new>

namespace ornal {

WriteOutcome SaveGame(
    const std::filesystem::path& file, const SavedGame& game, ExistingFile existing, const WriteRefusalWording& wording)
{
    const auto refused = [&](const FileProblem& problem) { return WriteRefusal(file, problem, wording); };
    // A file this program would refuse to open again is never written.
    if (std::optional<std::string> problem = CheckGame(game)) {
        return refused({ std::move(*problem), 0 });
    }
    std::string text;
    try {
        text = GameToJson(game);
    } catch (const std::bad_alloc&) {
        return refused(FileProblem::FromErrno(ENOMEM));
    } catch (const std::exception&) {
        return refused({ "le jeu n'a pas pu être mis en forme", 0 });
    }
    if (text.size() > kMaxGameFileBytes) {
        return refused({ "le jeu dépasse " + SizeText(kMaxGameFileBytes), EFBIG });
    }
    AtomicWriteOptions options;
    options.existing = existing;
    options.wording = wording;
    return WriteFileAtomically(file, text, options);
}

std::optional<std::filesystem::path> GameFileNamed(const std::vector<std::string>& arguments)
{
    const std::string named = arguments.size() == 1 ? arguments.front() : JoinCommandLine(arguments);
    if (named.empty()) {
        return std::nullopt;
    }
    // A file that is there is read as a game whatever its name: its content decides, and a file that is no game is
    // refused as such rather than taken for a prediction that means nothing.
    std::error_code error;
    const std::filesystem::path file(named);
    if (std::filesystem::exists(std::filesystem::symlink_status(file, error))) {
        return file;
    }
    if (named.size() < kGameExtension.size()) {
        return std::nullopt;
    }
    std::string extension = named.substr(named.size() - kGameExtension.size());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == kGameExtension && named.find('|') == std::string::npos) {
        return file;
    }
    return std::nullopt;
}

GameLoadOutcome LoadGame(const std::filesystem::path& file)
{
    const auto refused
        = [](std::string sentence) { return Refusal::Saying(std::move(sentence), MessageIcon::Critical); };
    std::string reason;
    try {
        const ReadOutcome read = ReadFileLimited(file, kMaxGameFileBytes);
        if (!read.ok()) {
            return refused(read.refusal().text());
        }
        GameReading reading = GameFromJson(*read);
        if (reading) {
            return reading;
        }
        reason = reading.refusal().text();
    } catch (const std::bad_alloc&) {
        // The file's bytes are freed by now: the sentence has room.
        reason = "mémoire insuffisante";
    }
    return refused(CannotOpenSentence(file, reason));
}

} // namespace ornal
